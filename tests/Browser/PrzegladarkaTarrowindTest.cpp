#include "OknaTarrowind.h"

#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/TabDragController.h"
#include "Browser/TabKit/TabStripModel.h"
#include "Browser/TabKit/TabStripView.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/StosCoreData.h"
#include "Platform/Konsola.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QPointer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class Fabryka : public ::testing::Test
{
protected:
    void SetUp() override { WindowRegistry::instance(); }

    static Fasolka *fasolka(const QString &nazwa)
    {
        auto *wynik = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
        wynik->setNazwaWPamieci(nazwa);
        wynik->setIkona(ObrazyAplikacji::ikona(QStringLiteral("Fasolka.icns")));
        return wynik;
    }

    static Potok *potok(const QString &nazwa)
    {
        auto *wynik = StosCoreData::kontekstOZ()->wstaw<Potok>();
        wynik->setNazwaWPamieci(nazwa);
        return wynik;
    }

    // One shown window of ours with one tab of `rodzaj`.
    static void oczekujJednejKarty(PrzegladarkaTarrowind *przegladarka, std::int32_t rodzaj)
    {
        ASSERT_NE(przegladarka, nullptr);
        auto *kontroler = qobject_cast<KontrolerOknaPrzegladarkiTarrowind *>(przegladarka->windowController());
        ASSERT_NE(kontroler, nullptr);
        EXPECT_TRUE(kontroler->window()->isVisible());
        ASSERT_EQ(przegladarka->tabCount(), 1);
        auto *karta = qobject_cast<ZawartoscKarty *>(przegladarka->activeTabContents());
        ASSERT_NE(karta, nullptr);
        EXPECT_EQ(karta->rodzajKarty(), rodzaj);
        EXPECT_EQ(PrzegladarkaTarrowind::przegladarkaDlaOkna(kontroler->window()), przegladarka);
    }
};

} // namespace

TEST_F(Fabryka, EachWindowFactoryOpensOneShownWindowWithOneTabOfItsKind)
{
    Potok *glowny = potok(QStringLiteral("Main Flow"));
    Fasolka *plan = fasolka(QStringLiteral("Plan"));

    oczekujJednejKarty(PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio(), ZawartoscKarty::rodzajKartaPortfolio);
    oczekujJednejKarty(PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(6, true),
                       ZawartoscKarty::rodzajKartaPortfolio);
    oczekujJednejKarty(PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiem(glowny),
                       ZawartoscKarty::rodzajKartaPortfolio);
    oczekujJednejKarty(PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(glowny, plan),
                       ZawartoscKarty::rodzajKartaPortfolio);

    PrzegladarkaTarrowind *zFasolka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(plan);
    oczekujJednejKarty(zFasolka, ZawartoscKarty::rodzajKartaFasolki);
    KartaFasolki *karta = zFasolka->wybranaKartaFasolki();
    ASSERT_NE(karta, nullptr);
    EXPECT_EQ(zFasolka->wybranaKartaPortfolio(), nullptr);
    EXPECT_EQ(karta->fasolka(), plan);
    EXPECT_EQ(karta->kontrolerKartyFasolki()->fasolka(), plan)
        << "the bean reaches the controller before the tab is added";
    EXPECT_EQ(karta->kontrolerKartyFasolki()->kartaFasolki(), karta);
    EXPECT_EQ(karta->title(), QStringLiteral("Plan"));
    EXPECT_EQ(karta->icon().cacheKey(), plan->ikona().cacheKey());

    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 5);
}

TEST_F(Fabryka, AFlowOfNoneOpensNothing)
{
    const int widgetyPrzed = int(QApplication::topLevelWidgets().size());
    EXPECT_EQ(PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(
                  nullptr, fasolka(QStringLiteral("Plan"))),
              nullptr);
    EXPECT_EQ(PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiem(nullptr), nullptr);
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), widgetyPrzed);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());
}

TEST_F(Fabryka, TabFactoriesAddOneActiveTabEachAndTheLookUpsFollowTheActiveOne)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    KartaPortfolio *pierwsza = przegladarka->wybranaKartaPortfolio();
    ASSERT_NE(pierwsza, nullptr);
    // It opens on the remembered element, "Main Flow" by default.
    EXPECT_EQ(pierwsza->title(), QStringLiteral("Flow: Main Flow"));
    EXPECT_EQ(pierwsza->kontrolerKartyPortfolio()->kartaPortfolio(), pierwsza);
    EXPECT_EQ(pierwsza->view(), pierwsza->kontrolerKartyPortfolio()->loadedView());

    KartaFasolki *fasolki = przegladarka->nowaKartaFasolki(fasolka(QStringLiteral("Plan")));
    EXPECT_EQ(przegladarka->tabCount(), 2);
    EXPECT_EQ(przegladarka->wybranaKartaFasolki(), fasolki);
    EXPECT_EQ(przegladarka->wybranaKartaPortfolio(), nullptr) << "the active tab is a bean tab";

    KartaPortfolio *zWidokiem = przegladarka->nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(3, false);
    KartaPortfolio *zPotokiem = przegladarka->nowaKartaPortfolioZPotokiem(potok(QStringLiteral("Home")));
    KartaPortfolio *zFasolka =
        przegladarka->nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(potok(QStringLiteral("Work")), fasolki->fasolka());
    EXPECT_EQ(przegladarka->tabCount(), 5);
    EXPECT_EQ(przegladarka->wybranaKartaPortfolio(), zFasolka);
    EXPECT_EQ(przegladarka->wybranaKartaFasolki(), nullptr);
    for (KartaPortfolio *karta : {zWidokiem, zPotokiem, zFasolka})
        EXPECT_EQ(karta->rodzajKarty(), ZawartoscKarty::rodzajKartaPortfolio);

    przegladarka->selectTabAtIndex(przegladarka->indexOfTabContents(fasolki));
    EXPECT_EQ(przegladarka->wybranaKartaFasolki(), fasolki);
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1) << "tab factories open no window";
}

TEST_F(Fabryka, ABeanTabWithoutABeanShowsTheGenericTitleAndIcon)
{
    KartaFasolki karta;
    EXPECT_EQ(karta.rodzajKarty(), ZawartoscKarty::rodzajKartaFasolki);
    EXPECT_EQ(karta.title(), QStringLiteral("Bean ..."));

    Fasolka *plan = fasolka(QStringLiteral("Plan"));
    karta.setFasolka(plan);
    EXPECT_EQ(karta.title(), QStringLiteral("Plan"));
    karta.setFasolka(nullptr);
    EXPECT_EQ(karta.title(), QStringLiteral("Bean ..."));
    EXPECT_EQ(karta.fasolka(), nullptr);
    EXPECT_FALSE(karta.icon().isNull());
    EXPECT_EQ(karta.kontrolerKartyFasolki()->fasolka(), nullptr);
}

TEST_F(Fabryka, TheMainBrowserIsTheLastActivatedVisibleBrowserWindow)
{
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), nullptr);
    PrzegladarkaTarrowind *pierwsza = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    PrzegladarkaTarrowind *druga =
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(fasolka(QStringLiteral("Plan")));
    QWidget *oknoPierwszej = pierwsza->windowController()->window();
    QWidget *oknoDrugiej = druga->windowController()->window();
    ASSERT_TRUE(aktywuj(oknoDrugiej));
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), druga);

    // Another kind of window in front does not count.
    QWidget inne;
    ASSERT_TRUE(aktywuj(&inne));
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), druga);
    EXPECT_EQ(PrzegladarkaTarrowind::przegladarkaDlaOkna(&inne), nullptr);

    ASSERT_TRUE(aktywuj(oknoPierwszej));
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), pierwsza);
    oknoPierwszej->showMinimized();
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), druga);
    oknoDrugiej->hide();
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), nullptr);

    QWidget *widokKarty = pierwsza->activeTabContents()->view();
    EXPECT_EQ(PrzegladarkaTarrowind::przegladarkaDlaWidoku(widokKarty), pierwsza);
    EXPECT_EQ(PrzegladarkaTarrowind::przegladarkaDlaWidoku(nullptr), nullptr);
    EXPECT_EQ(PrzegladarkaTarrowind::przegladarkaDlaOkna(nullptr), nullptr);
}

TEST_F(Fabryka, ABlankTabIsAPortfolioTabUnlessItIsBasedOnAnotherTab)
{
    QStringList linie;
    Konsola::ustawWyjscie([&linie](const QByteArray &linia) { linie << QString::fromUtf8(linia).trimmed(); });
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();

    std::unique_ptr<TabContents> pusta = przegladarka->createBlankTabBasedOn(nullptr);
    ASSERT_TRUE(qobject_cast<KartaPortfolio *>(pusta.get()));
    EXPECT_EQ(przegladarka->createBlankTabBasedOn(przegladarka->activeTabContents()), nullptr);
    EXPECT_EQ(linie, (QStringList{QStringLiteral("createBlankTabBasedOn:"), QStringLiteral("createBlankTabBasedOn:"),
                                  QStringLiteral("baseContents.title = Flow: Main Flow")}));
    Konsola::ustawWyjscie({});

    // The strip's new-tab button asks for one.
    przegladarka->windowController()->tabStripView()->newTabButton()->click();
    ASSERT_EQ(przegladarka->tabCount(), 2);
    EXPECT_NE(przegladarka->wybranaKartaPortfolio(), nullptr);
}

TEST_F(Fabryka, ATabMovedToAnotherWindowKeepsItsViewTitleAndController)
{
    Fasolka *plan = fasolka(QStringLiteral("Plan"));
    PrzegladarkaTarrowind *zrodlo = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    KartaFasolki *karta = zrodlo->nowaKartaFasolki(plan);
    PrzegladarkaTarrowind *cel = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    QWidget *widok = karta->view();
    KontrolerKartyFasolki *kontroler = karta->kontrolerKartyFasolki();

    ASSERT_TRUE(TabDragController::moveTab(karta, cel, 0));
    EXPECT_EQ(zrodlo->tabCount(), 1);
    ASSERT_EQ(cel->tabCount(), 2);
    EXPECT_EQ(cel->tabContentsAtIndex(0), karta);
    EXPECT_EQ(cel->wybranaKartaFasolki(), karta);
    EXPECT_EQ(karta->view(), widok);
    EXPECT_EQ(karta->title(), QStringLiteral("Plan"));
    EXPECT_EQ(karta->kontrolerKartyFasolki(), kontroler);
    EXPECT_EQ(kontroler->fasolka(), plan);
    EXPECT_EQ(PrzegladarkaTarrowind::przegladarkaDlaWidoku(widok), cel);

    // The portfolio tab goes the other way just the same.
    auto *portfolio = qobject_cast<KartaPortfolio *>(cel->tabContentsAtIndex(1));
    ASSERT_NE(portfolio, nullptr);
    KontrolerKartyPortfolio *kontrolerPortfolio = portfolio->kontrolerKartyPortfolio();
    ASSERT_TRUE(TabDragController::moveTab(portfolio, zrodlo, 1));
    EXPECT_EQ(zrodlo->wybranaKartaPortfolio(), portfolio);
    EXPECT_EQ(portfolio->kontrolerKartyPortfolio(), kontrolerPortfolio);
    EXPECT_EQ(kontrolerPortfolio->kartaPortfolio(), portfolio);
}

TEST_F(Fabryka, ATornOffTabGetsAWindowOfTheProgramsOwnKind)
{
    PrzegladarkaTarrowind *zrodlo = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    KartaFasolki *karta = zrodlo->nowaKartaFasolki(fasolka(QStringLiteral("Plan")));
    Browser *oderwana = TabDragController::tearOffTab(karta, QPoint(200, 150));
    auto *nowa = qobject_cast<PrzegladarkaTarrowind *>(oderwana);
    ASSERT_NE(nowa, nullptr);
    ASSERT_NE(nowa, zrodlo);
    EXPECT_TRUE(qobject_cast<KontrolerOknaPrzegladarkiTarrowind *>(nowa->windowController()));
    EXPECT_EQ(nowa->wybranaKartaFasolki(), karta);
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 2);
}

TEST_F(Fabryka, ATabsViewGoesOnceAndBeforeItsControllerHoweverTheTabEnds)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    QList<KartaFasolki *> karty;
    for (const char *nazwa : {"Zamknieta", "Odlaczona", "W oknie"})
        karty << przegladarka->nowaKartaFasolki(fasolka(QString::fromUtf8(nazwa)));
    int widokiPrzedKontrolerem = 0;
    for (KartaFasolki *karta : karty) {
        QObject::connect(karta->view(), &QObject::destroyed,
                         [&widokiPrzedKontrolerem, kontroler = QPointer<QObject>(karta->kontrolerKartyFasolki())] {
                             widokiPrzedKontrolerem += kontroler ? 1 : 0;
                         });
    }

    // Closed from its strip, taken out of every window, and gone with its window.
    przegladarka->closeTabAtIndex(przegladarka->indexOfTabContents(karty[0]));
    wykonajOdlozoneUsuniecia();
    std::unique_ptr<TabContents> odlaczona =
        przegladarka->tabStripModel()->detachTabContentsAt(przegladarka->indexOfTabContents(karty[1]));
    EXPECT_EQ(odlaczona->view()->parent(), nullptr);
    odlaczona.reset();
    przegladarka->windowController()->window()->close();
    wykonajOdlozoneUsuniecia();
    EXPECT_EQ(widokiPrzedKontrolerem, 3) << "each view went once, while its controller was there";
}
