#pragma once

#include <QString>

struct BladOperacji;

// The one alert in which an item command reports what failed: a warning with the command's
// message and, when there is an error, its reason. A command over several items tries them
// all and calls this once, with the last error.
class AlertNiepowodzenia
{
public:
    // The console line each command writes just before its alert.
    enum class LiniaKonsoli {
        Brak,
        Wiadomosc,             // "Błąd: %1"
        WiadomoscIInformacja,  // "Błąd: %1 %2"
    };

    static void pokaz(const QString &wiadomosc, const BladOperacji *blad, LiniaKonsoli linia);
};
