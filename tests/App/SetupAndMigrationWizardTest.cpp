#include "App/SetupAndMigrationWizard.h"
#include "App/SetupWizardService.h"
#include "App/WizardController.h"
#include "App/WizardMigrationViewController.h"
#include "App/WizardWindow.h"

#include "KreatorTestowy.h"
#include "Model/SpecKatalog.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/UserDefaults.h"
#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>

using namespace KreatorTestowy;

TEST(SetupAndMigrationWizardTest, RunsOnlyWithoutAStoredResolvableLocation)
{
    EXPECT_TRUE(SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji());
    KatalogTestowy dir;
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(dir.katalog(QStringLiteral("baza"))));
    EXPECT_FALSE(SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji());
}

TEST(SetupAndMigrationWizardTest, FlowIsFirstRunUseOrMigrationByWhatIsKnown)
{
    EXPECT_EQ(SetupAndMigrationWizard::selectWizardFlow(), SetupAndMigrationWizard::FirstRunWizardFlow);

    UserDefaults::standard().setObject(QLatin1String(SpecKatalog::kluczSciezkiBazowej_1_1), QString());
    EXPECT_EQ(SetupAndMigrationWizard::selectWizardFlow(), SetupAndMigrationWizard::UsePortfolioWizardFlow)
        << "an empty older path still counts";

    UserDefaults::standard().setObject(QLatin1String(SpecKatalog::kluczSciezkiBazowej_1_1), QStringLiteral("/stary"));
    EXPECT_EQ(SetupAndMigrationWizard::selectWizardFlow(), SetupAndMigrationWizard::UsePortfolioWizardFlow);

    qputenv("APP_SANDBOX_CONTAINER_ID", "tarrowind-test");
    EXPECT_EQ(SetupAndMigrationWizard::selectWizardFlow(), SetupAndMigrationWizard::UsePortfolioWizardFlow)
        << "an empty sandbox does not count";
    QDir().mkpath(QDir::homePath() + QStringLiteral("/Tarrowind"));
    EXPECT_EQ(SetupAndMigrationWizard::selectWizardFlow(), SetupAndMigrationWizard::MigrationWizardFlow)
        << "the sandbox portfolio wins over the older path";
}

TEST(SetupAndMigrationWizardTest, EachFlowLoadsItsOwnResourceWithFivePages)
{
    EXPECT_EQ(SetupAndMigrationWizard::wizardWithWizardFlow(3), nullptr);
    EXPECT_EQ(SetupAndMigrationWizard::wizardWithWizardFlow(-1), nullptr);

    const QStringList zasoby = {QStringLiteral("FirstRunWizard"), QStringLiteral("UsePortfolioWizard"),
                                QStringLiteral("MigrationWizard")};
    for (int przeplyw = 0; przeplyw < 3; ++przeplyw) {
        auto kreator = SetupAndMigrationWizard::wizardWithWizardFlow(przeplyw);
        ASSERT_NE(kreator, nullptr);
        EXPECT_EQ(kreator->wizardFlow(), przeplyw);
        EXPECT_EQ(kreator->window()->objectName(), zasoby.at(przeplyw));
        QStringList strony;
        for (int i = 0; i < kreator->wizardController->tabView->count(); ++i)
            strony.append(kreator->wizardController->tabView->widget(i)->objectName());
        EXPECT_EQ(strony, (QStringList{QStringLiteral("startView"), QStringLiteral("chooseLocationView"),
                                       QStringLiteral("operateView"), QStringLiteral("migrationView"),
                                       QStringLiteral("doneView")}));
        EXPECT_EQ(strona(*kreator), QStringLiteral("startView"));
        EXPECT_EQ(kreator->wizardController->wizardMigrationViewController->wizardMigrationState(), 0);
    }
}

TEST(SetupAndMigrationWizardTest, QuittingFromTheWizardAnswersNoOnce)
{
    QList<bool> wyniki;
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([&](bool sukces) { wyniki.append(sukces); });
    SetupAndMigrationWizard *kreator = SetupAndMigrationWizard::biezacyKreator();
    ASSERT_NE(kreator, nullptr);
    EXPECT_TRUE(kreator->window()->isVisible());
    przycisk(*kreator, "quitButton")->click();
    EXPECT_EQ(wyniki, QList<bool>{false});
    EXPECT_FALSE(kreator->window()->isVisible());
    EXPECT_TRUE(kreator->window()->close());
    EXPECT_EQ(wyniki, QList<bool>{false}) << "the outcome is reported once";
}

TEST(SetupAndMigrationWizardTest, ClosingTheWindowAnswersNo)
{
    QList<bool> wyniki;
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([&](bool sukces) { wyniki.append(sukces); });
    SetupAndMigrationWizard *kreator = SetupAndMigrationWizard::biezacyKreator();
    EXPECT_TRUE(kreator->window()->close());
    EXPECT_EQ(wyniki, QList<bool>{false});
    EXPECT_TRUE(kreator->applicationShouldTerminate());
}

TEST(SetupAndMigrationWizardTest, SheetsAttachTwelvePointsBelowTheWindowsTop)
{
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([](bool) {});
    WizardWindow *okno = SetupAndMigrationWizard::biezacyKreator()->window();
    okno->move(100, 80);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(okno));
    const QPoint gora = okno->mapToGlobal(QPoint(0, 0));

    QDialog arkusz(okno);
    arkusz.setWindowModality(Qt::WindowModal);
    arkusz.resize(300, 120);
    arkusz.show();
    EXPECT_EQ(arkusz.y(), gora.y() + 12);
    EXPECT_EQ(arkusz.x(), gora.x() + (okno->width() - 300) / 2);
    arkusz.resize(200, 120);
    EXPECT_EQ(arkusz.x(), gora.x() + (okno->width() - 200) / 2) << "a sheet that sizes itself again stays centred";
}

TEST(SetupAndMigrationWizardTest, ANewWizardReplacesTheEarlierOne)
{
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([](bool) {});
    QPointer<SetupAndMigrationWizard> pierwszy = SetupAndMigrationWizard::biezacyKreator();
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([](bool) {});
    EXPECT_NE(SetupAndMigrationWizard::biezacyKreator(), pierwszy.data());
    EXPECT_TRUE(QTest::qWaitFor([&] { return pierwszy.isNull(); }, 2000));
}

TEST(SetupAndMigrationWizardTest, BackgroundIsTheDeskWithItsEdgeAndTheWhitePageWithItsGreyBar)
{
    const QImage krawedz =
        ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol-gora")).convertToFormat(QImage::Format_ARGB32);
    const QImage stol = ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("DrewnianyStol")));
    ASSERT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("DrewnianyStol-gora")));
    const int h = krawedz.height();

    const QRect ramka(100, 60, 300, 200);
    const QImage tlo =
        SetupAndMigrationWizard::obrazTla(QSize(600, 400), 1.0, ramka).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(tlo.size(), QSize(600, 400));

    // The edge along the top and the desk below it, each tiled whole from its top-left corner.
    for (QPoint p : {QPoint(0, 0), QPoint(10, h - 1), QPoint(300, 5), QPoint(599, 3)})
        EXPECT_EQ(tlo.pixel(p), krawedz.pixel(p.x() % krawedz.width(), p.y())) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(0, h), QPoint(20, 50), QPoint(599, 399), QPoint(30, h + 300), QPoint(520, 300)})
        EXPECT_EQ(tlo.pixel(p), stol.pixel(p.x() % stol.width(), (p.y() - h) % stol.height())) << p.x() << "," << p.y();

    EXPECT_EQ(tlo.pixel(ramka.topLeft()), qRgb(255, 255, 255));
    EXPECT_EQ(tlo.pixel(250, 100), qRgb(255, 255, 255));
    EXPECT_EQ(tlo.pixel(250, 60 + 200 - 42), qRgb(255, 255, 255)) << "just above the bar";
    EXPECT_EQ(tlo.pixel(250, 60 + 200 - 41), qRgb(243, 243, 243)) << "the bar is 41 points high";
    EXPECT_EQ(tlo.pixel(399, 259), qRgb(243, 243, 243));

    // The shadow darkens the desk right around the page, and fades out a few points away.
    auto jasnosc = [](QRgb piksel) { return qRed(piksel) + qGreen(piksel) + qBlue(piksel); };
    auto zaciemnienie = [&](int x, int y) {
        return jasnosc(stol.pixel(x % stol.width(), (y - h) % stol.height())) - jasnosc(tlo.pixel(x, y));
    };
    EXPECT_GT(zaciemnienie(99, 150), 25);
    EXPECT_GT(zaciemnienie(99, 150), zaciemnienie(97, 150));
    EXPECT_GT(zaciemnienie(97, 150), 0);
    EXPECT_GT(zaciemnienie(250, 261), 0) << "below the page too";
    EXPECT_EQ(zaciemnienie(85, 150), 0);
}

TEST(SetupAndMigrationWizardTest, BackgroundIsRenderedAtTheScreensPixelSize)
{
    const QImage podwojne = SetupAndMigrationWizard::obrazTla(QSize(301, 200), 2.0, QRect(50, 50, 100, 100));
    EXPECT_EQ(podwojne.size(), QSize(602, 400));
    EXPECT_EQ(podwojne.devicePixelRatio(), 2.0);
    EXPECT_EQ(podwojne.pixel(200, 200), qRgb(255, 255, 255));
    EXPECT_EQ(podwojne.pixel(200, 295), qRgb(243, 243, 243));
    const QImage poltora = SetupAndMigrationWizard::obrazTla(QSize(301, 201), 1.5, QRect(50, 50, 100, 100));
    EXPECT_EQ(poltora.size(), QSize(451, 301)) << "each product truncated";

    auto kreator = SetupAndMigrationWizard::wizardWithWizardFlow(SetupAndMigrationWizard::FirstRunWizardFlow);
    const QImage wOknie = kreator->window()->tlo();
    EXPECT_EQ(wOknie.deviceIndependentSize().toSize(), kreator->window()->size());
    EXPECT_EQ(wOknie.devicePixelRatio(), kreator->window()->devicePixelRatioF());
    const QRect strony = kreator->wizardController->tabView->geometry();
    EXPECT_EQ(wOknie.pixel(strony.center()), qRgb(255, 255, 255));
}
