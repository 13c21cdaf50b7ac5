#pragma once

// For start-up benchmarks: with TARROWIND_ZGLOS_PIERWSZE_MALOWANIE set, the first paint of a main
// window prints one console line with the monotonic time (steady clock) in nanoseconds, and the
// program ends on the next turn. Without the variable nothing is installed.
namespace ZgloszeniePierwszegoMalowania {

inline constexpr char zmiennaSrodowiska[] = "TARROWIND_ZGLOS_PIERWSZE_MALOWANIE";
// What the line starts with; the number follows.
inline constexpr char poczatekLinii[] = "Pierwsze malowanie okna (ns czasu monotonicznego): ";

// Call once the application object exists.
void zainstalujJesliZadane();

} // namespace ZgloszeniePierwszegoMalowania
