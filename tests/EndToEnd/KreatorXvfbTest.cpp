#include "App/SetupAndMigrationWizard.h"
#include "App/WizardWindow.h"
#include "Support/ZrzutOkna.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The welcome page with Continue as its default button and the focus, and a real alert sheet
// attached a little below the window's top.
TEST(KreatorXvfbTest, TheWelcomePageAndASheetOnARealDisplay)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    SetupAndMigrationWizard::pokazKreatorKonfiguracji([](bool) {});
    SetupAndMigrationWizard &kreator = *SetupAndMigrationWizard::biezacyKreator();
    WizardWindow *okno = kreator.window();
    okno->move(100, 100);
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno));
    QPushButton *dalej = okno->findChild<QPushButton *>(QStringLiteral("continueButton"));
    EXPECT_TRUE(dalej->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), dalej);
    EXPECT_FALSE(zrzutOkna(okno, QStringLiteral("kreator-powitanie.png")).isNull());

    QRect ramkaArkusza;
    QTimer::singleShot(0, okno, [&] {
        QWidget *arkusz = nullptr;
        const bool pokazany =
            QTest::qWaitFor([&] { return (arkusz = QApplication::activeModalWidget()) && arkusz->isVisible(); }, 5000);
        if (pokazany && QTest::qWaitForWindowExposed(arkusz)) {
            ramkaArkusza = arkusz->frameGeometry();
            zrzutOkien({okno, arkusz}, QStringLiteral("kreator-arkusz.png"));
        }
        if (auto *dialog = qobject_cast<QDialog *>(arkusz))
            dialog->done(0);
    });
    kreator.abortMigrationAlert();
    ASSERT_FALSE(ramkaArkusza.isNull()) << "no sheet showed";
    EXPECT_EQ(ramkaArkusza.top(), okno->mapToGlobal(QPoint(0, 0)).y() + 12);
    EXPECT_NEAR(ramkaArkusza.center().x(), okno->frameGeometry().center().x(), 1);
}
