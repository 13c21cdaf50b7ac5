#pragma once

#include "Widgets/WhitePaperTableView.h"

#include <QPointer>
#include <QStringList>

class Menu;
class QAbstractItemDelegate;

// The table of a bean list. Dragging rows out drags their beans' files (rows that hold no bean add
// nothing; with no file, no drag). A right click tells the table's actions controller which row was
// clicked (-1 for none) before the menu for that row's object opens. Rows whose object is not a bean
// head groups; one cell draws them in the name column, whatever the row view type.
class WidokTabeliListyFasolek : public WhitePaperTableView
{
    Q_OBJECT

public:
    explicit WidokTabeliListyFasolek(QWidget *rodzic = nullptr);

    // The selected beans' files, in row order.
    QStringList sciezkiDoPrzeciagniecia() const;
    // The cell of the header rows in column `kolumna`.
    void setKomorkaNaglowkow(int kolumna, QAbstractItemDelegate *komorka);
    QAbstractItemDelegate *itemDelegateForIndex(const QModelIndex &indeks) const override;

protected:
    // The menu for a right click on `kliknietyElement` (null below the rows); null: no menu.
    virtual Menu *menuDlaElementu(QObject *kliknietyElement) = 0;

    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;
    void startDrag(Qt::DropActions akcje) override;

private:
    int m_kolumnaNaglowkow = -1;
    QPointer<QAbstractItemDelegate> m_komorkaNaglowkow;
};
