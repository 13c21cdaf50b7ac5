// The list of one flow of 10,000 beans, scope All, 100 of them selected, offscreen. Five letters
// are typed into the search field; a keystroke costs the provider's new list, the model reset,
// the selection put back and one layout pass of the table. Its floor, measured next to it in the
// same round, is one plain pass of "contains" over the 10,000 cached folded names, so a machine
// busy with other work slows both alike. Prints medians; it passes or fails nothing.
//
//   ListaPotokuBench [rounds]     (default 15)

#include "Platform/Ui/Menu.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/ListwaZakresu.h"
#include "Views/ProxyFasolkiPotoku.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"

#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/KluczeNazwy.h"
#include "Model/Potok.h"

#include "Support/PodlogaWyszukiwania.h"
#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Pomiary;

namespace {

const QString wpisywanaFraza = QStringLiteral("fasol");

volatile qsizetype trafieniaPodlogi = 0;

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-lista-potoku-XXXXXX", [](int &n, char **v) {
        return std::unique_ptr<QGuiApplication>(std::make_unique<QApplication>(n, v));
    });
    const int rundy = argc > 1 ? std::atoi(argv[1]) : 15;
    stanowisko.zbudujPortfolio(1, 10000);
    Potok *potok = BazaFasolek::sharedBazaFasolek()->potokGlowny();

    std::vector<QString> zlozone;
    for (Fasolka *fasolka : potok->fasolki())
        zlozone.push_back(fasolka->kluczeNazwy().zlozona());

    ListwaZakresu listwa;
    listwa.setCzyWszystkie(true);
    ProxyFasolkiPotoku proxy;
    proxy.setListwaZakresu(&listwa);
    proxy.setPotok(potok);
    auto *tabela = new WidokTabeliFasolkiPotoku;
    KontrolerListyFasolek lista(tabela, &proxy, &listwa);
    lista.przeladujBezZaznaczania();
    lista.widok()->resize(600, 800);
    lista.widok()->show();
    QCoreApplication::processEvents();

    // 100 beans spread over the list that stay in it while the phrase is typed.
    proxy.setFrazaFiltra(wpisywanaFraza);
    const QList<QObject *> pasujace = proxy.tablica();
    QList<QObject *> zaznaczone;
    for (qsizetype i = 0; i < 100 && i < pasujace.size(); ++i)
        zaznaczone << pasujace.at(i * pasujace.size() / 100);

    std::vector<double> klawisze, podlogi, stosunki;
    for (int runda = 0; runda < rundy; ++runda) {
        proxy.setFrazaFiltra({});
        lista.kontrolerTablicy()->setSelectedObjects(zaznaczone);
        QCoreApplication::processEvents();
        for (qsizetype litera = 1; litera <= wpisywanaFraza.size(); ++litera) {
            const QString fraza = wpisywanaFraza.left(litera);
            const QString zlozonaFraza = KluczeNazwy::zloz(fraza);
            const double podloga = czas([&] { trafieniaPodlogi = trafieniaFrazy(zlozone, zlozonaFraza); });
            const double klawisz = czas([&] { proxy.setFrazaFiltra(fraza); });
            if (lista.kontrolerTablicy()->selectedObjects().size() != zaznaczone.size()) {
                std::fprintf(stderr, "the selection was not put back after '%s'\n", qPrintable(fraza));
                return 1;
            }
            klawisze.push_back(klawisz);
            podlogi.push_back(podloga);
            stosunki.push_back(klawisz / podloga);
        }
    }
    std::printf("Flow list, %zu beans, scope All, %lld selected, offscreen; %d rounds of %lld keystrokes\n",
                zlozone.size(), static_cast<long long>(zaznaczone.size()), rundy,
                static_cast<long long>(wpisywanaFraza.size()));
    std::printf("  keystroke (list, reset, selection, layout)  median %7.3f ms   (at most 30 ms)\n", mediana(klawisze));
    std::printf("  floor (contains over folded names)          median %7.3f ms\n", mediana(podlogi));
    std::printf("  keystroke / floor                           median %7.1f x\n", mediana(stosunki));
    delete lista.widok();
    return 0;
}
