#pragma once

#include <QPointer>

#include <functional>

class ElementyDlaPolecen;
class Menu;
class QObject;

// The controller's menus: the bean context menu, the status menu and the Open With and
// move-to-flow submenus. It fills each before it opens and, when a context menu closes without
// a command, has the right-clicked row forgotten.
class MenuPodreczneElementow
{
public:
    // `wlasciciel` receives the menus' notices; `zapomnijKliknietyWiersz` clears its clicked row.
    MenuPodreczneElementow(const ElementyDlaPolecen &elementy, QObject *wlasciciel,
                           std::function<void()> zapomnijKliknietyWiersz);

    Menu *menuPodreczneFasolki() const { return m_menuPodreczneFasolki; }
    void setMenuPodreczneFasolki(Menu *menu) { ustawMenu(m_menuPodreczneFasolki, menu); }
    Menu *menuPodreczneStatusu() const { return m_menuPodreczneStatusu; }
    void setMenuPodreczneStatusu(Menu *menu) { ustawMenu(m_menuPodreczneStatusu, menu); }
    Menu *menuOtworzWProgramie() const { return m_menuOtworzWProgramie; }
    void setMenuOtworzWProgramie(Menu *menu) { ustawMenu(m_menuOtworzWProgramie, menu); }
    Menu *menuPrzeniesDoPotoku() const { return m_menuPrzeniesDoPotoku; }
    void setMenuPrzeniesDoPotoku(Menu *menu) { ustawMenu(m_menuPrzeniesDoPotoku, menu); }

    void menuNeedsUpdate(Menu *menu);

private:
    void ustawMenu(QPointer<Menu> &outlet, Menu *menu);
    void zapomnijKliknietyWierszPoZamknieciu(Menu *menu);

    const ElementyDlaPolecen &m_elementy;
    QObject *m_wlasciciel;
    std::function<void()> m_zapomnijKliknietyWiersz;
    QPointer<Menu> m_menuPodreczneFasolki;
    QPointer<Menu> m_menuPodreczneStatusu;
    QPointer<Menu> m_menuOtworzWProgramie;
    QPointer<Menu> m_menuPrzeniesDoPotoku;
};
