#include "App/TarrowindAppDelegate.h"
#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/KreatorKonfiguracji.h"
#include "App/OfertaPrzeniesieniaAplikacji.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Platform/UserDefaults.h"

#include "Browser/OknaTarrowind.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What the start-up saw, step by step.
struct Przebieg
{
    QStringList kroki;
    QList<bool> flagi;
};

class OfertaTestowa : public OfertaPrzeniesieniaAplikacji
{
public:
    OfertaTestowa(Przebieg &przebieg, KontrolerAkcjeNaMenuGlownym &menu, bool przeniesiona)
        : m_przebieg(przebieg)
        , m_menu(menu)
        , m_przeniesiona(przeniesiona)
    {
    }
    bool zaproponujPrzeniesienie() override
    {
        m_przebieg.kroki << QStringLiteral("oferta");
        m_przebieg.flagi << m_menu.canOpenNewWindow();
        return m_przeniesiona;
    }

private:
    Przebieg &m_przebieg;
    KontrolerAkcjeNaMenuGlownym &m_menu;
    bool m_przeniesiona;
};

class KreatorTestowy : public KreatorKonfiguracji
{
public:
    KreatorTestowy(Przebieg &przebieg, KontrolerAkcjeNaMenuGlownym &menu, bool potrzebny)
        : m_przebieg(przebieg)
        , m_menu(menu)
        , m_potrzebny(potrzebny)
    {
    }
    bool czyPokazacKreatorKonfiguracji() override
    {
        m_przebieg.kroki << QStringLiteral("czy kreator");
        m_przebieg.flagi << m_menu.canOpenNewWindow();
        return m_potrzebny;
    }
    void pokazKreatorKonfiguracji(std::function<void(bool)> zakonczenie) override
    {
        m_przebieg.kroki << QStringLiteral("kreator");
        m_przebieg.flagi << m_menu.canOpenNewWindow();
        m_okna = int(widoczneOknaPrzegladarki().size());
        *m_zakonczenie = std::move(zakonczenie);
    }
    bool applicationShouldTerminate() override
    {
        m_przebieg.kroki << QStringLiteral("czy zakonczyc");
        return m_moznaZakonczyc;
    }

    bool m_moznaZakonczyc = true;
    std::shared_ptr<std::function<void(bool)>> m_zakonczenie = std::make_shared<std::function<void(bool)>>();
    int m_okna = -1;

private:
    Przebieg &m_przebieg;
    KontrolerAkcjeNaMenuGlownym &m_menu;
    bool m_potrzebny;
};

class Uruchamianie : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WindowRegistry::instance();
        delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    }

    // Installs a wizard and answers the handle through which the test ends it.
    std::shared_ptr<std::function<void(bool)>> zKreatorem(bool potrzebny)
    {
        auto kreator = std::make_unique<KreatorTestowy>(przebieg, menu, potrzebny);
        kreatorTestowy = kreator.get();
        auto zakonczenie = kreator->m_zakonczenie;
        delegat.setKreatorKonfiguracji(std::move(kreator));
        return zakonczenie;
    }

    Przebieg przebieg;
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    KreatorTestowy *kreatorTestowy = nullptr;
};

} // namespace

TEST_F(Uruchamianie, WithAPortfolioKnownOpensExactlyOneWindowWithOnePortfolioTab)
{
    zKreatorem(false);
    delegat.setOfertaPrzeniesieniaAplikacji(std::make_unique<OfertaTestowa>(przebieg, menu, false));
    EXPECT_TRUE(menu.canOpenNewWindow());
    delegat.applicationDidFinishLaunching();

    EXPECT_EQ(przebieg.kroki, (QStringList{QStringLiteral("oferta"), QStringLiteral("czy kreator")}));
    EXPECT_EQ(przebieg.flagi, (QList<bool>{true, true}));
    EXPECT_TRUE(menu.canOpenNewWindow());
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Dziala);
    oczekujJednegoOknaZKartaPortfolio();
    EXPECT_TRUE(QApplication::quitOnLastWindowClosed()) << "from now on the last window closing ends the program";

    // Launching is a one-time event.
    delegat.applicationDidFinishLaunching();
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
}

TEST_F(Uruchamianie, WithoutOfferOrWizardTheFirstWindowOpensAtOnce)
{
    delegat.applicationDidFinishLaunching();
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Dziala);
    oczekujJednegoOknaZKartaPortfolio();
}

TEST_F(Uruchamianie, TheWizardRunsWithNewWindowsForbiddenAndASuccessOpensOneWindow)
{
    auto zakonczenie = zKreatorem(true);
    delegat.applicationDidFinishLaunching();

    EXPECT_EQ(przebieg.kroki, (QStringList{QStringLiteral("czy kreator"), QStringLiteral("kreator")}));
    EXPECT_EQ(przebieg.flagi, (QList<bool>{true, false})) << "the flag is cleared before the wizard shows";
    EXPECT_FALSE(menu.canOpenNewWindow());
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::KreatorPokazany);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed()) << "the wizard's window closing must not end the program";

    (*zakonczenie)(true);
    EXPECT_TRUE(menu.canOpenNewWindow());
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Dziala);
    oczekujJednegoOknaZKartaPortfolio();

    // A wizard that reports twice opens no second window.
    (*zakonczenie)(true);
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
}

TEST_F(Uruchamianie, AWizardEndingWithoutAPortfolioEndsTheProgram)
{
    auto zakonczenie = zKreatorem(true);
    delegat.applicationDidFinishLaunching();
    (*zakonczenie)(false);
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Konczenie);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());
    EXPECT_FALSE(menu.canOpenNewWindow());

    (*zakonczenie)(true);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty()) << "an ending program opens nothing";
}

TEST_F(Uruchamianie, AnAcceptedMoveEndsTheRunBeforeTheWizardIsAsked)
{
    zKreatorem(true);
    delegat.setOfertaPrzeniesieniaAplikacji(std::make_unique<OfertaTestowa>(przebieg, menu, true));
    delegat.applicationDidFinishLaunching();
    EXPECT_EQ(przebieg.kroki, QStringList{QStringLiteral("oferta")});
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Konczenie);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());
}

TEST_F(Uruchamianie, QuittingWritesTheUserDefaultsToDisk)
{
    UserDefaults &ustawienia = UserDefaults::standard();
    ustawienia.setObject(QStringLiteral("KartaPortfolio.wybranyWidok"), QStringLiteral("All Beans"));
    delegat.applicationWillTerminate();
    QSettings naDysku(ustawienia.fileName(), QSettings::IniFormat);
    EXPECT_EQ(naDysku.value(QStringLiteral("KartaPortfolio.wybranyWidok")).toString(), QStringLiteral("All Beans"));
}

class PonowneOtwarcie : public Uruchamianie
{
protected:
    void SetUp() override
    {
        Uruchamianie::SetUp();
        delegat.applicationDidFinishLaunching();
    }
};

TEST_F(PonowneOtwarcie, AVisibleBrowserWindowMeansNothingIsDone)
{
    ASSERT_EQ(widoczneOknaPrzegladarki().size(), 1);
    EXPECT_FALSE(delegat.applicationShouldHandleReopenHasVisibleWindows(true));
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);

    // Another window of the program does not count: it has no menu bar that could bring the browser
    // window back.
    widoczneOknaPrzegladarki().first()->showMinimized();
    QWidget inne;
    inne.show();
    delegat.applicationShouldHandleReopenHasVisibleWindows(true);
    EXPECT_FALSE(widoczneOknaPrzegladarki().first()->isMinimized());
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
}

TEST_F(PonowneOtwarcie, ALaunchWhileAnotherWindowHasTheKeyboardBringsTheMainWindowForward)
{
    BrowserWindow *glowne = widoczneOknaPrzegladarki().first();
    ASSERT_TRUE(QTest::qWaitForWindowActive(glowne));
    // A window of ours other than a browser window has the keyboard last.
    QWidget inne;
    inne.show();
    inne.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inne));

    EXPECT_FALSE(delegat.applicationShouldHandleReopenHasVisibleWindows(true));
    EXPECT_TRUE(QTest::qWaitForWindowActive(glowne)) << "the main browser window, not the last active window";
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1) << "nothing opens";
}

TEST_F(PonowneOtwarcie, ALaunchKeepsTheMainWindowsSheetInFrontWithTheKeyboard)
{
    BrowserWindow *glowne = widoczneOknaPrzegladarki().first();
    QDialog arkusz(glowne);
    arkusz.setWindowModality(Qt::WindowModal);
    arkusz.show();
    QWidget inne;
    inne.show();
    inne.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inne));

    delegat.applicationShouldHandleReopenHasVisibleWindows(true);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&arkusz));
}

TEST_F(Uruchamianie, OnlyTheShownWizardIsAskedWhetherTheProgramMayQuit)
{
    auto zakonczenie = zKreatorem(true);
    bool &moznaZakonczyc = kreatorTestowy->m_moznaZakonczyc;
    moznaZakonczyc = false;
    EXPECT_TRUE(delegat.applicationShouldTerminate()) << "before the wizard shows, nothing holds the program";
    delegat.applicationDidFinishLaunching();
    przebieg.kroki.clear();

    EXPECT_FALSE(delegat.applicationShouldTerminate());
    moznaZakonczyc = true;
    EXPECT_TRUE(delegat.applicationShouldTerminate());
    EXPECT_EQ(przebieg.kroki, (QStringList{QStringLiteral("czy zakonczyc"), QStringLiteral("czy zakonczyc")}));

    (*zakonczenie)(true);
    moznaZakonczyc = false;
    EXPECT_TRUE(delegat.applicationShouldTerminate()) << "a finished wizard has no say";
    EXPECT_EQ(przebieg.kroki.size(), 2);
}

TEST_F(PonowneOtwarcie, OfTwoMinimisedWindowsTheFrontOneComesBackAndNothingOpens)
{
    BrowserWindow *pierwsze = widoczneOknaPrzegladarki().first();
    BrowserWindow *drugie = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio()->windowController()->window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(drugie));
    pierwsze->showMinimized();
    drugie->showMinimized();
    ASSERT_TRUE(WindowRegistry::instance().visibleWindows().isEmpty());

    EXPECT_FALSE(delegat.applicationShouldHandleReopenHasVisibleWindows(false));
    EXPECT_FALSE(drugie->isMinimized()) << "the front one in window order";
    EXPECT_TRUE(pierwsze->isMinimized());
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 2);
}

TEST_F(PonowneOtwarcie, WithNoWindowANewBrowserWindowOpens)
{
    widoczneOknaPrzegladarki().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget ukryte;
    ukryte.show();
    ukryte.hide();
    ASSERT_TRUE(widoczneOknaPrzegladarki().isEmpty());

    EXPECT_FALSE(delegat.applicationShouldHandleReopenHasVisibleWindows(false));
    oczekujJednegoOknaZKartaPortfolio();
}

TEST_F(Uruchamianie, NoBrowserWindowOpensOnAReopenWhileTheWizardRuns)
{
    zKreatorem(true);
    delegat.applicationDidFinishLaunching();
    EXPECT_FALSE(delegat.applicationShouldHandleReopenHasVisibleWindows(false));
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());
}
