#pragma once

#include "Akcja.h"
#include "Menu.h"

#include <QAction>
#include <QPointer>
#include <QVariant>

class Responder;

// A menu item that sends a command: to its target, or, without one, along the responder chain
// of the window concerned. A shortcut fires only while the command's target accepts it.
class PozycjaMenu : public QAction
{
    Q_OBJECT

public:
    PozycjaMenu(const QString &tytul, Akcja akcja, QObject *rodzic = nullptr);
    ~PozycjaMenu() override;

    Akcja akcja() const { return m_akcja; }

    // The responder the command goes to; null: the first responder of the window concerned.
    // An item whose target has gone sends nothing.
    Responder *cel() const;
    void setCel(Responder *cel);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    QVariant representedObject() const { return m_reprezentowanyObiekt; }
    void setRepresentedObject(const QVariant &obiekt) { m_reprezentowanyObiekt = obiekt; }
    bool isHidden() const { return !isVisible(); }

    // A checkmark with a third state for a choice that holds for some of several items. Qt has
    // no mixed mark, so a mixed item shows unchecked with a dash in place of its icon.
    enum class Stan { Wylaczony = 0, Wlaczony = 1, Mieszany = -1 };
    Stan stan() const { return m_stan; }
    void setStan(Stan stan);
    void setHidden(bool ukryta) { setVisible(!ukryta); }

    // The menu that holds the item; null for an item outside any menu.
    QMenu *menuPozycji() const;
    Menu::Pochodzenie pochodzenieMenu() const;
    QWidget *oknoPolecenia() const;

    // Enables the item when its target accepts the command; answers the new state.
    bool zwaliduj();

    // Revalidates every item with a shortcut; runs on every focus change and as each key is
    // pressed (WalidacjaSkrotow), and owners call it when a change of their state (a selection)
    // may enable or disable commands.
    static void zwalidujPozycjeZeSkrotami();

private:
    void wyslij();

    Akcja m_akcja;
    QPointer<Responder> m_cel;
    bool m_maCel = false;
    int m_tag = 0;
    QVariant m_reprezentowanyObiekt;
    Stan m_stan = Stan::Wylaczony;
    QIcon m_ikonaPrzedMieszanym;
};
