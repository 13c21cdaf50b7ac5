#include "Platform/DelayedOperations.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

TEST(DelayedOperations, NoDelayRunsOnALaterTurnNeverInsideTheCall)
{
    bool wykonana = false;
    DelayedOperations::addOperationAfterDelayWithBlock(0.0, nullptr, [&] { wykonana = true; });
    EXPECT_FALSE(wykonana);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wykonana; }, 2000));
}

TEST(DelayedOperations, BlocksRunInTheOrderOfTheirMoments)
{
    QStringList kolejnosc;
    QObject kontekst;
    DelayedOperations::addOperationAfterDelayWithBlock(0.2, &kontekst, [&] { kolejnosc << "0.2"; });
    DelayedOperations::addOperationAfterDelayWithBlock(0.05, &kontekst, [&] { kolejnosc << "0.05"; });
    DelayedOperations::addOperationAfterDelayWithBlock(0.0, &kontekst, [&] { kolejnosc << "0"; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return kolejnosc.size() == 3; }, 3000));
    EXPECT_EQ(kolejnosc, (QStringList{"0", "0.05", "0.2"}));
}

TEST(DelayedOperations, BlockScheduledFromAnotherThreadRunsOnTheMainThread)
{
    // The first use of the queue happens on the worker thread, too.
    std::atomic<bool> wykonana = false;
    QThread *watekBloku = nullptr;
    QObject kontekst;
    std::thread watek([&] {
        DelayedOperations::addOperationAfterDelayWithBlock(0.01, &kontekst, [&] {
            watekBloku = QThread::currentThread();
            wykonana = true;
        });
    });
    watek.join();
    EXPECT_TRUE(QTest::qWaitFor([&] { return wykonana.load(); }, 2000));
    EXPECT_EQ(watekBloku, QCoreApplication::instance()->thread());
}

TEST(DelayedOperations, BlockIsDroppedWhenItsContextDiedBeforeItsMoment)
{
    bool wykonanaPoZniszczeniu = false;
    bool wykonanaZywa = false;
    auto kontekst = std::make_unique<QObject>();
    QObject zywy;
    DelayedOperations::addOperationAfterDelayWithBlock(0.02, kontekst.get(), [&] { wykonanaPoZniszczeniu = true; });
    DelayedOperations::addOperationAfterDelayWithBlock(0.05, &zywy, [&] { wykonanaZywa = true; });
    kontekst.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return wykonanaZywa; }, 2000));
    EXPECT_FALSE(wykonanaPoZniszczeniu);
}

TEST(DelayedOperations, EarlierBlockDestroyingTheContextOfALaterOneOfTheSameTurnDropsIt)
{
    auto *kontekst = new QObject;
    bool drugaWykonana = false;
    bool trzeciaWykonana = false;
    QObject zywy;
    DelayedOperations::addOperationAfterDelayWithBlock(0.0, &zywy, [&] { delete kontekst; });
    DelayedOperations::addOperationAfterDelayWithBlock(0.0, kontekst, [&] { drugaWykonana = true; });
    DelayedOperations::addOperationAfterDelayWithBlock(0.0, &zywy, [&] { trzeciaWykonana = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return trzeciaWykonana; }, 2000));
    EXPECT_FALSE(drugaWykonana);
}

TEST(DelayedOperations, BlockThatReschedulesItselfLetsTheEventLoopTurn)
{
    bool zdarzenieObsluzone = false;
    int powtorzenia = 0;
    constexpr int limit = 100000;
    QObject kontekst;
    std::function<void()> blok = [&] {
        if (++powtorzenia == 1)
            QTimer::singleShot(0, &kontekst, [&] { zdarzenieObsluzone = true; });
        if (!zdarzenieObsluzone && powtorzenia < limit)
            DelayedOperations::addOperationAfterDelayWithBlock(0.0, &kontekst, blok);
    };
    DelayedOperations::addOperationAfterDelayWithBlock(0.0, &kontekst, blok);
    EXPECT_TRUE(QTest::qWaitFor([&] { return zdarzenieObsluzone; }, 2000));
    EXPECT_LT(powtorzenia, limit);
}
