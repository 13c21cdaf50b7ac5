// Folders past the inotify watch limit on a generated portfolio (default 10,000 beans): the
// worker's look at every unwatched folder against a plain recursive readdir of the same trees
// (the floor), and the main-thread time of each batch that delivers changed unwatched folders
// while another program adds a bean to every flow, against one flow's re-read. It lowers the
// limit in a user namespace of its own (it starts itself again under `unshare -U -r`) to the
// folders above the portfolio and its two roots. Prints a table; it passes or fails nothing.
//
//   NieobserwowaneKatalogiBench [flows] [beans per flow] [runs]     (default 50 200 5)

#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/PartiaZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SCEvents.h"
#include "Model/SpecKatalog.h"

#include "Platform/InotifyTreeWatcher.h"

#include "Support/LimitObserwacji.h"
#include "Support/ListowanieDrzew.h"
#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

using namespace Pomiary;

namespace {

void obracajDo(const std::function<bool()> &koniec, const char *co)
{
    const auto termin = Zegar::now() + std::chrono::seconds(120);
    while (!koniec()) {
        if (Zegar::now() > termin) {
            std::fprintf(stderr, "Timed out: %s\n", co);
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (!LimitObserwacji::wWlasnejPrzestrzeniUzytkownika()) {
        std::vector<char *> argumenty{const_cast<char *>("unshare"), const_cast<char *>("-U"),
                                      const_cast<char *>("-r")};
        argumenty.insert(argumenty.end(), argv, argv + argc);
        argumenty.push_back(nullptr);
        execvp("unshare", argumenty.data());
        std::perror("unshare -U -r");
        return 1;
    }
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-nieobserwowane-XXXXXX");
    const int potoki = argc > 1 ? std::atoi(argv[1]) : 50;
    const int fasolkiNaPotok = argc > 2 ? std::atoi(argv[2]) : 200;
    const int przebiegi = argc > 3 ? std::atoi(argv[3]) : 5;
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(potoki, fasolkiNaPotok);
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    const QStringList korzenie{spec->url(SpecKatalog::suWszystkieFasolki), spec->url(SpecKatalog::suArchiwum)};
    const QString powod = LimitObserwacji::pozwolNaJeszcze(LimitObserwacji::katalogowPowyzej(korzenie.first()) + 2);
    if (!powod.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(powod));
        return 1;
    }
    std::printf("portfolio: %d flows, %d beans; load average at start: ", portfolio.potoki,
                portfolio.fasolkiWPotokach + portfolio.fasolkiZarchiwizowane);
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");

    // The program's stream, looking every second: every flow folder and all below it is unwatched.
    ObserwatorZmianNaDysku::zainstaluj(0.05, 1.0);
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    auto *obserwator = dynamic_cast<ObserwatorZmianNaDysku *>(baza->obserwatorZmianNaDysku());
    int nieobserwowanych = 0;
    auto stabilnie = Zegar::now();
    obracajDo(
        [&] {
            const int teraz = obserwator->events()->liczbaNieobserwowanychKatalogow();
            if (teraz != nieobserwowanych) {
                nieobserwowanych = teraz;
                stabilnie = Zegar::now();
            }
            return teraz > 0 && Zegar::now() - stabilnie > std::chrono::seconds(2);
        },
        "the stream never settled past the limit");

    // The worker's round of looks, on a watcher of its own: the limit leaves it no watch at all.
    InotifyTreeWatcher drzewa;
    drzewa.open(korzenie);
    InotifyTreeWatcher::Reports raporty;
    while (drzewa.hasWalkWork() || drzewa.hasLookWork()) {
        drzewa.hasWalkWork() ? drzewa.walk(128, raporty) : drzewa.look(128, raporty);
    }
    std::vector<std::string> korzenieC;
    for (const QString &korzen : korzenie)
        korzenieC.push_back(QFile::encodeName(korzen).toStdString());
    std::vector<double> rundy, podlogi, kroki;
    for (int i = 0; i < przebiegi; ++i) {
        podlogi.push_back(czas([&] { listujRekurencyjnie(korzenieC); }));
        rundy.push_back(czas([&] {
            drzewa.startLookRound();
            while (drzewa.hasLookWork())
                kroki.push_back(czas([&] { drzewa.look(128, raporty); }));
        }));
    }
    std::printf("unwatched folders: %d (stream), %d (own watcher)\n", nieobserwowanych,
                int(drzewa.unwatchedFolders().size()));
    std::printf("worker round of looks: median %.1f ms, plain readdir of the trees %.1f ms (x%.2f); "
                "longest step of 128 folders %.2f ms; reports of unchanged folders: %d\n",
                mediana(rundy), mediana(podlogi), mediana(rundy) / mediana(podlogi),
                *std::max_element(kroki.begin(), kroki.end()), int(raporty.size()));

    // Another program adds a bean to every flow's "_Ready"; the batches that bring them in are timed.
    std::vector<double> partie;
    Zegar::time_point poczatek;
    QObject kontekst;
    QObject::connect(PartiaZmianNaDysku::instancja(), &PartiaZmianNaDysku::rozpoczeta, &kontekst,
                     [&] { poczatek = Zegar::now(); });
    QObject::connect(PartiaZmianNaDysku::instancja(), &PartiaZmianNaDysku::zakonczona, &kontekst,
                     [&] { partie.push_back(milisekundy(Zegar::now() - poczatek)); });
    const QList<Potok *> wszystkie = baza->potoki().elementy();
    for (Potok *potok : wszystkie) {
        const QString katalog = potok->bytPotoku()->plikowyURL() + QStringLiteral("/_Ready");
        QDir().mkpath(katalog);
        QFile(katalog + QStringLiteral("/Z innego programu.txt")).open(QIODevice::WriteOnly);
    }
    obracajDo(
        [&] {
            for (Potok *potok : wszystkie) {
                if (!potok->znajdzFasolkeONazwie(QStringLiteral("Z innego programu.txt")))
                    return false;
            }
            return true;
        },
        "a new bean never reached the graph");
    std::vector<double> odczytyPotoku;
    for (int i = 0; i < przebiegi; ++i)
        odczytyPotoku.push_back(czas([&] { wszystkie.first()->synchronizujZDyskiem(); }));
    std::printf("main thread, %d flows changed: %d batches, median %.2f ms, longest %.2f ms; "
                "one flow's re-read %.2f ms (a batch holds at most %d folders)\n",
                int(wszystkie.size()), int(partie.size()), mediana(partie),
                *std::max_element(partie.begin(), partie.end()), mediana(odczytyPotoku),
                StrumienInotify::nieobserwowanychNaTure);
    std::printf("load average at end: ");
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");
    return 0;
}
