#include "Platform/ModalGate.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>

TEST(ModalGate, StaysRaisedUntilTheLastGuardGoesAndThenAnnouncesItOnce)
{
    QSignalSpy opuszczenia(&ModalGate::instance(), &ModalGate::lowered);
    EXPECT_FALSE(ModalGate::isRaised());
    {
        ModalGate::Raise alert;
        {
            ModalGate::Raise menu;
            EXPECT_TRUE(ModalGate::isRaised());
        }
        EXPECT_TRUE(ModalGate::isRaised());
        EXPECT_EQ(opuszczenia.count(), 0);
    }
    EXPECT_FALSE(ModalGate::isRaised());
    EXPECT_EQ(opuszczenia.count(), 1);
}

TEST(ModalGate, OpenModalWidgetKeepsTheGateRaisedUntilTheProbeReportsItGone)
{
    bool oknoModalne = true;
    ModalGate::setModalWidgetProbe([&] { return oknoModalne; });
    QSignalSpy opuszczenia(&ModalGate::instance(), &ModalGate::lowered);
    std::optional<ModalGate::Raise> alert;
    alert.emplace();
    alert.reset();
    EXPECT_TRUE(ModalGate::isRaised());
    EXPECT_EQ(opuszczenia.count(), 0);

    oknoModalne = false;
    ModalGate::notifyProbeChanged();
    EXPECT_FALSE(ModalGate::isRaised());
    EXPECT_EQ(opuszczenia.count(), 1);
    ModalGate::setModalWidgetProbe({});
}
