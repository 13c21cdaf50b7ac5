#include "Support/Ui/NagrywarkaAlertow.h"

#include "Platform/ModalGate.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/ModalGateProbe.h"
#include "Platform/Ui/SynchronousSheet.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

Alert alertZPrzyciskami(const QStringList &tytuly)
{
    Alert alert;
    alert.setMessageText(QStringLiteral("You’ve selected location inside a portfolio."));
    for (const QString &tytul : tytuly)
        alert.addButtonWithTitle(tytul);
    return alert;
}

// Presses a button of the message box once it is up, reporting what it saw meanwhile.
struct NaciskaczPrzycisku
{
    void naciskaj(const QString &tytul)
    {
        QTimer::singleShot(0, [this, tytul] {
            auto *okienko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!okienko) {
                naciskaj(tytul);
                return;
            }
            modalnosc = okienko->windowModality();
            rodzic = okienko->parentWidget();
            bramaPodniesiona = ModalGate::isRaised();
            if (okienko->checkBox())
                okienko->checkBox()->setChecked(true);
            for (QAbstractButton *przycisk : okienko->buttons()) {
                if (przycisk->text() == tytul)
                    przycisk->click();
            }
        });
    }

    Qt::WindowModality modalnosc = Qt::NonModal;
    QWidget *rodzic = nullptr;
    bool bramaPodniesiona = false;
};

} // namespace

TEST(SynchronousSheet, AnswersThousandPlusTheIndexOfTheScriptedButtonAndHoldsTheGateMeanwhile)
{
    NagrywarkaAlertow nagrywarka({1001, 1002, 1000});
    QWidget okno;
    auto *wewnatrz = new QWidget(&okno);
    Alert dwa = alertZPrzyciskami({"Close windows", "Cancel"});
    Alert trzy = alertZPrzyciskami({"Choose another location", "Use inside location", "Cancel"});

    EXPECT_EQ(SynchronousSheet::runModalSheetForWindow(dwa, wewnatrz), 1001);
    EXPECT_EQ(SynchronousSheet::runModalSheetForWindow(trzy, &okno), 1002);
    EXPECT_EQ(SynchronousSheet::runModalSheetForWindow(trzy, &okno), 1000);
    EXPECT_FALSE(ModalGate::isRaised());

    ASSERT_EQ(nagrywarka.wpisy().size(), 3);
    for (const NagrywarkaAlertow::Wpis &wpis : nagrywarka.wpisy()) {
        EXPECT_TRUE(wpis.bramaPodniesiona);
        EXPECT_TRUE(wpis.jakoArkusz);
        // A sheet belongs to the window, not to the widget inside it.
        EXPECT_EQ(wpis.okno, &okno);
    }
    EXPECT_EQ(nagrywarka.wpisy().at(1).alert.buttons().size(), 3);
}

TEST(SynchronousSheet, SheetWithoutAWindowOfItsOwnGoesOnTheLastActivatedVisibleWindow)
{
    WindowRegistry::instance();
    NagrywarkaAlertow nagrywarka;
    QWidget pierwsze, drugie;
    for (QWidget *okno : {&pierwsze, &drugie}) {
        okno->show();
        okno->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(okno));
    }
    Alert alert = alertZPrzyciskami({"Ok"});
    EXPECT_EQ(SynchronousSheet::runModalSheet(alert), 1000);
    ASSERT_EQ(nagrywarka.wpisy().size(), 1);
    EXPECT_EQ(nagrywarka.wpisy().first().okno, &drugie);
}

TEST(Alert, RunModalIsApplicationModalAndAnAlertWithoutButtonsHasOneOk)
{
    NagrywarkaAlertow nagrywarka;
    Alert alert;
    alert.setMessageText(QStringLiteral("Could not create directory."));
    EXPECT_EQ(alert.buttons(), QStringList{"OK"});
    EXPECT_EQ(alert.runModal(), 1000);
    ASSERT_EQ(nagrywarka.wpisy().size(), 1);
    EXPECT_FALSE(nagrywarka.wpisy().first().jakoArkusz);
    EXPECT_TRUE(nagrywarka.wpisy().first().bramaPodniesiona);
}

TEST(Alert, EscapeGoesToTheCancelButtonUnlessAnotherIsNamed)
{
    EXPECT_EQ(alertZPrzyciskami({"Move to Trash", "Cancel"}).escapeButton(), 1);
    EXPECT_EQ(alertZPrzyciskami({"Choose", "Ok"}).escapeButton(), -1);
    Alert oferta = alertZPrzyciskami({"Move to Applications Folder", "Do Not Move"});
    oferta.setEscapeButton(1);
    EXPECT_EQ(oferta.escapeButton(), 1);
}

TEST(MessageBoxPresenter, SheetIsModalForItsWindowAndAnswersThePressedButton)
{
    ModalGateProbe::install();
    QWidget okno;
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    QSignalSpy opuszczenia(&ModalGate::instance(), &ModalGate::lowered);
    NaciskaczPrzycisku naciskacz;
    naciskacz.naciskaj(QStringLiteral("Use inside location"));

    Alert alert = alertZPrzyciskami({"Choose another location", "Use inside location", "Cancel"});
    EXPECT_EQ(SynchronousSheet::runModalSheetForWindow(alert, &okno), 1001);

    EXPECT_EQ(naciskacz.modalnosc, Qt::WindowModal);
    EXPECT_EQ(naciskacz.rodzic, &okno);
    EXPECT_TRUE(naciskacz.bramaPodniesiona);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !ModalGate::isRaised() && opuszczenia.count() > 0; }, 2000));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(MessageBoxPresenter, ApplicationModalAlertReportsTheSuppressionCheckbox)
{
    NaciskaczPrzycisku naciskacz;
    naciskacz.naciskaj(QStringLiteral("Do Not Move"));
    Alert oferta = alertZPrzyciskami({"Move to Applications Folder", "Do Not Move"});
    oferta.setShowsSuppressionButton(true);

    EXPECT_EQ(oferta.runModal(), 1001);
    EXPECT_EQ(naciskacz.modalnosc, Qt::ApplicationModal);
    EXPECT_TRUE(oferta.suppressionButtonState());
}

TEST(MessageBoxPresenter, SheetWhoseWindowGoesWhileItWaitsAnswersTheCautiousButton)
{
    auto *okno = new QWidget;
    okno->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(okno));
    // Something run from the event loop meanwhile closes the window for good, sheet and all.
    std::function<void()> usunOknoPodArkuszem = [&] {
        if (!QApplication::activeModalWidget()) {
            QTimer::singleShot(0, usunOknoPodArkuszem);
            return;
        }
        delete okno;
    };
    QTimer::singleShot(0, usunOknoPodArkuszem);

    Alert alert = alertZPrzyciskami({"Choose another location", "Cancel"});
    EXPECT_EQ(SynchronousSheet::runModalSheetForWindow(alert, okno), 1001);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
