#pragma once

#include "WidokTabeliListyFasolek.h"

#include <QPointer>

class Menu;

// The bean table of a flow: every row's menu is the bean context menu.
class WidokTabeliFasolkiPotoku : public WidokTabeliListyFasolek
{
    Q_OBJECT

public:
    using WidokTabeliListyFasolek::WidokTabeliListyFasolek;

    Menu *menuPodreczneFasolki() const;
    void setMenuPodreczneFasolki(Menu *menu);

protected:
    Menu *menuDlaElementu(QObject *kliknietyElement) override;

private:
    QPointer<Menu> m_menuPodreczneFasolki;
};
