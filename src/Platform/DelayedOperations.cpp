#include "DelayedOperations.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

DelayedOperations::DelayedOperations()
    : m_zegar(this)
{
    m_zegar.setSingleShot(true);
    m_zegar.setTimerType(Qt::PreciseTimer);
    connect(&m_zegar, &QTimer::timeout, this, &DelayedOperations::wykonajNalezne);
}

DelayedOperations &DelayedOperations::kolejka()
{
    // Made by whichever thread asks first, then handed to the main thread where its timer runs.
    static DelayedOperations *kolejka = [] {
        auto *nowa = new DelayedOperations;
        nowa->moveToThread(QCoreApplication::instance()->thread());
        return nowa;
    }();
    return *kolejka;
}

void DelayedOperations::addOperationAfterDelayWithBlock(double sekundy, QObject *kontekst,
                                                        std::function<void()> blok)
{
    if (!blok)
        return;
    // Truncated to whole nanoseconds; capped so that an absurd delay cannot overflow the clock.
    const double nanosekundy = std::isfinite(sekundy) ? std::clamp(sekundy * 1e9, 0.0, 1e18) : 0.0;
    const auto moment = Zegar::now() + std::chrono::nanoseconds(static_cast<std::int64_t>(nanosekundy));
    kolejka().dodaj(moment, Operacja{QPointer<QObject>(kontekst), kontekst != nullptr, std::move(blok)});
}

void DelayedOperations::dodaj(Zegar::time_point moment, Operacja operacja)
{
    {
        std::lock_guard<std::mutex> straz(m_blokada);
        m_operacje.emplace(std::make_pair(moment, m_numer++), std::move(operacja));
    }
    // Queued even on the main thread, so nothing runs before the caller has returned.
    QMetaObject::invokeMethod(this, "nastawZegar", Qt::QueuedConnection);
}

void DelayedOperations::nastawZegar()
{
    std::chrono::nanoseconds pozostalo;
    {
        std::lock_guard<std::mutex> straz(m_blokada);
        if (m_operacje.empty()) {
            m_zegar.stop();
            return;
        }
        pozostalo = m_operacje.begin()->first.first - Zegar::now();
    }
    // Rounded up: a timer that fires early would only find nothing due. A wait beyond what the
    // timer can count ends early and is simply set again.
    const auto milisekundy = std::chrono::ceil<std::chrono::milliseconds>(std::max(pozostalo, std::chrono::nanoseconds(0)));
    m_zegar.start(std::min(milisekundy, std::chrono::milliseconds(std::numeric_limits<int>::max())));
}

void DelayedOperations::wykonajNalezne()
{
    // Only what was due when this turn began: a block that schedules another one, even with
    // no delay, leaves it to a later turn, so the loop keeps handling events.
    const auto teraz = Zegar::now();
    std::uint64_t granica;
    {
        std::lock_guard<std::mutex> straz(m_blokada);
        granica = m_numer;
    }
    for (;;) {
        Operacja operacja;
        {
            std::lock_guard<std::mutex> straz(m_blokada);
            if (m_operacje.empty())
                break;
            const auto &klucz = m_operacje.begin()->first;
            if (klucz.first > teraz || klucz.second >= granica)
                break;
            operacja = std::move(m_operacje.begin()->second);
            m_operacje.erase(m_operacje.begin());
        }
        // Checked just before the run: an earlier block may have destroyed this one's context.
        if (operacja.maKontekst && operacja.kontekst.isNull())
            continue;
        operacja.blok();
    }
    nastawZegar();
}
