#pragma once

// For start-up benchmarks: with TARROWIND_ZGLOS_PIERWSZE_MALOWANIE set, each step of the start-up
// that marks itself prints one console line with its name, the monotonic time (steady clock) and
// the calling thread's CPU time, both in nanoseconds. Without the variable a mark prints nothing.
namespace ZnacznikiStartu {

inline constexpr char zmiennaSrodowiska[] = "TARROWIND_ZGLOS_PIERWSZE_MALOWANIE";
// What the line starts with; the step's name, a colon and the two numbers follow.
inline constexpr char poczatekLinii[] = "Etap startu ";

// The points, in the order a start reaches them.
inline constexpr char etapMain[] = "main";
inline constexpr char etapAplikacji[] = "obiekt aplikacji";
inline constexpr char etapUruchomienia[] = "koniec uruchamiania";
inline constexpr char etapBudowyGrafu[] = "budowa grafu";
inline constexpr char etapObserwatora[] = "obserwator";
inline constexpr char etapGrafuGotowego[] = "graf gotowy";
inline constexpr char etapPokazania[] = "pokazanie okna";
inline constexpr char etapMalowania[] = "pierwsze malowanie";
inline constexpr char etapNamalowania[] = "okno namalowane";

// Names one point of the start-up; the benchmark reads the time between points.
void zaznacz(const char *etap);

} // namespace ZnacznikiStartu
