#include "MenuPodreczneElementow.h"

#include "ElementyDlaPolecen.h"
#include "FileSystemEntityActionController.h"
#include "PoleceniaOtwieraniaElementow.h"
#include "PoleceniaPlikoweFasolek.h"
#include "PoleceniaStatusuFasolek.h"

#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"

MenuPodreczneElementow::MenuPodreczneElementow(const ElementyDlaPolecen &elementy, QObject *wlasciciel,
                                               std::function<void()> zapomnijKliknietyWiersz)
    : m_elementy(elementy)
    , m_wlasciciel(wlasciciel)
    , m_zapomnijKliknietyWiersz(std::move(zapomnijKliknietyWiersz))
{
}

void MenuPodreczneElementow::menuNeedsUpdate(Menu *menu)
{
    const QList<QObject *> elementy = m_elementy.elementyDlaPolecenia(menu);
    // A submenu of the main menu comes here from the menu bar, to the controller its item's command
    // reaches: known by that command, not by identity.
    const PozycjaMenu *otwierajaca = Menu::pozycjaOtwierajaca(menu);
    const auto otwieraPolecenie = [otwierajaca](Akcja akcja) { return otwierajaca && otwierajaca->akcja() == akcja; };
    if (menu == m_menuPodreczneFasolki)
        PoleceniaOtwieraniaElementow::zaktualizujMenuPodreczneFasolki(menu, elementy);
    if (menu == m_menuPodreczneStatusu || otwieraPolecenie(Akcja::wyswietlPozaTabelaMenuPodreczneStatusu))
        PoleceniaStatusuFasolek::zaktualizujMenuPodreczneStatusuDlaElementow(menu, elementy);
    if (menu == m_menuOtworzWProgramie || otwieraPolecenie(Akcja::otworzBytElementuWProgramie)) {
        if (Fasolka *otwierana = m_elementy.fasolka();
            otwierana && otwierana->bytFasolki() && !otwierana->bytFasolki()->toKatalog())
            FileSystemEntityActionController::zaktualizujPodrzedneMenuOtworzWProgramieDlaBytu(menu,
                                                                                              otwierana->bytFasolki());
    }
    if (menu == m_menuPrzeniesDoPotoku || otwieraPolecenie(Akcja::przeniesFasolkiDoPotoku))
        PoleceniaPlikoweFasolek::zaktualizujPodrzedneMenuPrzeniesDoPotoku(menu);
}

void MenuPodreczneElementow::ustawMenu(QPointer<Menu> &outlet, Menu *menu)
{
    if (outlet)
        QObject::disconnect(outlet, nullptr, m_wlasciciel, nullptr);
    outlet = menu;
    if (menu)
        QObject::connect(menu, &QMenu::aboutToHide, m_wlasciciel,
                         [this, menu] { zapomnijKliknietyWierszPoZamknieciu(menu); });
}

void MenuPodreczneElementow::zapomnijKliknietyWierszPoZamknieciu(Menu *menu)
{
    if (Menu::pochodzenieMenu(menu) != Menu::Pochodzenie::Podreczne)
        return;
    const QMenu *gorne = menu;
    while (const QMenu *wyzej = Menu::menuNadrzedne(gorne))
        gorne = wyzej;
    // Qt hides a menu before it triggers the chosen item, so the row is kept for that command;
    // a submenu that closes while its context menu stays open keeps it too.
    const QPointer<const QMenu> gorneMenu = gorne;
    const std::uint64_t numer = m_elementy.numerKlikniecia();
    DelayedOperations::addOperationAfterDelayWithBlock(0, m_wlasciciel, [this, gorneMenu, numer] {
        if (numer == m_elementy.numerKlikniecia() && (!gorneMenu || !gorneMenu->isVisible()))
            m_zapomnijKliknietyWiersz();
    });
}
