#pragma once

#include "Platform/BladOperacji.h"

#include <QString>

// The rules for a name that the user typed for a new or renamed item. Every operation
// checks its name here before it touches the disk.
class NazwaOdUzytkownika
{
public:
    enum Rodzaj {
        // Any item: not empty, ".", "..", nor holding "/" or NUL.
        rnElement,
        // An item that must show in listings (a flow, a new folder): no leading ".".
        rnElementWidoczny,
        // A bean: also none of the names of a flow's own folders, which it would turn into.
        rnFasolka,
    };

    // NO with the reason in `blad` (under `opis`) when the name must not reach the disk.
    static bool sprawdz(const QString &nazwa, Rodzaj rodzaj, const QString &opis, BladOperacji *blad = nullptr);
    // "_Incubation", "_Waiting_For", "_Inactive", "_Ready", "_Done" and "_Flow_Items".
    static bool jestZastrzezona(const QString &nazwa);
    // NO (with the reason) for a reserved name that would come to lie directly in a flow
    // folder, where it would stop being a bean and become one of the flow's own folders.
    static bool mozeLezecW(const QString &nazwa, const QString &katalog, const QString &opis,
                           BladOperacji *blad = nullptr);
    // YES when the folder of `sciezka` holds an item of that name in any spelling (NFC or
    // NFD), other than the item at `pomijana`: Linux would keep both, and the user, who cannot
    // see the difference, would have two items of one name.
    static bool istniejeWJakiejsPisowni(const QString &sciezka, const QString &pomijana = {});
};
