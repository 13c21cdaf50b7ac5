#include "Menu.h"

#include "PozycjaMenu.h"

#include <QMenuBar>

namespace {

QMenuBar *paskMenu(const QMenu *menu)
{
    for (QObject *obiekt : menu->menuAction()->associatedObjects()) {
        if (auto *pasek = qobject_cast<QMenuBar *>(obiekt))
            return pasek;
    }
    return nullptr;
}

struct Zawieszenie
{
    const QMenu *gorne; // the menu at the top of the submenu chain
    QMenuBar *pasek;    // the menu bar it hangs in, or null
};

// Where a menu hangs: up its submenus to a menu bar, or to a top menu hanging nowhere.
Zawieszenie zawieszenie(const QMenu *menu)
{
    for (;;) {
        if (QMenuBar *pasek = paskMenu(menu))
            return {menu, pasek};
        const QMenu *wyzej = Menu::menuNadrzedne(menu);
        if (!wyzej)
            return {menu, nullptr};
        menu = wyzej;
    }
}

} // namespace

Menu::Menu(const QString &tytul, QWidget *rodzic)
    : QMenu(tytul, rodzic)
{
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (!m_brama)
            m_brama.emplace();
        przygotujDoPokazania();
    });
    connect(this, &QMenu::aboutToHide, this, [this] { m_brama.reset(); });
}

Menu::~Menu() = default;

PozycjaMenu *Menu::dodajPozycje(const QString &tytul, Akcja akcja, Responder *cel, const QKeySequence &skrot)
{
    auto *pozycja = new PozycjaMenu(tytul, akcja, this);
    if (cel)
        pozycja->setCel(cel);
    if (!skrot.isEmpty())
        pozycja->setShortcut(skrot);
    addAction(pozycja);
    return pozycja;
}

Menu::Pochodzenie Menu::pochodzenie() const
{
    return pochodzenieMenu(this);
}

QWidget *Menu::oknoPolecenia() const
{
    return oknoPoleceniaMenu(this);
}

QString Menu::tytulZDanych(const QString &tekst)
{
    QString tytul = tekst;
    return tytul.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

Menu::Pochodzenie Menu::pochodzenieMenu(const QMenu *menu)
{
    const auto [gorne, pasek] = zawieszenie(menu);
    if (pasek)
        return Pochodzenie::Glowne;
    const auto *nasze = qobject_cast<const Menu *>(gorne);
    return nasze ? nasze->m_pochodzenie : Pochodzenie::Brak;
}

QWidget *Menu::oknoPoleceniaMenu(const QMenu *menu)
{
    const auto [gorne, pasek] = zawieszenie(menu);
    if (pasek)
        return pasek->window();
    const auto *nasze = qobject_cast<const Menu *>(gorne);
    return nasze && nasze->m_widokWywolania ? nasze->m_widokWywolania->window() : nullptr;
}

void Menu::ustawPochodzenie(Pochodzenie pochodzenie, QWidget *widokWywolania)
{
    m_pochodzenie = pochodzenie;
    m_widokWywolania = widokWywolania;
}

void Menu::pokazJakoPodreczne(QWidget *widok, const QPoint &punktGlobalny)
{
    ustawPochodzenie(Pochodzenie::Podreczne, widok);
    popup(punktGlobalny);
}

void Menu::pokazPodPrzyciskiem(QWidget *przycisk)
{
    ustawPochodzenie(Pochodzenie::ZPrzycisku, przycisk);
    popup(przycisk->mapToGlobal(QPoint(0, przycisk->height())));
}

void Menu::przygotujDoPokazania()
{
    if (m_delegatObiekt && m_delegat)
        m_delegat->menuNeedsUpdate(this);
    for (QAction *akcja : actions()) {
        if (auto *pozycja = qobject_cast<PozycjaMenu *>(akcja))
            pozycja->zwaliduj();
    }
}

QMenu *Menu::menuNadrzedne(const QMenu *menu)
{
    for (QObject *obiekt : menu->menuAction()->associatedObjects()) {
        if (auto *nadrzedne = qobject_cast<QMenu *>(obiekt))
            return nadrzedne;
    }
    return nullptr;
}

PozycjaMenu *Menu::pozycjaOtwierajaca(const QMenu *menu)
{
    // Giving an action a submenu makes it the submenu's menuAction.
    return qobject_cast<PozycjaMenu *>(menu->menuAction());
}
