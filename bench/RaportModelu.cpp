// The model's costs on one generated portfolio, each against a floor measured in the same run:
// the build, a re-read with nothing changed, the watcher set-up, a status change, the way from a
// change on disk to the graph, and the memory the graph holds. Prints the rows of the table that
// bench/run assembles; it passes or fails nothing.
//
//   RaportModelu <beans in flows> [--header]

#include "Model/Archiwum.h"
#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SCEvents.h"
#include "Model/StosCoreData.h"

#include "Platform/FolderListing.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Pomiary;

namespace {

// One pair of a cost and its floor, measured in alternating rounds under the same conditions:
// each round times both, the one first that came second in the round before, after one untimed
// round of each that warms the caches. The ratio is taken per round.
struct Para
{
    std::vector<double> koszty;
    std::vector<double> podlogi;
    std::vector<double> stosunki;
};

Para zmierzNaPrzemian(int rundy, const std::function<void()> &podloga, const std::function<void()> &przedKosztem,
                      const std::function<void()> &koszt)
{
    const auto czas = [](const std::function<void()> &co) {
        const auto start = Zegar::now();
        co();
        return milisekundy(Zegar::now() - start);
    };
    podloga();
    przedKosztem();
    koszt();
    Para para;
    for (int i = 0; i < rundy; ++i) {
        double p = 0;
        double k = 0;
        if (i % 2 == 0)
            p = czas(podloga);
        przedKosztem();
        k = czas(koszt);
        if (i % 2 == 1)
            p = czas(podloga);
        para.koszty.push_back(k);
        para.podlogi.push_back(p);
        para.stosunki.push_back(k / p);
    }
    return para;
}

// readdir of one folder, with an lstat of each visible entry when asked; its sub-folders.
std::vector<std::string> listuj(const std::string &katalog, bool zLstat, long &wpisy)
{
    std::vector<std::string> podkatalogi;
    DIR *dir = opendir(katalog.c_str());
    if (!dir)
        return podkatalogi;
    while (const dirent *e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        ++wpisy;
        const std::string sciezka = katalog + '/' + e->d_name;
        if (zLstat) {
            struct stat info;
            lstat(sciezka.c_str(), &info);
        }
        if (e->d_type == DT_DIR)
            podkatalogi.push_back(sciezka);
    }
    closedir(dir);
    return podkatalogi;
}

// The levels a build reads: "All Beans", each flow with its five status folders, "Archived
// Beans" and each flow archive.
long listujPoziomy(const std::string &korzen, bool zLstat)
{
    long wpisy = 0;
    for (const std::string &potok : listuj(korzen + "/All Beans", zLstat, wpisy)) {
        listuj(potok, zLstat, wpisy);
        for (const char *status : {"/_Incubation", "/_Waiting_For", "/_Inactive", "/_Ready", "/_Done"})
            listuj(potok + status, zLstat, wpisy);
    }
    for (const std::string &archiwum : listuj(korzen + "/Archived Beans", zLstat, wpisy))
        listuj(archiwum, zLstat, wpisy);
    return wpisy;
}

int listujDrzewa(const std::vector<std::string> &korzenie)
{
    int katalogow = 0;
    std::deque<std::string> kolejka(korzenie.begin(), korzenie.end());
    long wpisy = 0;
    while (!kolejka.empty()) {
        for (std::string &podkatalog : listuj(kolejka.front(), false, wpisy))
            kolejka.push_back(std::move(podkatalog));
        kolejka.pop_front();
        ++katalogow;
    }
    return katalogow;
}

bool czekaj(const std::function<bool()> &warunek, bool obracajPetle)
{
    const auto limit = Zegar::now() + std::chrono::seconds(60);
    while (!warunek()) {
        if (Zegar::now() > limit)
            return false;
        if (obracajPetle)
            QCoreApplication::processEvents();
        else
            QThread::usleep(100);
    }
    return true;
}

void wiersz(const char *portfolio, const char *pomiar, const Para &para, const char *opisPodlogi)
{
    const auto [najmniej, najwiecej] = std::minmax_element(para.stosunki.begin(), para.stosunki.end());
    char rozrzut[32];
    std::snprintf(rozrzut, sizeof rozrzut, "%.2f-%.2f", *najmniej, *najwiecej);
    std::printf("| %-16s | %-38s | %10.3f | %10.3f | %7.2f | %-11s | %-44s |\n", portfolio, pomiar,
                mediana(para.koszty), mediana(para.podlogi), mediana(para.stosunki), rozrzut, opisPodlogi);
}

void wierszPamieci(const char *portfolio, const char *pomiar, double megabajty)
{
    std::printf("| %-16s | %-38s | %10.1f | %10s | %7s | %-11s | %-44s |\n", portfolio, pomiar, megabajty, "", "", "",
                "");
}

void przerwij(const char *powod)
{
    std::fprintf(stderr, "RaportModelu: %s\n", powod);
    std::exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && std::strcmp(argv[2], "--header") == 0) {
        std::printf("| %-16s | %-38s | %10s | %10s | %7s | %-11s | %-44s |\n", "portfolio", "measurement", "time [ms]",
                    "floor [ms]", "x floor", "spread", "floor");
        std::printf("|------------------|----------------------------------------|------------|------------|---------|"
                    "-------------|----------------------------------------------|\n");
    }
    const int fasolek = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int potokow = fasolek <= 1000 ? 10 : fasolek <= 10000 ? 50 : 100;

    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-raport-XXXXXX");
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(potokow, fasolek / potokow);
    const std::string korzen = QFile::encodeName(portfolio.korzen).toStdString();
    char nazwaPortfolio[32];
    std::snprintf(nazwaPortfolio, sizeof nazwaPortfolio, "%d+%d beans", portfolio.fasolkiWPotokach,
                  portfolio.fasolkiZarchiwizowane);
    const int zadaneRundy = qEnvironmentVariableIntValue("TARROWIND_BENCH_ROUNDS");
    const int rundy = zadaneRundy > 0 ? zadaneRundy : fasolek > 20000 ? 5 : 9;

    // The build and a re-read with nothing changed, without a watcher.
    BazaFasolek::setFabrykaObserwatoraZmianNaDysku({});
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    BazaFasolek::sharedBazaFasolek(); // one-time loads (the MIME database) come before the timed runs
    std::vector<double> sterty;
    double sterta = 0;
    const Para budowa = zmierzNaPrzemian(
        rundy, [&] { listujPoziomy(korzen, true); },
        [&] {
            if (!sterty.empty() || sterta != 0)
                sterty.push_back(stertaMB() - sterta);
            StosCoreData::sharedStosCoreData()->nowyKontekst();
            malloc_trim(0);
            sterta = stertaMB();
        },
        [] { BazaFasolek::sharedBazaFasolek(); });
    sterty.push_back(stertaMB() - sterta);
    const double rss = rssMB();
    BazaFasolek *bazaFasolek = BazaFasolek::sharedBazaFasolek();
    if (bazaFasolek->potoki().size() != portfolio.potoki)
        przerwij("the build missed flows");
    const Para ponownyOdczyt = zmierzNaPrzemian(
        rundy, [&] { listujPoziomy(korzen, false); }, [] {},
        [&] {
            bazaFasolek->synchronizujZDyskiem();
            bazaFasolek->archiwum()->synchronizujZDyskiem();
        });

    // One status change: the bean's move on disk and the graph, against the bare rename. Each
    // round moves the bean there and back, so the graph and the disk agree between rounds.
    Potok *potok = bazaFasolek->potokiTematyczne().first();
    Fasolka *fasolka = potok->fasolkiWInkubacji().first();
    const std::string urlPotoku = QFile::encodeName(potok->bytPotoku()->plikowyURL()).toStdString();
    const std::string nazwa = QFile::encodeName(fasolka->bytFasolki()->ostatniKomponentSciezki()).toStdString();
    const std::string wInkubacji = urlPotoku + "/_Incubation/" + nazwa;
    const std::string wZrobionych = urlPotoku + "/_Done/" + nazwa;
    const auto przenies = [&](bool tam) {
        const bool udane =
            tam ? renameat2(AT_FDCWD, wInkubacji.c_str(), AT_FDCWD, wZrobionych.c_str(), RENAME_NOREPLACE) == 0
                : renameat2(AT_FDCWD, wZrobionych.c_str(), AT_FDCWD, wInkubacji.c_str(), RENAME_NOREPLACE) == 0;
        if (!udane)
            przerwij("a bare rename failed");
    };
    const Para zmianaStatusu = zmierzNaPrzemian(
        rundy * 2,
        [&] {
            przenies(true);
            przenies(false);
        },
        [] {},
        [&] {
            if (!fasolka->ustawStatus(Fasolka::sfUkonczona) || !fasolka->ustawStatus(Fasolka::sfWInkubacji))
                przerwij("a status change failed");
        });

    // The watcher set-up, until every folder of both trees is watched.
    const std::vector<std::string> korzenie{korzen + "/All Beans", korzen + "/Archived Beans"};
    const int katalogow = listujDrzewa(korzenie);
    std::unique_ptr<ObserwatorZmianNaDysku> obserwator;
    const Para obserwacja = zmierzNaPrzemian(
        std::min(rundy, 5), [&] { listujDrzewa(korzenie); },
        [&] {
            // The kernel frees thousands of watches in the background; that settles first.
            obserwator.reset();
            QThread::msleep(200);
        },
        [&] {
            obserwator = std::make_unique<ObserwatorZmianNaDysku>(0.0);
            obserwator->setupEventListener();
            if (!czekaj([&] { return obserwator->events()->liczbaObserwowanychKatalogow() == katalogow; }, false))
                przerwij("the watcher did not watch every folder");
        });

    // From a change on disk to the graph: the bare inotify wake-up plus listing the flow's six
    // folders, against the watcher at no latency. Each round moves the bean there and back; the
    // watcher's own events of the floor's moves are delivered before the cost is timed.
    const int inotify = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(inotify, (urlPotoku + "/_Incubation").c_str(), IN_MOVED_FROM | IN_MOVED_TO);
    inotify_add_watch(inotify, (urlPotoku + "/_Done").c_str(), IN_MOVED_FROM | IN_MOVED_TO);
    const auto zdarzeniePodlogi = [&](bool tam) {
        przenies(tam);
        pollfd opis{inotify, POLLIN, 0};
        poll(&opis, 1, -1);
        char bufor[4096];
        while (read(inotify, bufor, sizeof bufor) <= 0) {}
        long wpisy = 0;
        listuj(urlPotoku, false, wpisy);
        for (const char *status : {"/_Incubation", "/_Waiting_For", "/_Inactive", "/_Ready", "/_Done"})
            listuj(urlPotoku + status, false, wpisy);
    };
    const QString nazwaFasolki = fasolka->bytFasolki()->ostatniKomponentSciezki();
    const auto zdarzenieGrafu = [&](bool tam) {
        const int oczekiwany = tam ? Fasolka::sfUkonczona : Fasolka::sfWInkubacji;
        przenies(tam);
        if (!czekaj(
                [&] {
                    const Fasolka *f = potok->znajdzFasolkeONazwie(nazwaFasolki);
                    return f && f->statusFasolki() == oczekiwany;
                },
                true))
            przerwij("the graph never saw the change");
    };
    const Para zdarzenie = zmierzNaPrzemian(
        rundy * 2,
        [&] {
            zdarzeniePodlogi(true);
            zdarzeniePodlogi(false);
        },
        [&] {
            const auto koniec = Zegar::now() + std::chrono::milliseconds(20);
            while (Zegar::now() < koniec)
                QCoreApplication::processEvents();
        },
        [&] {
            zdarzenieGrafu(true);
            zdarzenieGrafu(false);
        });
    close(inotify);
    obserwator.reset();

    wiersz(nazwaPortfolio, "whole build (sharedBazaFasolek)", budowa, "readdir + lstat of the levels read");
    wiersz(nazwaPortfolio, "full re-read, nothing changed", ponownyOdczyt, "readdir of the levels read");
    wiersz(nazwaPortfolio, "watcher set-up, every folder watched", obserwacja, "recursive readdir of both trees");
    wiersz(nazwaPortfolio, "status change there and back", zmianaStatusu, "two bare renameat2 of the bean");
    wiersz(nazwaPortfolio, "change on disk -> graph, twice", zdarzenie, "inotify wake-up + readdir of the 6 folders");
    wierszPamieci(nazwaPortfolio, "resident memory (RSS) [MB]", rss);
    wierszPamieci(nazwaPortfolio, "  of which heap held by the graph [MB]", mediana(sterty));
    return 0;
}
