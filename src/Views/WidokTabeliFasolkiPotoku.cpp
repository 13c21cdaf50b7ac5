#include "WidokTabeliFasolkiPotoku.h"

#include "Platform/Ui/Menu.h"

Menu *WidokTabeliFasolkiPotoku::menuPodreczneFasolki() const
{
    return m_menuPodreczneFasolki;
}

void WidokTabeliFasolkiPotoku::setMenuPodreczneFasolki(Menu *menu)
{
    m_menuPodreczneFasolki = menu;
}

Menu *WidokTabeliFasolkiPotoku::menuDlaElementu(QObject *)
{
    return m_menuPodreczneFasolki;
}
