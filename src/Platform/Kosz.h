#pragma once

#include "BladOperacji.h"

#include <QString>

// One item into the freedesktop Trash by a rename of our own: the home Trash when the item lies on its volume, else
// the volume's own. A link goes in as the link. An info file reserves the name before the item moves, so a kill at
// any moment leaves the item either where it was or in the Trash. Where no Trash with real, writable "files" and
// "info" folders can take it, the item stays and the error says why; nothing is copied or written anywhere else.
class Kosz
{
public:
    Kosz() = delete;

    // `katalogDanych`: the user's data folder, which holds the home Trash.
    static bool przenies(const QString &sciezka, const QString &katalogDanych, BladOperacji *blad);
};
