#pragma once

#include "Platform/Ui/Menu.h"
#include "Platform/Ui/Responder.h"

#include <QPointer>

// The main menu's actions that need no list: the preview panel, and the new bean, flow and
// folder popovers, which it hands on to the main browser window's selected tab. It exists
// before the start-up begins; while the set-up wizard runs it is told that no browser window
// may be opened.
class KontrolerAkcjeNaMenuGlownym : public Responder
{
    Q_OBJECT
    Q_PROPERTY(bool canOpenNewWindow READ canOpenNewWindow WRITE setCanOpenNewWindow NOTIFY canOpenNewWindowChanged)

public:
    explicit KontrolerAkcjeNaMenuGlownym(QObject *rodzic = nullptr);

    bool canOpenNewWindow() const { return m_canOpenNewWindow; }
    void setCanOpenNewWindow(bool moze);
    Menu *menuPlik() const { return m_menuPlik; }
    void setMenuPlik(Menu *menu) { m_menuPlik = menu; }

    void pokazPanelSzybkiegoPrzegladu();
    void ukryjPanelSzybkiegoPrzegladu();
    void przelaczWidocznoscPanelaSzybkiegoPrzegladu();
    void wyswietlDymekNowaFasolka();
    void wyswietlDymekNowyPotok();
    void wyswietlDymekNowyKatalog();

    // Asking makes the panel when there is none yet.
    bool jestWidocznyPanelSzybkiegoPrzegladu() const;
    bool moznaWyswietlicDymekNowaFasolka() const;
    bool moznaWyswietlicDymekNowyPotok() const;
    bool moznaWyswietlicDymekNowyKatalog() const;

    // Also hides the hide item while the panel is hidden and titles the toggle item.
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;

signals:
    void canOpenNewWindowChanged();

private:
    bool m_canOpenNewWindow = true;
    QPointer<Menu> m_menuPlik;
};
