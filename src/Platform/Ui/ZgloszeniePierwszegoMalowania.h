#pragma once

// For start-up benchmarks: with the start-up marks asked for (see ZnacznikiStartu), the main
// window's show, its first paint and the end of that paint's pass are marked, and the program
// ends on the next turn. Without them nothing is installed.
namespace ZgloszeniePierwszegoMalowania {

// Call once the application object exists.
void zainstalujJesliZadane();

} // namespace ZgloszeniePierwszegoMalowania
