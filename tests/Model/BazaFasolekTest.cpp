#include "LicznikSygnalow.h"
#include "ObserwatorTestowy.h"
#include "Support/PortfolioTestowe.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/DeskryptorSortu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include "Platform/FolderListing.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"

#include "Support/GeneratorPortfolio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <functional>

namespace {

class BazaFasolekTest : public PortfolioTestowe
{
protected:
    void zbierajAlerty()
    {
        BazaFasolek::setAlertKrytyczny([this](const QString &wiadomosc, const QString &informacja) {
            m_alerty << wiadomosc;
            m_informacje << informacja;
        });
    }
    void zbierajZdarzeniaObserwatora()
    {
        BazaFasolek::setFabrykaObserwatoraZmianNaDysku(
            [this] { return std::make_unique<ObserwatorTestowy>(&m_zdarzeniaObserwatora); });
    }

    QStringList m_alerty;
    QStringList m_informacje;
    QStringList m_zdarzeniaObserwatora;
};

TEST_F(BazaFasolekTest, FirstStartOnAnEmptyBaseMakesTheFixedFoldersOneEmptyMainFlowAndAnEmptyArchive)
{
    zbierajAlerty();
    zbierajZdarzeniaObserwatora();
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();

    EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/_Main_Flow"))).isDir());
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("Archived Beans"))).isDir());
    ASSERT_EQ(baza->potoki().size(), 1);
    Potok *glowny = baza->potokGlowny();
    ASSERT_NE(glowny, nullptr);
    EXPECT_EQ(glowny->nazwa(), QStringLiteral("Main Flow"));
    EXPECT_TRUE(glowny->fasolki().isEmpty());
    EXPECT_TRUE(baza->potokiTematyczne().isEmpty());
    ASSERT_NE(baza->archiwum(), nullptr);
    EXPECT_EQ(baza->archiwum()->bazaFasolek(), baza);
    EXPECT_TRUE(baza->archiwum()->archiwaPotokow().isEmpty());
    EXPECT_EQ(baza->archiwum()->nazwa(), QStringLiteral("Archived Beans"));
    EXPECT_EQ(baza->katalog()->plikowyURL(), R(QStringLiteral("All Beans")));
    EXPECT_EQ(baza->previewItemTitle(), QStringLiteral("All Beans"));
    EXPECT_TRUE(m_alerty.isEmpty());
    EXPECT_EQ(m_zdarzeniaObserwatora, QStringList{QStringLiteral("setupEventListener")});

    EXPECT_EQ(BazaFasolek::sharedBazaFasolek(), baza) << "later requests return the same database";
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    EXPECT_NE(StosCoreData::kontekstOZ()->korzen(), baza) << "a fresh context has no database until asked";
}

TEST_F(BazaFasolekTest, OnlySubFoldersOfAllBeansAreFlows)
{
    plik(QStringLiteral("All Beans/notes.txt"));
    katalog(QStringLiteral("All Beans/Work"));
    katalog(QStringLiteral("All Beans/.hidden"));
    katalog(QStringLiteral("All Beans/Work/_Main_Flow"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();

    QStringList nazwy;
    for (Potok *potok : baza->potoki())
        nazwy << potok->nazwa();
    nazwy.sort();
    EXPECT_EQ(nazwy, (QStringList{QStringLiteral("Main Flow"), QStringLiteral("Work")}));
    Potok *work = baza->znajdzPotokONazwie(QStringLiteral("Work"));
    ASSERT_NE(work, nullptr);
    EXPECT_TRUE(work->toPotokTematyczny());
    ASSERT_EQ(work->fasolki().size(), 1) << "a \"_Main_Flow\" inside a flow is only a bean";
    EXPECT_EQ(Potok::odczytajRodzajPotokuDlaURLa(R(QStringLiteral("All Beans/Work/_Main_Flow"))), Potok::rpBrak);
}

TEST_F(BazaFasolekTest, BuildReadsEveryBeanOfAGeneratedPortfolioWithItsStatus)
{
    GeneratorPortfolio::Uklad uklad;
    uklad.potoki = 3;
    uklad.fasolkiNaPotok = 24;
    const GeneratorPortfolio::Wynik wynik = GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad);
    ASSERT_TRUE(wynik.udany);
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();

    std::array<int, 8> wgStatusu{};
    int katalogowe = 0;
    auto policz = [&](Fasolka *fasolka) {
        ++wgStatusu[size_t(fasolka->statusFasolki())];
        if (fasolka->katalog()) {
            ++katalogowe;
            EXPECT_EQ(fasolka->katalog()->opcjeSynchronizacji(), 128u);
        }
    };
    ASSERT_EQ(baza->potoki().size(), 3);
    for (Potok *potok : baza->potoki()) {
        EXPECT_TRUE(potok->maNiepustyKatalogRzeczyPotoku());
        for (Fasolka *fasolka : potok->fasolki())
            policz(fasolka);
    }
    ASSERT_EQ(baza->archiwum()->archiwaPotokow().size(), 3);
    for (ArchiwumPotoku *archiwumPotoku : baza->archiwum()->archiwaPotokow())
        for (Fasolka *fasolka : archiwumPotoku->fasolki())
            policz(fasolka);
    EXPECT_EQ(wgStatusu, wynik.fasolkiWgStatusu);
    EXPECT_EQ(katalogowe, wynik.fasolkiKatalogowe);
}

TEST_F(BazaFasolekTest, AFileInPlaceOfThePortfolioAlertsForAllBeansAndArchivedBeansButNotTheMainFlow)
{
    zbierajAlerty();
    QStringList linie;
    Konsola::ustawWyjscie([&](const QByteArray &linia) { linie << QString::fromUtf8(linia).trimmed(); });
    m_baza.plik(QStringLiteral("Tarrowind"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Konsola::ustawWyjscie({});

    EXPECT_EQ(m_alerty, (QStringList{QStringLiteral("Could not create All Beans directory "),
                                     QStringLiteral("Could not create Archived Beans directory ")}));
    EXPECT_FALSE(m_informacje.first().isEmpty()) << "the file system's reason is the informative text";
    ASSERT_EQ(linie.size(), 2);
    EXPECT_TRUE(linie.first().startsWith(QStringLiteral("Błąd: Could not create All Beans directory  ")));
    EXPECT_TRUE(baza->potoki().isEmpty());
    EXPECT_EQ(baza->potokGlowny(), nullptr);
    ASSERT_NE(baza->archiwum(), nullptr) << "the build goes on";
    EXPECT_TRUE(baza->archiwum()->archiwaPotokow().isEmpty());
}

TEST_F(BazaFasolekTest, AFileInPlaceOfArchivedBeansAlertsOnceAndTheFlowsAreStillRead)
{
    zbierajAlerty();
    plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("Archived Beans"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();

    EXPECT_EQ(m_alerty, QStringList{QStringLiteral("Could not create Archived Beans directory ")});
    ASSERT_NE(baza->znajdzPotokONazwie(QStringLiteral("Work")), nullptr);
    EXPECT_EQ(baza->znajdzPotokONazwie(QStringLiteral("Work"))->fasolki().size(), 1);
    EXPECT_NE(baza->potokGlowny(), nullptr);
    EXPECT_TRUE(baza->archiwum()->archiwaPotokow().isEmpty());
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("Archived Beans"))).isFile()) << "the file in the way is left alone";
}

TEST_F(BazaFasolekTest, AFileInPlaceOfAllBeansSkipsTheMainFlowAndStillMakesTheArchive)
{
    zbierajAlerty();
    plik(QStringLiteral("All Beans"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();

    EXPECT_EQ(m_alerty, QStringList{QStringLiteral("Could not create All Beans directory ")});
    EXPECT_TRUE(baza->potoki().isEmpty());
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("Archived Beans"))).isDir());
}

TEST_F(BazaFasolekTest, AVanishedFlowIsAnnouncedAsRemovedWithItsBeansDetached)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("All Beans/Work/_Done/b.txt"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *work = baza->znajdzPotokONazwie(QStringLiteral("Work"));
    ASSERT_NE(work, nullptr);
    const QList<Fasolka *> fasolki = work->fasolki().elementy();
    ASSERT_EQ(fasolki.size(), 2);

    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("zostalUsuniety"), work, &Potok::zostalUsunietyChanged);
    licznik.obserwuj(QStringLiteral("zostalaUsunieta"), fasolki.first(), &Fasolka::zostalaUsunietaChanged);
    licznik.obserwuj(QStringLiteral("potokiTematyczne"), baza, &BazaFasolek::potokiTematyczneChanged);
    licznik.obserwuj(QStringLiteral("potokGlowny"), baza, &BazaFasolek::potokGlownyChanged);
    licznik.obserwuj(QStringLiteral("relacjaFasolkiZmieniona"), baza, &BazaFasolek::relacjaFasolkiZmieniona);
    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/Work")), m_baza.sciezka(QStringLiteral("Work"))));
    baza->synchronizujZDyskiem();

    EXPECT_TRUE(work->zostalUsuniety());
    EXPECT_EQ(licznik[QStringLiteral("zostalUsuniety")], 1);
    EXPECT_EQ(licznik[QStringLiteral("zostalaUsunieta")], 1);
    EXPECT_EQ(licznik[QStringLiteral("potokiTematyczne")], 1);
    EXPECT_EQ(licznik[QStringLiteral("potokGlowny")], 1);
    EXPECT_GE(licznik[QStringLiteral("relacjaFasolkiZmieniona")], 1);
    for (Fasolka *fasolka : fasolki)
        EXPECT_TRUE(fasolka->zostalaUsunieta());
    EXPECT_TRUE(baza->potokiTematyczne().isEmpty());
}

TEST_F(BazaFasolekTest, MainFlowIsNoneWhileItsFolderIsMissing)
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    ASSERT_NE(glowny, nullptr);
    ASSERT_TRUE(QDir().rmdir(R(QStringLiteral("All Beans/_Main_Flow"))));
    baza->synchronizujListePotokow();
    EXPECT_EQ(baza->potokGlowny(), nullptr);
    EXPECT_TRUE(glowny->zostalUsuniety());
}

TEST_F(BazaFasolekTest, BeanChangesOfAFlowReachTheDatabaseMarkers)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *work = baza->znajdzPotokONazwie(QStringLiteral("Work"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("relacja"), baza, &BazaFasolek::relacjaFasolkiZmieniona);
    licznik.obserwuj(QStringLiteral("nazwa"), baza, &BazaFasolek::nazwaJakiejsFasolkiZmieniona);

    plik(QStringLiteral("All Beans/Work/_Ready/b.txt"));
    work->synchronizujFasolki();
    EXPECT_EQ(licznik[QStringLiteral("relacja")], 1);
    emit work->nazwaJakiejsFasolkiZmieniona();
    EXPECT_EQ(licznik[QStringLiteral("nazwa")], 1);

    katalog(QStringLiteral("All Beans/Pusty"));
    baza->synchronizujListePotokow();
    EXPECT_EQ(licznik[QStringLiteral("relacja")], 2) << "a new flow, though it has no bean, changes the flows";
}

TEST_F(BazaFasolekTest, RePointingToAnEmptyLocationLeavesOnlyTheNewMainFlowAndAnEmptyArchive)
{
    zbierajZdarzeniaObserwatora();
    plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("All Beans/_Main_Flow/b.txt"));
    plik(QStringLiteral("Archived Beans/Work/c.txt"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    const QList<Potok *> starePotoki = baza->potoki().elementy();
    ASSERT_EQ(starePotoki.size(), 2);
    ArchiwumPotoku *stareArchiwum = baza->archiwum()->archiwaPotokow().elementy().value(0);
    ASSERT_NE(stareArchiwum, nullptr);
    Fasolka *zarchiwizowana = stareArchiwum->fasolki().elementy().value(0);
    ASSERT_NE(zarchiwizowana, nullptr);

    KatalogTestowy nowe;
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(nowe.sciezka()));
    baza->updateBazaFasolekAfterUrlBazowyChange();

    ASSERT_EQ(baza->potoki().size(), 1);
    Potok *glowny = baza->potokGlowny();
    ASSERT_NE(glowny, nullptr);
    EXPECT_EQ(glowny->bytPotoku()->plikowyURL(), nowe.sciezka(QStringLiteral("Tarrowind/All Beans/_Main_Flow")));
    EXPECT_TRUE(glowny->fasolki().isEmpty());
    for (Potok *potok : starePotoki) {
        EXPECT_TRUE(potok->zostalUsuniety());
        EXPECT_TRUE(potok->fasolki().isEmpty());
    }
    EXPECT_EQ(baza->archiwum()->katalog()->plikowyURL(), nowe.sciezka(QStringLiteral("Tarrowind/Archived Beans")));
    EXPECT_TRUE(baza->archiwum()->archiwaPotokow().isEmpty());
    EXPECT_EQ(stareArchiwum->archiwum(), nullptr);
    EXPECT_TRUE(zarchiwizowana->zostalaUsunieta());
    EXPECT_EQ(m_zdarzeniaObserwatora, (QStringList{QStringLiteral("setupEventListener"),
                                                   QStringLiteral("updateEventListenerAfterUrlBazowyChange")}));
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/a.txt"))))
        << "the old portfolio is untouched";
}

// A flow or flow archive a read makes reads its beans as it is made; the read after it must not
// list its folders again, while the flows that were there already read theirs anew.
TEST_F(BazaFasolekTest, TheBuildAndEachReReadListEveryFolderOnceAndFindEveryNewBean)
{
    struct Przypadek
    {
        const char *opis;
        // Changes the disk of a built graph (the first case builds nothing before its read).
        std::function<void()> zmiana;
        std::function<void(BazaFasolek *)> odczyt;
        QStringList noweFasolki;
    };
    KatalogTestowy inneMiejsce;
    const QList<Przypadek> przypadki{
        {"the first build", {}, [](BazaFasolek *) { BazaFasolek::sharedBazaFasolek(); }, {}},
        {"a new flow and a bean in a flow that was there",
         [this] {
             plik(QStringLiteral("All Beans/Nowy/_Ready/nowa w nowym.txt"));
             plik(QStringLiteral("All Beans/Potok 0001/_Done/nowa w starym.txt"));
         },
         [](BazaFasolek *baza) { baza->synchronizujZDyskiem(); },
         {QStringLiteral("nowa w nowym.txt"), QStringLiteral("nowa w starym.txt")}},
        {"a new flow archive and a bean in one that was there",
         [this] {
             plik(QStringLiteral("Archived Beans/Nowy/nowa w nowym archiwum.txt"));
             plik(QStringLiteral("Archived Beans/Potok 0001/nowa w starym archiwum.txt"));
         },
         [](BazaFasolek *baza) { baza->archiwum()->synchronizujZDyskiem(); },
         {QStringLiteral("nowa w nowym archiwum.txt"), QStringLiteral("nowa w starym archiwum.txt")}},
        {"the location pointed elsewhere",
         [&inneMiejsce] {
             GeneratorPortfolio::Uklad uklad;
             uklad.potoki = 2;
             uklad.fasolkiNaPotok = 10;
             ASSERT_TRUE(GeneratorPortfolio::zbuduj(inneMiejsce.sciezka(), uklad).udany);
             QDir().mkpath(inneMiejsce.sciezka(QStringLiteral("Tarrowind/All Beans/Inny")));
             QFile nowa(inneMiejsce.sciezka(QStringLiteral("Tarrowind/All Beans/Inny/w innym miejscu.txt")));
             ASSERT_TRUE(nowa.open(QIODevice::WriteOnly));
             ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(inneMiejsce.sciezka()));
         },
         [](BazaFasolek *baza) { baza->updateBazaFasolekAfterUrlBazowyChange(); },
         {QStringLiteral("w innym miejscu.txt")}},
    };
    GeneratorPortfolio::Uklad uklad;
    uklad.potoki = 3;
    uklad.fasolkiNaPotok = 24;
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad).udany);
    ASSERT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Potok 0001"))).isDir());
    ASSERT_TRUE(QFileInfo(R(QStringLiteral("Archived Beans/Potok 0001"))).isDir());

    for (const Przypadek &przypadek : przypadki) {
        SCOPED_TRACE(przypadek.opis);
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(m_baza.sciezka()));
        BazaFasolek *baza = nullptr;
        if (przypadek.zmiana) {
            baza = BazaFasolek::sharedBazaFasolek();
            przypadek.zmiana();
        }
        QHash<QString, int> listowania;
        FolderListing::setFaultHookForTests([&listowania](const QString &katalog) -> std::optional<int> {
            ++listowania[katalog];
            return std::nullopt;
        });
        przypadek.odczyt(baza);
        FolderListing::setFaultHookForTests({});

        EXPECT_FALSE(listowania.isEmpty());
        // The archive's folder is listed twice: for its flow archives and for its own entries.
        for (auto it = listowania.cbegin(); it != listowania.cend(); ++it) {
            if (!it.key().endsWith(QStringLiteral("/Archived Beans"))) {
                EXPECT_EQ(it.value(), 1) << qPrintable(it.key());
            }
        }
        baza = BazaFasolek::sharedBazaFasolek();
        QStringList nazwy;
        for (Potok *potok : baza->potoki())
            for (Fasolka *fasolka : potok->fasolki())
                nazwy << Paths::lastComponent(fasolka->bytFasolki()->plikowyURL());
        for (ArchiwumPotoku *archiwumPotoku : baza->archiwum()->archiwaPotokow())
            for (Fasolka *fasolka : archiwumPotoku->fasolki())
                nazwy << Paths::lastComponent(fasolka->bytFasolki()->plikowyURL());
        for (const QString &nowa : przypadek.noweFasolki)
            EXPECT_TRUE(nazwy.contains(nowa)) << qPrintable(nowa);
    }
}

TEST_F(BazaFasolekTest, FlowsAndFlowArchivesAreMatchedByFolderNameNotByDisplayName)
{
    katalog(QStringLiteral("All Beans/Main Flow"));
    plik(QStringLiteral("Archived Beans/_Main_Flow/a.txt"));
    plik(QStringLiteral("Archived Beans/Main Flow/b.txt"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    ASSERT_NE(glowny, nullptr);
    ASSERT_EQ(baza->potokiTematyczne().size(), 1);
    Potok *tematyczny = baza->potokiTematyczne().first();
    ASSERT_EQ(tematyczny->nazwa(), glowny->nazwa()) << "both flows show as \"Main Flow\"";

    Archiwum *archiwum = baza->archiwum();
    ArchiwumPotoku *archiwumGlownego = archiwum->archiwumPotokuDlaPotoku(glowny);
    ArchiwumPotoku *archiwumTematycznego = archiwum->archiwumPotokuDlaPotoku(tematyczny);
    ASSERT_NE(archiwumGlownego, nullptr);
    ASSERT_NE(archiwumTematycznego, nullptr);
    EXPECT_TRUE(archiwumGlownego->toPotokGlowny());
    EXPECT_FALSE(archiwumTematycznego->toPotokGlowny());
    EXPECT_EQ(baza->potokDlaArchiwumPotoku(archiwumGlownego), glowny);
    EXPECT_EQ(baza->potokDlaArchiwumPotoku(archiwumTematycznego), tematyczny);
}

TEST_F(BazaFasolekTest, SortOrdersCompareNamesCaseInsensitivelyAndBuildNothing)
{
    const QList<DeskryptorSortu> &poNazwie = BazaFasolek::deskryptorySortuPoNazwie();
    const QList<DeskryptorSortu> &poNazwieZlokalizowanej = BazaFasolek::deskryptorySortuPoNazwieZlokalizowanej();
    EXPECT_EQ(StosCoreData::kontekstOZ()->korzen(), nullptr);
    EXPECT_EQ(StosCoreData::kontekstOZ()->liczbaObiektow(), 0u);
    ASSERT_EQ(poNazwie.size(), 1);

    QList<Fasolka *> fasolki;
    for (const char *nazwa : {"delta", "Beta", "alfa", "Gamma", "beta 2"}) {
        auto *fasolka = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
        fasolka->setNazwaWPamieci(QString::fromUtf8(nazwa));
        fasolki << fasolka;
    }
    poNazwie.first().posortuj(fasolki);
    QStringList nazwy;
    for (Fasolka *fasolka : fasolki)
        nazwy << fasolka->nazwa();
    EXPECT_EQ(nazwy, (QStringList{QStringLiteral("alfa"), QStringLiteral("Beta"), QStringLiteral("beta 2"),
                                  QStringLiteral("delta"), QStringLiteral("Gamma")}));
    EXPECT_TRUE(poNazwie.first()(fasolki.at(0), fasolki.at(1)));
    EXPECT_FALSE(poNazwie.first()(fasolki.at(1), fasolki.at(0)));
    EXPECT_GT(DeskryptorSortu(DeskryptorSortu::poNazwie, false).porownaj(fasolki.at(0), fasolki.at(1)), 0);

    BytSystemuPlikow *b = StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>();
    BytSystemuPlikow *a = StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>();
    b->setPlikowyURL(QStringLiteral("/x/b.txt"));
    a->setPlikowyURL(QStringLiteral("/y/A.txt"));
    EXPECT_TRUE(poNazwieZlokalizowanej.first()(a, b));
    EXPECT_EQ(StosCoreData::kontekstOZ()->korzen(), nullptr);
}

} // namespace
