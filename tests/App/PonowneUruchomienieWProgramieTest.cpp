// A second launch and the small windows, in the program as `main` starts it: a launch with no browser
// window visible brings one back, Preferences and About close from the keyboard, and every window
// carries the launcher entry's icon.

#include "Support/Ui/UruchomionyProgram.h"

#include "App/KontrolerOknaOProgramie.h"
#include "App/PreferencesWindowController.h"
#include "App/UslugaAktywacji.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/TokenAktywacji.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QDBusConnection>
#include <QMenuBar>

#include <functional>

namespace {

class PonowneUruchomienieWProgramie : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        UruchomionyProgram::SetUp();
        if (HasFatalFailure())
            return;
        m_uruchomienie->sluchajPonownegoUruchomienia(m_usluga);
    }

    // The item of the menu bar that gives `akcja`, the menus prepared as opening them does.
    PozycjaMenu *pozycjaMenu(Akcja akcja) const
    {
        PozycjaMenu *znaleziona = nullptr;
        std::function<void(QMenu *)> szukaj = [&](QMenu *menu) {
            if (auto *nasze = qobject_cast<Menu *>(menu))
                nasze->przygotujDoPokazania();
            for (QAction *element : menu->actions()) {
                if (auto *pozycja = qobject_cast<PozycjaMenu *>(element); pozycja && pozycja->akcja() == akcja)
                    znaleziona = pozycja;
                if (element->menu())
                    szukaj(element->menu());
            }
        };
        for (QAction *element : m_okno->menuBar()->actions())
            szukaj(element->menu());
        return znaleziona;
    }

    // Preferences by its key, About by its item in the Help menu; answers the window.
    QWidget *otworzOkno(bool preferencje)
    {
        if (preferencje) {
            QTest::keyClick(m_okno, Qt::Key_Comma, Qt::ControlModifier);
        } else {
            PozycjaMenu *oProgramie = pozycjaMenu(Akcja::otworzPanelOProgramie);
            if (!oProgramie || !oProgramie->isEnabled())
                return nullptr;
            oProgramie->trigger();
        }
        TarrowindAppDelegate &delegat = m_uruchomienie->delegat();
        QWidget *okno =
            preferencje ? (delegat.kontrolerOknaPreferencji() ? delegat.kontrolerOknaPreferencji()->window() : nullptr)
                        : (delegat.kontrolerOknaOProgramie() ? delegat.kontrolerOknaOProgramie()->window() : nullptr);
        return okno && QTest::qWaitForWindowActive(okno) ? okno : nullptr;
    }

    // Another launch hands over, as through the bus, with the launcher's token.
    void drugieUruchomienie(const QString &token) { emit m_usluga.aktywowana({{TokenAktywacji::kluczTokenu, token}}); }

    // Close Window, from the browser window's own keys, leaves only Preferences or About; then the
    // program is launched again.
    void zostawSamoMaleOknoIUruchomPonownie(bool preferencje)
    {
        QWidget *okno = otworzOkno(preferencje);
        ASSERT_NE(okno, nullptr);
        ASSERT_TRUE(aktywuj(m_okno));
        QTest::keyClick(m_okno, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        wykonajOdlozoneUsuniecia();
        ASSERT_TRUE(widoczneOknaPrzegladarki().isEmpty());
        ASSERT_TRUE(okno->isVisible());

        drugieUruchomienie(QStringLiteral("token-z-panelu"));
        ASSERT_NO_FATAL_FAILURE(oczekujJednegoOknaZKartaPortfolio());
        m_okno = widoczneOknaPrzegladarki().first();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_okno)) << "the new window takes the keyboard";
        // Off X11 the token goes where Qt's Wayland activation takes it.
        EXPECT_EQ(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), QStringLiteral("token-z-panelu"));
        EXPECT_TRUE(okno->isVisible()) << "the small window stays";
    }

    UslugaAktywacji m_usluga{QDBusConnection(QStringLiteral("bez szyny"))};
};

} // namespace

TEST_F(PonowneUruchomienieWProgramie, WithOnlyPreferencesLeftALaunchOpensABrowserWindowWithTheToken)
{
    zostawSamoMaleOknoIUruchomPonownie(true);
}

TEST_F(PonowneUruchomienieWProgramie, WithOnlyAboutLeftALaunchOpensABrowserWindowWithTheToken)
{
    zostawSamoMaleOknoIUruchomPonownie(false);
}

TEST_F(PonowneUruchomienieWProgramie, AMinimisedBrowserWindowBesidePreferencesComesBackAndNothingOpens)
{
    QWidget *preferencje = otworzOkno(true);
    ASSERT_NE(preferencje, nullptr);
    m_okno->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_okno->isMinimized(); }, 2000));

    drugieUruchomienie(QStringLiteral("token-min"));
    EXPECT_FALSE(m_okno->isMinimized());
    EXPECT_EQ(widoczneOknaPrzegladarki(), QList<BrowserWindow *>{m_okno}) << "nothing new opens";
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_okno));
}

TEST_F(PonowneUruchomienieWProgramie, AVisibleBrowserWindowComesForwardOverPreferencesAndNothingOpens)
{
    QWidget *preferencje = otworzOkno(true);
    ASSERT_NE(preferencje, nullptr);
    drugieUruchomienie(QStringLiteral("token-przod"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_okno));
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
}

TEST_F(PonowneUruchomienieWProgramie, PreferencesAndAboutCloseWithCtrlWAndEscape)
{
    const struct
    {
        bool preferencje;
        QKeyCombination klawisz;
    } przypadki[] = {
        {true, Qt::CTRL | Qt::Key_W},
        {true, QKeyCombination(Qt::Key_Escape)},
        {false, Qt::CTRL | Qt::Key_W},
        {false, QKeyCombination(Qt::Key_Escape)},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(QStringLiteral("%1, %2")
                         .arg(p.preferencje ? QStringLiteral("Preferences") : QStringLiteral("About"),
                              QKeySequence(p.klawisz).toString())
                         .toStdString());
        QWidget *okno = otworzOkno(p.preferencje);
        ASSERT_NE(okno, nullptr);
        QWidget *fokus = QApplication::focusWidget();
        QTest::keyClick(fokus && fokus->window() == okno ? fokus : okno, p.klawisz.key(),
                        p.klawisz.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !okno->isVisible(); }, 2000));
        EXPECT_EQ(widoczneOknaPrzegladarki(), QList<BrowserWindow *>{m_okno}) << "the browser window stays";
        ASSERT_TRUE(aktywuj(m_okno));
    }
}

TEST_F(PonowneUruchomienieWProgramie, EveryWindowCarriesTheLauncherEntrysIcon)
{
    QTest::keyClick(m_okno, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return widoczneOknaPrzegladarki().size() == 2; }, 2000));
    ASSERT_TRUE(aktywuj(m_okno));
    ASSERT_NE(otworzOkno(true), nullptr);
    ASSERT_TRUE(aktywuj(m_okno));
    ASSERT_NE(otworzOkno(false), nullptr);

    int okna = 0;
    for (QWidget *okno : QApplication::topLevelWidgets()) {
        if (!okno->isVisible())
            continue;
        ++okna;
        SCOPED_TRACE(okno->metaObject()->className());
        const QIcon ikona = okno->windowIcon();
        EXPECT_FALSE(ikona.isNull());
        EXPECT_EQ(ikona.availableSizes(),
                  (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}))
            << "the launcher entry's sizes";
    }
    EXPECT_EQ(okna, 4) << "two browser windows, Preferences and About";
}
