#include "Platform/PrzenoszenieKatalogu.h"
#include "Platform/FolderListing.h"
#include "Platform/Konsola.h"
#include "Platform/ModalGate.h"
#include "Platform/Paths.h"
#include "Platform/TemporaryCopy.h"
#include "Platform/TreeCopier.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/DwaSystemyPlikow.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>

#include <sys/stat.h>

namespace {

struct Wynik
{
    int status = 1;
    BladOperacji blad;
    int raportyKonca = 0;
    int raportyPostepu = 0;
};

void sledz(PrzenoszenieKatalogu &przenoszenie, Wynik &wynik)
{
    QObject::connect(&przenoszenie, &PrzenoszenieKatalogu::zakonczone, [&](int status, const BladOperacji &blad) {
        wynik.status = status;
        wynik.blad = blad;
        ++wynik.raportyKonca;
    });
    QObject::connect(&przenoszenie, &PrzenoszenieKatalogu::postep, [&] { ++wynik.raportyPostepu; });
}

bool czekajNaKoniec(const Wynik &wynik)
{
    return QTest::qWaitFor([&] { return wynik.raportyKonca > 0; }, 30000) && wynik.raportyKonca == 1;
}

using PrzenoszenieMiedzyUrzadzeniami = DwaSystemyPlikow;

TEST(PrzenoszenieKataloguTest, OnOneFileSystemTheFolderIsRenamedAndReportedOnce)
{
    KatalogTestowy dir;
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 3);
    const auto przed = migawkaKatalogu(zrodlo);
    const QString cel = dir.katalog(QStringLiteral("Nowe miejsce"));
    PrzenoszenieKatalogu przenoszenie(zrodlo, cel);
    Wynik wynik;
    sledz(przenoszenie, wynik);
    ASSERT_TRUE(przenoszenie.rozpocznij());
    EXPECT_EQ(wynik.raportyKonca, 0) << "the report arrives through the event loop";
    ASSERT_TRUE(czekajNaKoniec(wynik));
    EXPECT_EQ(wynik.status, 0);
    EXPECT_FALSE(KatalogTestowy::istnieje(zrodlo));
    EXPECT_EQ(migawkaKatalogu(cel + QStringLiteral("/Tarrowind")), przed);
}

TEST(PrzenoszenieKataloguTest, TheEndReportWaitsWhileTheModalGateIsRaised)
{
    KatalogTestowy dir;
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 1);
    const QString cel = dir.katalog(QStringLiteral("cel"));
    PrzenoszenieKatalogu przenoszenie(zrodlo, cel);
    Wynik wynik;
    sledz(przenoszenie, wynik);
    {
        ModalGate::Raise brama;
        ASSERT_TRUE(przenoszenie.rozpocznij());
        przeczekajCisze();
        EXPECT_EQ(wynik.raportyKonca, 0);
    }
    ASSERT_TRUE(czekajNaKoniec(wynik));
    EXPECT_EQ(wynik.status, 0);
}

TEST(PrzenoszenieKataloguTest, ANameClashRefusesToStartAndTouchesNothing)
{
    KatalogTestowy dir;
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 1);
    const auto przed = migawkaKatalogu(zrodlo);
    const QString cel = dir.katalog(QStringLiteral("cel"));
    dir.plik(QStringLiteral("cel/Tarrowind/inny.txt"), "inny");
    PrzenoszenieKatalogu przenoszenie(zrodlo, cel);
    BladOperacji blad;
    EXPECT_FALSE(przenoszenie.rozpocznij(&blad));
    EXPECT_EQ(blad.kod, EEXIST);
    EXPECT_EQ(migawkaKatalogu(zrodlo), przed);
    EXPECT_EQ(KatalogTestowy::czytaj(cel + QStringLiteral("/Tarrowind/inny.txt")), "inny");
}

TEST_F(PrzenoszenieMiedzyUrzadzeniami, CopiesEverythingReportsProgressAndRemovesTheSourceLast)
{
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 40);
    const auto przed = migawkaKatalogu(zrodlo);
    PrzenoszenieKatalogu przenoszenie(zrodlo, inny->path());
    Wynik wynik;
    sledz(przenoszenie, wynik);
    ASSERT_TRUE(przenoszenie.rozpocznij());
    ASSERT_TRUE(czekajNaKoniec(wynik));
    EXPECT_EQ(wynik.status, 0) << wynik.blad.przyczyna.toStdString();
    EXPECT_FALSE(KatalogTestowy::istnieje(zrodlo));
    EXPECT_EQ(migawkaKatalogu(inny->path() + QStringLiteral("/Tarrowind")), przed);
    EXPECT_EQ(FolderListing::list(inny->path()).wpisy.size(), 1);
}

TEST_F(PrzenoszenieMiedzyUrzadzeniami, CancelRightAfterStartLeavesTheSourceWholeAndNoPartialCopy)
{
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 200);
    const auto przed = migawkaKatalogu(zrodlo);
    PrzenoszenieKatalogu przenoszenie(zrodlo, inny->path());
    Wynik wynik;
    sledz(przenoszenie, wynik);
    ASSERT_TRUE(przenoszenie.rozpocznij());
    przenoszenie.anuluj();
    ASSERT_TRUE(czekajNaKoniec(wynik));
    EXPECT_EQ(wynik.status, PrzenoszenieKatalogu::statusAnulowano);
    EXPECT_EQ(wynik.blad.kod, PrzenoszenieKatalogu::statusAnulowano);
    ASSERT_EQ(migawkaKatalogu(zrodlo), przed);
    QDir::Filters wszystko = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    EXPECT_TRUE(QDir(inny->path()).entryList(wszystko).isEmpty()) << "no partial copy, hidden or not";

    przenoszenie.anuluj();
    przeczekajCisze();
    EXPECT_EQ(wynik.raportyKonca, 1) << "a cancel after the end does nothing";
}

TEST_F(PrzenoszenieMiedzyUrzadzeniami, AFolderThatAppearsAtTheTargetDuringTheCopyStaysAndTheErrorNamesTheMovedFolder)
{
    const QString zrodlo = zrobPortfolio(dir.sciezka(), 200);
    const auto przed = migawkaKatalogu(zrodlo);
    PrzenoszenieKatalogu przenoszenie(zrodlo, inny->path());
    Wynik wynik;
    sledz(przenoszenie, wynik);
    ASSERT_TRUE(przenoszenie.rozpocznij());
    ASSERT_TRUE(QDir().mkpath(inny->path() + QStringLiteral("/Tarrowind/inny")));
    ASSERT_TRUE(czekajNaKoniec(wynik));
    EXPECT_NE(wynik.status, 0);
    EXPECT_TRUE(wynik.blad.przyczyna.contains(QStringLiteral("Tarrowind"))) << wynik.blad.przyczyna.toStdString();
    EXPECT_FALSE(wynik.blad.przyczyna.contains(QStringLiteral(".tarrowind-"))) << wynik.blad.przyczyna.toStdString();
    ASSERT_EQ(migawkaKatalogu(zrodlo), przed);
    EXPECT_EQ(QDir(inny->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Tarrowind")});
    EXPECT_TRUE(QDir(inny->path() + QStringLiteral("/Tarrowind/inny")).exists());
}

// Only an ordinary user is stopped by a read-only folder: the ctest entry "nieuprzywilejowany" runs these as one.
enum class KoniecPrzenoszenia { CelZajety, Anulowane, Udane };
class NieuprzywilejowanePrzenoszenie : public PrzenoszenieMiedzyUrzadzeniami,
                                       public ::testing::WithParamInterface<KoniecPrzenoszenia>
{
protected:
    void TearDown() override { TreeCopier::setCopiedHookForTests({}); }
    void zapisz(const QString &sciezka, const QByteArray &tresc) const
    {
        QDir().mkpath(sciezka.section(QLatin1Char('/'), 0, -2));
        QFile plik(sciezka);
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write(tresc) == tresc.size());
    }
};

// The portfolio moves from /dev/shm into the temporary home; the hook acts in the middle of the copy.
TEST_P(NieuprzywilejowanePrzenoszenie, ReadOnlyFoldersAndFilesWrittenMeanwhileAreNeitherLostNorLeftAsACopy)
{
    const QString zrodlo = inny->path() + QStringLiteral("/Tarrowind");
    const QString zamkniety = zrodlo + QStringLiteral("/All Beans/_Main_Flow/zamknieta");
    const QString fasolka = zrodlo + QStringLiteral("/All Beans/_Main_Flow/fasolka");
    const QByteArray kopia = QFile::encodeName(dir.sciezka(QStringLiteral("Tarrowind/All Beans/_Main_Flow/zamknieta")));
    zapisz(zamkniety + QStringLiteral("/plik.txt"), "zamkniety");
    zapisz(fasolka + QStringLiteral("/plik.txt"), "stara");
    chmod(QFile::encodeName(zamkniety).constData(), 0555);
    // Two names of one file: removing the first changes the second's status time, not its contents.
    zapisz(zrodlo + QStringLiteral("/All Beans/_Main_Flow/dwie nazwy.txt"), "jedna tresc");
    ASSERT_EQ(link(QFile::encodeName(zrodlo + QStringLiteral("/All Beans/_Main_Flow/dwie nazwy.txt")).constData(),
                   QFile::encodeName(zrodlo + QStringLiteral("/All Beans/_Main_Flow/druga nazwa.txt")).constData()),
              0);
    PrzenoszenieKatalogu przenoszenie(zrodlo, dir.sciezka());
    TreeCopier::setCopiedHookForTests([&](const QString &skopiowany) {
        if (skopiowany == fasolka && GetParam() == KoniecPrzenoszenia::Udane) {
            zapisz(fasolka + QStringLiteral("/nowy.txt"), "dopisany");
            zapisz(fasolka + QStringLiteral("/plik.txt"), "zmieniona");
        }
        if (skopiowany == zamkniety && GetParam() == KoniecPrzenoszenia::CelZajety)
            QDir().mkpath(dir.sciezka(QStringLiteral("Tarrowind")));
        if (skopiowany == zamkniety && GetParam() == KoniecPrzenoszenia::Anulowane)
            przenoszenie.anuluj();
    });
    QStringList konsola;
    Konsola::ustawWyjscie([&](const QByteArray &linia) { konsola << QString::fromUtf8(linia); });
    Wynik wynik;
    sledz(przenoszenie, wynik);
    EXPECT_TRUE(przenoszenie.rozpocznij() && czekajNaKoniec(wynik));
    Konsola::ustawWyjscie({});
    struct stat info
    {
    };
    lstat(kopia.constData(), &info);
    chmod(kopia.constData(), 0755);
    chmod(QFile::encodeName(zamkniety).constData(), 0755);
    if (GetParam() == KoniecPrzenoszenia::Udane) {
        EXPECT_EQ(wynik.status, 0) << wynik.blad.przyczyna.toStdString();
        EXPECT_FALSE(KatalogTestowy::istnieje(zamkniety));
        EXPECT_EQ(info.st_mode & 07777, 0555u);
        EXPECT_EQ(
            KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("Tarrowind/All Beans/_Main_Flow/fasolka/plik.txt"))),
            "stara");
        EXPECT_EQ(KatalogTestowy::czytaj(fasolka + QStringLiteral("/plik.txt")), "zmieniona");
        EXPECT_EQ(KatalogTestowy::czytaj(fasolka + QStringLiteral("/nowy.txt")), "dopisany");
        QStringList pozostawione = przenoszenie.pozostawioneWZrodle();
        pozostawione.sort();
        EXPECT_EQ(pozostawione.join(QLatin1Char(' ')),
                  fasolka + QStringLiteral("/nowy.txt ") + fasolka + QStringLiteral("/plik.txt"));
        EXPECT_TRUE(konsola.size() == 1 && konsola.first().contains(fasolka + QStringLiteral("/nowy.txt")))
            << konsola.join('\n').toStdString();
        return;
    }
    EXPECT_NE(wynik.status, 0);
    EXPECT_EQ(KatalogTestowy::czytaj(zamkniety + QStringLiteral("/plik.txt")), "zamkniety");
    EXPECT_EQ(
        QDir(dir.sciezka()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(QLatin1Char(' ')),
        GetParam() == KoniecPrzenoszenia::CelZajety ? QStringLiteral("Tarrowind") : QString())
        << "no hidden temporary copy stays behind";
}

INSTANTIATE_TEST_SUITE_P(Koniec, NieuprzywilejowanePrzenoszenie,
                         ::testing::Values(KoniecPrzenoszenia::CelZajety, KoniecPrzenoszenia::Anulowane,
                                           KoniecPrzenoszenia::Udane));

} // namespace

namespace {

struct OznaczenieGotowego
{
    const char *nazwa;
    bool naInnymSystemie;
    bool zgoda; // the mark could be written
};

using OznaczenieKopii = ::testing::TestWithParam<OznaczenieGotowego>;

} // namespace

// The folder that takes the final name is marked first, complete; a mark that cannot be written fails the move
// with the source whole and nothing at the destination, the copy taken back off the main thread.
TEST_P(OznaczenieKopii, TheFolderTakingTheFinalNameIsMarkedCompleteBeforeAndOnlyAMarkedOneTakesIt)
{
    const OznaczenieGotowego &o = GetParam();
    KatalogTestowy dir;
    std::unique_ptr<QTemporaryDir> inny;
    if (o.naInnymSystemie && !(inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka())))
        GTEST_SKIP() << "/dev/shm and the temporary folder are on one file system";
    const QString zrodlo = zrobPortfolio(dir.katalog(QStringLiteral("zrodlo")), 20);
    const QStringList przed = migawkaKatalogu(zrodlo);
    const QString katalogDocelowy = inny ? inny->path() : dir.katalog(QStringLiteral("cel"));
    const QString cel = katalogDocelowy + QStringLiteral("/Tarrowind");
    PrzenoszenieKatalogu przenoszenie(zrodlo, katalogDocelowy);
    std::optional<Bookmark::Identity> znak;
    int oznaczen = 0;
    przenoszenie.setOznaczenie([&](const Bookmark::Identity &gotowy, BladOperacji *blad) {
        ++oznaczen;
        EXPECT_FALSE(KatalogTestowy::istnieje(cel)) << "marked before it takes the final name";
        EXPECT_EQ(migawkaKatalogu(zrodlo), przed) << "marked before anything of the source goes";
        znak = gotowy;
        if (!o.zgoda)
            BladOperacji::ustaw(blad, QStringLiteral("test"), EIO, QStringLiteral("Could not move the portfolio."),
                                QStringLiteral("No mark."));
        return o.zgoda;
    });
    // Items of the copy taken back on the main thread, which a whole portfolio's copy would hold up.
    std::atomic<int> wGlownymWatku = 0;
    TreeCopier::setTreeRemovedHookForTests([&](const QString &usuniety) {
        const QString nazwa = Paths::lastComponent(usuniety);
        if (QThread::currentThread() == QCoreApplication::instance()->thread()
            && nazwa != QLatin1String(TemporaryCopy::markerName) && !nazwa.startsWith(QLatin1String(".tarrowind-")))
            ++wGlownymWatku;
    });
    Wynik wynik;
    sledz(przenoszenie, wynik);
    BladOperacji blad;
    if (przenoszenie.rozpocznij(&blad)) {
        EXPECT_TRUE(czekajNaKoniec(wynik));
    } else {
        wynik.status = blad.kod;
        wynik.blad = blad;
    }
    TreeCopier::setTreeRemovedHookForTests({});
    EXPECT_EQ(wGlownymWatku, 0);
    EXPECT_EQ(oznaczen, 1);
    ASSERT_TRUE(znak.has_value());
    if (o.zgoda) {
        EXPECT_EQ(wynik.status, 0) << wynik.blad.przyczyna.toStdString();
        EXPECT_EQ(migawkaKatalogu(cel), przed);
        const std::optional<Bookmark::Identity> wMiejscu = Bookmark::identity(cel);
        ASSERT_TRUE(wMiejscu.has_value());
        EXPECT_EQ(wMiejscu->node.inode, znak->node.inode);
        EXPECT_EQ(wMiejscu->birth, znak->birth);
    } else {
        EXPECT_EQ(wynik.status, EIO);
        EXPECT_EQ(wynik.blad.przyczyna, QStringLiteral("No mark."));
        EXPECT_EQ(migawkaKatalogu(zrodlo), przed);
        EXPECT_TRUE(QDir(katalogDocelowy).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
            << "nothing at the destination, hidden or not";
    }
}

INSTANTIATE_TEST_SUITE_P(PrzenoszenieKataloguTest, OznaczenieKopii,
                         ::testing::Values(OznaczenieGotowego{"ARenameOnOneFileSystem", false, true},
                                           OznaczenieGotowego{"ACopyAcrossFileSystems", true, true},
                                           OznaczenieGotowego{"ARenameWithoutAMark", false, false},
                                           OznaczenieGotowego{"ACopyWithoutAMark", true, false}),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });
