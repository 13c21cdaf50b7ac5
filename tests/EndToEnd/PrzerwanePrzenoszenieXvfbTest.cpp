#include "App/ZapisPrzenoszeniaPortfolio.h"
#include "Model/SpecKatalog.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/LapaczAlertu.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include <QGuiApplication>

namespace {

// On a real X server: the alert the start-up shows after a move of the portfolio that a kill cut
// short while it copied. The screenshot is for people to look at.
class PrzerwanePrzenoszenieNaSerwerzeX : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        ASSERT_TRUE(ZapisPrzenoszeniaPortfolio::zapisz(SpecKatalog::sharedSpecKatalog()->urlKorzenia(),
                                                       m_cel.sciezka(QStringLiteral("Tarrowind"))));
        // The alert runs inside the start-up, before the window opens.
        m_alert.lap(QStringLiteral("przerwane-przenoszenie-portfolio.png"));
    }

    KatalogTestowy m_cel;
    LapaczAlertu m_alert;
};

} // namespace

TEST_F(PrzerwanePrzenoszenieNaSerwerzeX, TheStartUpSaysAMoveCutShortWhileCopyingWasTakenBack)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    EXPECT_EQ(m_alert.tekst(), QStringLiteral("The move of your portfolio was interrupted."));
    EXPECT_TRUE(m_alert.informacja().startsWith(QStringLiteral("Nothing was moved: your portfolio stays in")))
        << qPrintable(m_alert.informacja());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    zrzutOkna(m_okno, QStringLiteral("przerwane-przenoszenie-portfolio-okno.png"));
}
