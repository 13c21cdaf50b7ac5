#include "Browser/KartaFasolki.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Browser/TabKit/TabStripView.h"
#include "Model/Fasolka.h"
#include "Model/StosCoreData.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Widgets/ZieloneZaznaczenie.h"

#include "Support/ZrzutOkna.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

// A portfolio tab and a bean tab opened through the factory in one window on a real X server;
// the screenshots, active and inactive, are for people to look at.
TEST(KartyNaBiurkuXvfbTest, ABeanTabLiesOnCardboardBesideAPortfolioTab)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    WindowRegistry::instance();
    ZieloneZaznaczenie::zastosujDoPaletyAplikacji();

    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    auto *fasolka = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
    fasolka->setNazwaWPamieci(QStringLiteral("Garden shed"));
    fasolka->setIkona(ObrazyAplikacji::ikona(QStringLiteral("Fasolka.icns")));
    przegladarka->nowaKartaFasolki(fasolka);
    BrowserWindow *okno = przegladarka->windowController()->window();
    okno->resize(720, 420);
    okno->move(0, 0);
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno));
    const QImage aktywne = zrzutOkna(okno, QStringLiteral("bean-tab-active.png"));

    // Another browser window becomes the active and main one.
    PrzegladarkaTarrowind *inna = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    BrowserWindow *innaOkno = inna->windowController()->window();
    innaOkno->move(800, 600);
    innaOkno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(innaOkno));
    const QImage nieaktywne = zrzutOkna(okno, QStringLiteral("bean-tab-inactive.png"));

    // Right of the selected ear's right flank its shadow falls, in the active window only.
    const QRect ucho = przegladarka->windowController()->tabStripView()->tabFrames().at(1);
    const QPoint cien = przegladarka->windowController()->tabStripView()->mapTo(okno, ucho.topRight()) + QPoint(-3, 16);
    EXPECT_LT(qGray(aktywne.pixel(cien)), qGray(nieaktywne.pixel(cien)));
}
