#include "DelayedOperations.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

DelayedOperations::DelayedOperations()
    : m_timer(this)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DelayedOperations::runDue);
}

DelayedOperations &DelayedOperations::queue()
{
    // Made by whichever thread asks first, then handed to the main thread where its timer runs.
    static DelayedOperations *instance = [] {
        auto *nowa = new DelayedOperations;
        nowa->moveToThread(QCoreApplication::instance()->thread());
        return nowa;
    }();
    return *instance;
}

void DelayedOperations::addOperationAfterDelayWithBlock(double sekundy, QObject *context, std::function<void()> block)
{
    if (!block)
        return;
    // Truncated to whole nanoseconds; capped so that an absurd delay cannot overflow the clock.
    const double nanosekundy = std::isfinite(sekundy) ? std::clamp(sekundy * 1e9, 0.0, 1e18) : 0.0;
    const auto moment = Clock::now() + std::chrono::nanoseconds(static_cast<std::int64_t>(nanosekundy));
    queue().add(moment, Operation{QPointer<QObject>(context), context != nullptr, std::move(block)});
}

std::size_t DelayedOperations::liczbaOczekujacych()
{
    DelayedOperations &kolejka = queue();
    std::lock_guard<std::mutex> straz(kolejka.m_mutex);
    return kolejka.m_operations.size();
}

void DelayedOperations::add(Clock::time_point moment, Operation operacja)
{
    {
        std::lock_guard<std::mutex> straz(m_mutex);
        m_operations.emplace(std::make_pair(moment, m_sequence++), std::move(operacja));
    }
    // Queued even on the main thread, so nothing runs before the caller has returned.
    QMetaObject::invokeMethod(this, "armTimer", Qt::QueuedConnection);
}

void DelayedOperations::armTimer()
{
    std::chrono::nanoseconds pozostalo;
    {
        std::lock_guard<std::mutex> straz(m_mutex);
        if (m_operations.empty()) {
            m_timer.stop();
            return;
        }
        pozostalo = m_operations.begin()->first.first - Clock::now();
    }
    // Rounded up: a timer that fires early would only find nothing due. A wait beyond what the
    // timer can count ends early and is simply set again.
    const auto milisekundy =
        std::chrono::ceil<std::chrono::milliseconds>(std::max(pozostalo, std::chrono::nanoseconds(0)));
    m_timer.start(std::min(milisekundy, std::chrono::milliseconds(std::numeric_limits<int>::max())));
}

void DelayedOperations::runDue()
{
    // Only what was due when this turn began: a block that schedules another one, even with
    // no delay, leaves it to a later turn, so the loop keeps handling events.
    const auto teraz = Clock::now();
    std::uint64_t granica;
    {
        std::lock_guard<std::mutex> straz(m_mutex);
        granica = m_sequence;
    }
    for (;;) {
        Operation operacja;
        {
            std::lock_guard<std::mutex> straz(m_mutex);
            if (m_operations.empty())
                break;
            const auto &klucz = m_operations.begin()->first;
            if (klucz.first > teraz || klucz.second >= granica)
                break;
            operacja = std::move(m_operations.begin()->second);
            m_operations.erase(m_operations.begin());
        }
        // Checked just before the run: an earlier block may have destroyed this one's context.
        if (operacja.hasContext && operacja.context.isNull())
            continue;
        operacja.block();
    }
    armTimer();
}
