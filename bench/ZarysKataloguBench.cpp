// The folder-contents outline over a folder of n entries, offscreen. Two costs, each in rounds
// interleaved with its floor, one readdir pass over the same folder:
//  - showing the folder: a fresh graph, `setKatalog` up to the first painted frame that shows
//    rows, and up to the last row in; the longest the main thread went without returning to
//    the event loop meanwhile;
//  - one change pulse after one entry was added on disk: the longest main-thread stall from the
//    pulse until the new row is in, and that wait less the half-second delay.
// Prints medians, the ratios' median and spread; it passes or fails nothing.
//
//   ZarysKataloguBench [entries] [rounds]     (default 5000, 9; 3 rounds above 20,000)

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

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

using namespace Pomiary;

namespace {

// Four in five entries are files, the rest folders holding one file, so rows can be opened.
QString zbudujKatalog(int wpisow)
{
    const QString katalog = QDir::homePath() + QStringLiteral("/katalog");
    for (int i = 0; i < wpisow; ++i) {
        const QString sciezka = katalog + QStringLiteral("/wpis %1").arg(i, 6, 10, QLatin1Char('0'));
        const bool ok = i % 5 == 0 ? QDir().mkpath(sciezka) && QFile(sciezka + QStringLiteral("/w.txt")).open(QIODevice::WriteOnly)
                                   : QDir().mkpath(katalog) && QFile(sciezka + QStringLiteral(".txt")).open(QIODevice::WriteOnly);
        if (!ok) {
            std::fprintf(stderr, "Could not lay out %s\n", qPrintable(sciezka));
            std::exit(1);
        }
    }
    return katalog;
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
    Petla() : m_ostatni(Zegar::now()) {}
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
    double doKlatki, calosc, przestoj;
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

    Pokazanie pokaz(BytKatalogu *katalog, int wpisow)
    {
        malowanie.namalowany.reset();
        const auto start = Zegar::now();
        Petla petla;
        kontroler.setKatalog(katalog);
        petla.odnotuj();
        while (!malowanie.namalowany || wierszy() < wpisow)
            petla.obrot();
        const auto koniec = Zegar::now();
        return {milisekundy(*malowanie.namalowany - start), milisekundy(koniec - start), petla.najdluzszy()};
    }

    KontrolerRzeczyKatalogu kontroler;
    ObserwatorMalowania malowanie;
};

volatile qsizetype wynikPodlogi = 0;

double podloga(const QString &katalog)
{
    return czas([&] { wynikPodlogi = FolderListing::list(katalog).wpisy.size(); });
}

struct Przeladowanie
{
    double przestoj;
    std::optional<double> poOpoznieniu;
};

// What one pulse sets off after `nowy` was added on disk, the model not told: the longest stall
// until the row is in, or until a second past the reload when it never comes.
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
    emit katalog->kvoNodeHasChanged();
    petla.odnotuj();
    while (zarys.wierszy() == przed && Zegar::now() < granica)
        petla.obrot();
    if (zarys.wierszy() == przed)
        return {petla.najdluzszy(), std::nullopt};
    return {petla.najdluzszy(), milisekundy(Zegar::now() - start) - opoznienie};
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
    void drukuj(const char *nazwa, const char *cel) const
    {
        const auto [min, max] = std::minmax_element(stosunki.begin(), stosunki.end());
        std::printf("  %-37s median %8.2f ms   %s\n", nazwa, mediana(czasy), cel);
        std::printf("  %-37s median %8.2f ms\n", "floor (one FolderListing::list)", mediana(podlogi));
        std::printf("  %-37s median %8.1f x    (spread %.1f to %.1f x)\n", "ratio to the floor", mediana(stosunki), *min, *max);
    }
};

} // namespace

int main(int argc, char **argv)
{
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-zarys-XXXXXX", [](int &n, char **v) {
        return std::unique_ptr<QGuiApplication>(std::make_unique<QApplication>(n, v));
    });
    const int wpisow = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int rundy = argc > 2 ? std::atoi(argv[2]) : (wpisow > 20000 ? 3 : 9);
    const QString sciezka = zbudujKatalog(wpisow);

    Wyniki klatki, calosci;
    std::vector<double> przestoje;
    for (int runda = 0; runda < rundy; ++runda) {
        const double dno = podloga(sciezka);
        // A fresh graph: the folder is read as when a tab first shows it.
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        Zarys zarys;
        const Pokazanie pokazanie = zarys.pokaz(BytSystemuPlikow::bytKataloguDlaURL(sciezka), wpisow);
        klatki.dodaj(pokazanie.doKlatki, dno);
        calosci.dodaj(pokazanie.calosc, dno);
        przestoje.push_back(pokazanie.przestoj);
    }

    StosCoreData::sharedStosCoreData()->nowyKontekst();
    Zarys zarys;
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(sciezka);
    zarys.pokaz(katalog, wpisow);
    Wyniki przeladowania;
    std::vector<double> przestojePrzeladowania;
    for (int runda = 0; runda < rundy; ++runda) {
        const double dno = podloga(sciezka);
        const Przeladowanie wynik = przeladowanie(zarys, katalog, sciezka + QStringLiteral("/dodany %1.txt").arg(runda));
        if (wynik.poOpoznieniu)
            przeladowania.dodaj(*wynik.poOpoznieniu, dno);
        przestojePrzeladowania.push_back(wynik.przestoj);
    }

    std::printf("Folder outline, %d entries, %d rounds, offscreen\n", wpisow, rundy);
    klatki.drukuj("setKatalog to first frame with rows", "(at most 100 ms)");
    calosci.drukuj("setKatalog to the last row in", "(at most 3 x the floor)");
    std::printf("  %-37s median %8.2f ms   (at most 50 ms)\n", "longest main-thread stall", mediana(przestoje));
    if (przeladowania.czasy.empty())
        std::printf("  %-37s never: the reload does not read the folder\n", "one pulse to its row, less 0.5 s");
    else
        przeladowania.drukuj("one pulse to its row, less 0.5 s", "");
    std::printf("  %-37s median %8.2f ms\n", "longest main-thread stall", mediana(przestojePrzeladowania));
    return 0;
}
