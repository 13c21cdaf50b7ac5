// The All Beans list over a generated portfolio of 10,000 beans in 50 flows, divided into flows,
// scope All. A keystroke costs the way from a new phrase to the new list and title; its floor,
// measured in the same rounds, is one plain pass of "contains" over the cached folded names.
// A status command on 1,000 beans is timed with and without the list attached, in alternating
// rounds. Rounds interleave with their floors, so a machine busy with other work slows both alike.
// Prints medians; it passes or fails nothing.
//
//   ListyFasolekBench [rounds]     (default 15)

#include "Views/ListwaZakresu.h"
#include "Views/ProxyWszystkieFasolki.h"

#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/KluczeNazwy.h"
#include "Model/Potok.h"

#include "Support/PodlogaWyszukiwania.h"
#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace Pomiary;

namespace {

// A phrase typed letter by letter and taken back again.
QStringList frazyPisania()
{
    const QString slowo = QStringLiteral("projekt 01");
    QStringList frazy;
    for (qsizetype i = 1; i <= slowo.size(); ++i)
        frazy << slowo.left(i);
    for (qsizetype i = slowo.size() - 1; i >= 0; --i)
        frazy << slowo.left(i);
    return frazy;
}

volatile qsizetype wynikPodlogi = 0;

} // namespace

int main(int argc, char **argv)
{
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-listy-XXXXXX");
    const int rundy = argc > 1 ? std::atoi(argv[1]) : 15;
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(50, 200);
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();

    std::vector<Fasolka *> fasolki;
    for (Potok *potok : baza->potoki())
        fasolki.insert(fasolki.end(), potok->fasolki().begin(), potok->fasolki().end());
    std::vector<QString> zlozone;
    for (Fasolka *fasolka : fasolki)
        zlozone.push_back(fasolka->kluczeNazwy().zlozona());

    ListwaZakresu listwa;
    listwa.setCzyWszystkie(true);
    auto proxy = std::make_unique<ProxyWszystkieFasolki>();
    proxy->setBazaFasolek(baza);
    proxy->setListwaZakresu(&listwa);

    std::vector<double> klawisze, podlogi, stosunki;
    const QStringList frazy = frazyPisania();
    for (int runda = 0; runda < rundy; ++runda) {
        for (const QString &fraza : frazy) {
            const QString zlozonaFraza = KluczeNazwy::zloz(fraza);
            const double podloga = czas([&] { wynikPodlogi = trafieniaFrazy(zlozone, zlozonaFraza); });
            const double klawisz = czas([&] {
                proxy->setFrazaFiltra(fraza);
                wynikPodlogi = proxy->tablica().size() + proxy->tytulKolumny().size();
            });
            klawisze.push_back(klawisz);
            podlogi.push_back(podloga);
            stosunki.push_back(klawisz / podloga);
        }
    }
    std::printf("All Beans, %d beans in %d flows, divided, scope All; %d rounds of %lld keystrokes\n",
                portfolio.fasolkiWPotokach, portfolio.potoki, rundy, static_cast<long long>(frazy.size()));
    std::printf("  keystroke (phrase to list and title)  median %7.3f ms   (at most 15 ms)\n", mediana(klawisze));
    std::printf("  floor (contains over folded names)    median %7.3f ms\n", mediana(podlogi));
    std::printf("  keystroke / floor                     median %7.1f x\n", mediana(stosunki));

    // The status command: 1,000 beans to Done and back, the coalesced recompute included.
    proxy->setFrazaFiltra({});
    std::vector<std::pair<Fasolka *, int>> zmieniane;
    for (Fasolka *fasolka : fasolki) {
        if (!fasolka->jestUkonczona() && zmieniane.size() < 1000)
            zmieniane.emplace_back(fasolka, fasolka->statusFasolki());
    }
    const auto polecenie = [&](bool doUkonczonych) {
        return czas([&] {
            for (const auto &[fasolka, status] : zmieniane) {
                if (!fasolka->ustawStatus(doUkonczonych ? int(Fasolka::sfUkonczona) : status))
                    std::exit(1);
            }
            QCoreApplication::processEvents();
            if (proxy)
                wynikPodlogi = proxy->tablica().size();
        });
    };
    std::vector<double> zLista, bezListy, stosunkiPolecen;
    for (int runda = 0; runda < rundy; ++runda) {
        proxy.reset();
        const double bez = polecenie(true) + polecenie(false);
        proxy = std::make_unique<ProxyWszystkieFasolki>();
        proxy->setBazaFasolek(baza);
        proxy->setListwaZakresu(&listwa);
        const double z = polecenie(true) + polecenie(false);
        bezListy.push_back(bez / 2);
        zLista.push_back(z / 2);
        stosunkiPolecen.push_back(z / bez);
    }
    std::printf("Status command on %zu beans, %d rounds\n", zmieniane.size(), rundy);
    std::printf("  without the All Beans list            median %7.3f ms\n", mediana(bezListy));
    std::printf("  with the All Beans list               median %7.3f ms\n", mediana(zLista));
    std::printf("  with / without                        median %7.2f x   (at most 2 x)\n", mediana(stosunkiPolecen));
    return 0;
}
