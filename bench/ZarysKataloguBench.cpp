// The folder-contents outline over a folder of 5,000 entries, offscreen. Two costs, each in
// rounds interleaved with its floor, one readdir pass over the same folder:
//  - showing the folder: a fresh graph, `setKatalog` up to the outline's first painted frame;
//  - one change pulse's reload after one entry was added, timed between two delayed blocks
//    queued just before and just after the pulse, so the half-second wait is not in it.
// Prints medians, the ratios' median and spread; it passes or fails nothing.
//
//   ZarysKataloguBench [rounds]     (default 9)

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

constexpr int wpisowWKatalogu = 5000;

// Four in five entries are files, the rest folders holding one file, so rows can be opened.
QString zbudujKatalog()
{
    const QString katalog = QDir::homePath() + QStringLiteral("/katalog");
    for (int i = 0; i < wpisowWKatalogu; ++i) {
        const QString sciezka = katalog + QStringLiteral("/wpis %1").arg(i, 4, 10, QLatin1Char('0'));
        const bool ok = i % 5 == 0 ? QDir().mkpath(sciezka) && QFile(sciezka + QStringLiteral("/w.txt")).open(QIODevice::WriteOnly)
                                   : QDir().mkpath(katalog) && QFile(sciezka + QStringLiteral(".txt")).open(QIODevice::WriteOnly);
        if (!ok) {
            std::fprintf(stderr, "Could not lay out %s\n", qPrintable(sciezka));
            std::exit(1);
        }
    }
    return katalog;
}

// Notes the first frame the outline paints after it was armed.
class ObserwatorMalowania : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Paint)
            namalowany = true;
        return false;
    }
    bool namalowany = false;
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
        kontroler.widokZaryseli()->viewport()->installEventFilter(&malowanie);
    }

    double doPierwszejKlatki(BytKatalogu *katalog)
    {
        malowanie.namalowany = false;
        return czas([&] {
            kontroler.setKatalog(katalog);
            while (!malowanie.namalowany)
                QCoreApplication::processEvents();
        });
    }

    KontrolerRzeczyKatalogu kontroler;
    ObserwatorMalowania malowanie;
};

volatile qsizetype wynikPodlogi = 0;

double podloga(const QString &katalog)
{
    return czas([&] { wynikPodlogi = FolderListing::list(katalog).wpisy.size(); });
}

// The reload that one pulse starts, after `nowy` was added and the folder read it.
double przeladowanie(BytKatalogu *katalog, const QString &nowy)
{
    if (!QFile(nowy).open(QIODevice::WriteOnly))
        std::exit(1);
    katalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
    QCoreApplication::processEvents();
    std::optional<Zegar::time_point> start, koniec;
    const double opoznienie = Opoznienia::biezace().przeladowanieKatalogu;
    DelayedOperations::addOperationAfterDelayWithBlock(opoznienie, nullptr, [&] { start = Zegar::now(); });
    emit katalog->kvoNodeHasChanged();
    DelayedOperations::addOperationAfterDelayWithBlock(opoznienie, nullptr, [&] { koniec = Zegar::now(); });
    while (!koniec)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return milisekundy(*koniec - *start);
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
    const int rundy = argc > 1 ? std::atoi(argv[1]) : 9;
    const QString sciezka = zbudujKatalog();

    Wyniki pokazanie;
    for (int runda = 0; runda < rundy; ++runda) {
        const double dno = podloga(sciezka);
        // A fresh graph: the folder is read as when a tab first shows it.
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        Zarys zarys;
        pokazanie.dodaj(zarys.doPierwszejKlatki(BytSystemuPlikow::bytKataloguDlaURL(sciezka)), dno);
    }

    StosCoreData::sharedStosCoreData()->nowyKontekst();
    Zarys zarys;
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(sciezka);
    zarys.doPierwszejKlatki(katalog);
    Wyniki przeladowania;
    for (int runda = 0; runda < rundy; ++runda) {
        const double dno = podloga(sciezka);
        przeladowania.dodaj(przeladowanie(katalog, sciezka + QStringLiteral("/dodany %1.txt").arg(runda)), dno);
    }

    std::printf("Folder outline, %d entries, %d rounds, offscreen\n", wpisowWKatalogu, rundy);
    pokazanie.drukuj("setKatalog to first painted frame", "(at most 300 ms)");
    przeladowania.drukuj("one pulse's reload (one entry added)", "(at most 50 ms)");
    return 0;
}
