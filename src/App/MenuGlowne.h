#pragma once

#include "Platform/Ui/DelegatMenu.h"

#include <QObject>

class BrowserWindow;
class KontrolerAkcjeNaMenuGlownym;
class Menu;
class QMenuBar;
class QWidget;
class TarrowindAppDelegate;

// The menu bar of a browser window, one per window. The program's commands go to the
// application delegate, the preview and new-item commands to the main-menu actions controller,
// and the item commands along the window's responder chain, so they act on the selection of the
// focused view.
class MenuGlowne : public QObject, public DelegatMenu
{
    Q_OBJECT

public:
    static QMenuBar *zbuduj(BrowserWindow *okno, TarrowindAppDelegate *delegat, KontrolerAkcjeNaMenuGlownym *kontroler);
    // The diagnostics; the bar carries them only in a build with assertions.
    static Menu *zbudujMenuDewelopera(QWidget *rodzic, TarrowindAppDelegate *delegat);

    // The Bean menu's submenus (Open With, Status, Move to Flow) are filled by the target their
    // holder's command finds along the chain, as that target fills its context menus.
    void menuNeedsUpdate(Menu *podmenu) override;

private:
    using QObject::QObject;
};
