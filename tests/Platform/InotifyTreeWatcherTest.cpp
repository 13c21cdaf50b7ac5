#include "Platform/InotifyTreeWatcher.h"
#include "Platform/StrumienInotify.h"

#include "Support/KatalogTestowy.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int dlugoscKolejkiJadra()
{
    QFile plik(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    return plik.open(QIODevice::ReadOnly) ? plik.readAll().trimmed().toInt() : 0;
}

quint32 flagiDla(const InotifyTreeWatcher::Reports &zgloszenia, const QString &sciezka, bool *jest)
{
    quint32 flagi = 0;
    *jest = false;
    for (const auto &z : zgloszenia) {
        if (z.path == sciezka) {
            *jest = true;
            flagi |= z.flags;
        }
    }
    return flagi;
}

// The watcher over "All Beans" (and whatever else a test names) of a real temporary folder.
class InotifyTreeWatcherTest : public ::testing::Test
{
protected:
    // Opens the watcher on `korzenie` and walks every tree.
    bool otworz(const QStringList &korzenie)
    {
        const bool otwarty = drzewa.open(korzenie);
        przejdzWszystko();
        return otwarty;
    }
    void przejdzWszystko()
    {
        while (drzewa.hasWalkWork())
            drzewa.walk(100, zgloszenia);
    }
    // Reads what happened, walks what it named and lets pending halves of moves expire.
    void przeczytajIPrzejdz()
    {
        drzewa.readEvents(zgloszenia);
        przejdzWszystko();
        drzewa.expireMoves(InotifyTreeWatcher::Clock::now() + std::chrono::seconds(1));
    }
    // Whether what was read names `sciezka`.
    bool zgloszona(const QString &sciezka) const
    {
        bool jest = false;
        flagiDla(zgloszenia, sciezka, &jest);
        return jest;
    }

    KatalogTestowy dysk;
    const QString korzen = dysk.katalog(QStringLiteral("All Beans"));
    InotifyTreeWatcher drzewa;
    InotifyTreeWatcher::Reports zgloszenia;
};

TEST_F(InotifyTreeWatcherTest, LostEventsReportEveryRootAndTheTreesAreWalkedAgain)
{
    const int kolejka = dlugoscKolejkiJadra();
    if (kolejka <= 0 || kolejka > 100000)
        GTEST_SKIP() << "kernel event queue too long to fill quickly: " << kolejka;

    const QString &pierwszy = korzen;
    const QString drugi = dysk.katalog(QStringLiteral("Archived Beans"));
    dysk.katalog(QStringLiteral("All Beans/Flow"));
    const QString usuniety = dysk.katalog(QStringLiteral("All Beans/Usuniety"));
    ASSERT_TRUE(otworz({pierwszy, drugi}));
    ASSERT_EQ(drzewa.watchedFolderCount(), 4);

    // Touching two files in turn gives events the kernel cannot merge: more than it keeps.
    const QByteArray pliki[2] = {QFile::encodeName(dysk.plik(QStringLiteral("All Beans/Flow/a"))),
                                 QFile::encodeName(dysk.plik(QStringLiteral("All Beans/Flow/b")))};
    for (int i = 0; i < kolejka + 500; ++i)
        ASSERT_EQ(::utimensat(AT_FDCWD, pliki[i % 2].constData(), nullptr, 0), 0);
    // Neither of these is in the queue any more.
    ASSERT_TRUE(QDir().mkpath(pierwszy + QStringLiteral("/Zgubiony/Glebiej")));
    ASSERT_TRUE(QDir(usuniety).removeRecursively());

    zgloszenia.clear();
    drzewa.readEvents(zgloszenia);
    const quint32 oczekiwane = StrumienInotify::MusiPrzeczytacPodkatalogi | StrumienInotify::JadroPominelo;
    bool jest = false;
    EXPECT_EQ(flagiDla(zgloszenia, pierwszy, &jest) & oczekiwane, oczekiwane);
    EXPECT_TRUE(jest);
    EXPECT_EQ(flagiDla(zgloszenia, drugi, &jest) & oczekiwane, oczekiwane);
    EXPECT_TRUE(jest);

    przejdzWszystko();
    EXPECT_EQ(drzewa.watchedFolderCount(), 5);

    zgloszenia.clear();
    const int fd = ::open(QFile::encodeName(pierwszy + QStringLiteral("/Zgubiony/Glebiej/nowy")).constData(),
                          O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    drzewa.readEvents(zgloszenia);
    EXPECT_TRUE(zgloszona(pierwszy + QStringLiteral("/Zgubiony/Glebiej")));
}

TEST_F(InotifyTreeWatcherTest, ATreeMovedIntoAFolderNotWatchedYetReportsItsSubfoldersUnderTheirNewPaths)
{
    dysk.katalog(QStringLiteral("All Beans/Flow/Bean/Inner/Deeper"));
    ASSERT_TRUE(otworz({korzen}));
    ASSERT_EQ(drzewa.watchedFolderCount(), 5);

    // A status folder made and the bean moved into it before the watcher reads anything: only
    // the walk of the new folder finds where the bean went.
    ASSERT_TRUE(QDir().mkdir(korzen + QStringLiteral("/Flow/_Waiting_For")));
    ASSERT_TRUE(
        QDir().rename(korzen + QStringLiteral("/Flow/Bean"), korzen + QStringLiteral("/Flow/_Waiting_For/Bean")));
    przeczytajIPrzejdz();
    EXPECT_EQ(drzewa.watchedFolderCount(), 6);

    zgloszenia.clear();
    dysk.plik(QStringLiteral("All Beans/Flow/_Waiting_For/Bean/Inner/Deeper/nowy"));
    dysk.plik(QStringLiteral("All Beans/Flow/_Waiting_For/Bean/Inner/obok"));
    drzewa.readEvents(zgloszenia);
    QStringList sciezki;
    for (const auto &z : std::as_const(zgloszenia))
        sciezki << z.path;
    sciezki.removeDuplicates();
    sciezki.sort();
    EXPECT_EQ(sciezki.join(u'\n').toStdString(),
              QString(korzen + QStringLiteral("/Flow/_Waiting_For/Bean/Inner\n") + korzen
                      + QStringLiteral("/Flow/_Waiting_For/Bean/Inner/Deeper"))
                  .toStdString());
}

TEST_F(InotifyTreeWatcherTest, AFolderRenamedOutOfTheTreesWhileAFolderAboveIsRenamedIsNoLongerWatched)
{
    dysk.katalog(QStringLiteral("All Beans/Flow/Bean/Old/Deeper"));
    const QString poza = dysk.katalog(QStringLiteral("elsewhere"));
    ASSERT_TRUE(otworz({korzen}));
    ASSERT_EQ(drzewa.watchedFolderCount(), 5);

    // Both renames come before the watcher reads: the first half of the one waits for its other
    // half while the other moves the path it was recorded under.
    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/Flow/Bean/Old"), poza + QStringLiteral("/Old")));
    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/Flow"), korzen + QStringLiteral("/Renamed")));
    przeczytajIPrzejdz();
    EXPECT_EQ(drzewa.watchedFolderCount(), 3);

    zgloszenia.clear();
    dysk.plik(QStringLiteral("elsewhere/Old/Deeper/nowy"));
    drzewa.readEvents(zgloszenia);
    EXPECT_TRUE(zgloszenia.isEmpty()) << "a change outside the trees is no change of theirs";
}

TEST_F(InotifyTreeWatcherTest, AFolderRenamedAwayAndANewOneOfTheSameNameMadeAtOnceLeavesTheNewOneWatched)
{
    dysk.katalog(QStringLiteral("All Beans/Flow/_Incubation/Old"));
    const QString poza = dysk.katalog(QStringLiteral("elsewhere"));
    ASSERT_TRUE(otworz({korzen}));
    ASSERT_EQ(drzewa.watchedFolderCount(), 4);

    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/Flow/_Incubation"), poza + QStringLiteral("/_Incubation")));
    ASSERT_TRUE(QDir().mkpath(korzen + QStringLiteral("/Flow/_Incubation/New")));
    przeczytajIPrzejdz();
    EXPECT_EQ(drzewa.watchedFolderCount(), 4);

    zgloszenia.clear();
    dysk.plik(QStringLiteral("All Beans/Flow/_Incubation/New/plik"));
    drzewa.readEvents(zgloszenia);
    EXPECT_TRUE(zgloszona(korzen + QStringLiteral("/Flow/_Incubation/New")));
}

TEST_F(InotifyTreeWatcherTest, AFolderTheWalkFoundMovedBeforeItsRenameWasReadStaysWatchedWhenItComesBack)
{
    dysk.katalog(QStringLiteral("All Beans/A/_Waiting_For/Bean/Sub"));
    dysk.katalog(QStringLiteral("All Beans/B"));
    ASSERT_TRUE(otworz({korzen}));
    ASSERT_EQ(drzewa.watchedFolderCount(), 6);

    // A status folder is made and read; the bean moves in before the walk lists the new folder,
    // so the walk finds it there before its rename is read. Then it moves back.
    ASSERT_TRUE(QDir().mkdir(korzen + QStringLiteral("/B/_Waiting_For")));
    drzewa.readEvents(zgloszenia);
    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/A/_Waiting_For/Bean"),
                              korzen + QStringLiteral("/B/_Waiting_For/Bean")));
    przejdzWszystko();
    drzewa.readEvents(zgloszenia);
    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/B/_Waiting_For/Bean"),
                              korzen + QStringLiteral("/A/_Waiting_For/Bean")));
    przeczytajIPrzejdz();
    EXPECT_EQ(drzewa.watchedFolderCount(), 7);

    zgloszenia.clear();
    dysk.plik(QStringLiteral("All Beans/A/_Waiting_For/Bean/Sub/plik"));
    drzewa.readEvents(zgloszenia);
    EXPECT_TRUE(zgloszona(korzen + QStringLiteral("/A/_Waiting_For/Bean/Sub")));
}

} // namespace

TEST_F(InotifyTreeWatcherTest, AWideTreeTakenInSeveralFoldersAtOnceIsWatchedUnderTheRightPaths)
{
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 5; ++j)
            dysk.katalog(QStringLiteral("All Beans/F%1/S%2").arg(i).arg(j));
    }
    ASSERT_TRUE(drzewa.open({korzen}));
    // The root, then its 40 folders in one step; their 200 subfolders are queued by the parents' watches.
    drzewa.walk(1, zgloszenia);
    drzewa.walk(40, zgloszenia);
    ASSERT_EQ(drzewa.watchedFolderCount(), 41);
    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/F3"), korzen + QStringLiteral("/F3x")));
    drzewa.readEvents(zgloszenia);
    przejdzWszystko();
    EXPECT_EQ(drzewa.watchedFolderCount(), 241);

    zgloszenia.clear();
    dysk.plik(QStringLiteral("All Beans/F3x/S2/nowy"));
    dysk.plik(QStringLiteral("All Beans/F39/S4/nowy"));
    drzewa.readEvents(zgloszenia);
    EXPECT_TRUE(zgloszona(korzen + QStringLiteral("/F3x/S2")));
    EXPECT_TRUE(zgloszona(korzen + QStringLiteral("/F39/S4")));
    for (const auto &z : std::as_const(zgloszenia))
        EXPECT_TRUE(z.path.endsWith(QLatin1String("/F3x/S2")) || z.path.endsWith(QLatin1String("/F39/S4")))
            << qPrintable(z.path);
}

// A folder made, then its parent renamed and the new folder filled, all before the watcher has
// read the rename: the walk looks for the new folder under the parent's old path and finds nothing
// there. Once the rename is read, the folder and what it holds are watched under the new path.
TEST_F(InotifyTreeWatcherTest, AFolderMadeInAFolderRenamedBeforeTheWalkReachedItIsWatchedUnderTheNewPath)
{
    dysk.katalog(QStringLiteral("All Beans/Flow"));
    ASSERT_TRUE(otworz({korzen}));
    ASSERT_EQ(drzewa.watchedFolderCount(), 2);

    ASSERT_TRUE(QDir().mkdir(korzen + QStringLiteral("/Flow/New")));
    drzewa.readEvents(zgloszenia);
    ASSERT_TRUE(QDir().rename(korzen + QStringLiteral("/Flow"), korzen + QStringLiteral("/Renamed")));
    ASSERT_TRUE(QDir().mkpath(korzen + QStringLiteral("/Renamed/New/Sub")));
    przejdzWszystko();
    przeczytajIPrzejdz();
    EXPECT_EQ(drzewa.watchedFolderCount(), 4);

    zgloszenia.clear();
    dysk.plik(QStringLiteral("All Beans/Renamed/New/Sub/plik"));
    drzewa.readEvents(zgloszenia);
    EXPECT_TRUE(zgloszona(korzen + QStringLiteral("/Renamed/New/Sub")));
}
