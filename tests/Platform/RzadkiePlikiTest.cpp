#include "Platform/FileOperations.h"
#include "Platform/Paths.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdint>

#include <utility>
#include <vector>

namespace {

constexpr off_t MiB = 1 << 20;

// A file's size and its runs of data (offset, length); everything else is a hole.
struct UkladRzadki
{
    const char *opis;
    off_t rozmiar;
    std::vector<std::pair<off_t, off_t>> dane;
};

bool zapiszRzadki(const QString &sciezka, const UkladRzadki &uklad)
{
    const int plik = open(QFile::encodeName(sciezka).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (plik < 0 || ftruncate(plik, uklad.rozmiar) != 0)
        return false;
    bool ok = true;
    for (const auto &[od, dlugosc] : uklad.dane) {
        // No zero byte in the data: a run must not read as a hole.
        QByteArray bajty(dlugosc, '\0');
        for (off_t i = 0; i < dlugosc; ++i)
            bajty[i] = char(((od + i) * 7 % 251) + 1);
        ok = ok && pwrite(plik, bajty.constData(), size_t(dlugosc), od) == dlugosc;
    }
    return close(plik) == 0 && ok;
}

struct stat stanPliku(const QString &sciezka)
{
    struct stat info
    {
    };
    EXPECT_EQ(lstat(QFile::encodeName(sciezka).constData(), &info), 0) << sciezka.toStdString();
    return info;
}

// The copy holds the same bytes in no more blocks than the original.
void oczekujWiernejRzadkiejKopii(const QString &oryginal, const struct stat &przed, const QString &kopia)
{
    const struct stat info = stanPliku(kopia);
    EXPECT_EQ(info.st_size, przed.st_size);
    EXPECT_LE(info.st_blocks, przed.st_blocks) << "a hole was filled";
    EXPECT_TRUE(KatalogTestowy::czytaj(kopia) == KatalogTestowy::czytaj(oryginal)) << "the bytes differ";
}

const UkladRzadki uklady[] = {
    {"holes around runs, one longer than a copy step", 32 * MiB, {{8 * MiB, 64 * 1024}, {20 * MiB, 3 * MiB + 512}}},
    {"data at both ends", 16 * MiB, {{0, 4096}, {16 * MiB - 4096, 4096}}},
    {"only a hole", 8 * MiB, {}},
    {"no hole", 300 * 1024, {{0, 300 * 1024}}},
    {"empty", 0, {}},
};

enum class Droga { Duplikat, KopiaNaInnySystem, PrzeniesienieNaInnySystem };

class RzadkiePliki : public ::testing::TestWithParam<Droga>
{
protected:
    KatalogTestowy dir;
};

// On every road a copy takes, the holes stay holes and the bytes are the original's.
TEST_P(RzadkiePliki, ACopyKeepsTheHolesAndTheBytes)
{
    std::unique_ptr<QTemporaryDir> inny;
    QString katalogKopii = dir.sciezka();
    if (GetParam() != Droga::Duplikat) {
        inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka());
        if (!inny)
            GTEST_SKIP() << "/dev/shm and the temporary folder are on one file system";
        katalogKopii = inny->path();
    }
    for (const UkladRzadki &uklad : uklady) {
        SCOPED_TRACE(uklad.opis);
        const QString nazwa = QString::fromLatin1(uklad.opis);
        const QString oryginal = dir.sciezka(nazwa);
        ASSERT_TRUE(zapiszRzadki(oryginal, uklad));
        const struct stat przed = stanPliku(oryginal);
        const QString kopia = Paths::join(katalogKopii, nazwa + QStringLiteral(" copy"));
        BladOperacji blad;
        if (GetParam() == Droga::PrzeniesienieNaInnySystem) {
            // The original's bytes are kept aside to compare with after the move.
            const QString wzor = dir.sciezka(nazwa + QStringLiteral(" wzor"));
            ASSERT_TRUE(FileOperations::copyNoReplace(oryginal, wzor, &blad)) << blad.przyczyna.toStdString();
            ASSERT_TRUE(FileOperations::moveNoReplace(oryginal, kopia, &blad)) << blad.przyczyna.toStdString();
            EXPECT_FALSE(KatalogTestowy::istnieje(oryginal));
            oczekujWiernejRzadkiejKopii(wzor, przed, kopia);
        } else {
            ASSERT_TRUE(FileOperations::copyNoReplace(oryginal, kopia, &blad)) << blad.przyczyna.toStdString();
            oczekujWiernejRzadkiejKopii(oryginal, przed, kopia);
        }
    }
}

std::string nazwaDrogi(const ::testing::TestParamInfo<Droga> &info)
{
    const char *const nazwy[] = {"Duplicate", "CopyToAnotherFileSystem", "MoveToAnotherFileSystem"};
    return nazwy[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Drogi, RzadkiePliki,
                         ::testing::Values(Droga::Duplikat, Droga::KopiaNaInnySystem, Droga::PrzeniesienieNaInnySystem),
                         nazwaDrogi);

// Small volumes in a private mount namespace (see w-prywatnej-przestrzeni-montowan.sh), where a
// copy that filled holes or duplicated shared blocks would find no room.
class MaleWoluminy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("TARROWIND_PRIVATE_MOUNTS"))
            GTEST_SKIP() << "runs in its own ctest entry, in a private mount namespace";
    }
    void TearDown() override
    {
        for (const QString &punkt : m_punkty)
            umount2(QFile::encodeName(punkt).constData(), MNT_DETACH);
    }
    bool zamontuj(const QString &punkt)
    {
        if (!QDir().mkpath(punkt) || mount("tmpfs", QFile::encodeName(punkt).constData(), "tmpfs", 0, "size=1m") != 0)
            return false;
        m_punkty << punkt;
        return true;
    }
    // An XFS volume in a sparse image on a loop device; a reason when it cannot be had.
    QString zamontujXfs(const QString &punkt)
    {
        const QString obraz = dir.sciezka(QStringLiteral("xfs.img"));
        QFile plik(obraz);
        if (!QDir().mkpath(punkt) || !plik.open(QIODevice::WriteOnly) || !plik.resize(300 * MiB))
            return QStringLiteral("no image file");
        plik.close();
        QProcess polecenie;
        polecenie.setProcessChannelMode(QProcess::MergedChannels);
        for (const QStringList &argumenty :
             {QStringList{QStringLiteral("mkfs.xfs"), QStringLiteral("-q"), obraz},
              QStringList{QStringLiteral("mount"), QStringLiteral("-o"), QStringLiteral("loop"), obraz, punkt}}) {
            polecenie.start(argumenty.first(), argumenty.mid(1));
            if (!polecenie.waitForFinished(60000) || polecenie.exitStatus() != QProcess::NormalExit
                || polecenie.exitCode() != 0)
                return argumenty.first() + QStringLiteral(": ")
                       + (polecenie.error() == QProcess::FailedToStart
                              ? QStringLiteral("not installed (xfsprogs)")
                              : QString::fromLocal8Bit(polecenie.readAll()).trimmed());
        }
        m_punkty << punkt;
        return {};
    }
    KatalogTestowy dir;
    QStringList m_punkty;
};

TEST_F(MaleWoluminy, ASparseFileLargerThanTheVolumeIsDuplicatedThereAndMovedToAnotherAsSparse)
{
    const QString maly = dir.sciezka(QStringLiteral("maly"));
    const QString drugi = dir.sciezka(QStringLiteral("drugi"));
    if (!zamontuj(maly) || !zamontuj(drugi))
        GTEST_SKIP() << "mounting a tmpfs was refused: " << std::strerror(errno);
    const UkladRzadki uklad{"64 MiB, 80 KiB of data", 64 * MiB, {{0, 16 * 1024}, {40 * MiB, 64 * 1024}}};
    const QString oryginal = Paths::join(maly, QStringLiteral("obraz.img"));
    ASSERT_TRUE(zapiszRzadki(oryginal, uklad));
    const struct stat przed = stanPliku(oryginal);
    const QString wzor = dir.sciezka(QStringLiteral("wzor.img"));
    BladOperacji blad;
    ASSERT_TRUE(FileOperations::copyNoReplace(oryginal, wzor, &blad)) << blad.przyczyna.toStdString();

    // On the same 1 MiB volume, where a filled copy finds no room.
    const QString duplikat = Paths::join(maly, QStringLiteral("obraz copy.img"));
    ASSERT_TRUE(FileOperations::copyNoReplace(oryginal, duplikat, &blad)) << blad.przyczyna.toStdString();
    oczekujWiernejRzadkiejKopii(oryginal, przed, duplikat);

    // Onto another small volume, where the kernel copies no range across file systems.
    const QString przeniesiony = Paths::join(drugi, QStringLiteral("obraz.img"));
    ASSERT_TRUE(FileOperations::moveNoReplace(oryginal, przeniesiony, &blad)) << blad.przyczyna.toStdString();
    EXPECT_FALSE(KatalogTestowy::istnieje(oryginal));
    oczekujWiernejRzadkiejKopii(wzor, przed, przeniesiony);
}

// Where the file system clones, a copy shares the original's blocks: a file larger than the room
// left beside it is duplicated all the same, byte for byte.
TEST_F(MaleWoluminy, ADuplicateOnAVolumeThatClonesSharesTheBlocks)
{
    const QString punkt = dir.sciezka(QStringLiteral("xfs"));
    const QString powod = zamontujXfs(punkt);
    if (!powod.isEmpty())
        GTEST_SKIP() << "no XFS volume to clone on: " << powod.toStdString();
    const UkladRzadki uklad{"120 MiB of data", 120 * MiB, {{0, 120 * MiB}}};
    const QString oryginal = Paths::join(punkt, QStringLiteral("film.mov"));
    ASSERT_TRUE(zapiszRzadki(oryginal, uklad));
    struct statvfs wolne;
    ASSERT_EQ(statvfs(QFile::encodeName(punkt).constData(), &wolne), 0);
    ASSERT_LT(wolne.f_bavail * wolne.f_frsize, std::uint64_t(120 * MiB))
        << "a full copy would fit: the test proves nothing";

    const QString duplikat = Paths::join(punkt, QStringLiteral("film copy.mov"));
    BladOperacji blad;
    ASSERT_TRUE(FileOperations::copyNoReplace(oryginal, duplikat, &blad)) << blad.przyczyna.toStdString();
    EXPECT_EQ(stanPliku(duplikat).st_size, 120 * MiB);
    EXPECT_TRUE(KatalogTestowy::czytaj(duplikat) == KatalogTestowy::czytaj(oryginal)) << "the bytes differ";
}

} // namespace
