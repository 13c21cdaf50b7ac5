#include "Support/Ui/LapaczAlertu.h"
#include "Support/Ui/NazwyWProgramie.h"
#include "Support/ZrzutOkna.h"

#include <QGuiApplication>

namespace {

// On a real X server: the alert the start-up shows for the names it cannot show, over the window,
// and the window with both spellings of "Café.txt" in the bean list and of "Flöw" in the navigation
// bar. The screenshots are for people to look at.
class NazwyNaSerwerzeX : public NazwyWProgramie
{
protected:
    void przedUruchomieniem() override
    {
        NazwyWProgramie::przedUruchomieniem();
        // The alert runs its own loop from the start-up's next turn on.
        m_alert.lap(QStringLiteral("nazwy-poza-kodowaniem.png"), [this] { return m_okno; });
    }

    LapaczAlertu m_alert;
};

} // namespace

TEST_F(NazwyNaSerwerzeX, TheNoticeOfNamesItCannotShowAndTwinsInBothSpellings)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alert.zlapany(); }, 5000));
    EXPECT_TRUE(m_alert.tekst().contains(QStringLiteral("holds 2 items whose names Tarrowind cannot show")))
        << qPrintable(m_alert.tekst());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    ASSERT_NE(lista(), nullptr);
    EXPECT_EQ(sciezkiListy().filter(QStringLiteral("Caf")).size(), 2);
    zrzutOkna(m_okno, QStringLiteral("dwie-pisownie.png"));
}
