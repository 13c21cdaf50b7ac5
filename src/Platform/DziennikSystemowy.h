#pragma once

#include <QString>

// The system log (syslog, ident "tarrowind"), for what must be found after the program has gone:
// a move of the program itself, faults no window can show.
namespace DziennikSystemowy {

enum class Poziom { Informacja, Ostrzezenie, Blad };

void zapisz(Poziom poziom, const QString &linia);

} // namespace DziennikSystemowy
