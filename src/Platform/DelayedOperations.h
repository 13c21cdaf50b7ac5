#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <utility>

// Work put off to the main thread: a block runs once, between two events of the main loop,
// when its delay has passed. Blocks run in the order of their moments (now + delay at the call),
// those of one moment in the order of the calls.
class DelayedOperations : public QObject
{
    Q_OBJECT

public:
    // Callable from any thread; returns at once and never runs the block inside the call, even
    // with a delay of 0. The block is dropped unrun when `context` dies first; without a
    // context it always runs.
    static void addOperationAfterDelayWithBlock(double sekundy, QObject *context, std::function<void()> block);
    // Blocks put off and not yet run: what a settle waits for.
    static std::size_t liczbaOczekujacych();

private:
    using Clock = std::chrono::steady_clock;

    struct Operation
    {
        QPointer<QObject> context;
        bool hasContext = false;
        std::function<void()> block;
    };

    DelayedOperations();
    static DelayedOperations &queue();

    void add(Clock::time_point moment, Operation operacja);
    Q_INVOKABLE void armTimer();
    void runDue();

    std::mutex m_mutex;
    // Keyed by the moment and a running number, so that one moment keeps the order of the calls.
    std::map<std::pair<Clock::time_point, std::uint64_t>, Operation> m_operations;
    std::uint64_t m_sequence = 0;
    QTimer m_timer;
};
