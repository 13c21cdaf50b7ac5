// A move of many small files from a tmpfs to another file system (the disk this program lies on):
// files per second of the program's move (one syncfs of the destination), of the former way (the
// same move with an fsync of each file), and of `cp -a` followed by `sync -f` of the destination,
// the floor, in interleaved rounds. It passes or fails nothing.
//
//   PrzenoszenieMiedzySystemami [files] [rounds]     (default 20000 files, 5 rounds)
//   TARROWIND_BENCH_DEST=<folder>                    the destination (default: beside this program)

#include "Platform/FileOperations.h"
#include "Platform/Paths.h"
#include "Platform/TreeCopier.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace Pomiary;

namespace {

constexpr long tmpfsMagic = 0x01021994;
constexpr int plikowWKatalogu = 100;

// `pliki` files of 200 to 3,000 bytes in folders of a hundred, as beans with their notes lie.
void zbudujDrzewo(const QString &korzen, int pliki)
{
    QDir().mkpath(korzen);
    QByteArray tresc(3000, 'x');
    for (int i = 0; i < pliki; ++i) {
        const QString katalog = korzen + QStringLiteral("/Potok %1").arg(i / plikowWKatalogu, 4, 10, QLatin1Char('0'));
        if (i % plikowWKatalogu == 0)
            QDir().mkdir(katalog);
        QFile plik(katalog + QStringLiteral("/fasolka %1.txt").arg(i));
        plik.open(QIODevice::WriteOnly);
        tresc[0] = char('a' + i % 26);
        plik.write(tresc.constData(), 200 + (i * 37) % 2800);
    }
}

// The former way: the program's own move with an fsync of each copied file, done through the hook
// that tests use to act in the middle of a copy, so that nothing else differs.
bool przeniesPoStaremu(const QString &zrodlo, const QString &cel)
{
    QString kopia;
    TreeCopier::setCopiedHookForTests([&](const QString &skopiowany) {
        if (kopia.isEmpty()) {
            // The hidden folder beside the destination that the copy is made in.
            const QStringList ukryte =
                QDir(Paths::parent(cel)).entryList({QStringLiteral(".tarrowind-*.tmp")}, QDir::Dirs | QDir::Hidden);
            if (ukryte.size() == 1)
                kopia = Paths::join(Paths::join(Paths::parent(cel), ukryte.first()), QStringLiteral("copy"));
        }
        const int plik = open(QFile::encodeName(kopia + skopiowany.mid(zrodlo.size())).constData(),
                              O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        struct stat info;
        if (plik >= 0 && fstat(plik, &info) == 0 && S_ISREG(info.st_mode))
            fsync(plik);
        if (plik >= 0)
            close(plik);
    });
    const bool ok = FileOperations::moveNoReplace(zrodlo, cel);
    TreeCopier::setCopiedHookForTests({});
    return ok;
}

bool przeniesProgramem(const QString &zrodlo, const QString &cel)
{
    return FileOperations::moveNoReplace(zrodlo, cel);
}

bool kopiujCpISync(const QString &zrodlo, const QString &cel)
{
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), zrodlo, cel}) == 0
           && QProcess::execute(QStringLiteral("sync"), {QStringLiteral("-f"), cel}) == 0;
}

struct Sposob
{
    const char *nazwa;
    std::function<bool(const QString &, const QString &)> przenies;
    std::vector<double> plikowNaSekunde;
};

void wypiszObciazenie(const char *kiedy)
{
    double srednie[3] = {};
    getloadavg(srednie, 3);
    std::printf("load average %s: %.2f (1 min), %.2f (5 min) on %ld cores\n", kiedy, srednie[0], srednie[1],
                sysconf(_SC_NPROCESSORS_ONLN));
}

} // namespace

int main(int argc, char **argv)
{
    // A home of its own: the move records its hidden copy in the settings while it runs.
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-bench-dom-XXXXXX");
    // A line per round as it ends, also into a file: a run takes minutes.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int pliki = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int rundy = argc > 2 ? std::atoi(argv[2]) : 5;
    const QString miejsceCelu = qEnvironmentVariableIsSet("TARROWIND_BENCH_DEST")
                                    ? qEnvironmentVariable("TARROWIND_BENCH_DEST")
                                    : QCoreApplication::applicationDirPath();
    QTemporaryDir zrodla(QStringLiteral("/dev/shm/tarrowind-bench-XXXXXX"));
    QTemporaryDir cele(miejsceCelu + QStringLiteral("/tarrowind-bench-XXXXXX"));
    struct statfs systemZrodla;
    struct stat a, b;
    if (!zrodla.isValid() || !cele.isValid() || statfs(QFile::encodeName(zrodla.path()).constData(), &systemZrodla) != 0
        || long(systemZrodla.f_type) != tmpfsMagic || stat(QFile::encodeName(zrodla.path()).constData(), &a) != 0
        || stat(QFile::encodeName(cele.path()).constData(), &b) != 0 || a.st_dev == b.st_dev) {
        std::fprintf(stderr, "Needs a tmpfs at /dev/shm and a destination on another file system (%s).\n",
                     qPrintable(miejsceCelu));
        return 1;
    }
    std::printf("%d files of 200-3,000 bytes in folders of %d, tmpfs -> %s, %d rounds\n", pliki, plikowWKatalogu,
                qPrintable(cele.path()), rundy);
    wypiszObciazenie("at start");

    std::vector<Sposob> sposoby{{"cp -a + sync -f (floor)", kopiujCpISync, {}},
                                {"fsync per file (before)", przeniesPoStaremu, {}},
                                {"one syncfs (after)", przeniesProgramem, {}}};
    for (int runda = 0; runda < rundy; ++runda) {
        // Interleaved, each round in another order, so a change of load falls on all alike.
        for (size_t i = 0; i < sposoby.size(); ++i) {
            Sposob &sposob = sposoby[(i + size_t(runda)) % sposoby.size()];
            const QString zrodlo = zrodla.path() + QStringLiteral("/Tarrowind");
            const QString cel = cele.path() + QStringLiteral("/Tarrowind");
            zbudujDrzewo(zrodlo, pliki);
            bool ok = false;
            const double ms = czas([&] { ok = sposob.przenies(zrodlo, cel); });
            if (!ok) {
                std::fprintf(stderr, "%s failed in round %d\n", sposob.nazwa, runda + 1);
                return 1;
            }
            sposob.plikowNaSekunde.push_back(pliki * 1000.0 / ms);
            std::printf("round %d: %-26s %8.0f files/s\n", runda + 1, sposob.nazwa, sposob.plikowNaSekunde.back());
            TreeCopier::removeTree(cel);
            TreeCopier::removeTree(zrodlo);
        }
    }

    const double podloga = mediana(sposoby.front().plikowNaSekunde);
    std::printf("%-26s %12s %14s   rounds (files/s)\n", "", "files/s", "time/floor");
    for (const Sposob &sposob : sposoby) {
        std::string rundyTekst;
        for (double wartosc : sposob.plikowNaSekunde)
            rundyTekst += ' ' + std::to_string(int(wartosc));
        const double mediana_ = mediana(sposob.plikowNaSekunde);
        std::printf("%-26s %12.0f %13.2fx  %s\n", sposob.nazwa, mediana_, podloga / mediana_, rundyTekst.c_str());
    }
    wypiszObciazenie("at end");
    return 0;
}
