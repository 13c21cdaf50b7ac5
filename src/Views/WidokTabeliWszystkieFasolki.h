#pragma once

#include "WidokTabeliFasolkiPotoku.h"

#include <QPointer>

class Menu;

// The All Beans table: flow header rows and bean rows. A right click records the clicked row
// first; the clicked element then decides the menu: a flow's, a bean's, or none below the rows.
class WidokTabeliWszystkieFasolki : public WidokTabeliFasolkiPotoku
{
    Q_OBJECT

public:
    explicit WidokTabeliWszystkieFasolki(QWidget *rodzic = nullptr);

    Menu *menuPodrecznePotoku() const { return m_menuPodrecznePotoku; }
    void setMenuPodrecznePotoku(Menu *menu) { m_menuPodrecznePotoku = menu; }

    Menu *menuDlaElementu(QObject *kliknietyElement) const;

protected:
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;

private:
    QPointer<Menu> m_menuPodrecznePotoku;
};
