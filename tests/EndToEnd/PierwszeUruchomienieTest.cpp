#include "App/SetupAndMigrationWizard.h"
#include "App/SetupWizardService.h"
#include "App/WizardController.h"
#include "App/WizardWindow.h"

#include "App/KreatorTestowy.h"
#include "Model/SpecKatalog.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>

using namespace KreatorTestowy;

namespace {

// What the X server shows of the window, saved beside the build for people to look at.
QImage zrzutOkna(QWidget *okno, const QString &nazwa)
{
    QCoreApplication::processEvents();
    const QImage zrzut = okno->screen()->grabWindow(okno->winId()).toImage();
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    zrzut.save(katalog + QLatin1Char('/') + nazwa);
    return zrzut;
}

} // namespace

TEST(PierwszeUruchomienieTest, FirstRunOnARealDisplayShowsTheWoodenWizardAndStoresThePortfolio)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    NagrywarkaAlertow alerty;
    NagrywarkaWyboruKatalogu wybor;
    KatalogTestowy dir;
    int przygotowaniaBazy = 0;
    SetupAndMigrationWizard::setPrzygotowanieBazyFasolek([&] { ++przygotowaniaBazy; });
    QList<bool> wyniki;

    // What the start-up does when no portfolio location is stored.
    ASSERT_TRUE(SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji());
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([&](bool sukces) { wyniki.append(sukces); });

    SetupAndMigrationWizard &kreator = *SetupAndMigrationWizard::biezacyKreator();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(kreator.window()));
    QTest::qWait(200);
    const QImage start = zrzutOkna(kreator.window(), QStringLiteral("wizard-first-run-start.png"));
    ASSERT_FALSE(start.isNull());
    const qreal skala = start.width() / qreal(kreator.window()->width());
    const QPoint srodekStron = kreator.wizardController->tabView->geometry().center();
    const QColor deska = start.pixelColor(QPoint(10, 100) * skala);
    EXPECT_GT(deska.red(), deska.blue() + 30) << "the desk is wood-coloured";
    const QColor kartka = start.pixelColor(QPoint(srodekStron.x(), kreator.wizardController->tabView->geometry().top() + 5) * skala);
    EXPECT_EQ(kartka, QColor(Qt::white)) << "the page lies on it as a white sheet";

    const QString baza = dir.katalog(QStringLiteral("Moje projekty"));
    przycisk(kreator, "continueButton")->click();
    wybor.dodajOdpowiedz(baza);
    przycisk(kreator, "chooseButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return strona(kreator) == QLatin1String("operateView"); }, 5000));
    zrzutOkna(kreator.window(), QStringLiteral("wizard-first-run-operate.png"));
    przycisk(kreator, "operateButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return strona(kreator) == QLatin1String("doneView"); }, 5000));
    zrzutOkna(kreator.window(), QStringLiteral("wizard-first-run-done.png"));
    przycisk(kreator, "startUsingButton")->click();

    EXPECT_EQ(wyniki, QList<bool>{true});
    EXPECT_TRUE(alerty.wpisy().isEmpty());
    EXPECT_EQ(przygotowaniaBazy, 1);
    EXPECT_TRUE(QFileInfo(baza + QStringLiteral("/Tarrowind")).isDir());
    EXPECT_FALSE(SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji());
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlBazowy(), baza);
}
