#include "LicznikSygnalow.h"
#include "Support/PortfolioTestowe.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Model/SCEvents.h"

#include "Platform/FolderListing.h"
#include "Platform/ModalGate.h"
#include "Platform/Paths.h"

#include "Support/CzasyOczekiwania.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <optional>

namespace {

int policzKatalogi(const QString &korzen)
{
    int wynik = 1;
    const QStringList nazwy = QDir(korzen).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &nazwa : nazwy)
        wynik += policzKatalogi(korzen + QLatin1Char('/') + nazwa);
    return wynik;
}

bool czekaj(const std::function<bool()> &warunek)
{
    return QTest::qWaitFor(warunek, czasNaZdarzenieMs);
}

class ObserwatorZmianNaDyskuTest : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        ObserwatorZmianNaDysku::zainstaluj(0.05);
    }
    void TearDown() override
    {
        // The watcher goes with its graph, before the application does.
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        PortfolioTestowe::TearDown();
    }

    static ObserwatorZmianNaDysku *obserwator()
    {
        return dynamic_cast<ObserwatorZmianNaDysku *>(BazaFasolek::sharedBazaFasolek()->obserwatorZmianNaDysku());
    }
    static SCEvents *events() { return obserwator() ? obserwator()->events() : nullptr; }

    // Waits until the stream watches every folder of both trees, so that no change is missed.
    static bool czekajNaObserwacje()
    {
        SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
        const int katalogow = policzKatalogi(spec->url(SpecKatalog::suWszystkieFasolki))
                              + policzKatalogi(spec->url(SpecKatalog::suArchiwum));
        return events() && czekaj([&] { return events()->liczbaObserwowanychKatalogow() == katalogow; });
    }
    BazaFasolek *zbudujIObserwuj()
    {
        BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
        EXPECT_TRUE(czekajNaObserwacje());
        return baza;
    }
    static void zapisz(const QString &sciezka)
    {
        QFile plik(sciezka);
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly | QIODevice::Append)) << qPrintable(sciezka);
        plik.write("x");
    }
};

TEST_F(ObserwatorZmianNaDyskuTest, BeanMovedBetweenStatusFoldersByAnotherProgramEndsUnderItsNewStatus)
{
    katalog(QStringLiteral("All Beans/_Main_Flow/_Done"));
    plik(QStringLiteral("All Beans/_Main_Flow/_Incubation/idea.txt"));
    Potok *glowny = zbudujIObserwuj()->potokGlowny();
    ASSERT_EQ(glowny->fasolkiWInkubacji().size(), 1);

    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/_Main_Flow/_Incubation/idea.txt")),
                              R(QStringLiteral("All Beans/_Main_Flow/_Done/idea.txt"))));

    ASSERT_TRUE(czekaj([&] { return glowny->fasolkiUkonczone().size() == 1; }));
    przeczekajCisze();
    ASSERT_EQ(glowny->fasolki().size(), 1);
    EXPECT_TRUE(glowny->fasolkiWInkubacji().isEmpty());
    EXPECT_EQ(glowny->fasolki().elementy().first()->bytFasolki()->plikowyURL(),
              R(QStringLiteral("All Beans/_Main_Flow/_Done/idea.txt")));
}

TEST_F(ObserwatorZmianNaDyskuTest, FoldersMadeOrRemovedByAnotherProgramAddOrRemoveFlowsAndFlowArchives)
{
    BazaFasolek *baza = zbudujIObserwuj();

    ASSERT_TRUE(QDir().mkdir(R(QStringLiteral("All Beans/Travel"))));
    ASSERT_TRUE(czekaj([&] { return baza->znajdzPotokONazwie(QStringLiteral("Travel")) != nullptr; }));
    Potok *podroze = baza->znajdzPotokONazwie(QStringLiteral("Travel"));
    EXPECT_TRUE(podroze->toPotokTematyczny());

    // A bean made in the new flow is followed too: the new folder is watched.
    ASSERT_TRUE(czekajNaObserwacje());
    zapisz(R(QStringLiteral("All Beans/Travel/tickets.txt")));
    ASSERT_TRUE(czekaj([&] { return podroze->fasolki().size() == 1; }));

    ASSERT_TRUE(QDir().mkdir(R(QStringLiteral("Archived Beans/Travel"))));
    ASSERT_TRUE(czekaj([&] { return baza->archiwum()->archiwumPotokuDlaPotoku(podroze) != nullptr; }));

    ASSERT_TRUE(QDir(R(QStringLiteral("All Beans/Travel"))).removeRecursively());
    ASSERT_TRUE(czekaj([&] { return podroze->zostalUsuniety(); }));
    EXPECT_EQ(baza->znajdzPotokONazwie(QStringLiteral("Travel")), nullptr);
    EXPECT_EQ(baza->potoki().size(), 1);
}

TEST_F(ObserwatorZmianNaDyskuTest, FolderRenamedInsideABeanKeepsCorrectPathsForLaterChanges)
{
    plik(QStringLiteral("All Beans/_Main_Flow/Garden/old/seed.txt"));
    Potok *glowny = zbudujIObserwuj()->potokGlowny();
    BytKatalogu *ogrod = glowny->znajdzFasolkeONazwie(QStringLiteral("Garden"))->katalog();
    ASSERT_NE(ogrod, nullptr);
    ogrod->bytyWewnetrzne();

    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/_Main_Flow/Garden/old")),
                              R(QStringLiteral("All Beans/_Main_Flow/Garden/new"))));
    ASSERT_TRUE(czekaj([&] { return ogrod->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("new")) != nullptr; }));
    EXPECT_EQ(ogrod->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("old")), nullptr);
    auto *nowy = qobject_cast<BytKatalogu *>(ogrod->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("new")));
    ASSERT_NE(nowy, nullptr);
    ASSERT_EQ(nowy->bytyWewnetrzne().size(), 1); // as a view showing it reads it

    zapisz(R(QStringLiteral("All Beans/_Main_Flow/Garden/new/sprout.txt")));
    ASSERT_TRUE(czekaj([&] { return nowy->bytyWewnetrzneBezOdczytu().size() == 2; }));
    BytSystemuPlikow *kielek = nowy->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("sprout.txt"));
    ASSERT_NE(kielek, nullptr);
    EXPECT_EQ(kielek->plikowyURL(), R(QStringLiteral("All Beans/_Main_Flow/Garden/new/sprout.txt")));
}

BytKatalogu *dziecko(BytKatalogu *katalog, const QString &nazwa)
{
    return qobject_cast<BytKatalogu *>(katalog->znajdzBytZOstatnimKomponentemSciezki(nazwa));
}

// Another program moves a shown folder (a bean's, or one below) aside and makes an empty one or moves
// a prepared one under its name: the object stays, and its shown sub-folders show the new contents.
TEST_F(ObserwatorZmianNaDyskuTest, FolderReplacedInPlaceShowsTheNewFoldersContents)
{
    for (const auto &[ponizej, przygotowany] : std::initializer_list<std::pair<const char *, bool>>{
             {"", false}, {"", true}, {"/sub", false}, {"/sub", true}}) {
        SCOPED_TRACE(testing::Message() << ponizej << " " << przygotowany);
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        ASSERT_TRUE(QDir(R()).removeRecursively());
        const QString a = QStringLiteral("All Beans/_Main_Flow/Garden") + QLatin1String(ponizej);
        plik(a + QStringLiteral("/deep/old.txt"));
        BytKatalogu *ogrod =
            zbudujIObserwuj()->potokGlowny()->znajdzFasolkeONazwie(QStringLiteral("Garden"))->katalog();
        BytKatalogu *gleboki =
            dziecko(*ponizej ? dziecko(ogrod, QStringLiteral("sub")) : ogrod, QStringLiteral("deep"));
        ASSERT_EQ(gleboki->bytyWewnetrzne().size(), 1);
        if (przygotowany)
            m_baza.plik(QStringLiteral("prepared/deep/new.txt"));
        {
            const ModalGate::Raise bramka; // both steps reach the graph in one go
            ASSERT_TRUE(QDir().rename(R(a), R(a + QStringLiteral(".old"))));
            ASSERT_TRUE(przygotowany ? QDir().rename(m_baza.sciezka(QStringLiteral("prepared")), R(a))
                                     : QDir().mkdir(R(a)));
        }
        EXPECT_TRUE(czekaj([&] {
            return przygotowany ? gleboki->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("new.txt")) != nullptr
                                : gleboki->katalogNadrzedny() == nullptr;
        }));
    }
}

TEST_F(ObserwatorZmianNaDyskuTest, AfterLostEventsEveryShownFolderIsReadAgain)
{
    plik(QStringLiteral("All Beans/_Main_Flow/Garden/sub/seed.txt"));
    plik(QStringLiteral("Archived Beans/_Main_Flow/Shed/tools.txt"));
    BazaFasolek *baza = zbudujIObserwuj();
    BytKatalogu *sub = dziecko(baza->potokGlowny()->fasolki().elementy().first()->katalog(), QStringLiteral("sub"));
    BytKatalogu *szopa = baza->archiwum()->archiwaPotokow().elementy().first()->fasolki().elementy().first()->katalog();
    ASSERT_EQ(sub->bytyWewnetrzne().size() + szopa->bytyWewnetrzne().size(), 2);
    const ModalGate::Raise bramka; // what the stream saw waits, as if the kernel had dropped it
    plik(QStringLiteral("All Beans/_Main_Flow/Garden/sub/sprout.txt"));
    plik(QStringLiteral("Archived Beans/_Main_Flow/Shed/rake.txt"));
    SCEvents::eventStreamCallback(
        events(), {{1, R(QStringLiteral("All Beans")), StrumienInotify::MusiPrzeczytacPodkatalogi},
                   {2, R(QStringLiteral("Archived Beans")), StrumienInotify::MusiPrzeczytacPodkatalogi}});
    EXPECT_EQ(sub->bytyWewnetrzneBezOdczytu().size() + szopa->bytyWewnetrzneBezOdczytu().size(), 4);
}

TEST_F(ObserwatorZmianNaDyskuTest, OneBatchReReadsEachObjectOnceAndTheNextBatchAgain)
{
    katalog(QStringLiteral("All Beans/_Main_Flow/_Done"));
    katalog(QStringLiteral("All Beans/_Main_Flow/_Incubation"));
    katalog(QStringLiteral("All Beans/_Main_Flow/_Flow_Items"));
    Potok *glowny = zbudujIObserwuj()->potokGlowny();
    ASSERT_NE(glowny->katalogRzeczyPotoku(), nullptr);
    // Each re-read of the flow re-reads its items folder, which announces it every time.
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("odczyty"), glowny->katalogRzeczyPotoku(), &BytKatalogu::jestLiscemChanged);

    const QList<StrumienInotify::Zdarzenie> partia{
        {1, R(QStringLiteral("All Beans/_Main_Flow/_Incubation")), 0},
        {2, R(QStringLiteral("All Beans/_Main_Flow/_Done")), 0},
        {3, R(QStringLiteral("All Beans/_Main_Flow")), 0},
    };
    SCEvents::eventStreamCallback(events(), partia);
    EXPECT_EQ(licznik[QStringLiteral("odczyty")], 1);
    SCEvents::eventStreamCallback(events(), partia);
    EXPECT_EQ(licznik[QStringLiteral("odczyty")], 2);

    // A direct request is not part of any batch.
    obserwator()->zsynchronizujObiektyModeluDlaSciezki(R(QStringLiteral("All Beans/_Main_Flow/_Done")));
    obserwator()->zsynchronizujObiektyModeluDlaSciezki(R(QStringLiteral("All Beans/_Main_Flow/_Done")));
    EXPECT_EQ(licznik[QStringLiteral("odczyty")], 4);
}

TEST_F(ObserwatorZmianNaDyskuTest, TreeUnpackedInsideABeanIsNotReadBelowWhatWasShown)
{
    katalog(QStringLiteral("All Beans/_Main_Flow/Garden"));
    Potok *glowny = zbudujIObserwuj()->potokGlowny();
    BytKatalogu *ogrod = glowny->znajdzFasolkeONazwie(QStringLiteral("Garden"))->katalog();
    ogrod->bytyWewnetrzne();

    // Unpacked elsewhere and moved in at once, as an archive tool or a checkout would.
    const QString rozpakowane = m_baza.katalog(QStringLiteral("unpacked"));
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j)
            m_baza.plik(QStringLiteral("unpacked/src/d%1/e%2/f.txt").arg(i).arg(j));
    }
    ASSERT_TRUE(
        QDir().rename(rozpakowane + QStringLiteral("/src"), R(QStringLiteral("All Beans/_Main_Flow/Garden/src"))));
    ASSERT_TRUE(czekaj([&] { return ogrod->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("src")) != nullptr; }));
    auto *src = qobject_cast<BytKatalogu *>(ogrod->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("src")));
    ASSERT_NE(src, nullptr);

    // Changes deep inside come while the tree is being watched; none of them reads it.
    ASSERT_TRUE(czekajNaObserwacje());
    zapisz(R(QStringLiteral("All Beans/_Main_Flow/Garden/src/d1/e1/g.txt")));
    zapisz(R(QStringLiteral("All Beans/_Main_Flow/Garden/src/d2/h.txt")));
    ASSERT_TRUE(czekaj([&] {
        const auto ostatnie = events()->lastEvent();
        return ostatnie && ostatnie->eventPath().startsWith(R(QStringLiteral("All Beans/_Main_Flow/Garden/src/d")));
    }));
    przeczekajCisze();
    EXPECT_FALSE(src->czyBytyBylyOdczytaneZDysku());
    EXPECT_TRUE(src->bytyWewnetrzneBezOdczytu().isEmpty());
}

// A big folder shown inside a bean follows another program's changes, and the main thread's
// handler of the change leaves the listing to a worker: it only applies the difference.
TEST_F(ObserwatorZmianNaDyskuTest, BigFolderInsideABeanIsReListedOnAWorker)
{
    const QString zdjecia = katalog(QStringLiteral("All Beans/_Main_Flow/Garden/photos"));
    for (int i = 0; i < 20000; ++i) {
        QFile plikZdjecia(zdjecia + QStringLiteral("/%1.jpg").arg(i));
        ASSERT_TRUE(plikZdjecia.open(QIODevice::WriteOnly));
    }
    BytKatalogu *ogrod = zbudujIObserwuj()->potokGlowny()->znajdzFasolkeONazwie(QStringLiteral("Garden"))->katalog();
    BytKatalogu *katalogZdjec = dziecko(ogrod, QStringLiteral("photos"));
    ASSERT_NE(katalogZdjec, nullptr);
    ASSERT_EQ(katalogZdjec->bytyWewnetrzne().size(), 20000);

    std::atomic<int> naGlownym = 0;
    std::atomic<int> naInnym = 0;
    QThread *glowny = QThread::currentThread();
    FolderListing::setFaultHookForTests([&, sciezka = katalogZdjec->plikowyURL()](const QString &katalog) {
        if (katalog == sciezka)
            ++(QThread::currentThread() == glowny ? naGlownym : naInnym);
        return std::optional<int>();
    });
    struct UsunHak
    {
        ~UsunHak()
        {
            QThreadPool::globalInstance()->waitForDone();
            FolderListing::setFaultHookForTests({});
        }
    } usunHak;

    zapisz(zdjecia + QStringLiteral("/new.jpg"));
    ASSERT_TRUE(QFile::remove(zdjecia + QStringLiteral("/0.jpg")));
    ASSERT_TRUE(QFile::remove(zdjecia + QStringLiteral("/1.jpg")));
    const auto nazwyWGrafie = [&] {
        QStringList nazwy;
        for (BytSystemuPlikow *byt : katalogZdjec->bytyWewnetrzneBezOdczytu())
            nazwy.append(Paths::lastComponent(byt->plikowyURL()));
        nazwy.sort();
        return nazwy;
    };
    QStringList naDysku = QDir(zdjecia).entryList(QDir::Files);
    naDysku.sort();
    ASSERT_EQ(naDysku.size(), 19999);
    ASSERT_TRUE(czekaj([&] { return BytKatalogu::liczbaOdczytowWTle() == 0 && nazwyWGrafie() == naDysku; }));
    EXPECT_EQ(naGlownym, 0);
    EXPECT_GE(naInnym, 1);
}

TEST_F(ObserwatorZmianNaDyskuTest, SecondSetupStartsNothingAndAStartWhileWatchingIsRefused)
{
    zbudujIObserwuj();
    SCEvents *strumien = events();
    ASSERT_NE(strumien, nullptr);
    EXPECT_TRUE(strumien->isWatchingPaths());
    EXPECT_EQ(strumien->notificationLatency(), 0.05);
    EXPECT_EQ(strumien->watchedPaths(),
              (QStringList{R(QStringLiteral("All Beans")), R(QStringLiteral("Archived Beans"))}));
    EXPECT_EQ(obserwator()->paths(), strumien->watchedPaths());
    const QString opis = strumien->streamDescription();

    obserwator()->setupEventListener();
    EXPECT_EQ(events(), strumien);
    EXPECT_TRUE(strumien->isWatchingPaths());
    EXPECT_EQ(strumien->streamDescription(), opis);
    EXPECT_FALSE(strumien->startWatchingPaths({m_baza.sciezka()}));
    EXPECT_EQ(strumien->watchedPaths(), obserwator()->paths());
}

TEST_F(ObserwatorZmianNaDyskuTest, ChangesWaitWhileTheModalGateIsRaised)
{
    BazaFasolek *baza = zbudujIObserwuj();
    {
        const ModalGate::Raise bramka;
        ASSERT_TRUE(QDir().mkdir(R(QStringLiteral("All Beans/Held"))));
        przeczekajCisze();
        EXPECT_EQ(baza->znajdzPotokONazwie(QStringLiteral("Held")), nullptr);
    }
    EXPECT_TRUE(czekaj([&] { return baza->znajdzPotokONazwie(QStringLiteral("Held")) != nullptr; }));
}

TEST_F(ObserwatorZmianNaDyskuTest, AfterAChangeOfLocationOnlyTheNewPortfolioIsFollowed)
{
    BazaFasolek *baza = zbudujIObserwuj();
    const QString staryKorzen = R();
    KatalogTestowy nowaBaza;
    nowaBaza.katalog(QStringLiteral("Tarrowind/All Beans/_Main_Flow"));
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(nowaBaza.sciezka()));
    baza->updateBazaFasolekAfterUrlBazowyChange();
    ASSERT_TRUE(czekajNaObserwacje());
    EXPECT_EQ(events()->watchedPaths(), obserwator()->paths());

    events()->setLastEvent(std::nullopt);
    ASSERT_TRUE(QDir().mkdir(staryKorzen + QStringLiteral("/All Beans/Stale")));
    zapisz(staryKorzen + QStringLiteral("/All Beans/_Main_Flow/old.txt"));
    przeczekajCisze();
    EXPECT_FALSE(events()->lastEvent().has_value()) << "the old portfolio is silent";

    ASSERT_TRUE(QDir().mkdir(nowaBaza.sciezka(QStringLiteral("Tarrowind/All Beans/Fresh"))));
    EXPECT_TRUE(czekaj([&] { return baza->znajdzPotokONazwie(QStringLiteral("Fresh")) != nullptr; }));
    EXPECT_EQ(baza->znajdzPotokONazwie(QStringLiteral("Stale")), nullptr);
}

} // namespace
