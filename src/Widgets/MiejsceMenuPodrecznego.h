#pragma once

#include <QModelIndex>
#include <QPoint>

class QAbstractItemView;
class QContextMenuEvent;

// Where a context menu asked of an item view belongs. The mouse's request reaches the view through its
// viewport and is already in viewport coordinates; the keyboard's menu key reaches the view itself and
// means the current row, while it is selected.
class MiejsceMenuPodrecznego
{
public:
    // The row the menu is for; invalid outside rows (the menu then acts on the selection).
    static QModelIndex indeks(const QAbstractItemView *widok, const QContextMenuEvent *zdarzenie);
    // Where the menu opens: under the pointer, or below the current row for the keyboard.
    static QPoint punktGlobalny(const QAbstractItemView *widok, const QContextMenuEvent *zdarzenie);
};
