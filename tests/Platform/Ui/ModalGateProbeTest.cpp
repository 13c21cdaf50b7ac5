#include "Platform/Ui/ModalGateProbe.h"
#include "Platform/ModalGate.h"

#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct OtwartyDialog
{
    const char *nazwa;
    bool naOknie; // a sheet on a window: window-modal
    bool bramaPodniesiona;
};

class SondaBramy : public ::testing::TestWithParam<OtwartyDialog>
{
};

// A sheet that runs no loop of its own (the change of location showing a move's progress) must let the move's
// reports through; a dialog that holds the whole program holds them back until it closes.
TEST_P(SondaBramy, OnlyADialogHoldingTheWholeProgramRaisesTheGate)
{
    ModalGateProbe::install();
    QWidget okno;
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    QDialog dialog(GetParam().naOknie ? &okno : nullptr);
    dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(ModalGate::isRaised(), GetParam().bramaPodniesiona);
    dialog.close();
    EXPECT_TRUE(QTest::qWaitFor([] { return !ModalGate::isRaised(); }, 2000));
}

INSTANTIATE_TEST_SUITE_P(ModalGateProbe, SondaBramy,
                         ::testing::Values(OtwartyDialog{"ASheetOnAWindow", true, false},
                                           OtwartyDialog{"ADialogOfTheWholeProgram", false, true}),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

} // namespace
