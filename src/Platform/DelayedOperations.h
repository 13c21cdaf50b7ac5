#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
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
    // with a delay of 0. The block is dropped unrun when `kontekst` dies first; without a
    // context it always runs.
    static void addOperationAfterDelayWithBlock(double sekundy, QObject *kontekst, std::function<void()> blok);

private:
    using Zegar = std::chrono::steady_clock;

    struct Operacja
    {
        QPointer<QObject> kontekst;
        bool maKontekst = false;
        std::function<void()> blok;
    };

    DelayedOperations();
    static DelayedOperations &kolejka();

    void dodaj(Zegar::time_point moment, Operacja operacja);
    Q_INVOKABLE void nastawZegar();
    void wykonajNalezne();

    std::mutex m_blokada;
    // Keyed by the moment and a running number, so that one moment keeps the order of the calls.
    std::map<std::pair<Zegar::time_point, std::uint64_t>, Operacja> m_operacje;
    std::uint64_t m_numer = 0;
    QTimer m_zegar;
};
