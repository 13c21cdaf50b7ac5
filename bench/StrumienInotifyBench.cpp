// How long the inotify stream takes to watch a tree of 5,000 folders, at start-up and when the
// tree is unpacked at once inside a watched root, against a plain breadth-first listing of the
// same tree measured in the same run.

#include "Platform/FolderListing.h"
#include "Platform/StrumienInotify.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <deque>

namespace {

constexpr int szerokosc = 50;
constexpr int glebokosc = 100; // 50 x 100 = 5,000 leaf folders

int zbuduj(const QString &korzen)
{
    int katalogow = 0;
    for (int i = 0; i < szerokosc; ++i) {
        for (int j = 0; j < glebokosc; ++j) {
            QDir().mkpath(korzen + QStringLiteral("/potok%1/fasolka%2").arg(i).arg(j));
            ++katalogow;
        }
        ++katalogow;
    }
    return katalogow;
}

double przejdzListowaniem(const QString &korzen)
{
    QElapsedTimer zegar;
    zegar.start();
    std::deque<QString> kolejka{korzen};
    while (!kolejka.empty()) {
        const auto wynik = FolderListing::list(kolejka.front());
        kolejka.pop_front();
        for (const auto &wpis : wynik.wpisy) {
            if (wpis.toKatalog)
                kolejka.push_back(wpis.sciezka);
        }
    }
    return zegar.nsecsElapsed() / 1e6;
}

bool czekajNa(const StrumienInotify &strumien, int katalogow)
{
    QElapsedTimer limit;
    limit.start();
    while (strumien.liczbaObserwowanychKatalogow() != katalogow) {
        if (limit.elapsed() > 60000)
            return false;
        QThread::usleep(200);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication aplikacja(argc, argv);
    QTemporaryDir dysk;
    const QString korzen = dysk.path() + QStringLiteral("/All Beans");
    const int katalogow = 1 + zbuduj(korzen);

    przejdzListowaniem(korzen); // warm the caches
    const double podloga = przejdzListowaniem(korzen);

    StrumienInotify strumien;
    QElapsedTimer zegar;
    zegar.start();
    if (!strumien.uruchom({korzen}) || !czekajNa(strumien, katalogow)) {
        std::fprintf(stderr, "the start-up walk did not finish\n");
        return 1;
    }
    const double start = zegar.nsecsElapsed() / 1e6;

    const QString rozpakowany = korzen + QStringLiteral("/potok0/Rozpakowany");
    const int nowych = 1 + zbuduj(rozpakowany);
    zegar.restart();
    if (!czekajNa(strumien, katalogow + nowych)) {
        std::fprintf(stderr, "the unpacked tree was not fully watched\n");
        return 1;
    }
    const double poRozpakowaniu = zegar.nsecsElapsed() / 1e6;

    std::printf("floor: listing %d folders                  %8.1f ms\n", katalogow, podloga);
    std::printf("start-up walk until all are watched         %8.1f ms  ratio %.2f\n", start, start / podloga);
    std::printf("unpacked tree: watched after its last folder %8.1f ms  ratio %.2f\n", poRozpakowaniu,
                poRozpakowaniu / podloga);
    return 0;
}
