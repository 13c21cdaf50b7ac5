#pragma once

class KontrolerAkcjeNaElementach;
class Menu;
class Responder;
class QWidget;

// The menus of an item actions controller, made in code: the bean context menu, the status
// menu (also its submenu) and the Open With and move-to-flow submenus. Their items target the
// controller, which is each menu's delegate and gets them as its outlets.
class MenuKontroleraElementow
{
public:
    MenuKontroleraElementow() = delete;

    // The menus belong to `rodzic`, or, without one, go with the controller. Answers the
    // context menu.
    static Menu *zbuduj(KontrolerAkcjeNaElementach *kontroler, QWidget *rodzic = nullptr);
    // The menu of a whole view's item (a flow, a flow archive, the database): open it in a new tab
    // or window, open or show its folder.
    static Menu *zbudujMenuElementu(KontrolerAkcjeNaElementach *kontroler, QWidget *rodzic = nullptr);

    // The status menu's header (the beans' names), then the status commands, reactivation last,
    // sent to `cel`, or along the chain without one.
    static void dodajPozycjeStatusu(Menu *menu, Responder *cel);

    // The context menu's item that holds Open With shows for one file bean, the one that opens
    // a bean window for a folder bean.
    static constexpr int tagOtworzWProgramie = 2;
    static constexpr int tagOtworzWNowymOknie = 3;
    static constexpr int tagNaglowkaStatusu = 2;
};
