#pragma once

#include "WidokTabeliListyFasolek.h"

#include <QPointer>

class Menu;

// The All Beans table: flow header rows and bean rows. The clicked element chooses the menu: a
// flow's, a bean's, or none below the rows.
class WidokTabeliWszystkieFasolki : public WidokTabeliListyFasolek
{
    Q_OBJECT

public:
    explicit WidokTabeliWszystkieFasolki(QWidget *rodzic = nullptr);

    Menu *menuPodrecznePotoku() const { return m_menuPodrecznePotoku; }
    void setMenuPodrecznePotoku(Menu *menu) { m_menuPodrecznePotoku = menu; }
    Menu *menuPodreczneFasolki() const { return m_menuPodreczneFasolki; }
    void setMenuPodreczneFasolki(Menu *menu) { m_menuPodreczneFasolki = menu; }

protected:
    Menu *menuDlaElementu(QObject *kliknietyElement) override;

private:
    QPointer<Menu> m_menuPodrecznePotoku;
    QPointer<Menu> m_menuPodreczneFasolki;
};
