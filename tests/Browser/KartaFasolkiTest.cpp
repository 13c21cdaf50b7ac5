#include "OknaTarrowind.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Browser/UstawieniaKartyFasolki.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/Potok.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/ObserwacjaPortfolio.h"
#include "Support/PortfolioTestowe.h"
#include "Support/Ui/WierszZarysu.h"

namespace {

class KartaFasolkiTest : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        WindowRegistry::instance();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {2, 12, 2, 1, 1}).udany);
        ObserwatorZmianNaDysku::zainstaluj(0.05);
        baza = BazaFasolek::sharedBazaFasolek();
        glowny = baza->potoki().elementy().at(0);
        drugi = baza->potoki().elementy().at(1);
        for (Fasolka *f : glowny->fasolki()) {
            if (f->jestZKatalogiem() && !f->jestUkonczona() && !fasolka)
                fasolka = f;
        }
        ASSERT_NE(fasolka, nullptr);
    }
    void TearDown() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        PortfolioTestowe::TearDown();
    }

    BazaFasolek *baza = nullptr;
    Potok *glowny = nullptr;
    Potok *drugi = nullptr;
    Fasolka *fasolka = nullptr;
};

} // namespace

TEST_F(KartaFasolkiTest, TheTabFollowsItsBeanThroughRenameMovesArchivingAndDeletion)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(fasolka);
    KartaFasolki *karta = przegladarka->wybranaKartaFasolki();
    ASSERT_NE(karta, nullptr);
    KontrolerKartyFasolki *k = karta->kontrolerKartyFasolki();
    const auto oczekuj = [&](const QString &tytul, const QString &potok) {
        EXPECT_EQ(karta->title(), tytul);
        EXPECT_EQ(k->nazwaPotoku(), potok);
        EXPECT_EQ(k->ikonaZFolderemPotoku()->plikowyURL(), fasolka->bytFasolki()->plikowyURL());
        EXPECT_TRUE(QFileInfo(k->ikonaZFolderemPotoku()->plikowyURL()).isDir());
    };
    oczekuj(fasolka->nazwa(), glowny->nazwa());
    EXPECT_FALSE(karta->icon().isNull());
    EXPECT_EQ(k->kontrolerAkcjeNaFasolkach()->fasolka(), fasolka);
    EXPECT_EQ(k->kontrolerRzeczyPotoku()->katalog(), glowny->katalogRzeczyPotoku());

    fasolka->setNazwa(QStringLiteral("Przemianowana"));
    oczekuj(QStringLiteral("Przemianowana"), glowny->nazwa());
    ASSERT_TRUE(fasolka->ustawStatus(Fasolka::sfOczekujaca));
    oczekuj(QStringLiteral("Przemianowana"), glowny->nazwa());
    ASSERT_TRUE(fasolka->przeniesDoPotoku(drugi));
    oczekuj(QStringLiteral("Przemianowana"), drugi->nazwa());
    ASSERT_TRUE(fasolka->ustawStatus(Fasolka::sfZarchiwizowana));
    ASSERT_NE(fasolka->archiwumPotoku(), nullptr);
    oczekuj(QStringLiteral("Przemianowana"), fasolka->archiwumPotoku()->nazwa());
    EXPECT_EQ(przegladarka->tabCount(), 1) << "archiving keeps the tab";

    // Another program deletes the folder; the re-read takes the bean out and the tab closes.
    ASSERT_TRUE(czekajNaObserwacjePortfolio());
    ASSERT_TRUE(QDir(fasolka->bytFasolki()->plikowyURL()).removeRecursively());
    // The last tab takes its window and browser with it.
    const QPointer<KartaFasolki> zamykana = karta;
    EXPECT_TRUE(QTest::qWaitFor([&] { return zamykana.isNull(); }, czasNaZdarzenieMs));
}

TEST_F(KartaFasolkiTest, ATabInNoBrowserClosesNothingWhenItsBeanGoes)
{
    KartaFasolki karta;
    karta.kontrolerKartyFasolki()->ustawWidok();
    auto *luzna = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
    karta.setFasolka(luzna);
    emit luzna->zostalaUsunietaChanged();
    QCoreApplication::processEvents();
    EXPECT_EQ(karta.fasolka(), luzna);
}

TEST_F(KartaFasolkiTest, TheOutlineSelectionGivesTheActionsTheTopLevelItem)
{
    const QString katalogFasolki = fasolka->katalog()->plikowyURL();
    ASSERT_TRUE(QDir().mkpath(katalogFasolki + QStringLiteral("/gora/srodek")));
    for (const char *plik : {"/gora/srodek/plik.txt", "/luzny.txt"}) {
        QFile f(katalogFasolki + QLatin1String(plik));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    KartaFasolki karta;
    KontrolerKartyFasolki *k = karta.kontrolerKartyFasolki();
    k->ustawWidok();
    karta.setFasolka(fasolka);
    KontrolerDrzewa *drzewo = k->kontrolerRzeczyFasolki()->kontrolerDrzewa();
    const QModelIndex gora = wierszZarysu(drzewo, QStringLiteral("gora"));
    const QModelIndex plik = wierszZarysu(drzewo, QStringLiteral("gora/srodek/plik.txt"));
    const QModelIndex luzny = wierszZarysu(drzewo, QStringLiteral("luzny.txt"));
    ASSERT_TRUE(plik.isValid() && luzny.isValid());

    const struct
    {
        QModelIndexList zaznaczone;
        QModelIndex oczekiwany;
    } przypadki[] = {{{plik}, gora}, {{}, {}}, {{gora}, gora}, {{luzny, plik}, gora}, {{luzny}, luzny}};
    for (const auto &przypadek : przypadki) {
        drzewo->setSelectionIndexPaths(przypadek.zaznaczone);
        EXPECT_EQ(k->kontrolerAkcjeNaFasolkach()->dodatkowyElement(),
                  przypadek.oczekiwany.isValid() ? drzewo->wezel(przypadek.oczekiwany)->representedObject() : nullptr);
    }
}

TEST_F(KartaFasolkiTest, TheOutlineKeepsItsOpenFoldersAndASingleSelectedFileThroughChangesByAnotherProgram)
{
    QDir dysk(fasolka->katalog()->plikowyURL());
    for (const char *sciezka : {"a/", "b/w.txt", "z.txt"}) {
        ASSERT_TRUE(dysk.mkpath(QFileInfo(dysk.filePath(QLatin1String(sciezka))).path()));
        QFile plik(dysk.filePath(QLatin1String(sciezka)));
        ASSERT_TRUE(QLatin1String(sciezka).endsWith('/') || plik.open(QIODevice::WriteOnly));
    }
    KartaFasolki karta;
    KontrolerKartyFasolki *k = karta.kontrolerKartyFasolki();
    k->ustawWidok();
    karta.setFasolka(fasolka);
    KontrolerRzeczyKatalogu *zarys = k->kontrolerRzeczyFasolki();
    KontrolerDrzewa *drzewo = zarys->kontrolerDrzewa();
    zarys->widokZaryseli()->expand(wierszZarysu(drzewo, QStringLiteral("a")));
    zarys->widokZaryseli()->expand(wierszZarysu(drzewo, QStringLiteral("b")));
    drzewo->setSelectionIndexPaths({wierszZarysu(drzewo, QStringLiteral("b/w.txt"))});
    ASSERT_TRUE(czekajNaObserwacjePortfolio());

    // Entries come and go in the shown folder and an open one; the selected file is renamed
    // by another program to a name that sorts first.
    for (const char *nowy : {"nowy.txt", "a/w-a.txt", "b/m.txt"})
        ASSERT_TRUE(QFile(dysk.filePath(QLatin1String(nowy))).open(QIODevice::WriteOnly));
    ASSERT_TRUE(dysk.remove(QStringLiteral("z.txt")));
    ASSERT_TRUE(dysk.rename(QStringLiteral("b/w.txt"), QStringLiteral("b/0.txt")));
    // The open folder is renamed too, to a name that sorts last: it stays open.
    ASSERT_TRUE(dysk.rename(QStringLiteral("a"), QStringLiteral("y")));
    const auto wszystkoWidac = [&] {
        return wierszZarysu(drzewo, QStringLiteral("y/w-a.txt")).isValid()
               && wierszZarysu(drzewo, QStringLiteral("b/m.txt")).isValid()
               && wierszZarysu(drzewo, QStringLiteral("nowy.txt")).isValid()
               && !wierszZarysu(drzewo, QStringLiteral("z.txt")).isValid();
    };
    ASSERT_TRUE(QTest::qWaitFor(wszystkoWidac, czasNaZdarzenieMs));
    // The reloads still due have come by then.
    przeczekajCisze(int(Opoznienia::biezace().przeladowanieKatalogu * 1000) + ciszaMs);

    EXPECT_TRUE(zarys->widokZaryseli()->isExpanded(wierszZarysu(drzewo, QStringLiteral("y"))));
    EXPECT_TRUE(zarys->widokZaryseli()->isExpanded(wierszZarysu(drzewo, QStringLiteral("b"))));
    const QList<BytSystemuPlikow *> zaznaczone = drzewo->selectedObjects();
    ASSERT_EQ(zaznaczone.size(), 1);
    EXPECT_EQ(zaznaczone.constFirst()->ostatniKomponentSciezki(), QStringLiteral("0.txt"));
    EXPECT_EQ(wierszZarysu(drzewo, QStringLiteral("b/0.txt")).row(), 0);
}

TEST_F(KartaFasolkiTest, ASecondTabOpensWithThePanelWidthTheFirstStored)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(fasolka);
    przegladarka->windowController()->window()->resize(1000, 700);
    KontrolerKartyFasolki *pierwszy = przegladarka->wybranaKartaFasolki()->kontrolerKartyFasolki();
    pierwszy->kontrolerWidokuRozdzielonegoZPanelemPrawym()->setSzerokoscPanelaPrawego(260);
    pierwszy->kontrolerWidokuRozdzielonegoZPanelemPrawym()->uaktualnijSzerokoscPanelaPrawego();
    ASSERT_EQ(pierwszy->ustawieniaKarty()->szerokoscPanelaPrawego(), 260.0);

    KartaFasolki *druga = przegladarka->nowaKartaFasolki(fasolka);
    QCoreApplication::processEvents();
    EXPECT_NEAR(druga->kontrolerKartyFasolki()->kontrolerWidokuRozdzielonegoZPanelemPrawym()->szerokoscPanelaPrawego(),
                260.0, 1.0);
}
