#pragma once

#include "Platform/Opoznienia.h"

#include <QTest>

// How long the watcher tests wait for a change to be reported, and in silence for one that must not be:
// long enough for a change that would be reported to arrive at the short latency used in tests.
inline constexpr int czasNaZdarzenieMs = 5000;
inline constexpr int ciszaMs = 400;

// The fixed wait before a check that nothing more arrived: whatever would still come has come by then. The check after
// it asserts an absence, never a moment on the clock.
inline void przeczekajCisze(int ms = ciszaMs)
{
    QTest::qWait(ms);
}

// The program's own waits, twenty times shorter, so that they keep their order and each is over within `ciszaMs`.
inline Opoznienia krotkieOpoznienia()
{
    const Opoznienia program;
    constexpr double krocej = 20;
    return {program.przeladowanieKatalogu / krocej,
            program.wykonanieZrzutu / krocej,
            program.frazaFiltra / krocej,
            program.sprawdzenieWybranegoKatalogu / krocej,
            program.poZakonczeniuKlikniecia / krocej,
            program.odpowiedzUtworzenia / krocej,
            program.zamknieciePoUtworzeniu / krocej,
            program.koniecMigracji / krocej,
            program.przejscieDoOstatniejStrony / krocej};
}

// The program's own waits for one test, the short ones again after it.
struct OpoznieniaProgramu
{
    OpoznieniaProgramu() { Opoznienia::ustawDlaTestow(Opoznienia()); }
    ~OpoznieniaProgramu() { Opoznienia::ustawDlaTestow(krotkieOpoznienia()); }
};
