#pragma once

#include <QString>

// Every command that menus, buttons and keys send, named after its selector. The list is kept
// once, here, so the enum and the selector names cannot drift apart.
#define TARROWIND_AKCJE(X) \
    /* item commands */ \
    X(otworzFasolkeNaKarciePortfolio) \
    X(noweOknoZKartaFasolki) \
    X(nowaKartaFasolki) \
    X(otworzBytyElementowWDomyslnychAplikacjach) \
    X(otworzBytElementuWProgramie) \
    X(otworzBytFasolkiWProgramie) \
    X(pokazElementWFinderze) \
    X(otworzElementyWFinderze) \
    X(nowaKartaPortfolioZWidokiemElementu) \
    X(noweOknoZWidokiemElementuNaKarciePortfolio) \
    X(pokazPanelSzybkiegoPrzegladu) \
    X(ukryjPanelSzybkiegoPrzegladu) \
    X(przelaczWidocznoscPanelaSzybkiegoPrzegladu) \
    X(opakujFasolkePlikowaWKatalog) \
    X(wypakujZawartoscFasolkiZKatalogu) \
    X(duplikujFasolki) \
    X(przeniesFasolkiDoPotoku) \
    X(moveToTrash) \
    X(pokazFasolkeWPotoku) \
    X(akcjaPrzejdzDoPotoku) \
    X(wyswietlDymekNowaFasolka) \
    X(wyswietlDymekNowyPotok) \
    X(wyswietlDymekNowyPotokNaKarcieProtfolio) \
    X(wyswietlDymekNowyKatalog) \
    X(wyswietlPozaTabelaMenuPodreczneStatusu) \
    X(inkubujFasolki) \
    X(aktywujFasolki) \
    X(oznaczFasolkiJakoOczekujace) \
    X(deaktywujFasolki) \
    X(oznaczFasolkiJakoGotowe) \
    X(oznaczFasolkiJakoUkonczone) \
    X(archiwizujFasolki) \
    X(reaktywujFasolke) \
    X(noweOknoZPotokiemNaKarciePortfolio) \
    X(nowaKartaPortfolioZPotokiem) \
    X(otworzPotokWFinderze) \
    X(pokazPotokWFinderze) \
    /* folder-contents commands */ \
    X(otworzBytRzeczyWDomyslnejAplikacji) \
    X(otworzRzeczWFinderze) \
    X(pokazRzeczWFinderze) \
    /* content views */ \
    X(akcjaDlaDwukliku) \
    X(doubleClickAction) \
    X(noweOknoPrzegladarkiZZaznaczonymWidokiem) \
    X(przejdzDoWyszukiwarki) \
    X(wyswietlWTabeliMenuPodreczneStatusu) \
    X(otworzArchiwumWFinderze) \
    X(pathControlFirstMenuItemCLick) \
    X(otworzFasolkeNaKarcieLubWNowymOknie) \
    X(pokazSzybkiPrzeglad) \
    X(pokazMenuAkcji) \
    X(checkBoxAction) \
    X(ustawRodzajWidokuWiersza) \
    /* expected-outcome editor */ \
    X(rozpocznijEdycje) \
    X(zapiszRezultat) \
    X(wlaczEdycjeLubZapisz) \
    X(anulujEdycje) \
    X(akcjaRozwinEdytor) \
    X(akcjaZwinEdytor) \
    /* portfolio tab */ \
    X(przejdzDoPoprzedniegoWidoku) \
    X(przejdzDoNastepnegoWidoku) \
    X(przejdzDoZapamietanegoWidoku) \
    X(otworzBazeFasolekWFinderze) \
    /* application */ \
    X(otworzPreferencje) \
    X(otworzPanelOProgramie) \
    X(otworzWitryneTarrowind) \
    X(otworzStronePomocy) \
    X(otworzStroneChangeloga) \
    X(noweOknoZKartami) \
    X(noweOknoZKartaPortfolio) \
    X(noweOknoZKartaArchiwum) \
    X(nowaKartaPortfolio) \
    X(nowaKartaArchiwum) \
    X(zamknijKarte) \
    X(zamknijOknoPrzegladarki) \
    X(wybierzPoprzedniaKarte) \
    X(wybierzNastepnaKarte) \
    X(akcjaPokazPasekNawigacji) \
    X(akcjaUkryjPasekNawigacji) \
    X(openChangePortfolioLocationPanel) \
    X(generalItem) \
    X(terminate) \
    X(pokazWszystkieFasolki) \
    X(pokazArchiwum) \
    /* set-up wizard and change of location */ \
    X(moveToChooseLocationView) \
    X(backToStartView) \
    X(wybierzSciezkeDlaPortfolio) \
    X(operateOnPortfolio) \
    X(cancelMigration) \
    X(zacznijUzywacTarrowind) \
    X(zamknijTarrowind) \
    X(changePortfolioLocation) \
    X(closeChangePortfolioLocationPanel) \
    X(makeOperationOnPortfolio) \
    X(cancelMigrationPortfolio) \
    /* developer diagnostics */ \
    X(wyswietlLancuchResponderow) \
    X(wyswietlListyPoprzednichINastepnychWidokow) \
    X(wyswietlStanObiektuPotoku) \
    X(wyswietlStanEdytora) \
    X(testuj) \
    X(testTest) \
    X(testProfiler)

enum class Akcja {
#define TARROWIND_AKCJA_ENUM(nazwa) nazwa,
    TARROWIND_AKCJE(TARROWIND_AKCJA_ENUM)
#undef TARROWIND_AKCJA_ENUM
};

// The selector's name with its colon, as console lines print it: "duplikujFasolki:".
QString nazwaSelektora(Akcja akcja);
