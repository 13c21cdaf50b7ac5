// The disk watcher on a generated portfolio: setting up the watches against a plain recursive
// listing of the same trees, the main-thread time from a delivered batch to a bean seen under
// its new status, and the main-thread time per batch while 5,000 folders appear inside one bean.
// Prints a table; it passes or fails nothing.
//
//   ObserwatorZmianNaDyskuBench [flows] [beans per flow] [runs]     (default 50 200 7)

#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SCEvents.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"

#include "Platform/FolderListing.h"

#include "Support/ListowanieDrzew.h"
#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

using namespace Pomiary;

namespace {

// The same walk through the program's own listing layer, which names every entry.
int listujRekurencyjnieWarstwa(const QStringList &korzenie)
{
    int katalogow = 0;
    std::deque<QString> kolejka(korzenie.begin(), korzenie.end());
    while (!kolejka.empty()) {
        const FolderListing::Wynik wynik = FolderListing::list(kolejka.front());
        kolejka.pop_front();
        if (!wynik.ok())
            continue;
        ++katalogow;
        for (const FolderListing::Wpis &wpis : wynik.wpisy) {
            if (wpis.toKatalog)
                kolejka.push_back(wpis.sciezka);
        }
    }
    return katalogow;
}

bool czekajNaObserwacje(const SCEvents &events, int katalogow)
{
    const auto limit = Zegar::now() + std::chrono::seconds(120);
    while (events.liczbaObserwowanychKatalogow() != katalogow) {
        if (Zegar::now() > limit)
            return false;
        QThread::usleep(100);
    }
    return true;
}

// Turns the event loop, timing each turn, until `koniec` holds or the time runs out.
struct TuryPetli
{
    std::vector<double> czasy;
    bool udane = false;
    double najdluzsza() const { return czasy.empty() ? 0 : *std::max_element(czasy.begin(), czasy.end()); }
};

TuryPetli obracajPetle(const std::function<bool()> &koniec, std::chrono::milliseconds limit)
{
    TuryPetli tury;
    const auto termin = Zegar::now() + limit;
    while (Zegar::now() < termin) {
        const auto start = Zegar::now();
        QCoreApplication::processEvents();
        tury.czasy.push_back(milisekundy(Zegar::now() - start));
        if (koniec()) {
            tury.udane = true;
            return tury;
        }
        QThread::usleep(100);
    }
    return tury;
}

std::unique_ptr<ObserwatorZmianNaDysku> obserwator(double opoznienie, int katalogow)
{
    auto wynik = std::make_unique<ObserwatorZmianNaDysku>(opoznienie);
    wynik->setupEventListener();
    if (!czekajNaObserwacje(*wynik->events(), katalogow)) {
        std::fprintf(stderr, "The watcher did not watch all %d folders\n", katalogow);
        std::exit(1);
    }
    return wynik;
}

struct WynikSerii
{
    double najdluzszaTura = 0;
    double sumaTur = 0;
    int turyPonadMs = 0;
    double podloga = 0;
};

// Makes 5,000 folders inside the folder bean at once from another thread, each with one file,
// while the main thread turns its loop; `plasko` puts them all directly in the bean.
WynikSerii seriaKatalogow(Potok *potok, const QString &nazwaFasolki, bool plasko, SCEvents &events, int katalogowPrzed)
{
    Fasolka *fasolka = potok->znajdzFasolkeONazwie(nazwaFasolki);
    const QString korzen = fasolka->bytFasolki()->plikowyURL() + QStringLiteral("/checkout");
    const std::string korzenC = QFile::encodeName(korzen).toStdString();
    fasolka->katalog()->bytyWewnetrzne(); // shown in a view

    std::atomic<bool> gotowe{false};
    std::thread tworca([&] {
        mkdir(korzenC.c_str(), 0755);
        for (int i = 0; i < 50; ++i) {
            std::string srodek = korzenC;
            if (!plasko) {
                srodek += "/p" + std::to_string(i);
                mkdir(srodek.c_str(), 0755);
            }
            for (int j = 0; j < (plasko ? 100 : 99); ++j) {
                const std::string katalog = srodek + "/d" + std::to_string(i) + "_" + std::to_string(j);
                mkdir(katalog.c_str(), 0755);
                if (FILE *plik = std::fopen((katalog + "/main.c").c_str(), "w"))
                    std::fclose(plik);
            }
        }
        gotowe = true;
    });
    const int nowych = plasko ? 5001 : 1 + 50 + 50 * 99;
    // Done when every new folder is watched and the stream has been quiet for two latencies.
    quint64 ostatnieId = 0;
    auto cisza = Zegar::now();
    const auto tury = obracajPetle(
        [&] {
            const auto ostatnie = events.lastEvent();
            if (ostatnie && ostatnie->eventId() != ostatnieId) {
                ostatnieId = ostatnie->eventId();
                cisza = Zegar::now();
            }
            return gotowe && events.liczbaObserwowanychKatalogow() == katalogowPrzed + nowych
                   && Zegar::now() - cisza > std::chrono::milliseconds(2500);
        },
        std::chrono::seconds(120));
    tworca.join();
    if (!tury.udane) {
        std::fprintf(stderr, "The burst of folders did not settle\n");
        std::exit(1);
    }
    WynikSerii wynik;
    wynik.najdluzszaTura = tury.najdluzsza();
    for (double czas : tury.czasy) {
        wynik.sumaTur += czas;
        if (czas > 1.0)
            ++wynik.turyPonadMs;
    }
    const auto start = Zegar::now();
    listujRekurencyjnie({korzenC});
    wynik.podloga = milisekundy(Zegar::now() - start);
    if (!fasolka->katalog()->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("checkout"))) {
        std::fprintf(stderr, "The bean never saw its new folder\n");
        std::exit(1);
    }
    return wynik;
}

// The three table rows of one series, which made `folderow` folders.
void wierszeSerii(const char *opis, const WynikSerii &wynik, int folderow)
{
    std::printf("| %-57s| %9.2f | %7.2f | recursive listing of the tree  | <= 100 ms       |\n", opis,
                wynik.najdluzszaTura, wynik.najdluzszaTura / wynik.podloga);
    std::printf("|   all main-thread time, turns over 1 ms                  | %9.2f | %7d |                            "
                "    |                 |\n",
                wynik.sumaTur, wynik.turyPonadMs);
    std::printf("|   main-thread time per new folder [us]                   | %9.2f |         |                        "
                "        | same at any size |\n",
                wynik.sumaTur * 1000 / folderow);
}

} // namespace

int main(int argc, char **argv)
{
    const int potoki = argc > 1 ? std::atoi(argv[1]) : 50;
    const int fasolkiNaPotok = argc > 2 ? std::atoi(argv[2]) : 200;
    const int powtorzenia = std::max(1, argc > 3 ? std::atoi(argv[3]) : 7);

    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-bench-XXXXXX");
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(potoki, fasolkiNaPotok);
    if (portfolio.potoki < 3) {
        std::fprintf(stderr, "The bench needs three flows or more\n");
        return 1;
    }
    // The graph is built without a watcher; each measurement sets up its own.
    BazaFasolek::setFabrykaObserwatoraZmianNaDysku({});
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    BazaFasolek *bazaFasolek = BazaFasolek::sharedBazaFasolek();
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    const std::vector<std::string> korzenie{QFile::encodeName(spec->url(SpecKatalog::suWszystkieFasolki)).toStdString(),
                                            QFile::encodeName(spec->url(SpecKatalog::suArchiwum)).toStdString()};
    const int katalogow = listujRekurencyjnie(korzenie);

    // Setting up the watches.
    const QStringList korzenieQ{spec->url(SpecKatalog::suWszystkieFasolki), spec->url(SpecKatalog::suArchiwum)};
    std::vector<double> czasyListowania, czasyListowaniaWarstwa, czasyBlokady, czasyObserwacji;
    for (int i = 0; i < powtorzenia; ++i) {
        auto start = Zegar::now();
        listujRekurencyjnie(korzenie);
        czasyListowania.push_back(milisekundy(Zegar::now() - start));

        start = Zegar::now();
        listujRekurencyjnieWarstwa(korzenieQ);
        czasyListowaniaWarstwa.push_back(milisekundy(Zegar::now() - start));

        auto obs = std::make_unique<ObserwatorZmianNaDysku>();
        start = Zegar::now();
        obs->setupEventListener();
        czasyBlokady.push_back(milisekundy(Zegar::now() - start));
        if (!czekajNaObserwacje(*obs->events(), katalogow)) {
            std::fprintf(stderr, "The watcher did not watch all %d folders\n", katalogow);
            return 1;
        }
        czasyObserwacji.push_back(milisekundy(Zegar::now() - start));
        // The kernel frees thousands of watches in the background; let that settle first.
        obs.reset();
        QThread::msleep(500);
    }

    // A bean moved between two status folders by another program, back and forth.
    const QList<Potok *> tematyczne = bazaFasolek->potokiTematyczne();
    Potok *potok = tematyczne.at(0);
    if (potok->fasolkiWInkubacji().isEmpty()) {
        std::fprintf(stderr, "The flow has no bean in incubation\n");
        return 1;
    }
    const QString nazwa = potok->fasolkiWInkubacji().first()->bytFasolki()->ostatniKomponentSciezki();
    const QString urlPotoku = potok->bytPotoku()->plikowyURL();
    std::vector<double> czasyStatusu, czasyPodlogiStatusu;
    {
        auto obs = obserwator(0.02, katalogow);
        for (int i = 0; i < powtorzenia * 2; ++i) {
            const bool doZrobionych = i % 2 == 0;
            const QString skad = urlPotoku
                                 + (doZrobionych ? QStringLiteral("/_Incubation/") : QStringLiteral("/_Done/")) + nazwa;
            const QString dokad =
                urlPotoku + (doZrobionych ? QStringLiteral("/_Done/") : QStringLiteral("/_Incubation/")) + nazwa;
            const int cel = doZrobionych ? Fasolka::sfUkonczona : Fasolka::sfWInkubacji;
            if (!QDir().rename(skad, dokad)) {
                std::fprintf(stderr, "Could not move %s\n", qPrintable(skad));
                return 1;
            }
            const auto tury = obracajPetle(
                [&] {
                    const Fasolka *fasolka = potok->znajdzFasolkeONazwie(nazwa);
                    return fasolka && fasolka->statusFasolki() == cel;
                },
                std::chrono::seconds(10));
            if (!tury.udane) {
                std::fprintf(stderr, "The bean was never seen under its new status\n");
                return 1;
            }
            czasyStatusu.push_back(tury.czasy.back());

            // The least a re-read of the flow must do: list its folder and its status folders.
            const auto start = Zegar::now();
            FolderListing::list(urlPotoku);
            for (const char *status : {"_Waiting_For", "_Inactive", "_Ready", "_Done", "_Incubation"})
                FolderListing::list(urlPotoku + QLatin1Char('/') + QLatin1String(status));
            czasyPodlogiStatusu.push_back(milisekundy(Zegar::now() - start));
        }
    }

    // 5,000 folders appearing at once inside one folder bean, at the program's own latency.
    auto fasolkaKatalogowa = [](Potok *p) -> QString {
        for (Fasolka *fasolka : p->fasolkiAktywne()) {
            if (fasolka->katalog())
                return fasolka->bytFasolki()->ostatniKomponentSciezki();
        }
        return {};
    };
    WynikSerii zagniezdzone, plaskie;
    {
        auto obs = obserwator(ObserwatorZmianNaDysku::domyslneOpoznienie, katalogow);
        zagniezdzone =
            seriaKatalogow(tematyczne.at(1), fasolkaKatalogowa(tematyczne.at(1)), false, *obs->events(), katalogow);
    }
    {
        const int teraz = listujRekurencyjnie(korzenie);
        auto obs = obserwator(ObserwatorZmianNaDysku::domyslneOpoznienie, teraz);
        plaskie = seriaKatalogow(tematyczne.at(2), fasolkaKatalogowa(tematyczne.at(2)), true, *obs->events(), teraz);
    }

    const double listowanie = mediana(czasyListowania);
    const double listowanieWarstwa = mediana(czasyListowaniaWarstwa);
    const double blokada = mediana(czasyBlokady);
    const double obserwacja = mediana(czasyObserwacji);
    const double status = mediana(czasyStatusu);
    const double podlogaStatusu = mediana(czasyPodlogiStatusu);
    std::printf("Portfolio: %d flows x %d beans = %d beans in flows, %d archived; %d folders watched\n",
                portfolio.potoki, fasolkiNaPotok, portfolio.fasolkiWPotokach, portfolio.fasolkiZarchiwizowane,
                katalogow);
    std::printf("Median of %d runs (status change: %d moves), warm cache.\n\n", powtorzenia, powtorzenia * 2);
    std::printf("| measurement                                              | time [ms] | x floor | floor              "
                "            | target          |\n");
    std::printf("|----------------------------------------------------------|-----------|---------|--------------------"
                "------------|-----------------|\n");
    std::printf("| recursive readdir listing of both trees                  | %9.2f |    1.00 | itself                 "
                "        |                 |\n",
                listowanie);
    std::printf("| recursive FolderListing of both trees                    | %9.2f | %7.2f | the readdir listing      "
                "      |                 |\n",
                listowanieWarstwa, listowanieWarstwa / listowanie);
    std::printf("| set-up until every folder is watched                     | %9.2f | %7.2f | the readdir listing      "
                "      |                 |\n",
                obserwacja, obserwacja / listowanie);
    std::printf("|   the same against the FolderListing walk                |           | %7.2f | the FolderListing "
                "listing      | <= 1.5x floor   |\n",
                obserwacja / listowanieWarstwa);
    std::printf("| set-up: main thread blocked                              | %9.3f | %7.2f | the readdir listing      "
                "      | <= 5 ms         |\n",
                blokada, blokada / listowanie);
    std::printf("| delivered batch -> bean seen under its new status        | %9.3f | %7.2f | listing the flow's 6 "
                "folders   | <= 2 ms         |\n",
                status, status / podlogaStatusu);
    wierszeSerii("5,000 nested folders in one bean: longest batch", zagniezdzone, 5100);
    wierszeSerii("5,000 folders directly in one bean: longest batch", plaskie, 5001);
    return 0;
}
