#pragma once

#include "Browser/TabKit/Browser.h"

#include <cstdint>

class Fasolka;
class KartaFasolki;
class KartaPortfolio;
class Potok;
class QWidget;

// The browser of one of the program's windows: the one factory through which windows and tabs
// are opened, and the look-ups of the main browser, a window's browser and the selected tab.
class PrzegladarkaTarrowind : public Browser
{
    Q_OBJECT

public:
    PrzegladarkaTarrowind() = default;

    // Each opens and shows a new window with one tab and answers its browser.
    static PrzegladarkaTarrowind *nowaPrzegladarkaZKartaPortfolio();
    static PrzegladarkaTarrowind *nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(
        std::int32_t rodzajWidoku, bool ukrytyPasekNawigacji);
    static PrzegladarkaTarrowind *nowaPrzegladarkaZKartaDanejFasolki(Fasolka *fasolka);
    static PrzegladarkaTarrowind *nowaPrzegladarkaZKartaPortfolioZPotokiem(Potok *potok);
    // Without a flow nothing is opened and the answer is nullptr.
    static PrzegladarkaTarrowind *nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(Potok *potok,
                                                                                             Fasolka *fasolka);

    // Each adds one tab to this browser and answers it.
    KartaPortfolio *nowaKartaPortfolio();
    KartaPortfolio *nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(std::int32_t rodzajWidoku,
                                                                        bool ukrytyPasekNawigacji);
    KartaPortfolio *nowaKartaPortfolioZPotokiem(Potok *potok);
    KartaPortfolio *nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(Potok *potok, Fasolka *fasolka);
    KartaFasolki *nowaKartaFasolki(Fasolka *fasolka);

    // The active tab when it is of that kind, else nullptr.
    KartaPortfolio *wybranaKartaPortfolio() const;
    KartaFasolki *wybranaKartaFasolki() const;

    // The browser of the main browser window: the last activated visible one.
    static PrzegladarkaTarrowind *glownaPrzegladarka();
    static PrzegladarkaTarrowind *przegladarkaDlaOkna(const QWidget *okno);
    static PrzegladarkaTarrowind *przegladarkaDlaWidoku(const QWidget *widok);

    // A new tab asked for by the strip: a portfolio tab, unless it is to be based on another tab.
    std::unique_ptr<TabContents> createBlankTabBasedOn(TabContents *baseContents) override;
    Browser *createBrowserInNewWindow() override;

private:
    // A browser with its window, not yet shown.
    static PrzegladarkaTarrowind *nowaPrzegladarkaZOknem();
    void pokazOkno();
};
