#pragma once

#include <QPersistentModelIndex>
#include <QPointer>

class QAbstractItemView;
class QColor;
class QMenu;
class QPainter;
class QRectF;

// The outline around the row a context menu was opened for, shown while that menu is open: the menu
// acts on that row, which need not be the selected one. A view keeps one and draws it with its rows.
class ObrysMenuPodrecznego
{
public:
    // Marks the row of `indeks` in `widok` until `menu` closes; an invalid index marks none.
    void oznacz(QAbstractItemView *widok, const QModelIndex &indeks, QMenu *menu);
    // `indeks` lies in the marked row, in whichever column.
    bool czyOznaczony(const QModelIndex &indeks) const;

    // Rounded, 2 points wide, just inside the row.
    static void rysuj(QPainter &malarz, const QRectF &ramka, const QColor &kolor);
    // The selection green on white paper; a dark green over a paper selection, whose own green it would match.
    static QColor kolorNaPapierze(bool zaznaczony);

private:
    void odswiezWiersz() const;

    QPersistentModelIndex m_wiersz;
    QPointer<QAbstractItemView> m_widok;
};
