// A paper list of 10,000 rows over its array controller, given a new order (the first row moved
// to the end, or a shuffle) with 100 selected objects kept, until laid out and painted, against the floor of a bare
// QStandardItemModel reset of the same rows in a plain QTreeView of the same size. The two run in interleaved rounds,
// so a machine busy with other work slows both alike. Then one bean changing status in a shown flow list of 10,000
// beans (a flow of 15,000, scope In Work, sorted by name, 100 selected): leaving the list and coming back, timed from
// the provider's change notice to the list having handled it (the move on disk and the provider's recompute come before
// the notice and are not counted). Prints a table; it passes or fails nothing.
//
//   TabelaPapierowaBench [rows] [rounds]     (default 10000 15)

#include "Views/KontrolerListyFasolek.h"
#include "Views/ListwaZakresu.h"
#include "Views/ProxyFasolkiPotoku.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WhitePaperTableView.h"

#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace Pomiary;

namespace {

void narysuj(QTreeView &widok)
{
    QCoreApplication::processEvents();
    widok.viewport()->repaint();
}

} // namespace

int main(int argc, char **argv)
{
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-tabela-XXXXXX",
                                   [](int &n, char **v) { return std::make_unique<QApplication>(n, v); });
    const int wiersze = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rundy = argc > 2 ? std::atoi(argv[2]) : 15;

    std::vector<std::unique_ptr<QObject>> obiekty;
    QStringList nazwy;
    for (int i = 0; i < wiersze; ++i) {
        nazwy.append(QStringLiteral("Fasolka %1").arg(i, 5, 10, QLatin1Char('0')));
        obiekty.push_back(std::make_unique<QObject>());
        obiekty.back()->setObjectName(nazwy.last());
    }

    KontrolerTablicy kontroler;
    kontroler.ustawDaneKomorki([](QObject *obiekt, int, int rola) {
        return rola == Qt::DisplayRole ? QVariant(obiekt->objectName()) : QVariant();
    });
    WhitePaperTableView tabela;
    tabela.setGridStyleMask(WidokPapierowy::SolidHorizontalGridLineMask);
    tabela.setKontrolerTablicy(&kontroler);
    tabela.resize(800, 600);
    tabela.show();

    QStandardItemModel model;
    QTreeView drzewo;
    drzewo.setModel(&model);
    drzewo.resize(800, 600);
    drzewo.show();

    QList<QObject *> wszystkie;
    for (const auto &obiekt : obiekty)
        wszystkie.append(obiekt.get());
    kontroler.ustawTresc(wszystkie);
    std::printf("%-44s %10s %10s %8s\n", "new order until painted", "floor ms", "paper ms", "ratio");
    // Each round the list takes a new order, with 100 objects spread over it selected before.
    const auto nowaKolejnosc = [&](const char *opis, const std::function<void(QList<QObject *> & lista)> &zmien) {
        std::vector<double> papier, podloga, stosunki;
        for (int runda = 1; runda <= rundy; ++runda) {
            QList<QObject *> tresc = kontroler.arrangedObjects();
            zmien(tresc);
            QList<QObject *> zaznaczone;
            for (int i = 0; i < 100; ++i)
                zaznaczone.append(kontroler.arrangedObjects()[i * wiersze / 100]);
            kontroler.setSelectedObjects(zaznaczone);
            const double naszCzas = czas([&] {
                kontroler.ustawTresc(tresc);
                narysuj(tabela);
            });
            if (kontroler.selectedObjects().size() != zaznaczone.size())
                std::abort();

            const double czasPodlogi = czas([&] {
                QList<QStandardItem *> elementy;
                elementy.reserve(wiersze);
                for (QObject *obiekt : std::as_const(tresc))
                    elementy.append(new QStandardItem(obiekt->objectName()));
                model.clear();
                model.appendColumn(elementy);
                narysuj(drzewo);
            });
            papier.push_back(naszCzas);
            podloga.push_back(czasPodlogi);
            stosunki.push_back(naszCzas / czasPodlogi);
        }
        std::printf("%-44s %10.2f %10.2f %8.2f\n",
                    qPrintable(QStringLiteral("%1 rows %2, 100 selected kept").arg(wiersze).arg(QLatin1String(opis))),
                    mediana(podloga), mediana(papier), mediana(stosunki));
    };
    nowaKolejnosc("shifted by one", [](QList<QObject *> &lista) { lista.move(0, lista.size() - 1); });
    QRandomGenerator los(16);
    nowaKolejnosc("shuffled", [&](QList<QObject *> &lista) { std::shuffle(lista.begin(), lista.end(), los); });

    stanowisko.zbudujPortfolio(1, 15000);
    Potok *potok = BazaFasolek::sharedBazaFasolek()->potokGlowny();
    ListwaZakresu listwa;
    listwa.setCzyWObrobce(true);
    ProxyFasolkiPotoku proxy;
    proxy.setListwaZakresu(&listwa);
    proxy.setPotok(potok);
    // Connected around the list's own handlers, which run in between in connection order.
    Zegar::time_point poczatekObslugi;
    QObject::connect(&proxy, &ProxyListyFasolek::tablicaChanged, [&] { poczatekObslugi = Zegar::now(); });
    auto *tabelaFasolek = new WidokTabeliFasolkiPotoku;
    KontrolerListyFasolek lista(tabelaFasolek, &proxy, nullptr);
    std::vector<double> obsluga;
    QObject::connect(&proxy, &ProxyListyFasolek::tablicaChanged,
                     [&] { obsluga.push_back(milisekundy(Zegar::now() - poczatekObslugi)); });
    lista.przeladujBezZaznaczania();
    lista.widok()->resize(800, 600);
    lista.widok()->show();
    KontrolerTablicy *tablica = lista.kontrolerTablicy();
    QList<QObject *> zaznaczone;
    for (int i = 0; i < 100; ++i)
        zaznaczone.append(tablica->arrangedObjects()[i * tablica->rowCount() / 100]);
    tablica->setSelectedObjects(zaznaczone);
    tabelaFasolek->verticalScrollBar()->setValue(tabelaFasolek->verticalScrollBar()->maximum() / 2);
    narysuj(*tabelaFasolek);

    const auto pierwsza = [&](int status) {
        for (Fasolka *fasolka : potok->fasolki()) {
            if (fasolka->statusFasolki() == status)
                return fasolka;
        }
        std::fprintf(stderr, "No bean of status %d\n", status);
        std::exit(1);
    };
    const int wLiscie = int(tablica->rowCount());
    for (int runda = 0; runda < rundy; ++runda) {
        const std::pair<Fasolka *, int> zmiany[] = {
            {pierwsza(Fasolka::sfAktywna), Fasolka::sfUkonczona},
            {pierwsza(Fasolka::sfUkonczona), Fasolka::sfAktywna},
        };
        for (const auto &[fasolka, status] : zmiany) {
            // A bean this program brings back into the list is selected alone; the 100 come back.
            tablica->setSelectedObjects(zaznaczone);
            const size_t przed = obsluga.size();
            if (!fasolka->ustawStatus(status)) {
                std::fprintf(stderr, "No status %d for %s\n", status, qPrintable(fasolka->nazwa()));
                std::exit(1);
            }
            while (obsluga.size() == przed)
                QCoreApplication::processEvents();
            narysuj(*tabelaFasolek);
        }
    }
    if (tablica->rowCount() != wLiscie) {
        std::fprintf(stderr, "The list has %d rows, not %d\n", tablica->rowCount(), wLiscie);
        std::exit(1);
    }
    std::printf("%-44s %10s %10s %8s\n", "one bean's status, notice to rows handled", "", "list ms", "target");
    std::printf("%-44s %10s %10.3f %8s\n",
                qPrintable(QStringLiteral("%1 beans shown, 100 selected, %2 changes").arg(wLiscie).arg(obsluga.size())),
                "", mediana(obsluga), "1 ms");
    return 0;
}
