#include "PolozenieZrzutuWWierszu.h"

#include <QAbstractItemView>

PolozenieZrzutuWWierszu::Polozenie PolozenieZrzutuWWierszu::polozenie(const QAbstractItemView *widok,
                                                                      const QPoint &miejsce)
{
    const QModelIndex indeks = widok->indexAt(miejsce);
    if (!indeks.isValid())
        return PozaWierszami;
    const QRect wiersz = widok->visualRect(indeks);
    const int margines = qBound(2, qRound(wiersz.height() / 5.5), 12);
    if (miejsce.y() - wiersz.top() < margines)
        return NadWierszem;
    if (wiersz.bottom() - miejsce.y() < margines)
        return PodWierszem;
    return NaWierszu;
}
