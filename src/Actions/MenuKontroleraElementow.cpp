#include "MenuKontroleraElementow.h"

#include "KontrolerAkcjeNaElementach.h"

#include "Model/Fasolka.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <QCoreApplication>

namespace {

QString trMenu(const char *tekst)
{
    return QCoreApplication::translate("MenuKontroleraElementow", tekst);
}

Menu *noweMenu(const QString &tytul, KontrolerAkcjeNaElementach *kontroler, QWidget *rodzic)
{
    auto *menu = new Menu(tytul, rodzic);
    menu->setDelegat(kontroler);
    if (!rodzic)
        QObject::connect(kontroler, &QObject::destroyed, menu, &QObject::deleteLater);
    return menu;
}

// An item that opens a submenu; its command decides whether it is enabled.
PozycjaMenu *dodajPodmenu(Menu *menu, Menu *podmenu, Akcja akcja, KontrolerAkcjeNaElementach *kontroler, int tag = 0)
{
    auto *pozycja = new PozycjaMenu(podmenu->title(), akcja, menu);
    pozycja->setCel(kontroler);
    pozycja->setTag(tag);
    pozycja->setMenu(podmenu);
    menu->addAction(pozycja);
    return pozycja;
}

Menu *zbudujMenuStatusu(KontrolerAkcjeNaElementach *kontroler, QWidget *rodzic)
{
    Menu *menu = noweMenu(trMenu("Status"), kontroler, rodzic);
    MenuKontroleraElementow::dodajPozycjeStatusu(menu, kontroler);
    kontroler->setMenuPodreczneStatusu(menu);
    return menu;
}

} // namespace

void MenuKontroleraElementow::dodajPozycjeStatusu(Menu *menu, Responder *cel)
{
    // Its command is handled by no one, so the header stays disabled.
    menu->dodajPozycje(trMenu("<none>"), Akcja::generalItem, cel)->setTag(tagNaglowkaStatusu);
    menu->addSeparator();
    for (const auto &polecenie : KontrolerAkcjeNaElementach::poleceniaStatusu()) {
        if (!polecenie.zeZnacznikiem)
            menu->addSeparator();
        const QString tytul = polecenie.zeZnacznikiem ? Fasolka::tekstowyStatusFasolki(polecenie.status)
                                                      : trMenu("Reactivate");
        PozycjaMenu *pozycja = menu->dodajPozycje(tytul, polecenie.akcja, cel);
        if (polecenie.zeZnacznikiem)
            pozycja->setStan(PozycjaMenu::Stan::Wylaczony);
    }
}

Menu *MenuKontroleraElementow::zbuduj(KontrolerAkcjeNaElementach *kontroler, QWidget *rodzic)
{
    Menu *menu = noweMenu({}, kontroler, rodzic);
    const auto dodaj = [menu, kontroler](const char *tytul, Akcja akcja) {
        return menu->dodajPozycje(trMenu(tytul), akcja, kontroler);
    };
    dodaj("Open", Akcja::otworzFasolkeNaKarciePortfolio);
    dodaj("Open in New Tab", Akcja::nowaKartaFasolki);
    dodaj("Open in New Window", Akcja::noweOknoZKartaFasolki)->setTag(tagOtworzWNowymOknie);
    dodaj("Open in Default Application", Akcja::otworzBytyElementowWDomyslnychAplikacjach);
    Menu *otworzW = noweMenu(trMenu("Open With"), kontroler, rodzic);
    dodajPodmenu(menu, otworzW, Akcja::otworzBytElementuWProgramie, kontroler, tagOtworzWProgramie);
    kontroler->setMenuOtworzWProgramie(otworzW);
    menu->addSeparator();
    dodaj("Show in Flow", Akcja::pokazFasolkeWPotoku);
    dodaj("Show in File Manager", Akcja::pokazElementWFinderze);
    dodaj("Open in File Manager", Akcja::otworzElementyWFinderze);
    dodaj("Quick Look", Akcja::pokazPanelSzybkiegoPrzegladu);
    dodaj("Close Quick Look", Akcja::ukryjPanelSzybkiegoPrzegladu);
    menu->addSeparator();
    dodajPodmenu(menu, zbudujMenuStatusu(kontroler, rodzic), Akcja::wyswietlPozaTabelaMenuPodreczneStatusu, kontroler);
    Menu *doPotoku = noweMenu(trMenu("Move to Flow"), kontroler, rodzic);
    dodajPodmenu(menu, doPotoku, Akcja::przeniesFasolkiDoPotoku, kontroler);
    kontroler->setMenuPrzeniesDoPotoku(doPotoku);
    menu->addSeparator();
    dodaj("Wrap in Bean Folder", Akcja::opakujFasolkePlikowaWKatalog);
    dodaj("Unwrap Bean Folder", Akcja::wypakujZawartoscFasolkiZKatalogu);
    dodaj("Duplicate", Akcja::duplikujFasolki);
    dodaj("Move to Trash", Akcja::moveToTrash);
    kontroler->setMenuPodreczneFasolki(menu);
    return menu;
}

Menu *MenuKontroleraElementow::zbudujMenuElementu(KontrolerAkcjeNaElementach *kontroler, QWidget *rodzic)
{
    Menu *menu = noweMenu({}, kontroler, rodzic);
    menu->dodajPozycje(trMenu("Open in New Tab"), Akcja::nowaKartaPortfolioZWidokiemElementu, kontroler);
    menu->dodajPozycje(trMenu("Open in New Window"), Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, kontroler);
    menu->addSeparator();
    menu->dodajPozycje(trMenu("Open in File Manager"), Akcja::otworzElementyWFinderze, kontroler);
    menu->dodajPozycje(trMenu("Show in File Manager"), Akcja::pokazElementWFinderze, kontroler);
    return menu;
}
