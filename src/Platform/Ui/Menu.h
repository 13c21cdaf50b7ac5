#pragma once

#include "Akcja.h"
#include "DelegatMenu.h"
#include "Platform/ModalGate.h"

#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include <optional>
#include <type_traits>

class PozycjaMenu;
class Responder;

// A menu whose items are validated by their commands' targets each time it opens, after its
// delegate had its say. It knows how it was opened, which decides what its commands act on.
class Menu : public QMenu
{
    Q_OBJECT

public:
    enum class Pochodzenie {
        Brak,       // not opened, or an item outside any menu
        Glowne,     // hangs in a window's menu bar
        Podreczne,  // a context menu
        ZPrzycisku, // a button's pop-up
    };

    explicit Menu(const QString &tytul = {}, QWidget *rodzic = nullptr);
    ~Menu() override;

    // Adds an item sending `akcja` to `cel`, or along the chain when `cel` is null.
    PozycjaMenu *dodajPozycje(const QString &tytul, Akcja akcja, Responder *cel = nullptr,
                              const QKeySequence &skrot = {});

    template <typename T>
    void setDelegat(T *delegat)
    {
        static_assert(std::is_base_of_v<QObject, T> && std::is_base_of_v<DelegatMenu, T>,
                      "a menu delegate is a QObject implementing DelegatMenu");
        m_delegatObiekt = delegat;
        m_delegat = delegat;
    }
    QObject *delegat() const { return m_delegatObiekt; }

    // The main menu when this menu hangs in a menu bar, directly or as a submenu; else the way
    // the top menu above it was last opened.
    Pochodzenie pochodzenie() const;
    // The window whose focus widget starts the search for targets of this menu's commands.
    QWidget *oknoPolecenia() const;

    // Records how the menu is being opened and over which widget; the two below do it for you.
    void ustawPochodzenie(Pochodzenie pochodzenie, QWidget *widokWywolania);
    void pokazJakoPodreczne(QWidget *widok, const QPoint &punktGlobalny);
    void pokazPodPrzyciskiem(QWidget *przycisk);

    // What opening the menu does: the delegate's menuNeedsUpdate, then every item validated.
    void przygotujDoPokazania();

    // A title made of data (a flow's, a bean's or an application's name): each `&` shows as
    // itself instead of marking a mnemonic.
    static QString tytulZDanych(const QString &tekst);

    // The same for any menu, ours or not.
    static Pochodzenie pochodzenieMenu(const QMenu *menu);
    static QWidget *oknoPoleceniaMenu(const QMenu *menu);
    // The menu that holds `menu` as a submenu, or null for a top menu.
    static QMenu *menuNadrzedne(const QMenu *menu);
    // Our item that opens `menu` as its submenu, or null.
    static PozycjaMenu *pozycjaOtwierajaca(const QMenu *menu);

private:
    Pochodzenie m_pochodzenie = Pochodzenie::Brak;
    QPointer<QWidget> m_widokWywolania;
    QPointer<QObject> m_delegatObiekt;
    DelegatMenu *m_delegat = nullptr;
    // Menu tracking holds deliveries back, as an alert does.
    std::optional<ModalGate::Raise> m_brama;
};
