#include "ZnacznikiStartu.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace ZnacznikiStartu {

void zaznacz(const char *etap)
{
    // Read once: the first mark comes at the top of `main`, before Qt could read it.
    static const bool zadane = [] {
        const char *wartosc = std::getenv(zmiennaSrodowiska);
        return wartosc && *wartosc;
    }();
    if (!zadane)
        return;
    const auto teraz = std::chrono::steady_clock::now().time_since_epoch();
    timespec procesor{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &procesor);
    std::printf("%s%s: %lld %lld\n", poczatekLinii, etap,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(teraz).count()),
                static_cast<long long>(procesor.tv_sec) * 1000000000LL + procesor.tv_nsec);
    std::fflush(stdout);
}

} // namespace ZnacznikiStartu
