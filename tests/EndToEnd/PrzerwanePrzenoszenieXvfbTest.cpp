#include "App/ZapisPrzenoszeniaPortfolio.h"
#include "Model/SpecKatalog.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

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
        // The alert runs its own loop inside the start-up: it is caught from a timer.
        m_straznik.setInterval(20);
        QObject::connect(&m_straznik, &QTimer::timeout, [this] {
            auto *okienko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!okienko || !okienko->isVisible() || !QTest::qWaitForWindowExposed(okienko))
                return;
            m_straznik.stop();
            m_tekstAlertu = okienko->text() + QLatin1Char('|') + okienko->informativeText();
            zrzutOkien({okienko}, QStringLiteral("przerwane-przenoszenie-portfolio.png"));
            okienko->done(0);
        });
        m_straznik.start();
    }

    KatalogTestowy m_cel;
    QTimer m_straznik;
    QString m_tekstAlertu;
};

} // namespace

TEST_F(PrzerwanePrzenoszenieNaSerwerzeX, TheStartUpSaysAMoveCutShortWhileCopyingWasTakenBack)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    EXPECT_TRUE(m_tekstAlertu.startsWith(
        QStringLiteral("The move of your portfolio was interrupted.|Nothing was moved: your portfolio stays in")))
        << qPrintable(m_tekstAlertu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    zrzutOkna(m_okno, QStringLiteral("przerwane-przenoszenie-portfolio-okno.png"));
}
