#pragma once

#include "Widgets/WhitePaperTableView.h"

#include <QPointer>

class Menu;

// The archive's table. A right click tells the table's actions controller which row was clicked
// (-1 for none) first; a flow archive's row then gets the flow archive's menu, a bean's row the bean menu.
class WidokTabeliFasolkiZarchiwizowane : public WhitePaperTableView
{
    Q_OBJECT

public:
    explicit WidokTabeliFasolkiZarchiwizowane(QWidget *rodzic = nullptr);

    Menu *menuPodreczneArchiwumPotoku() const { return m_menuPodreczneArchiwumPotoku; }
    void setMenuPodreczneArchiwumPotoku(Menu *menu) { m_menuPodreczneArchiwumPotoku = menu; }
    Menu *menuPodreczneFasolki() const { return m_menuPodreczneFasolki; }
    void setMenuPodreczneFasolki(Menu *menu) { m_menuPodreczneFasolki = menu; }

protected:
    void contextMenuEvent(QContextMenuEvent *zdarzenie) override;

private:
    Menu *menuDlaElementu(QObject *kliknietyElement) const;

    QPointer<Menu> m_menuPodreczneArchiwumPotoku;
    QPointer<Menu> m_menuPodreczneFasolki;
};
