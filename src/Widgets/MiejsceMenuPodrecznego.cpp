#include "MiejsceMenuPodrecznego.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QItemSelectionModel>

namespace {

QModelIndex biezacyZaznaczony(const QAbstractItemView *widok)
{
    const QModelIndex biezacy = widok->currentIndex();
    const QItemSelectionModel *zaznaczenie = widok->selectionModel();
    return biezacy.isValid() && zaznaczenie && zaznaczenie->isSelected(biezacy) ? biezacy : QModelIndex();
}

} // namespace

QModelIndex MiejsceMenuPodrecznego::indeks(const QAbstractItemView *widok, const QContextMenuEvent *zdarzenie)
{
    if (zdarzenie->reason() == QContextMenuEvent::Keyboard)
        return biezacyZaznaczony(widok);
    return widok->indexAt(zdarzenie->pos());
}

QPoint MiejsceMenuPodrecznego::punktGlobalny(const QAbstractItemView *widok, const QContextMenuEvent *zdarzenie)
{
    if (zdarzenie->reason() != QContextMenuEvent::Keyboard)
        return zdarzenie->globalPos();
    const QModelIndex biezacy = biezacyZaznaczony(widok);
    if (!biezacy.isValid())
        return zdarzenie->globalPos();
    return widok->viewport()->mapToGlobal(widok->visualRect(biezacy).bottomLeft());
}
