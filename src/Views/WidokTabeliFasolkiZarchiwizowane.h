#pragma once

#include "WidokTabeliListyFasolek.h"

#include <QPointer>

class Menu;

// The archive's table: a flow archive's row gets the flow archive's menu, a bean's row the bean menu.
class WidokTabeliFasolkiZarchiwizowane : public WidokTabeliListyFasolek
{
    Q_OBJECT

public:
    explicit WidokTabeliFasolkiZarchiwizowane(QWidget *rodzic = nullptr);

    Menu *menuPodreczneArchiwumPotoku() const { return m_menuPodreczneArchiwumPotoku; }
    void setMenuPodreczneArchiwumPotoku(Menu *menu) { m_menuPodreczneArchiwumPotoku = menu; }
    Menu *menuPodreczneFasolki() const { return m_menuPodreczneFasolki; }
    void setMenuPodreczneFasolki(Menu *menu) { m_menuPodreczneFasolki = menu; }

protected:
    Menu *menuDlaElementu(QObject *kliknietyElement) override;

private:
    QPointer<Menu> m_menuPodreczneArchiwumPotoku;
    QPointer<Menu> m_menuPodreczneFasolki;
};
