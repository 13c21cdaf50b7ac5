#pragma once

#include <QPoint>

class QAbstractItemView;

// Where a drag over an item view points: onto a row, into the band at a row's top or bottom edge (between two
// rows), or outside every row. The band is as wide as the one the view's own drop indicator uses.
class PolozenieZrzutuWWierszu
{
public:
    enum Polozenie { NaWierszu, NadWierszem, PodWierszem, PozaWierszami };

    // `miejsce` in the viewport's coordinates.
    static Polozenie polozenie(const QAbstractItemView *widok, const QPoint &miejsce);
};
