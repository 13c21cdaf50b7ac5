#pragma once

#include <QtGlobal>

// What the new-item popover names: its caption says which item will be made, and where.
enum RodzajNowejRzeczy : qint32 {
    rnrRodzajNieokreslony = 0,
    rnrFasolka = 1,
    rnrKatalog = 2,
    rnrPotok = 3,
};
