#include "LicznikSygnalow.h"
#include "OperacjeTestowe.h"

#include "Model/BytKatalogu.h"

#include <QDir>

#include <cerrno>

namespace {

using NowyPotokTest = OperacjeTestowe;
using ZmianaNazwyPotokuTest = OperacjeTestowe;
using NowaFasolkaTest = OperacjeTestowe;
using ArchiwizacjaTest = OperacjeTestowe;

// --- new flow ---

TEST_F(NowyPotokTest, ANewFolderInAllBeansIsTheFlowReturned)
{
    katalog(QStringLiteral("All Beans/_Main_Flow"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("potoki"), baza(), &BazaFasolek::potokiChanged);

    BladOperacji blad;
    Potok *nowy = baza()->nowyPotok(QStringLiteral("Nowy"), &blad);
    ASSERT_NE(nowy, nullptr) << qPrintable(blad.przyczyna);
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Nowy"))).isDir());
    EXPECT_EQ(nowy->bytPotoku()->plikowyURL(), R(QStringLiteral("All Beans/Nowy")));
    EXPECT_TRUE(nowy->toPotokTematyczny());
    EXPECT_EQ(nowy->bazaFasolek(), baza());
    EXPECT_EQ(licznik[QStringLiteral("potoki")], 1);
}

// --- flow rename ---

TEST_F(ZmianaNazwyPotokuTest, TheFolderMovesAndEveryBeanPathFollowsByItsLeadingPartOnly)
{
    plik(QStringLiteral("All Beans/Work/a.txt"), "A");
    plik(QStringLiteral("All Beans/Work/_Done/Work/b.txt"), "B");
    plik(QStringLiteral("All Beans/Work/_Flow_Items/rzecz.txt"));
    Potok *work = potok(QStringLiteral("Work"));
    Fasolka *a = work->znajdzFasolkeONazwie(QStringLiteral("a.txt"));
    Fasolka *imienniczka = work->znajdzFasolkeONazwie(QStringLiteral("Work"));
    ASSERT_TRUE(a && imienniczka);
    ASSERT_EQ(imienniczka->katalog()->bytyWewnetrzne().size(), 1);
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("nazwa"), work, &Potok::nazwaChanged);

    BladOperacji blad;
    ASSERT_TRUE(work->zmienNazwePotokuNaDysku(QStringLiteral("Play"), &blad)) << qPrintable(blad.przyczyna);
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work"))));
    EXPECT_EQ(work->nazwa(), QStringLiteral("Play"));
    EXPECT_EQ(licznik[QStringLiteral("nazwa")], 1);
    EXPECT_EQ(url(a), R(QStringLiteral("All Beans/Play/a.txt")));
    EXPECT_EQ(url(imienniczka), R(QStringLiteral("All Beans/Play/_Done/Work")))
        << "only the leading part of a path is the flow folder";
    EXPECT_TRUE(imienniczka->jestUkonczona());
    EXPECT_EQ(imienniczka->katalog()->bytyWewnetrzne().first()->plikowyURL(),
              R(QStringLiteral("All Beans/Play/_Done/Work/b.txt")));
    EXPECT_EQ(work->katalogRzeczyPotoku()->plikowyURL(), R(QStringLiteral("All Beans/Play/_Flow_Items")));
    EXPECT_TRUE(work->maNiepustyKatalogRzeczyPotoku());

    zapamietajStan();
    EXPECT_TRUE(work->zmienNazwePotokuNaDysku(QStringLiteral("Play"))) << "its own name needs nothing";
    baza()->synchronizujZDyskiem();
    sprawdzNiezmienione();

    work->setNazwa(QStringLiteral("Work"));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/a.txt"))), QByteArray("A"));
    EXPECT_EQ(work->nazwa(), QStringLiteral("Work"));
}

TEST_F(ZmianaNazwyPotokuTest, AFilePutInPlaceOfTheFlowFolderIsNotRenamedAsTheFlow)
{
    plik(QStringLiteral("All Beans/Work/a.txt"), "A");
    Potok *work = potok(QStringLiteral("Work"));
    // Another program takes the folder away and leaves a file of its name; the graph has not heard yet.
    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/Work")), m_baza.sciezka(QStringLiteral("Work"))));
    plik(QStringLiteral("All Beans/Work"), "plik");
    zapamietajStan();
    BladOperacji blad;
    EXPECT_FALSE(work->zmienNazwePotokuNaDysku(QStringLiteral("Praca"), &blad));
    EXPECT_EQ(blad.kod, ENOENT);
    sprawdzNiezmienione();
}

TEST_F(ZmianaNazwyPotokuTest, TheMainFlowKeepsItsFolder)
{
    plik(QStringLiteral("All Beans/_Main_Flow/a.txt"));
    Potok *glowny = baza()->potokGlowny();
    zapamietajStan();
    EXPECT_TRUE(glowny->zmienNazwePotokuNaDysku(QStringLiteral("Main Flow"))) << "its shown name is no change";
    BladOperacji blad;
    EXPECT_FALSE(glowny->zmienNazwePotokuNaDysku(QStringLiteral("Inny"), &blad));
    EXPECT_TRUE(blad.przyczyna.contains(QStringLiteral("main flow"))) << qPrintable(blad.przyczyna);
    glowny->setNazwa(QStringLiteral("Inny"));
    EXPECT_EQ(glowny->nazwa(), QStringLiteral("Main Flow"));
    EXPECT_EQ(baza()->potokGlowny(), glowny);
    sprawdzNiezmienione();
}

// --- new bean ---

TEST_F(NowaFasolkaTest, ANewFolderBeanInIncubationMadeOnDemandIsTheBeanReturned)
{
    katalog(QStringLiteral("All Beans/Work/X"));
    Potok *work = potok(QStringLiteral("Work"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("fasolki"), work, &Potok::fasolkiChanged);
    licznik.obserwuj(QStringLiteral("relacja"), baza(), &BazaFasolek::relacjaFasolkiZmieniona);

    BladOperacji blad;
    Fasolka *x = work->nowaFasolka(QStringLiteral("X"), &blad);
    ASSERT_NE(x, nullptr) << qPrintable(blad.przyczyna);
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Work/_Incubation/X"))).isDir());
    EXPECT_EQ(url(x), R(QStringLiteral("All Beans/Work/_Incubation/X")))
        << "the bean just made, not the Active bean of the same name";
    EXPECT_TRUE(x->jestWInkubacji());
    EXPECT_TRUE(x->jestZKatalogiem());
    EXPECT_EQ(x->potok(), work);
    EXPECT_EQ(work->fasolki().size(), 2);
    EXPECT_EQ(licznik[QStringLiteral("fasolki")], 1);
    EXPECT_EQ(licznik[QStringLiteral("relacja")], 1);
}

TEST_F(NowaFasolkaTest, AFailedFolderLeavesNothing)
{
    katalog(QStringLiteral("All Beans/Play"));
    Potok *play = potok(QStringLiteral("Play"));
    zapamietajStan();

    BladOperacji blad;
    EXPECT_EQ(play->nowaFasolka(QString(300, u'n'), &blad), nullptr);
    EXPECT_EQ(blad.kod, ENAMETOOLONG);
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Play/_Incubation"))))
        << "the Incubation folder made for it goes again";
    sprawdzNiezmienione();
}

// --- archive and reactivation ---

TEST_F(ArchiwizacjaTest, AMainFlowBeanGoesToAnArchiveMadeOnDemandAndComesBackIntoDone)
{
    plik(QStringLiteral("All Beans/_Main_Flow/a.txt"), "A");
    Potok *glowny = baza()->potokGlowny();
    Fasolka *a = glowny->znajdzFasolkeONazwie(QStringLiteral("a.txt"));
    Archiwum *archiwum = baza()->archiwum();
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("potok"), glowny, &Potok::fasolkiChanged);
    licznik.obserwuj(QStringLiteral("archiwum"), archiwum, &Archiwum::relacjaFasolkiZmieniona);
    licznik.obserwuj(QStringLiteral("baza"), baza(), &BazaFasolek::relacjaFasolkiZmieniona);
    licznik.obserwuj(QStringLiteral("status"), a, &Fasolka::statusFasolkiChanged);

    BladOperacji blad;
    ASSERT_TRUE(a->ustawStatus(Fasolka::sfZarchiwizowana, &blad)) << qPrintable(blad.przyczyna);
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("Archived Beans/_Main_Flow/a.txt"))), QByteArray("A"));
    ArchiwumPotoku *archiwumGlownego = archiwum->znajdzArchiwumPotokuONazwie(QStringLiteral("Main Flow"));
    ASSERT_NE(archiwumGlownego, nullptr);
    EXPECT_EQ(a->archiwumPotoku(), archiwumGlownego);
    EXPECT_EQ(a->potok(), nullptr);
    EXPECT_FALSE(a->zostalaUsunieta());
    EXPECT_TRUE(a->jestZarchiwizowana());
    EXPECT_TRUE(glowny->fasolki().isEmpty());
    EXPECT_EQ(licznik[QStringLiteral("potok")], 1);
    EXPECT_GE(licznik[QStringLiteral("archiwum")], 2) << "a new flow archive, then its bean";
    EXPECT_GE(licznik[QStringLiteral("baza")], 1);
    EXPECT_GE(licznik[QStringLiteral("status")], 1);

    ASSERT_TRUE(a->ustawStatus(Fasolka::sfUkonczona, &blad)) << qPrintable(blad.przyczyna);
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/_Main_Flow/_Done/a.txt"))), QByteArray("A"));
    EXPECT_EQ(a->potok(), glowny);
    EXPECT_EQ(a->archiwumPotoku(), nullptr);
    EXPECT_TRUE(a->jestUkonczona());
    EXPECT_TRUE(archiwumGlownego->fasolki().isEmpty());
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("Archived Beans/_Main_Flow"))).isDir()) << "an empty flow archive stays";

    const QStringList graf = stanGrafu();
    baza()->synchronizujZDyskiem();
    archiwum->synchronizujZDyskiem();
    EXPECT_EQ(stanGrafu(), graf) << "the graph already was in step with the disk";
}

TEST_F(ArchiwizacjaTest, ReactivationMakesADeletedFlowFolderAndItsStatusFolderAgain)
{
    plik(QStringLiteral("All Beans/_Main_Flow/a.txt"), "A");
    plik(QStringLiteral("All Beans/Old/b.txt"), "B");
    Fasolka *a = fasolka(QStringLiteral("Main Flow"), QStringLiteral("a.txt"));
    Fasolka *b = fasolka(QStringLiteral("Old"), QStringLiteral("b.txt"));
    ASSERT_TRUE(a->ustawStatus(Fasolka::sfZarchiwizowana));
    ASSERT_TRUE(b->ustawStatus(Fasolka::sfZarchiwizowana));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("Archived Beans/Old/b.txt"))), QByteArray("B"));
    ASSERT_TRUE(QDir().rmdir(R(QStringLiteral("All Beans/_Main_Flow"))));
    ASSERT_TRUE(QDir().rmdir(R(QStringLiteral("All Beans/Old"))));
    baza()->synchronizujZDyskiem();
    ASSERT_EQ(baza()->potokGlowny(), nullptr);

    BladOperacji blad;
    ASSERT_TRUE(a->ustawStatus(Fasolka::sfGotowa, &blad)) << qPrintable(blad.przyczyna);
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/_Main_Flow/_Ready/a.txt"))), QByteArray("A"));
    ASSERT_NE(baza()->potokGlowny(), nullptr);
    EXPECT_EQ(a->potok(), baza()->potokGlowny());
    EXPECT_EQ(baza()->potokGlowny()->fasolkiGotowe(), QList<Fasolka *>{a});

    ASSERT_TRUE(b->ustawStatus(Fasolka::sfAktywna, &blad)) << qPrintable(blad.przyczyna);
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Old/b.txt"))), QByteArray("B"));
    ASSERT_NE(potok(QStringLiteral("Old")), nullptr);
    EXPECT_EQ(b->potok(), potok(QStringLiteral("Old")));
    EXPECT_EQ(potok(QStringLiteral("Old"))->fasolki().size(), 1) << "the bean itself, not a second one for its file";
}

TEST_F(ArchiwizacjaTest, AFailedArchivingOrReactivationTakesTheFoldersItMadeAwayAgain)
{
    const QString plikA = plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("Archived Beans/Old/b.txt"), "archiwalna");
    plik(QStringLiteral("Archived Beans/Old/c.txt"), "archiwalna c");
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    ArchiwumPotoku *old = baza()->archiwum()->znajdzArchiwumPotokuONazwie(QStringLiteral("Old"));
    Fasolka *b = nullptr;
    for (Fasolka *f : old->fasolki())
        if (f->nazwa() == QStringLiteral("b.txt"))
            b = f;
    ASSERT_TRUE(QFile::remove(plikA)) << "gone behind the program's back";
    ASSERT_TRUE(QFile::remove(R(QStringLiteral("Archived Beans/Old/b.txt"))));
    zapamietajStan();

    EXPECT_FALSE(a->ustawStatus(Fasolka::sfZarchiwizowana));
    EXPECT_FALSE(b->ustawStatus(Fasolka::sfGotowa));
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("Archived Beans/Work"))));
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Old")))) << "no flow folder is left";
    EXPECT_EQ(potok(QStringLiteral("Old")), nullptr) << "and no flow";
    sprawdzNiezmienione();
}

TEST_F(ArchiwizacjaTest, ABeanWithoutAFlowOrAFlowArchiveFailsWithoutTouchingTheDisk)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("Archived Beans/Work/b.txt"));
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    auto *sierota = Fasolka::zarzadzanyObiektFasolkiZURLem(R(QStringLiteral("Archived Beans/Work/b.txt")));
    auto *bezPotoku = Fasolka::zarzadzanyObiektFasolkiZURLem(R(QStringLiteral("All Beans/Work/a.txt")));
    zapamietajStan();

    BladOperacji blad;
    EXPECT_FALSE(baza()->archiwum()->zarchiwizujFasolke(bezPotoku, &blad));
    EXPECT_FALSE(blad.przyczyna.isEmpty());
    EXPECT_FALSE(sierota->ustawStatus(Fasolka::sfAktywna, &blad)) << "an archived place, but no flow archive";
    EXPECT_FALSE(baza()->reaktywujZarchiwizowanaFasolkeIUstawStatus(a, Fasolka::sfAktywna, &blad))
        << "a bean of a flow is not archived";
    sprawdzNiezmienione();
}

} // namespace
