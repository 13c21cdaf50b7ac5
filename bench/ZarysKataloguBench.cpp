// The folder-contents outline over a folder of n entries, offscreen. Two costs, each in rounds
// interleaved with its floor, one readdir pass over the same folder:
//  - showing the folder: a fresh graph, `setKatalog` up to the first painted frame that shows
//    rows, up to the last row in, and up to the last answer of whether a sub-folder holds
//    anything (its triangle), which comes after the rows; the longest the main thread went
//    without returning to the event loop meanwhile;
//  - one change pulse after one entry was added on disk: that wait for the new row less the
//    half-second delay, and until the frame showing it is painted and the sub-folders asked
//    again have answered, the longest main-thread stall and the main thread's own time.
// Besides wall times it counts the main thread's own time in the program's handlers (what a pulse
// costs there) and the CPU time of all threads, which a busy machine stretches less than the wall
// time. Prints the load average, medians, the ratios' median and spread; it passes or fails nothing.
//
//   ZarysKataloguBench [entries] [rounds]     (default 5000, 9; 3 rounds above 20,000)

#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include "Model/BytKatalogu.h"
#include "Model/StosCoreData.h"
#include "Platform/DelayedOperations.h"
#include "Platform/FolderListing.h"
#include "Platform/Opoznienia.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

#include <sys/resource.h>

using namespace Pomiary;

namespace {

// Four in five entries are files, the rest folders holding one file, so rows can be opened.
QString zbudujKatalog(int wpisow)
{
    const QString katalog = QDir::homePath() + QStringLiteral("/katalog");
    for (int i = 0; i < wpisow; ++i) {
        const QString sciezka = katalog + QStringLiteral("/wpis %1").arg(i, 6, 10, QLatin1Char('0'));
        const bool ok =
            i % 5 == 0 ? QDir().mkpath(sciezka) && QFile(sciezka + QStringLiteral("/w.txt")).open(QIODevice::WriteOnly)
                       : QDir().mkpath(katalog) && QFile(sciezka + QStringLiteral(".txt")).open(QIODevice::WriteOnly);
        if (!ok) {
            std::fprintf(stderr, "Could not lay out %s\n", qPrintable(sciezka));
            std::exit(1);
        }
    }
    return katalog;
}

double procesorWatku()
{
    timespec czas{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &czas);
    return czas.tv_sec * 1000.0 + czas.tv_nsec / 1e6;
}

// Counts the time the main thread spends handling events, outermost dispatches only.
class AplikacjaZLicznikiem : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *odbiorca, QEvent *zdarzenie) override
    {
        if (m_glebokosc > 0)
            return QApplication::notify(odbiorca, zdarzenie);
        ++m_glebokosc;
        const auto start = Zegar::now();
        const double procesor = procesorWatku();
        const bool wynik = QApplication::notify(odbiorca, zdarzenie);
        zajety += milisekundy(Zegar::now() - start);
        const double procesorTego = procesorWatku() - procesor;
        procesorZajety += procesorTego;
        najdluzszyProcesor = std::max(najdluzszyProcesor, procesorTego);
        --m_glebokosc;
        return wynik;
    }
    // The time spent in handlers, on the clock and as CPU time.
    double zajety = 0;
    double procesorZajety = 0;
    // The most CPU time one handler took: a stall of the program's own making, where the wall
    // clock also counts the time a busy machine gave to others.
    double najdluzszyProcesor = 0;

private:
    int m_glebokosc = 0;
};

AplikacjaZLicznikiem *aplikacja()
{
    return static_cast<AplikacjaZLicznikiem *>(QCoreApplication::instance());
}

// CPU time of every thread, the main thread's only while it handled events: the benchmark's own
// polling of the event loop is left out.
double czasProcesora()
{
    rusage uzycie{};
    getrusage(RUSAGE_SELF, &uzycie);
    return (uzycie.ru_utime.tv_sec + uzycie.ru_stime.tv_sec) * 1000.0
           + (uzycie.ru_utime.tv_usec + uzycie.ru_stime.tv_usec) / 1000.0 - procesorWatku()
           + aplikacja()->procesorZajety;
}

// Runs the event loop until the reloads that earlier pulses set off are over.
void uspokoj()
{
    QEventLoop petla;
    QTimer::singleShot(int(Opoznienia::biezace().przeladowanieKatalogu * 1000) + 300, &petla, &QEventLoop::quit);
    petla.exec();
}

// Notes when the outline first paints rows after it was armed.
class ObserwatorMalowania : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Paint && !namalowany && model->rowCount() > 0)
            namalowany = Zegar::now();
        return false;
    }
    const QAbstractItemModel *model = nullptr;
    std::optional<Zegar::time_point> namalowany;
};

// Turns of the event loop driven by the benchmark itself: the longest time the main thread
// spent away from it is the longest stall the user would feel.
class Petla
{
public:
    Petla()
        : m_ostatni(Zegar::now())
    {
    }
    void obrot(QEventLoop::ProcessEventsFlags flagi = QEventLoop::AllEvents)
    {
        QCoreApplication::processEvents(flagi);
        odnotuj();
    }
    // Around work done outside the event loop, as the program's own handlers are.
    void odnotuj()
    {
        const auto teraz = Zegar::now();
        m_najdluzszy = std::max(m_najdluzszy, milisekundy(teraz - m_ostatni));
        m_ostatni = teraz;
    }
    double najdluzszy() const { return m_najdluzszy; }

private:
    Zegar::time_point m_ostatni;
    double m_najdluzszy = 0;
};

struct Pokazanie
{
    double doKlatki, calosc, doLisci, przestoj, procesor, najdluzszyProcesor;
};

// An outline in a window of its own, shown and painted empty before the folder is set.
struct Zarys
{
    Zarys()
    {
        kontroler.ustawWidok();
        QWidget *widok = kontroler.view();
        widok->resize(900, 700);
        widok->show();
        QCoreApplication::processEvents();
        malowanie.model = kontroler.widokZaryseli()->model();
        kontroler.widokZaryseli()->viewport()->installEventFilter(&malowanie);
    }

    int wierszy() const { return malowanie.model->rowCount(); }
    bool czekaNaLiscie() const { return kontroler.kontrolerDrzewa()->czekaNaLiscie(); }

    Pokazanie pokaz(BytKatalogu *katalog, int wpisow)
    {
        malowanie.namalowany.reset();
        const double procesor = czasProcesora();
        aplikacja()->najdluzszyProcesor = 0;
        const auto start = Zegar::now();
        Petla petla;
        double procesorGlownego = procesorWatku();
        kontroler.setKatalog(katalog);
        procesorGlownego = procesorWatku() - procesorGlownego;
        aplikacja()->procesorZajety += procesorGlownego;
        petla.odnotuj();
        while (!malowanie.namalowany || wierszy() < wpisow)
            petla.obrot();
        const auto koniec = Zegar::now();
        while (kontroler.kontrolerDrzewa()->wczytuje() || czekaNaLiscie())
            petla.obrot();
        const auto lisci = Zegar::now();
        return {milisekundy(*malowanie.namalowany - start),
                milisekundy(koniec - start),
                milisekundy(lisci - start),
                petla.najdluzszy(),
                czasProcesora() - procesor,
                std::max(aplikacja()->najdluzszyProcesor, procesorGlownego)};
    }

    KontrolerRzeczyKatalogu kontroler;
    ObserwatorMalowania malowanie;
};

volatile qsizetype wynikPodlogi = 0;

struct Podloga
{
    double czas, procesor;
};

Podloga podloga(const QString &katalog)
{
    const double procesor = procesorWatku();
    const double wynik = czas([&] { wynikPodlogi = FolderListing::list(katalog).wpisy.size(); });
    return {wynik, procesorWatku() - procesor};
}

struct Przeladowanie
{
    double przestoj;
    // The main thread's own time in handlers from the pulse until the row is in.
    double glownego;
    double najdluzszyProcesor;
    std::optional<double> poOpoznieniu;
};

// What one pulse sets off after `nowy` was added on disk, the model not told: the wait for the row,
// and the longest stall and main-thread time until the frame that shows it is painted and the
// sub-folders asked again have answered, or until a second past the reload when the row never comes.
Przeladowanie przeladowanie(Zarys &zarys, BytKatalogu *katalog, const QString &nowy)
{
    if (!QFile(nowy).open(QIODevice::WriteOnly))
        std::exit(1);
    const int przed = zarys.wierszy();
    QCoreApplication::processEvents();
    const double opoznienie = Opoznienia::biezace().przeladowanieKatalogu * 1000;
    const auto start = Zegar::now();
    const auto granica = start + std::chrono::milliseconds(int(opoznienie) + 1000);
    Petla petla;
    aplikacja()->zajety = 0;
    aplikacja()->najdluzszyProcesor = 0;
    emit katalog->kvoNodeHasChanged();
    const double pulsu = milisekundy(Zegar::now() - start);
    petla.odnotuj();
    while (zarys.wierszy() == przed && Zegar::now() < granica)
        petla.obrot();
    const auto wiersz = Zegar::now();
    // The frame that shows the row lays the rows out, asking each whether it has children.
    zarys.malowanie.namalowany.reset();
    while ((zarys.czekaNaLiscie() || !zarys.malowanie.namalowany) && Zegar::now() < granica)
        petla.obrot();
    const double glownego = pulsu + aplikacja()->zajety;
    const double najdluzszy = aplikacja()->najdluzszyProcesor;
    if (zarys.wierszy() == przed)
        return {petla.najdluzszy(), glownego, najdluzszy, std::nullopt};
    return {petla.najdluzszy(), glownego, najdluzszy, milisekundy(wiersz - start) - opoznienie};
}

struct Wyniki
{
    std::vector<double> czasy, podlogi, stosunki;
    void dodaj(double pomiar, double dno)
    {
        czasy.push_back(pomiar);
        podlogi.push_back(dno);
        stosunki.push_back(pomiar / dno);
    }
    void drukuj(const char *nazwa, const char *cel, const char *nazwaPodlogi = "floor (one FolderListing::list)") const
    {
        const auto [min, max] = std::minmax_element(stosunki.begin(), stosunki.end());
        std::printf("  %-37s median %8.2f ms   %s\n", nazwa, mediana(czasy), cel);
        std::printf("  %-37s median %8.2f ms\n", nazwaPodlogi, mediana(podlogi));
        std::printf("  %-37s median %8.1f x    (spread %.1f to %.1f x)\n", "ratio to the floor", mediana(stosunki),
                    *min, *max);
    }
};

} // namespace

int main(int argc, char **argv)
{
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-zarys-XXXXXX", [](int &n, char **v) {
        return std::unique_ptr<QGuiApplication>(std::make_unique<AplikacjaZLicznikiem>(n, v));
    });
    const int wpisow = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int rundy = argc > 2 ? std::atoi(argv[2]) : (wpisow > 20000 ? 3 : 9);
    const QString sciezka = zbudujKatalog(wpisow);

    Wyniki klatki, calosci, lisci, procesora;
    std::vector<double> przestoje, najdluzszeProcesora;
    for (int runda = 0; runda < rundy; ++runda) {
        const Podloga dno = podloga(sciezka);
        // A fresh graph: the folder is read as when a tab first shows it.
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        Zarys zarys;
        const Pokazanie pokazanie = zarys.pokaz(BytSystemuPlikow::bytKataloguDlaURL(sciezka), wpisow);
        klatki.dodaj(pokazanie.doKlatki, dno.czas);
        calosci.dodaj(pokazanie.calosc, dno.czas);
        lisci.dodaj(pokazanie.doLisci, dno.czas);
        procesora.dodaj(pokazanie.procesor, dno.procesor);
        przestoje.push_back(pokazanie.przestoj);
        najdluzszeProcesora.push_back(pokazanie.najdluzszyProcesor);
    }

    StosCoreData::sharedStosCoreData()->nowyKontekst();
    Zarys zarys;
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(sciezka);
    zarys.pokaz(katalog, wpisow);
    uspokoj();
    Wyniki przeladowania;
    std::vector<double> przestojePrzeladowania, glownegoPrzeladowania, najdluzszePrzeladowania;
    for (int runda = 0; runda < rundy; ++runda) {
        const Podloga dno = podloga(sciezka);
        const Przeladowanie wynik =
            przeladowanie(zarys, katalog, sciezka + QStringLiteral("/dodany %1.txt").arg(runda));
        if (wynik.poOpoznieniu)
            przeladowania.dodaj(*wynik.poOpoznieniu, dno.czas);
        przestojePrzeladowania.push_back(wynik.przestoj);
        glownegoPrzeladowania.push_back(wynik.glownego);
        najdluzszePrzeladowania.push_back(wynik.najdluzszyProcesor);
        uspokoj();
    }

    double obciazenie[3] = {};
    getloadavg(obciazenie, 3);
    std::printf("Folder outline, %d entries, %d rounds, offscreen; load average %.2f (1 min) on %d cores\n", wpisow,
                rundy, obciazenie[0], QThread::idealThreadCount());
    klatki.drukuj("setKatalog to first frame with rows", "(at most 100 ms)");
    calosci.drukuj("setKatalog to the last row in", "(at most 3 x the floor)");
    lisci.drukuj("to the last leaf answer (triangles)", "");
    procesora.drukuj("CPU time, all threads, to the last answer", "", "CPU time of the floor");
    std::printf("  %-37s median %8.2f ms   (at most 50 ms)\n", "longest main-thread stall", mediana(przestoje));
    std::printf("  %-37s median %8.2f ms\n", "  of it CPU time in one handler", mediana(najdluzszeProcesora));
    if (przeladowania.czasy.empty())
        std::printf("  %-37s never: the reload does not read the folder\n", "one pulse to its row, less 0.5 s");
    else
        przeladowania.drukuj("one pulse to its row, less 0.5 s", "");
    std::printf("  %-37s median %8.2f ms\n", "main thread's own time to the answers", mediana(glownegoPrzeladowania));
    std::printf("  %-37s median %8.2f ms\n", "longest main-thread stall", mediana(przestojePrzeladowania));
    std::printf("  %-37s median %8.2f ms\n", "  of it CPU time in one handler", mediana(najdluzszePrzeladowania));
    return 0;
}
