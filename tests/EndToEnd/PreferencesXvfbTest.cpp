#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/ChangePortfolioLocationController.h"
#include "App/ChangePortfolioLocationPanel.h"
#include "App/KontrolerOknaOProgramie.h"
#include "App/PreferencesWindowController.h"
#include "App/TarrowindAppDelegate.h"
#include "Model/BazaFasolek.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Platform/BundleInfo.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"
#include "Support/ZrzutOkna.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

TEST(PreferencesXvfbTest, PreferencesWithTheChangeSheetAndAboutOnARealDisplay)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    NagrywarkaAlertow alerty;
    NagrywarkaWyboruKatalogu wybor;
    KatalogTestowy dir;
    // After the first run of the same process: a graph of its own.
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    const QString baza = dir.katalog(QStringLiteral("Projekty"));
    GeneratorPortfolio::zbuduj(baza, {3, 10, 2, 2, 2});
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza));
    BazaFasolek::sharedBazaFasolek();
    BundleInfo::replaceForTests({{QLatin1String(BundleInfo::shortVersionKey), QStringLiteral("1.3")},
                                 {QLatin1String(BundleInfo::versionKey), QStringLiteral("42")}});

    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    delegat.otworzPreferencje(nullptr);
    PreferencesWindowController &preferencje = *delegat.kontrolerOknaPreferencji();
    preferencje.window()->move(100, 100);

    const QString nowe = dir.katalog(QStringLiteral("Dokumenty/bardzo dluga nazwa folderu, ktory lezy gleboko "
                                                    "w drzewie katalogow uzytkownika/Nowe miejsce"));
    wybor.dodajOdpowiedz(nowe);
    preferencje.openChangePortfolioLocationPanel(nullptr);
    ChangePortfolioLocationPanel &panel = *preferencje.changePortfolioLocationController->panel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.isVisible(); }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QImage arkusz = zrzutOkien({preferencje.window(), &panel}, QStringLiteral("preferences-change-sheet.png"));
    EXPECT_FALSE(arkusz.isNull());
    EXPECT_LE(panel.width(), 520) << "a long path must not widen the sheet";
    EXPECT_EQ(panel.findChild<QLabel *>(QStringLiteral("selectedPortfolioLocationLabel"))->text(),
              nowe + QStringLiteral("/Tarrowind"));

    delegat.otworzPanelOProgramie(nullptr);
    QWidget *oProgramie = delegat.kontrolerOknaOProgramie()->window();
    oProgramie->move(700, 100);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(oProgramie));
    const QImage about = zrzutOkien({oProgramie}, QStringLiteral("about.png"));
    EXPECT_GT(about.pixelColor(10, about.height() - 60).lightness(), 200) << "the ruled paper";
    EXPECT_EQ(delegat.kontrolerOknaOProgramie()->poleWersja->text(), QStringLiteral("Version 1.3 (42)"));
}
