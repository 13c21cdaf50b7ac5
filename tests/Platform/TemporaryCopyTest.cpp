#include "Platform/TemporaryCopy.h"
#include "Platform/FileOperations.h"
#include "Platform/Paths.h"
#include "Platform/PrzenoszenieKatalogu.h"
#include "Platform/UserDefaults.h"

#include "Support/DwaSystemyPlikow.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/PozostawioneKopie.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace PozostawioneKopie;

class KopieTymczasowe : public ::testing::Test
{
protected:
    void TearDown() override { UserDefaults::standard().removeObject(klucz()); }

    KatalogTestowy dir;
};

enum class Oczekiwane { Usunieta, Zostaje };

struct Pozostalosc
{
    const char *opis;
    const char *nazwa;
    QByteArray (*znacznik)();
    bool zapisana;
    Oczekiwane dysk;
    bool zapisZostaje;
};

QByteArray naszZnacznik()
{
    return TemporaryCopy::markerOf(getpid());
}

QByteArray znacznikInnegoRozruchu()
{
    QByteArray znacznik = naszZnacznik().trimmed();
    return znacznik.left(znacznik.lastIndexOf(' ') + 1) + "00000000-0000-0000-0000-000000000000\n";
}

QByteArray znacznikPonownieUzytegoPid()
{
    // Process 1 runs, but not since the time this marker names.
    return "1 1 " + naszZnacznik().trimmed().split(' ').last() + '\n';
}

QByteArray bezZnacznika()
{
    return {};
}

const char *const wzorowaNazwa = ".tarrowind-0123456789abcdef.tmp";

// Only a copy of ours, recorded, marked by a process that no longer runs, goes; nothing else is touched.
TEST_F(KopieTymczasowe, OnlyRecordedCopiesOfProcessesThatAreGoneAreRemoved)
{
    const Pozostalosc przypadki[] = {
        {"killed process", wzorowaNazwa, znacznikZabitego, true, Oczekiwane::Usunieta, false},
        {"process of another boot", wzorowaNazwa, znacznikInnegoRozruchu, true, Oczekiwane::Usunieta, false},
        {"process id given to another process", wzorowaNazwa, znacznikPonownieUzytegoPid, true, Oczekiwane::Usunieta,
         false},
        {"this process, still running", wzorowaNazwa, naszZnacznik, true, Oczekiwane::Zostaje, true},
        {"not recorded", wzorowaNazwa, znacznikZabitego, false, Oczekiwane::Zostaje, false},
        {"name not ours", ".tarrowind-moja.tmp", znacznikZabitego, true, Oczekiwane::Zostaje, false},
        {"no marker", wzorowaNazwa, bezZnacznika, true, Oczekiwane::Zostaje, false},
    };
    for (const Pozostalosc &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        KatalogTestowy katalog;
        const QString sciezka =
            zostaw(katalog.sciezka(), QString::fromLatin1(przypadek.nazwa), przypadek.znacznik(), przypadek.zapisana);
        const QStringList przed = migawkaKatalogu(sciezka);
        TemporaryCopy::removeAbandonedIn(katalog.sciezka());
        if (przypadek.dysk == Oczekiwane::Usunieta)
            EXPECT_FALSE(KatalogTestowy::istnieje(sciezka));
        else
            EXPECT_EQ(migawkaKatalogu(sciezka), przed);
        EXPECT_EQ(zapisane().contains(sciezka), przypadek.zapisZostaje);
        UserDefaults::standard().removeObject(klucz());
    }
}

TEST_F(KopieTymczasowe, AnEmptyFolderKilledBeforeItsMarkerGoesAndAMarkedProcessThatRunsKeepsItsCopy)
{
    const QString pusta = Paths::join(dir.sciezka(), QString::fromLatin1(wzorowaNazwa));
    ASSERT_TRUE(QDir().mkdir(pusta));
    UserDefaults::standard().setObject(klucz(), QStringList{pusta});
    Proces dziala;
    const QString zywa =
        zostaw(dir.sciezka(), QStringLiteral(".tarrowind-fedcba9876543210.tmp"), TemporaryCopy::markerOf(dziala.pid));
    TemporaryCopy::removeAbandonedIn(dir.sciezka());
    EXPECT_FALSE(KatalogTestowy::istnieje(pusta));
    EXPECT_TRUE(KatalogTestowy::istnieje(zywa + QStringLiteral("/copy/teczka/czesc.txt")));
    EXPECT_EQ(zapisane().join(u'|').toStdString(), zywa.toStdString());

    dziala.zabij();
    TemporaryCopy::removeAbandonedIn(dir.sciezka());
    EXPECT_FALSE(KatalogTestowy::istnieje(zywa));
    EXPECT_TRUE(zapisane().isEmpty());
}

// Between the making of its folder and the writing of its marker, a copy of this process looks
// like one killed in that moment: it is never taken for one.
TEST_F(KopieTymczasowe, ACopyThisProcessIsStillMakingIsNeverTakenForALeftover)
{
    QString sciezka;
    {
        TemporaryCopy robiona(dir.sciezka(QStringLiteral("cel")));
        sciezka = robiona.path();
        ASSERT_TRUE(QDir().mkdir(sciezka));
        TemporaryCopy::removeAbandonedIn(dir.sciezka());
        EXPECT_TRUE(QDir(sciezka).exists());
        EXPECT_EQ(zapisane().join(u'|').toStdString(), sciezka.toStdString());
        ASSERT_TRUE(QDir().rmdir(sciezka));
    }
    EXPECT_TRUE(zapisane().isEmpty());
}

// A link under our name, or one inside a copy, never leads the removal to what it points at. The
// ctest entry "nieuprzywilejowany" runs it as an ordinary user, whom the read-only folder stops.
using NieuprzywilejowaneKopieTymczasowe = KopieTymczasowe;
TEST_F(NieuprzywilejowaneKopieTymczasowe, TheRemovalFollowsNoLinkAndOpensReadOnlyFolders)
{
    const QString uzytkownika = dir.katalog(QStringLiteral("Moje"));
    dir.plik(QStringLiteral("Moje/wazne.txt"), "wazne");
    QFile znacznik(Paths::join(uzytkownika, QString::fromLatin1(TemporaryCopy::markerName)));
    ASSERT_TRUE(znacznik.open(QIODevice::WriteOnly) && znacznik.write(znacznikZabitego()) > 0);
    znacznik.close();
    const QStringList przed = migawkaKatalogu(uzytkownika);

    const QString cel = dir.katalog(QStringLiteral("cel"));
    const QString dowiazanie = Paths::join(cel, QString::fromLatin1(wzorowaNazwa));
    ASSERT_EQ(symlink(QFile::encodeName(uzytkownika).constData(), QFile::encodeName(dowiazanie).constData()), 0);
    const QString porzucona = zostaw(cel, QStringLiteral(".tarrowind-00000000000000aa.tmp"), znacznikZabitego());
    ASSERT_EQ(symlink(QFile::encodeName(uzytkownika).constData(),
                      QFile::encodeName(porzucona + QStringLiteral("/copy/teczka/link")).constData()),
              0);
    // Read-only as a copy's folders are once its modes are set.
    ASSERT_EQ(chmod(QFile::encodeName(porzucona + QStringLiteral("/copy/teczka")).constData(), 0500), 0);
    UserDefaults::standard().setObject(klucz(), zapisane() << dowiazanie);

    TemporaryCopy::removeAbandonedIn(cel);
    EXPECT_FALSE(KatalogTestowy::istnieje(porzucona));
    struct stat info;
    EXPECT_EQ(lstat(QFile::encodeName(dowiazanie).constData(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(migawkaKatalogu(uzytkownika), przed);
}

class KopieTymczasoweMiedzyUrzadzeniami : public DwaSystemyPlikow
{
protected:
    void TearDown() override { UserDefaults::standard().removeObject(klucz()); }
};

std::string posortowaneWpisy(const QString &katalog)
{
    QStringList wynik = QDir(katalog).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(wynik.begin(), wynik.end());
    return wynik.join(u'|').toStdString();
}

// A killed migration's copy goes with the next move into that folder; a copy whose process still
// runs stays, and so do the user's own items.
TEST_F(KopieTymczasoweMiedzyUrzadzeniami, TheNextMoveIntoTheFolderRemovesAKilledMovesCopy)
{
    const QString cel = inny->path();
    const QString porzucona = zostaw(cel, QString::fromLatin1(wzorowaNazwa), znacznikZabitego());
    Proces dziala;
    const QString zywa =
        zostaw(cel, QStringLiteral(".tarrowind-fedcba9876543210.tmp"), TemporaryCopy::markerOf(dziala.pid));
    QDir().mkpath(cel + QStringLiteral("/.ukryty/wewnatrz"));
    QFile wlasny(cel + QStringLiteral("/notatki.txt"));
    ASSERT_TRUE(wlasny.open(QIODevice::WriteOnly) && wlasny.write("notatki") == 7);
    wlasny.close();
    const QStringList zywaPrzed = migawkaKatalogu(zywa);

    const QString zrodlo = zrobPortfolio(dir.sciezka(), 5);
    const QStringList portfolio = migawkaKatalogu(zrodlo);
    PrzenoszenieKatalogu przenoszenie(zrodlo, cel);
    int status = -1;
    QObject::connect(&przenoszenie, &PrzenoszenieKatalogu::zakonczone, [&](int s) { status = s; });
    ASSERT_TRUE(przenoszenie.rozpocznij());
    ASSERT_TRUE(QTest::qWaitFor([&] { return status >= 0; }, 30000));
    ASSERT_EQ(status, 0);

    EXPECT_EQ(migawkaKatalogu(cel + QStringLiteral("/Tarrowind")), portfolio);
    EXPECT_FALSE(KatalogTestowy::istnieje(porzucona));
    EXPECT_EQ(migawkaKatalogu(zywa), zywaPrzed);
    EXPECT_EQ(KatalogTestowy::czytaj(cel + QStringLiteral("/notatki.txt")), "notatki");
    EXPECT_TRUE(QDir(cel + QStringLiteral("/.ukryty/wewnatrz")).exists());
    EXPECT_EQ(posortowaneWpisy(cel), ".tarrowind-fedcba9876543210.tmp|.ukryty|Tarrowind|notatki.txt");
    EXPECT_EQ(zapisane().join(u'|').toStdString(), zywa.toStdString())
        << "the move's own copy and the removed one are no longer recorded";
}

// A bean moved to another file system takes the same road.
TEST_F(KopieTymczasoweMiedzyUrzadzeniami, AFileMovedAcrossDevicesRemovesAKilledMovesCopyAndLeavesNoneOfItsOwn)
{
    const QString porzucona = zostaw(inny->path(), QString::fromLatin1(wzorowaNazwa), znacznikZabitego());
    const QString plik = dir.plik(QStringLiteral("fasolka.txt"), "fasolka");
    BladOperacji blad;
    ASSERT_TRUE(FileOperations::moveNoReplace(plik, inny->path() + QStringLiteral("/fasolka.txt"), &blad))
        << blad.przyczyna.toStdString();
    EXPECT_EQ(KatalogTestowy::czytaj(inny->path() + QStringLiteral("/fasolka.txt")), "fasolka");
    EXPECT_FALSE(KatalogTestowy::istnieje(porzucona));
    EXPECT_EQ(posortowaneWpisy(inny->path()), "fasolka.txt");
    EXPECT_TRUE(zapisane().isEmpty());
}

// While a move copies, its hidden folder is recorded and marked with this process.
TEST_F(KopieTymczasoweMiedzyUrzadzeniami, ARunningMoveIsRecordedAndMarkedWithItsProcess)
{
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 5);
    QStringList zapisaneWTrakcie;
    QByteArray znacznikWTrakcie;
    TreeCopier::setCopiedHookForTests([&](const QString &) {
        if (!znacznikWTrakcie.isEmpty())
            return;
        const QStringList ukryte =
            QDir(inny->path()).entryList({QStringLiteral(".tarrowind-*.tmp")}, QDir::Dirs | QDir::Hidden);
        if (ukryte.size() == 1)
            znacznikWTrakcie = KatalogTestowy::czytaj(inny->path() + u'/' + ukryte.first() + QStringLiteral("/owner"));
    });
    PrzenoszenieKatalogu przenoszenie(zrodlo, inny->path());
    int status = -1;
    QObject::connect(&przenoszenie, &PrzenoszenieKatalogu::zakonczone, [&](int s) { status = s; });
    ASSERT_TRUE(przenoszenie.rozpocznij());
    zapisaneWTrakcie = zapisane();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status >= 0; }, 30000));
    TreeCopier::setCopiedHookForTests({});
    ASSERT_EQ(status, 0);
    ASSERT_EQ(zapisaneWTrakcie.size(), 1);
    EXPECT_EQ(Paths::parent(zapisaneWTrakcie.first()), inny->path());
    EXPECT_EQ(znacznikWTrakcie, TemporaryCopy::markerOf(getpid()));
    EXPECT_TRUE(zapisane().isEmpty());
}

} // namespace
