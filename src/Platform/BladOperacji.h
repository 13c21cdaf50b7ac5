#pragma once

#include <QString>

// A failure of a file or model operation. `przyczyna` is what an alert shows the user.
struct BladOperacji
{
    QString domena;
    int kod = 0;
    QString opis;
    QString przyczyna;

    static constexpr const char *domenaPosix = "NSPOSIXErrorDomain";
    static constexpr const char *domenaAplikacji = "com.tarrowind.Tarrowind";

    // Fills `blad` (when given) from an errno value; `sciezka` names the item the
    // operation was about, `katalogDocelowy` the folder a clash happened in. EINVAL gets a
    // general reason: a caller that checked for a move into itself says so itself.
    static void zErrno(BladOperacji *blad, int numerBledu, const QString &opis, const QString &sciezka,
                       const QString &katalogDocelowy = {});
    static void ustaw(BladOperacji *blad, const QString &domena, int kod, const QString &opis,
                      const QString &przyczyna);
};
