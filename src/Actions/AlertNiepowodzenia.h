#pragma once

#include <QString>
#include <QStringList>

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
        Wiadomosc,            // "Błąd: %1"
        WiadomoscIInformacja, // "Błąd: %1 %2"
    };

    static void pokaz(const QString &wiadomosc, const BladOperacji *blad, LiniaKonsoli linia);
    // After a move that succeeded but left in `katalogi` what was written into them meanwhile;
    // `informacja` names them with its %1.
    static void pokazPozostawione(const QString &wiadomosc, const QString &informacja, const QStringList &katalogi,
                                  LiniaKonsoli linia);
    // After moves to another file system that copied the named items but could not remove their
    // originals, which stay where they were; `przyczyna` is the last item's reason.
    static void pokazPozostawioneOryginaly(const QStringList &nazwy, const QString &przyczyna, LiniaKonsoli linia);
};
