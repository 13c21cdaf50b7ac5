#include "Platform/TemporaryCopy.h"
#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/PrzenoszenieKatalogu.h"
#include "Platform/TreeCopier.h"
#include "Platform/UserDefaults.h"

#include "Support/DwaSystemyPlikow.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/PozostawioneKopie.h"
#include "Support/ProcesDziecka.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <atomic>
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

std::string posortowaneWpisy(const QString &katalog)
{
    QStringList wynik = QDir(katalog).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(wynik.begin(), wynik.end());
    return wynik.join(u'|').toStdString();
}

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
    // Killed between the making of the marker and the writing of it.
    const QString zPustymZnacznikiem = dir.katalog(QStringLiteral(".tarrowind-00000000000000bb.tmp"));
    dir.plik(QStringLiteral(".tarrowind-00000000000000bb.tmp/owner"), {});
    UserDefaults::standard().setObject(klucz(), QStringList{pusta, zPustymZnacznikiem});
    Proces dziala;
    const QString zywa =
        zostaw(dir.sciezka(), QStringLiteral(".tarrowind-fedcba9876543210.tmp"), TemporaryCopy::markerOf(dziala.pid));
    TemporaryCopy::removeAbandonedIn(dir.sciezka());
    EXPECT_FALSE(KatalogTestowy::istnieje(pusta));
    EXPECT_FALSE(KatalogTestowy::istnieje(zPustymZnacznikiem));
    EXPECT_TRUE(KatalogTestowy::istnieje(zywa + QStringLiteral("/copy/teczka/czesc.txt")));
    EXPECT_EQ(zapisane().join(u'|').toStdString(), zywa.toStdString());

    dziala.zabij();
    TemporaryCopy::removeAbandonedIn(dir.sciezka());
    EXPECT_FALSE(KatalogTestowy::istnieje(zywa));
    EXPECT_TRUE(zapisane().isEmpty());
}

// The console says what the removed temporary was made for.
TEST_F(KopieTymczasowe, TheConsoleSaysWhetherTheRemovedTemporaryWasAMovesOrADuplicates)
{
    const struct
    {
        TemporaryCopy::Purpose cel;
        const char *linia;
    } przypadki[] = {
        {TemporaryCopy::Purpose::Move, "Usunięto kopię tymczasową pozostawioną przez przerwane przenoszenie: "},
        {TemporaryCopy::Purpose::Duplicate, "Usunięto kopię tymczasową pozostawioną przez przerwane duplikowanie: "},
    };
    for (const auto &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.linia);
        KatalogTestowy katalog;
        const QString sciezka =
            zostaw(katalog.sciezka(), QString::fromLatin1(wzorowaNazwa), znacznikZabitego(przypadek.cel));
        QStringList linie;
        Konsola::ustawWyjscie([&linie](const QByteArray &linia) { linie << QString::fromUtf8(linia).trimmed(); });
        TemporaryCopy::removeAbandonedIn(katalog.sciezka());
        Konsola::ustawWyjscie({});
        EXPECT_FALSE(KatalogTestowy::istnieje(sciezka));
        EXPECT_EQ(linie, QStringList{QString::fromUtf8(przypadek.linia) + sciezka});
    }
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

constexpr char zmiennaChwili[] = "TARROWIND_TEST_CHWILA_USUWANIA";

// When the child is killed: after so many entries removed, or as the entry of that name goes.
struct ChwilaZabicia
{
    const char *opis;
    const char *chwila;
};

} // namespace

// The child: the start's removal of a killed duplicate's temporary, killed at the moment given.
TEST(PrzerwaneUsuwanieKopiiWDziecku, DISABLED_RemovesTheLeftoverUntilKilled)
{
    ASSERT_TRUE(ProcesDziecka::jestemDzieckiem());
    const QString chwila = qEnvironmentVariable(zmiennaChwili);
    bool liczba = false;
    const int poIlu = chwila.toInt(&liczba);
    std::atomic<int> usuniete = 0;
    TreeCopier::setTreeRemovedHookForTests([&](const QString &sciezka) {
        if (liczba ? ++usuniete == poIlu : Paths::lastComponent(sciezka) == chwila)
            ProcesDziecka::zglosGotowoscICzekajNaSmierc();
    });
    TemporaryCopy::removeAbandonedInBackground();
    QTest::qWait(60000);
    FAIL() << "not killed";
}

namespace {

class PrzerwaneUsuwanieKopii : public ::testing::TestWithParam<ChwilaZabicia>
{
protected:
    void TearDown() override { UserDefaults::standard().removeObject(klucz()); }

    KatalogTestowy dir;
};

} // namespace

// Whenever the start is killed, what it left is still a temporary of ours, marked and recorded, or
// an empty folder, or nothing; the next start finishes the removal and drops the record.
TEST_P(PrzerwaneUsuwanieKopii, WhatAKilledRemovalLeavesTheNextStartFinishes)
{
    dir.plik(QStringLiteral("notatki.txt"), "notatki");
    const QString porzucona =
        zostaw(dir.sciezka(), QString::fromLatin1(wzorowaNazwa), znacznikZabitego(TemporaryCopy::Purpose::Duplicate));
    for (int i = 0; i < 60; ++i)
        dir.plik(QStringLiteral("%1/copy/teczka %2/plik %3.txt").arg(QLatin1String(wzorowaNazwa)).arg(i % 6).arg(i));
    ASSERT_EQ(chmod(QFile::encodeName(porzucona + QStringLiteral("/copy/teczka 1")).constData(), 0500), 0);
    UserDefaults::standard().synchronize();
    {
        ProcesDziecka dziecko(QStringLiteral("PrzerwaneUsuwanieKopiiWDziecku.DISABLED_RemovesTheLeftoverUntilKilled"),
                              {{QString::fromLatin1(zmiennaChwili), QString::fromLatin1(GetParam().chwila)}});
        ASSERT_TRUE(dziecko.czekajNaGotowosc(30000)) << dziecko.wyjscie().toStdString();
        dziecko.zabij();
    }
    UserDefaults::standard().synchronize();
    const QString znacznik = Paths::join(porzucona, QString::fromLatin1(TemporaryCopy::markerName));
    EXPECT_TRUE(KatalogTestowy::istnieje(znacznik) || QDir(porzucona).isEmpty())
        << migawkaKatalogu(porzucona).join(' ').toStdString();
    EXPECT_EQ(zapisane().join(u'|').toStdString(), porzucona.toStdString()) << "the record goes only after the folder";

    TemporaryCopy::removeAbandonedInBackground();
    ASSERT_TRUE(QTest::qWaitFor([&] { return zapisane().isEmpty(); }, 10000));
    EXPECT_EQ(posortowaneWpisy(dir.sciezka()), "notatki.txt");
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("notatki.txt"))), "notatki");
}

INSTANTIATE_TEST_SUITE_P(Chwile, PrzerwaneUsuwanieKopii,
                         ::testing::Values(ChwilaZabicia{"AfterTheFirstEntry", "1"},
                                           ChwilaZabicia{"HalfwayThroughTheCopy", "35"},
                                           ChwilaZabicia{"AsTheMarkerGoes", TemporaryCopy::markerName},
                                           ChwilaZabicia{"AsTheFolderGoes", wzorowaNazwa}),
                         [](const auto &wiersz) { return std::string(wiersz.param.opis); });

namespace {

class KopieTymczasoweMiedzyUrzadzeniami : public DwaSystemyPlikow
{
protected:
    void TearDown() override { UserDefaults::standard().removeObject(klucz()); }
};

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
