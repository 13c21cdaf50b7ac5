#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <csignal>

// The start-up `main` runs, in this process: one browser window, a portfolio tab on the main flow.
TEST_F(UruchomionyProgram, TheStartUpOpensOneWindowWithAPortfolioTabOnTheMainFlow)
{
    oczekujJednegoOknaZKartaPortfolio();
    ASSERT_NE(kartaPortfolio(), nullptr);
    EXPECT_EQ(kartaPortfolio()->title(), QStringLiteral("Flow: Main Flow"));
}

// A quit ends the event loop with windows open. They go with the start-up, as `main` ends, while the delegate and
// the main-menu controller their menu bars and tabs point at still live; none is left for the end of the process.
TEST_F(UruchomionyProgram, TheWindowsAQuitLeavesOpenGoBeforeTheDelegateAndTheMainMenuController)
{
    QList<QPointer<BrowserWindow>> okna{m_okno};
    for (int i = 0; i < 2; ++i)
        okna << PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio()->windowController()->window();
    okna.first()->showMinimized();
    for (const QPointer<BrowserWindow> &okno : okna)
        ASSERT_NE(okno->menuBar(), nullptr);

    m_uruchomienie.reset();
    EXPECT_EQ(okna.count(nullptr), okna.size());
    EXPECT_TRUE(WindowRegistry::instance().windowsOfType<BrowserWindow>().isEmpty());
}

// The desktop's log-out sends SIGTERM: the program quits by the road of File ▸ Quit.
TEST_F(UruchomionyProgram, SigtermQuitsAsQuitDoes)
{
    raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return m_uruchomienie->delegat().stan() == TarrowindAppDelegate::Stan::Konczenie; }, 5000));
    // The quit asked of the application object is undone for the tests after this one in the process.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}
