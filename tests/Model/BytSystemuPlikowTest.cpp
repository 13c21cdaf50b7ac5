#include "Model/BytSystemuPlikow.h"
#include "Model/BytKatalogu.h"
#include "Model/BytPlikuTekstowego.h"
#include "Model/StosCoreData.h"

#include "Platform/DesktopServices.h"
#include "Platform/FolderListing.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QThread>

#include <cerrno>
#include <unistd.h>

namespace {

class NagrywajaceUslugi : public DesktopServices
{
public:
    QStringList *otwarte;
    QStringList *pokazane;
    NagrywajaceUslugi(QStringList *o, QStringList *p)
        : otwarte(o)
        , pokazane(p)
    {
    }
    bool openInDefaultApplication(const QString &path, BladOperacji * = nullptr) override
    {
        otwarte->append(path);
        return true;
    }
    bool openWithApplication(const QString &, const QString &, BladOperacji * = nullptr) override { return false; }
    void revealInFileManager(const QString &path) override { pokazane->append(path); }
    void openFolderInFileManager(const QString &, const QStringList &) override {}
};

class BytTest : public ::testing::Test
{
protected:
    void SetUp() override { StosCoreData::sharedStosCoreData()->nowyKontekst(); }
    void TearDown() override
    {
        FolderListing::setFaultHookForTests({});
        DesktopServices::setShared(nullptr);
    }

    static QString utworzObraz(KatalogTestowy &dir, const QString &nazwa, QColor kolor)
    {
        QImage obraz(8, 8, QImage::Format_RGB32);
        obraz.fill(kolor);
        const QString sciezka = dir.sciezka(nazwa);
        obraz.save(sciezka, "PNG");
        return sciezka;
    }

    KatalogTestowy dir;
};

TEST_F(BytTest, FactoryGivesTheClassThatFitsTheItem)
{
    dir.katalog(QStringLiteral("folder"));
    ASSERT_EQ(symlink("folder", QFile::encodeName(dir.sciezka(QStringLiteral("link"))).constData()), 0);
    ASSERT_EQ(symlink("nie-ma", QFile::encodeName(dir.sciezka(QStringLiteral("zerwany"))).constData()), 0);

    BytSystemuPlikow *folder = BytSystemuPlikow::bytSystemuPlikowDlaURL(dir.sciezka(QStringLiteral("folder")));
    ASSERT_NE(qobject_cast<BytKatalogu *>(folder), nullptr);
    EXPECT_TRUE(folder->toKatalog());

    BytSystemuPlikow *tekst = BytSystemuPlikow::bytSystemuPlikowDlaURL(dir.plik(QStringLiteral("a.txt"), "abc"));
    ASSERT_NE(qobject_cast<BytPlikuTekstowego *>(tekst), nullptr);
    EXPECT_EQ(static_cast<BytPlikuTekstowego *>(tekst)->tekst(), QStringLiteral("abc"));

    for (const QString &inny : {dir.plik(QStringLiteral("b.md")), dir.plik(QStringLiteral("c.png")),
                                dir.sciezka(QStringLiteral("link")), dir.sciezka(QStringLiteral("zerwany"))}) {
        BytSystemuPlikow *byt = BytSystemuPlikow::bytSystemuPlikowDlaURL(inny);
        ASSERT_NE(byt, nullptr) << qPrintable(inny);
        EXPECT_STREQ(byt->metaObject()->className(), "BytSystemuPlikow") << qPrintable(inny);
        EXPECT_FALSE(byt->toKatalog()) << "a link to a folder is not a folder entity";
    }
    EXPECT_EQ(BytSystemuPlikow::bytSystemuPlikowDlaURL(dir.sciezka(QStringLiteral("nie-ma"))), nullptr);
    EXPECT_EQ(BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka(QStringLiteral("a.txt"))), nullptr);
}

// An entity made from what a worker recognised of a listed entry is the one the URL would give: same
// class, path in its on-disk spelling, name in composed form.
TEST_F(BytTest, AnEntityMadeFromAListedEntryIsTheOneItsUrlGives)
{
    dir.katalog(QStringLiteral("folder"));
    dir.plik(QStringLiteral("a.txt"));
    dir.plik(QStringLiteral("b.png"));
    dir.plik(QStringLiteral("Zo\u0301lw.txt"));
    ASSERT_EQ(symlink("folder", QFile::encodeName(dir.sciezka(QStringLiteral("link"))).constData()), 0);
    const FolderListing::Wynik listing = FolderListing::list(dir.sciezka());
    ASSERT_EQ(listing.wpisy.size(), 5);
    for (const FolderListing::Wpis &wpis : listing.wpisy) {
        SCOPED_TRACE(qPrintable(wpis.nazwa));
        BytSystemuPlikow *zUrla = BytSystemuPlikow::bytSystemuPlikowDlaURL(wpis.sciezka);
        BytSystemuPlikow *zListingu =
            BytSystemuPlikow::bytSystemuPlikowDlaRozpoznania(BytSystemuPlikow::rozpoznaj(wpis));
        ASSERT_NE(zUrla, nullptr);
        ASSERT_NE(zListingu, nullptr);
        EXPECT_STREQ(zListingu->metaObject()->className(), zUrla->metaObject()->className());
        EXPECT_EQ(zListingu->plikowyURL(), zUrla->plikowyURL());
        EXPECT_EQ(zListingu->nazwaZlokalizowana(), zUrla->nazwaZlokalizowana());
        EXPECT_EQ(zListingu->rozszerzenieNazwy(), zUrla->rozszerzenieNazwy());
    }
    // An entry gone before it was recognised makes no entity.
    FolderListing::Wpis zniknal = listing.wpisy.constFirst();
    zniknal.sciezka = dir.sciezka(QStringLiteral("nie-ma"));
    zniknal.nazwa = QStringLiteral("nie-ma");
    zniknal.rodzaj = 0;
    EXPECT_EQ(BytSystemuPlikow::bytSystemuPlikowDlaRozpoznania(BytSystemuPlikow::rozpoznaj(zniknal)), nullptr);
}

TEST_F(BytTest, AFolderNotMadeYetIsALeafUntilItIsMadeAndReadAgain)
{
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka(QStringLiteral("_Flow_Items")));
    ASSERT_NE(katalog, nullptr);
    EXPECT_TRUE(katalog->bytyWewnetrzne().isEmpty());
    EXPECT_TRUE(katalog->jestLisciem());
    EXPECT_FALSE(katalog->czyIstnieje());

    ASSERT_TRUE(katalog->stworzKatalog());
    dir.plik(QStringLiteral("_Flow_Items/x"));
    dir.plik(QStringLiteral("_Flow_Items/.ukryty"));
    EXPECT_TRUE(katalog->bytyWewnetrzne().isEmpty()) << "read once, then only on request";
    katalog->synchronizujZDyskiem();
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), 1);
    EXPECT_EQ(katalog->bytyWewnetrzne().first()->ostatniKomponentSciezki(), QStringLiteral("x"));
    EXPECT_FALSE(katalog->jestLisciem());
}

TEST_F(BytTest, ChangingTheUrlEmptiesTheCachesAndAnnouncesEveryDerivedValue)
{
    const QString czerwony = utworzObraz(dir, QStringLiteral("czerwony.png"), Qt::red);
    const QString niebieski = utworzObraz(dir, QStringLiteral("niebieski.png"), Qt::blue);
    BytSystemuPlikow *byt = BytSystemuPlikow::bytSystemuPlikowDlaURL(czerwony);
    EXPECT_EQ(QColor(byt->miniatura().pixel(0, 0)), QColor(Qt::red));
    EXPECT_TRUE(byt->dataDolaczeniaDoKatalogu().isValid());
    EXPECT_FALSE(byt->ikona().isNull());
    byt->setDataDolaczeniaDoKatalogu(QDateTime::fromSecsSinceEpoch(1));

    QStringList ogloszone;
    const QList<std::pair<const char *, void (BytSystemuPlikow::*)()>> sygnaly = {
        {"nazwaZlokalizowana", &BytSystemuPlikow::nazwaZlokalizowanaChanged},
        {"ostatniKomponentSciezki", &BytSystemuPlikow::ostatniKomponentSciezkiChanged},
        {"rozszerzenieNazwy", &BytSystemuPlikow::rozszerzenieNazwyChanged},
        {"maUkryteRozszerzenie", &BytSystemuPlikow::maUkryteRozszerzenieChanged},
        {"kodEtykiety", &BytSystemuPlikow::kodEtykietyChanged},
        {"identyfikatorTypu", &BytSystemuPlikow::identyfikatorTypuChanged},
        {"toKatalog", &BytSystemuPlikow::toKatalogChanged},
        {"czyIstnieje", &BytSystemuPlikow::czyIstniejeChanged},
        {"ikona", &BytSystemuPlikow::ikonaChanged},
        {"miniatura", &BytSystemuPlikow::miniaturaChanged},
        {"dataDolaczeniaDoKatalogu", &BytSystemuPlikow::dataDolaczeniaDoKataloguChanged},
        {"jestLisciem", &BytSystemuPlikow::jestLiscemChanged},
    };
    QStringList oczekiwane;
    for (const auto &[nazwa, sygnal] : sygnaly) {
        oczekiwane << QString::fromLatin1(nazwa);
        QObject::connect(byt, sygnal, [&ogloszone, nazwa = QString::fromLatin1(nazwa)] { ogloszone << nazwa; });
    }
    byt->setPlikowyURL(niebieski);
    EXPECT_EQ(ogloszone, oczekiwane);
    EXPECT_EQ(QColor(byt->miniatura().pixel(0, 0)), QColor(Qt::blue)) << "the thumbnail follows the new URL";
    EXPECT_NE(byt->dataDolaczeniaDoKatalogu(), QDateTime::fromSecsSinceEpoch(1));
    EXPECT_EQ(byt->nazwaZlokalizowana(), QStringLiteral("niebieski.png"));

    ogloszone.clear();
    byt->setPlikowyURL(niebieski + QLatin1Char('/'));
    EXPECT_TRUE(ogloszone.isEmpty()) << "the same URL changes nothing";

    // Another program edits the image in place, a second later as far as the disk can tell.
    QImage zielony(8, 8, QImage::Format_RGB32);
    zielony.fill(Qt::green);
    ASSERT_TRUE(zielony.save(niebieski, "PNG"));
    QFile edytowany(niebieski);
    ASSERT_TRUE(edytowany.open(QIODevice::ReadWrite));
    ASSERT_TRUE(edytowany.setFileTime(QDateTime::currentDateTime().addSecs(1), QFileDevice::FileModificationTime));
    edytowany.close();
    EXPECT_EQ(QColor(byt->miniatura().pixel(0, 0)), QColor(Qt::green)) << "the thumbnail follows the file's content";
}

TEST_F(BytTest, TheNameComesFromThePathInPrecomposedFormWithoutAskingTheDisk)
{
    const QString plik = dir.plik(QStringLiteral("Zo\u0301lw.tar.gz"));
    BytSystemuPlikow *byt = BytSystemuPlikow::bytSystemuPlikowDlaURL(plik);
    EXPECT_EQ(byt->plikowyURL(), plik) << "I/O keeps the on-disk spelling";
    EXPECT_EQ(byt->nazwaZlokalizowana(), QStringLiteral("Z\u00f3lw.tar.gz"));
    EXPECT_EQ(byt->rozszerzenieNazwy(), QStringLiteral("gz"));
    EXPECT_EQ(byt->kodEtykiety(), 0);
    ASSERT_TRUE(QFile::remove(plik));
    EXPECT_EQ(byt->nazwaZlokalizowana(), QStringLiteral("Z\u00f3lw.tar.gz"));
    EXPECT_FALSE(byt->czyIstnieje());
    EXPECT_TRUE(byt->identyfikatorTypu().isEmpty());
}

TEST_F(BytTest, RenameMovesTheItemAndTellsItsParent)
{
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka());
    dir.plik(QStringLiteral("a.txt"), "A");
    dir.plik(QStringLiteral("Zo\u0301lw"), "Z");
    BytSystemuPlikow *a = katalog->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("a.txt"));
    ASSERT_NE(a, nullptr);
    int zbior = 0;
    int puls = 0;
    QObject::connect(katalog, &BytKatalogu::bytyWewnetrzneChanged, [&] { ++zbior; });
    QObject::connect(katalog, &BytKatalogu::kvoNodeHasChanged, [&] { ++puls; });

    ASSERT_TRUE(a->zmienNazweBytuNaDyskuNa(QStringLiteral("b.txt")));
    EXPECT_EQ(a->plikowyURL(), dir.sciezka(QStringLiteral("b.txt")));
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("b.txt"))), QByteArray("A"));
    EXPECT_FALSE(KatalogTestowy::istnieje(dir.sciezka(QStringLiteral("a.txt"))));
    EXPECT_EQ(zbior, 1);
    EXPECT_EQ(puls, 1);

    BladOperacji blad;
    EXPECT_FALSE(a->zmienNazweBytuNaDyskuNa(QStringLiteral("Z\u00f3lw"), &blad))
        << "another spelling of an existing name is the same name";
    EXPECT_TRUE(blad.przyczyna.contains(QStringLiteral("already exists"))) << qPrintable(blad.przyczyna);
    EXPECT_EQ(a->plikowyURL(), dir.sciezka(QStringLiteral("b.txt")));
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("Zo\u0301lw"))), QByteArray("Z"));
    EXPECT_EQ(QDir(dir.sciezka()).entryList(QDir::Files).size(), 2);
}

TEST_F(BytTest, ARenamedFolderReadsItsChildrenAgainUnderTheNewPath)
{
    dir.plik(QStringLiteral("stary/x"));
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka(QStringLiteral("stary")));
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), 1);
    ASSERT_TRUE(katalog->zmienNazweBytuNaDyskuNa(QStringLiteral("nowy")));
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), 1);
    EXPECT_EQ(katalog->bytyWewnetrzne().first()->plikowyURL(), dir.sciezka(QStringLiteral("nowy/x")));
}

TEST_F(BytTest, NewFolderBecomesAChildAndPulsesEveryFolderAbove)
{
    BytKatalogu *korzen = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka());
    dir.katalog(QStringLiteral("a"));
    auto *a = qobject_cast<BytKatalogu *>(korzen->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("a")));
    ASSERT_NE(a, nullptr);
    int pulsKorzenia = 0;
    QObject::connect(korzen, &BytKatalogu::kvoNodeHasChanged, [&] { ++pulsKorzenia; });
    BytKatalogu *nowy = a->nowyKatalog(QStringLiteral("nowy"));
    ASSERT_NE(nowy, nullptr);
    EXPECT_EQ(nowy->plikowyURL(), dir.sciezka(QStringLiteral("a/nowy")));
    EXPECT_EQ(nowy->katalogNadrzedny(), a);
    EXPECT_TRUE(QFileInfo(nowy->plikowyURL()).isDir());
    EXPECT_GE(pulsKorzenia, 1);
}

TEST_F(BytTest, APulseDeepInATreeReachesEveryFolderAboveAndNoOther)
{
    dir.plik(QStringLiteral("a/b/c/d/plik"));
    dir.katalog(QStringLiteral("a/obok"));
    BytKatalogu *korzen = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka());
    bool rowny = false;
    ASSERT_NE(korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("a/b/c/d/plik")), &rowny), nullptr);
    ASSERT_TRUE(rowny);
    auto *d = qobject_cast<BytKatalogu *>(korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("a/b/c/d"))));
    auto *obok = qobject_cast<BytKatalogu *>(korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("a/obok"))));
    ASSERT_NE(d, nullptr);
    ASSERT_NE(obok, nullptr);

    QMap<QString, int> pulsy;
    QList<BytKatalogu *> katalogi{d, obok};
    for (BytKatalogu *k = d->katalogNadrzedny(); k; k = k->katalogNadrzedny())
        katalogi.append(k);
    ASSERT_EQ(katalogi.size(), 6);
    for (BytKatalogu *k : katalogi)
        QObject::connect(k, &BytKatalogu::kvoNodeHasChanged, [&pulsy, k] { ++pulsy[k->ostatniKomponentSciezki()]; });

    dir.plik(QStringLiteral("a/b/c/d/nowy"));
    d->synchronizujZDyskiem();
    const QString nazwaKorzenia = korzen->ostatniKomponentSciezki();
    EXPECT_EQ(pulsy, (QMap<QString, int>{{QStringLiteral("d"), 1},
                                         {QStringLiteral("c"), 1},
                                         {QStringLiteral("b"), 1},
                                         {QStringLiteral("a"), 1},
                                         {nazwaKorzenia, 1}}));
    pulsy.clear();
    d->synchronizujZDyskiem();
    EXPECT_TRUE(pulsy.isEmpty()) << "a re-read that changes nothing sends no pulse";
}

TEST_F(BytTest, SearchByUrlDescendsAndAnswersNothingForHiddenOrUnknownPaths)
{
    dir.plik(QStringLiteral("a/b/x.txt"));
    dir.plik(QStringLiteral("a/.ukryty/y"));
    BytKatalogu *korzen = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka());
    bool rowny = false;
    BytSystemuPlikow *x = korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("a/b/x.txt")), &rowny);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->plikowyURL(), dir.sciezka(QStringLiteral("a/b/x.txt")));
    EXPECT_TRUE(rowny);
    EXPECT_EQ(korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("a/.ukryty/y")), &rowny), nullptr);
    EXPECT_FALSE(rowny);
    EXPECT_EQ(korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("ab")), &rowny), nullptr)
        << "containment is by component";
    EXPECT_EQ(korzen->znajdzBytZURL(dir.sciezka(QStringLiteral("a/b/x.txt/")), &rowny), x);
    EXPECT_TRUE(rowny);
}

TEST_F(BytTest, AFolderThatCannotBeReadKeepsItsChildrenAndAVanishedOneLosesThem)
{
    dir.plik(QStringLiteral("k/a"));
    dir.plik(QStringLiteral("k/b"));
    BytKatalogu *katalog = BytSystemuPlikow::bytKataloguDlaURL(dir.sciezka(QStringLiteral("k")));
    ASSERT_EQ(katalog->bytyWewnetrzne().size(), 2);
    const QList<BytSystemuPlikow *> przed = katalog->bytyWewnetrzne();
    int puls = 0;
    QObject::connect(katalog, &BytKatalogu::kvoNodeHasChanged, [&] { ++puls; });

    const QString sciezka = katalog->plikowyURL();
    FolderListing::setFaultHookForTests([sciezka](const QString &k) -> std::optional<int> {
        return k == sciezka ? std::optional<int>(EIO) : std::nullopt;
    });
    katalog->synchronizujZDyskiem();
    EXPECT_EQ(katalog->bytyWewnetrzne(), przed);
    EXPECT_EQ(puls, 0);
    FolderListing::setFaultHookForTests({});

    ASSERT_TRUE(QDir(sciezka).removeRecursively());
    katalog->synchronizujZDyskiem();
    EXPECT_TRUE(katalog->bytyWewnetrzne().isEmpty());
    EXPECT_EQ(przed[0]->katalogNadrzedny(), nullptr) << "a removed child is left without a parent";
    EXPECT_EQ(puls, 1);
}

TEST_F(BytTest, RevealAndOpenGoThroughTheDesktopServices)
{
    QStringList otwarte;
    QStringList pokazane;
    DesktopServices::setShared(std::make_unique<NagrywajaceUslugi>(&otwarte, &pokazane));
    BytSystemuPlikow *byt = BytSystemuPlikow::bytSystemuPlikowDlaURL(dir.plik(QStringLiteral("a.pdf")));
    byt->zaznaczWFinderze();
    byt->otworzWDomyslnejAplikacji();
    StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>()->zaznaczWFinderze();
    EXPECT_EQ(pokazane, QStringList{byt->plikowyURL()});
    EXPECT_EQ(otwarte, QStringList{byt->plikowyURL()});
}

TEST_F(BytTest, DateAddedIsWhenTheItemWasPutIntoItsFolder)
{
    const QString stary = dir.plik(QStringLiteral("a"));
    const QDateTime utworzony = BytSystemuPlikow::bytSystemuPlikowDlaURL(stary)->dataDolaczeniaDoKatalogu();
    QThread::msleep(20);
    dir.katalog(QStringLiteral("k"));
    ASSERT_TRUE(QFile::rename(stary, dir.sciezka(QStringLiteral("k/a"))));
    const QDateTime przeniesiony =
        BytSystemuPlikow::bytSystemuPlikowDlaURL(dir.sciezka(QStringLiteral("k/a")))->dataDolaczeniaDoKatalogu();
    EXPECT_GT(przeniesiony, utworzony);
}

} // namespace
