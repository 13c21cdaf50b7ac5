#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <malloc.h>

// The clock and memory readings the benchmarks share.
namespace Pomiary {

using Zegar = std::chrono::steady_clock;

inline double milisekundy(Zegar::duration czas)
{
    return std::chrono::duration<double, std::milli>(czas).count();
}

// The milliseconds one call takes.
template <class Czynnosc>
double czas(Czynnosc czynnosc)
{
    const auto start = Zegar::now();
    czynnosc();
    return milisekundy(Zegar::now() - start);
}

inline double mediana(std::vector<double> wartosci)
{
    std::sort(wartosci.begin(), wartosci.end());
    return wartosci[wartosci.size() / 2];
}

inline double rssMB()
{
    std::ifstream status("/proc/self/status");
    for (std::string linia; std::getline(status, linia);) {
        if (linia.rfind("VmRSS:", 0) == 0)
            return std::strtod(linia.c_str() + 6, nullptr) / 1024.0;
    }
    return 0;
}

// What malloc holds for the program now.
inline double stertaMB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

} // namespace Pomiary
