#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/KontrolerOknaOProgramie.h"
#include "App/PreferencesWindowController.h"
#include "App/TarrowindAppDelegate.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/BundleInfo.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

// Takes the links the program would hand to the web browser.
class OdbiorcaLinkow : public QObject
{
    Q_OBJECT

public:
    OdbiorcaLinkow() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "otworz"); }
    ~OdbiorcaLinkow() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QStringList linki;

public slots:
    void otworz(const QUrl &url) { linki << url.toString(QUrl::FullyEncoded); }
};

namespace {

struct Link
{
    const char *nazwa;
    Akcja akcja;
    bool zOknaOProgramie;
    const char *wersja;
    const char *url;
};

class Linki : public ::testing::TestWithParam<Link>
{
};

} // namespace

TEST_P(Linki, CarryThePathTheCallerAndTheVersion)
{
    const Link &l = GetParam();
    BundleInfo::replaceForTests({{QLatin1String(BundleInfo::shortVersionKey), QLatin1String(l.wersja)},
                                 {QLatin1String(BundleInfo::versionKey), QStringLiteral("42")}});
    OdbiorcaLinkow odbiorca;
    TarrowindAppDelegate delegat;
    if (l.zOknaOProgramie) {
        delegat.otworzPanelOProgramie(nullptr);
        delegat.kontrolerOknaOProgramie()->window()->findChild<QPushButton *>(QStringLiteral("witrynaButton"))->click();
    } else {
        ASSERT_TRUE(LancuchResponderow::sendAction(l.akcja, &delegat, nullptr));
    }
    EXPECT_EQ(odbiorca.linki, QStringList{QLatin1String(l.url)});
}

INSTANTIATE_TEST_SUITE_P(
    PreferencesAndAbout, Linki,
    ::testing::Values(
        Link{"Website", Akcja::otworzWitryneTarrowind, false, "1.3",
             "https://tarrowind.example/"
             "?utm_source=tarrowind-app-fs&utm_medium=menu-help-website&utm_campaign=version-1.3"},
        Link{"Support", Akcja::otworzStronePomocy, false, "1.3",
             "https://tarrowind.example/support/"
             "?utm_source=tarrowind-app-fs&utm_medium=menu-help-support&utm_campaign=version-1.3"},
        Link{"ChangelogOfAVersionWithABlank", Akcja::otworzStroneChangeloga, false, "1.3 beta",
             "https://tarrowind.example/changelog/"
             "?utm_source=tarrowind-app-fs&utm_medium=menu-help-changelog&utm_campaign=version-1.3%20beta"},
        Link{"AboutWindowsSiteButton", Akcja::otworzWitryneTarrowind, true, "1.3",
             "https://tarrowind.example/"
             "?utm_source=tarrowind-app-fs&utm_medium=window-about-website&utm_campaign=version-1.3"}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

TEST(PreferencesAndAbout, AboutShowsTheVersionAndBuildAndBothWindowsAreMadeOnceAndOnlyHidden)
{
    BundleInfo::replaceForTests({{QLatin1String(BundleInfo::shortVersionKey), QStringLiteral("1.3")},
                                 {QLatin1String(BundleInfo::versionKey), QStringLiteral("42")}});
    TarrowindAppDelegate delegat;
    EXPECT_EQ(delegat.kontrolerOknaOProgramie(), nullptr);
    EXPECT_EQ(delegat.kontrolerOknaPreferencji(), nullptr);
    delegat.otworzPanelOProgramie(nullptr);
    delegat.otworzPreferencje(nullptr);
    KontrolerOknaOProgramie *oProgramie = delegat.kontrolerOknaOProgramie();
    PreferencesWindowController *preferencje = delegat.kontrolerOknaPreferencji();
    EXPECT_EQ(oProgramie->poleWersja->text(), QStringLiteral("Version 1.3 (42)"));

    EXPECT_TRUE(oProgramie->window()->close());
    EXPECT_TRUE(preferencje->window()->close());
    delegat.otworzPanelOProgramie(nullptr);
    delegat.otworzPreferencje(nullptr);
    EXPECT_EQ(delegat.kontrolerOknaOProgramie(), oProgramie);
    EXPECT_EQ(delegat.kontrolerOknaPreferencji(), preferencje);
    EXPECT_TRUE(oProgramie->window()->isVisible());
    EXPECT_TRUE(preferencje->window()->isVisible());
}

namespace {

struct Zamykanie
{
    const char *nazwa;
    bool zOknami;
    int odpowiedz;
    int pytania;
    int oknaPo;
    bool wyborKatalogu;
};

class ZamykanieOkien : public ::testing::TestWithParam<Zamykanie>
{
};

} // namespace

TEST_P(ZamykanieOkien, BeforeAChangeTheBrowserWindowsCloseOnlyWhenTheUserSaysSo)
{
    const Zamykanie &z = GetParam();
    NagrywarkaAlertow alerty({z.odpowiedz});
    NagrywarkaWyboruKatalogu wybor;
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    QList<QPointer<BrowserWindow>> okna;
    if (z.zOknami) {
        for (int i = 0; i < 3; ++i) {
            okna << PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio()->windowController()->window();
            aktywuj(okna.last());
        }
        okna.first()->showMinimized();
    }
    delegat.otworzPreferencje(nullptr);
    PreferencesWindowController *preferencje = delegat.kontrolerOknaPreferencji();
    preferencje->openChangePortfolioLocationPanel(nullptr);
    // The change ends on later turns; a loaded machine needs more of them.
    // What did not come, the checks below name.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            wykonajOdlozoneUsuniecia();
            return alerty.wpisy().size() == z.pytania && wybor.wpisy().size() == (z.wyborKatalogu ? 1 : 0)
                   && menu.canOpenNewWindow() && widoczneOknaPrzegladarki().size() == (z.wyborKatalogu ? 1 : 3);
        },
        5000));
    wykonajOdlozoneUsuniecia();

    EXPECT_EQ(alerty.wpisy().size(), z.pytania);
    if (z.pytania) {
        EXPECT_EQ(alerty.wpisy().first().alert.buttons(),
                  (QStringList{QStringLiteral("Close windows"), QStringLiteral("Cancel")}));
        EXPECT_EQ(alerty.wpisy().first().okno, preferencje->window());
    }
    EXPECT_EQ(okna.size() - okna.count(nullptr), z.oknaPo);
    EXPECT_EQ(wybor.wpisy().size(), z.wyborKatalogu ? 1 : 0);
    // A chooser cancelled ends the change, and one window comes back in place of those closed.
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), z.wyborKatalogu ? 1 : 3);
    EXPECT_TRUE(menu.canOpenNewWindow());
}

INSTANTIATE_TEST_SUITE_P(
    PreferencesAndAbout, ZamykanieOkien,
    ::testing::Values(Zamykanie{"CloseWindowsClosesTwoVisibleAndOneMinimised", true, Alert::firstButton, 1, 0, true},
                      Zamykanie{"CancelClosesNone", true, Alert::firstButton + 1, 1, 3, false},
                      Zamykanie{"WithNoneOpenNothingIsAsked", false, Alert::firstButton, 0, 0, true}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

TEST(PreferencesAndAbout, CommandsThatNeedAMainBrowserDoNothingWithoutOneAndNoWindowOpensWhileForbidden)
{
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    const auto wlaczone = [&](Akcja akcja) { return LancuchResponderow::zwaliduj(ElementInterfejsu(akcja), &delegat); };
    for (Akcja akcja : {Akcja::zamknijKarte, Akcja::wybierzNastepnaKarte, Akcja::nowaKartaPortfolio,
                        Akcja::przejdzDoPoprzedniegoWidoku, Akcja::przejdzDoWyszukiwarki}) {
        EXPECT_FALSE(wlaczone(akcja)) << nazwaSelektora(akcja).toStdString();
        LancuchResponderow::sendAction(akcja, &delegat, nullptr);
    }
    menu.setCanOpenNewWindow(false);
    EXPECT_FALSE(wlaczone(Akcja::noweOknoZKartaPortfolio));
    delegat.noweOknoZKartaPortfolio(nullptr);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());

    menu.setCanOpenNewWindow(true);
    delegat.noweOknoZKartaPortfolio(nullptr);
    ASSERT_EQ(widoczneOknaPrzegladarki().size(), 1);
    ASSERT_TRUE(aktywuj(widoczneOknaPrzegladarki().first()));
    delegat.nowaKartaPortfolio(nullptr);
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka()->tabCount(), 2);
}

#include "PreferencesAndAboutTest.moc"
