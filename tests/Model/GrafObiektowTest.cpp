#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BazaFasolek.h"
#include "Model/BibliotekaMatRef.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/PobraneRzeczy.h"
#include "Model/Potok.h"
#include "Model/RelacjeModelu.h"
#include "Model/RzeczyNaBiurku.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>

namespace {

class GrafObiektowTest : public ::testing::Test
{
protected:
    void SetUp() override { StosCoreData::sharedStosCoreData()->nowyKontekst(); }

    template <class T>
    T *wstaw()
    {
        return StosCoreData::kontekstOZ()->wstaw<T>();
    }
};

TEST_F(GrafObiektowTest, ToManyRelationKeepsItsInverseThroughEveryMutation)
{
    auto *baza = wstaw<BazaFasolek>();
    auto *potokA = wstaw<Potok>();
    auto *potokB = wstaw<Potok>();
    auto *fasolka = wstaw<Fasolka>();

    RelacjeModelu::potoki.dodaj(baza, {potokA, potokB});
    EXPECT_EQ(potokA->bazaFasolek(), baza);
    EXPECT_EQ(baza->potoki().size(), 2);

    RelacjeModelu::fasolkiPotoku.dodaj(potokA, {fasolka});
    EXPECT_EQ(fasolka->potok(), potokA);
    RelacjeModelu::fasolkiPotoku.ustaw(fasolka, potokB);
    EXPECT_FALSE(potokA->fasolki().contains(fasolka)) << "moving to another owner leaves the old set";
    EXPECT_TRUE(potokB->fasolki().contains(fasolka));
    RelacjeModelu::fasolkiPotoku.ustaw(fasolka, nullptr);
    EXPECT_TRUE(potokB->fasolki().isEmpty());
    EXPECT_EQ(fasolka->potok(), nullptr);

    RelacjeModelu::potoki.usun(baza, {potokA});
    EXPECT_EQ(potokA->bazaFasolek(), nullptr);
    EXPECT_EQ(baza->potoki().elementy(), QList<Potok *>{potokB});
}

TEST_F(GrafObiektowTest, ToOneRelationReleasesBothFormerPartners)
{
    auto *fasolka1 = wstaw<Fasolka>();
    auto *fasolka2 = wstaw<Fasolka>();
    auto *byt1 = wstaw<BytSystemuPlikow>();
    auto *byt2 = wstaw<BytSystemuPlikow>();
    fasolka1->setBytFasolki(byt1);
    fasolka2->setBytFasolki(byt2);
    // Taking byt2 away from fasolka2 must clear fasolka2's side and byt1's side.
    fasolka1->setBytFasolki(byt2);
    EXPECT_EQ(byt2->zBytuSystemuPlikowDoFasolki(), fasolka1);
    EXPECT_EQ(fasolka2->bytFasolki(), nullptr);
    EXPECT_EQ(byt1->zBytuSystemuPlikowDoFasolki(), nullptr);

    auto *archiwum = wstaw<Archiwum>();
    auto *baza = wstaw<BazaFasolek>();
    baza->setArchiwum(archiwum);
    EXPECT_EQ(archiwum->bazaFasolek(), baza);
    baza->setArchiwum(nullptr);
    EXPECT_EQ(archiwum->bazaFasolek(), nullptr);
}

TEST_F(GrafObiektowTest, RemovingAFlowIsSeenByItsObserversWithBothSidesAlreadyChanged)
{
    auto *baza = wstaw<BazaFasolek>();
    auto *potok = wstaw<Potok>();
    RelacjeModelu::potoki.dodaj(baza, {potok});

    QStringList zdarzenia;
    QObject::connect(potok, &Potok::bazaFasolekChanged, [&] {
        zdarzenia << QStringLiteral("potok: baza=%1 zawiera=%2")
                         .arg(potok->bazaFasolek() ? 1 : 0)
                         .arg(baza->potoki().contains(potok) ? 1 : 0);
    });
    QObject::connect(baza, &BazaFasolek::potokiChanged,
                     [&](const QList<Potok *> &dodane, const QList<Potok *> &usuniete) {
                         zdarzenia << QStringLiteral("baza 1: +%1 -%2 potok.baza=%3")
                                          .arg(dodane.size())
                                          .arg(usuniete.size())
                                          .arg(potok->bazaFasolek() ? 1 : 0);
                     });
    QObject::connect(baza, &BazaFasolek::potokiChanged, [&] { zdarzenia << QStringLiteral("baza 2"); });

    RelacjeModelu::potoki.usun(baza, {potok});
    EXPECT_EQ(zdarzenia, (QStringList{QStringLiteral("baza 1: +0 -1 potok.baza=0"), QStringLiteral("baza 2"),
                                      QStringLiteral("potok: baza=0 zawiera=0")}));
}

TEST_F(GrafObiektowTest, AnObserverMayReleaseItselfDuringDelivery)
{
    auto *archiwum = wstaw<Archiwum>();
    auto *archiwumPotoku = wstaw<ArchiwumPotoku>();
    QPointer<QObject> obserwator = new QObject;
    int wywolania = 0;
    QObject::connect(archiwum, &Archiwum::archiwaPotokowChanged, obserwator, [&] {
        ++wywolania;
        obserwator->deleteLater();
    });
    int pozniejszy = 0;
    QObject::connect(archiwum, &Archiwum::archiwaPotokowChanged, [&] { ++pozniejszy; });

    RelacjeModelu::archiwaPotokow.dodaj(archiwum, {archiwumPotoku});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(obserwator.isNull());
    RelacjeModelu::archiwaPotokow.usun(archiwum, {archiwumPotoku});
    EXPECT_EQ(wywolania, 1);
    EXPECT_EQ(pozniejszy, 2);
    EXPECT_EQ(archiwumPotoku->archiwum(), nullptr);
}

TEST_F(GrafObiektowTest, AddingAnElementTwiceAnnouncesNothingTheSecondTime)
{
    auto *katalog = wstaw<BytKatalogu>();
    auto *dziecko = wstaw<BytSystemuPlikow>();
    int ogloszenia = 0;
    QObject::connect(katalog, &BytKatalogu::bytyWewnetrzneChanged, [&] { ++ogloszenia; });
    RelacjeModelu::bytyWewnetrzne.dodaj(katalog, {dziecko});
    RelacjeModelu::bytyWewnetrzne.dodaj(katalog, {dziecko});
    EXPECT_EQ(ogloszenia, 1);
    EXPECT_EQ(dziecko->katalogNadrzedny(), katalog);
}

TEST_F(GrafObiektowTest, SettingTheFolderTwiceLeavesTheSecondWithItsNameAndChildren)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("Pierwszy/a.txt"));
    dir.plik(QStringLiteral("Drugi/b.txt"));
    dir.plik(QStringLiteral("Drugi/c"));
    auto *archiwum = wstaw<Archiwum>();
    archiwum->ustawKatalogOURLu(dir.sciezka(QStringLiteral("Pierwszy")));
    BytKatalogu *pierwszy = archiwum->katalog();
    archiwum->ustawKatalogOURLu(dir.sciezka(QStringLiteral("Drugi")));

    EXPECT_NE(archiwum->katalog(), pierwszy);
    EXPECT_EQ(pierwszy->rzeczZKatalogiem(), nullptr);
    EXPECT_EQ(archiwum->nazwa(), QStringLiteral("Drugi"));
    EXPECT_EQ(archiwum->katalog()->bytyWewnetrzneBezOdczytu().size(), 2);
    EXPECT_TRUE(archiwum->katalog()->czyBytyBylyOdczytaneZDysku());
}

TEST_F(GrafObiektowTest, SpecialItemsPointAtTheirFoldersWithoutCreatingThem)
{
    KatalogTestowy dir;
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(dir.sciezka()));
    auto *biblioteka = BibliotekaMatRef::zarzadzanyObiektBibliotekiMatRef();
    auto *pobrane = PobraneRzeczy::zarzadzanyObiektPobraneRzeczy();
    auto *biurko = RzeczyNaBiurku::zarzadzanyObiektRzeczyNaBiurku();
    ASSERT_NE(biblioteka->katalog(), nullptr);
    EXPECT_EQ(biblioteka->katalog()->plikowyURL(), dir.sciezka(QStringLiteral("Tarrowind/Reference Library")));
    EXPECT_EQ(pobrane->katalog()->plikowyURL(), QDir::homePath() + QStringLiteral("/Downloads"));
    EXPECT_EQ(biurko->katalog()->plikowyURL(), QDir::homePath() + QStringLiteral("/Desktop"));
    EXPECT_FALSE(KatalogTestowy::istnieje(dir.sciezka(QStringLiteral("Tarrowind"))));
    EXPECT_FALSE(KatalogTestowy::istnieje(QDir::homePath() + QStringLiteral("/Downloads")));
    EXPECT_FALSE(biblioteka->katalog()->czyBytyBylyOdczytaneZDysku());
}

TEST_F(GrafObiektowTest, ChildrenFollowANameReSpelledFromNfdToNfc)
{
    KatalogTestowy dir;
    const QString nfd = QStringLiteral("Zo\u0301lw");
    const QString nfc = QStringLiteral("Z\u00f3lw");
    dir.katalog(QStringLiteral("k/") + nfd);
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka(QStringLiteral("k")));
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), 1);
    BytSystemuPlikow *dziecko = katalog->bytyWewnetrzne().first();
    ASSERT_TRUE(QDir().rename(dir.sciezka(QStringLiteral("k/") + nfd), dir.sciezka(QStringLiteral("k/") + nfc)));

    katalog->synchronizujZDyskiem();
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), 1);
    EXPECT_EQ(katalog->bytyWewnetrzne().first(), dziecko) << "the object is kept";
    EXPECT_EQ(dziecko->plikowyURL(), dir.sciezka(QStringLiteral("k/") + nfc)) << "its path is the on-disk spelling";
    EXPECT_TRUE(QFileInfo(dziecko->plikowyURL()).isDir());
}

} // namespace
