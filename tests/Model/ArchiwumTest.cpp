#include "LicznikSygnalow.h"
#include "Support/PortfolioTestowe.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"

#include "Platform/ObrazyAplikacji.h"

#include <QDir>

namespace {

class ArchiwumTest : public PortfolioTestowe
{
protected:
    Archiwum *archiwum() { return BazaFasolek::sharedBazaFasolek()->archiwum(); }
};

TEST_F(ArchiwumTest, FlowArchivesAreTheFoldersOfArchivedBeansAndTheirEntriesAreArchivedBeans)
{
    plik(QStringLiteral("Archived Beans/_Main_Flow/a.txt"));
    plik(QStringLiteral("Archived Beans/Work/Projekt/w srodku.txt"));
    plik(QStringLiteral("Archived Beans/Work/b.pdf"));
    plik(QStringLiteral("Archived Beans/luzem.txt"));
    Archiwum *archiwum = this->archiwum();
    ASSERT_EQ(archiwum->archiwaPotokow().size(), 2) << "a file lying in the archive is no flow archive";

    ArchiwumPotoku *glowne = archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Main Flow"));
    ArchiwumPotoku *work = archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Work"));
    ASSERT_TRUE(glowne && work);
    EXPECT_TRUE(glowne->toPotokGlowny());
    EXPECT_FALSE(work->toPotokGlowny());
    EXPECT_EQ(glowne->fasolki().size(), 1);
    ASSERT_EQ(work->fasolki().size(), 2) << "the contents of a folder bean are no beans";
    for (Fasolka *fasolka : work->fasolki()) {
        EXPECT_TRUE(fasolka->jestZarchiwizowana());
        EXPECT_EQ(fasolka->archiwumPotoku(), work);
        EXPECT_EQ(fasolka->potok(), nullptr);
        EXPECT_FALSE(fasolka->zostalaUsunieta());
    }
    EXPECT_EQ(work->dropDestinationURL(), R(QStringLiteral("Archived Beans/Work")));
    EXPECT_EQ(archiwum->dropDestinationURL(), R(QStringLiteral("Archived Beans")));
    EXPECT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("szuflada-128")));
    EXPECT_FALSE(work->ikona().isNull());
}

TEST_F(ArchiwumTest, ChangesOfFlowArchivesAndOfTheirBeansRaiseTheArchiveMarker)
{
    plik(QStringLiteral("Archived Beans/Work/a.txt"));
    Archiwum *archiwum = this->archiwum();
    ArchiwumPotoku *work = archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Work"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("marker"), archiwum, &Archiwum::relacjaFasolkiZmieniona);

    plik(QStringLiteral("Archived Beans/Work/b.txt"));
    work->synchronizujZDyskiem();
    EXPECT_EQ(licznik[QStringLiteral("marker")], 1);
    EXPECT_EQ(work->fasolki().size(), 2);

    plik(QStringLiteral("Archived Beans/Stary/c.txt"));
    archiwum->synchronizujZDyskiem();
    EXPECT_EQ(licznik[QStringLiteral("marker")], 2) << "a folder put into the archive is a new flow archive";
    ASSERT_NE(archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Stary")), nullptr);
    EXPECT_EQ(archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Stary"))->fasolki().size(), 1);
}

TEST_F(ArchiwumTest, AVanishedFlowArchiveLeavesWithItsBeansDetachedWhileAnEmptyOneStays)
{
    plik(QStringLiteral("Archived Beans/Work/a.txt"));
    katalog(QStringLiteral("Archived Beans/Pusty"));
    Archiwum *archiwum = this->archiwum();
    ArchiwumPotoku *work = archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Work"));
    Fasolka *fasolka = work->fasolki().elementy().value(0);
    ASSERT_NE(fasolka, nullptr);
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("zostalaUsunieta"), fasolka, &Fasolka::zostalaUsunietaChanged);

    ASSERT_TRUE(QDir(R(QStringLiteral("Archived Beans/Work"))).removeRecursively());
    archiwum->synchronizujZDyskiem();
    EXPECT_EQ(work->archiwum(), nullptr);
    EXPECT_TRUE(work->fasolki().isEmpty());
    EXPECT_TRUE(fasolka->zostalaUsunieta());
    EXPECT_EQ(licznik[QStringLiteral("zostalaUsunieta")], 1);
    ASSERT_EQ(archiwum->archiwaPotokow().size(), 1);
    EXPECT_EQ(archiwum->archiwaPotokow().elementy().first()->nazwa(), QStringLiteral("Pusty"));
}

} // namespace
