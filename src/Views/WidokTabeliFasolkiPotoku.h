#pragma once

#include "Widgets/WhitePaperTableView.h"

#include <QPointer>

class Menu;

// The bean table of a flow. A right click tells the table's actions controller which row was
// clicked (-1 for none) before the bean context menu opens. Dragging rows out drags their beans' files.
class WidokTabeliFasolkiPotoku : public WhitePaperTableView
{
    Q_OBJECT

public:
    explicit WidokTabeliFasolkiPotoku(QWidget *rodzic = nullptr);

    Menu *menuPodreczneFasolki() const { return m_menuPodreczneFasolki; }
    void setMenuPodreczneFasolki(Menu *menu) { m_menuPodreczneFasolki = menu; }

protected:
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;
    void startDrag(Qt::DropActions akcje) override;

private:
    QPointer<Menu> m_menuPodreczneFasolki;
};
