#include "PrzegladarkaTarrowind.h"

#include "KartaFasolki.h"
#include "KartaPortfolio.h"
#include "KontrolerKartyFasolki.h"
#include "KontrolerOknaPrzegladarkiTarrowind.h"

#include "Browser/TabKit/BrowserWindow.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/WindowRegistry.h"

PrzegladarkaTarrowind *PrzegladarkaTarrowind::nowaPrzegladarkaZOknem()
{
    // The window owns its controller, and the controller the browser.
    auto *kontroler = new KontrolerOknaPrzegladarkiTarrowind(std::make_unique<PrzegladarkaTarrowind>());
    return static_cast<PrzegladarkaTarrowind *>(kontroler->browser());
}

void PrzegladarkaTarrowind::pokazOkno()
{
    windowController()->showWindow();
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio()
{
    PrzegladarkaTarrowind *przegladarka = nowaPrzegladarkaZOknem();
    przegladarka->nowaKartaPortfolio();
    przegladarka->pokazOkno();
    return przegladarka;
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(
    std::int32_t rodzajWidoku, bool ukrytyPasekNawigacji)
{
    PrzegladarkaTarrowind *przegladarka = nowaPrzegladarkaZOknem();
    przegladarka->nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rodzajWidoku, ukrytyPasekNawigacji);
    przegladarka->pokazOkno();
    return przegladarka;
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(Fasolka *fasolka)
{
    PrzegladarkaTarrowind *przegladarka = nowaPrzegladarkaZOknem();
    przegladarka->nowaKartaFasolki(fasolka);
    przegladarka->pokazOkno();
    return przegladarka;
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiem(Potok *potok)
{
    return nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(potok, nullptr);
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(
    Potok *potok, Fasolka *fasolka)
{
    if (!potok)
        return nullptr;
    PrzegladarkaTarrowind *przegladarka = nowaPrzegladarkaZOknem();
    przegladarka->nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(potok, fasolka);
    przegladarka->pokazOkno();
    return przegladarka;
}

KartaPortfolio *PrzegladarkaTarrowind::nowaKartaPortfolio()
{
    return static_cast<KartaPortfolio *>(addTabContents(std::make_unique<KartaPortfolio>()));
}

KartaPortfolio *PrzegladarkaTarrowind::nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(std::int32_t rodzajWidoku,
                                                                                           bool ukrytyPasekNawigacji)
{
    auto *karta = static_cast<KartaPortfolio *>(addTabContents(std::make_unique<KartaPortfolio>(rodzajWidoku)));
    if (ukrytyPasekNawigacji)
        karta->ukryjPasekNawigacji();
    return karta;
}

KartaPortfolio *PrzegladarkaTarrowind::nowaKartaPortfolioZPotokiem(Potok *potok)
{
    return nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(potok, nullptr);
}

KartaPortfolio *PrzegladarkaTarrowind::nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(Potok *potok, Fasolka *fasolka)
{
    KartaPortfolio *karta = nowaKartaPortfolio();
    if (fasolka)
        karta->pokazFasolkeWPotoku(fasolka);
    else
        karta->pokazPotok(potok);
    return karta;
}

KartaFasolki *PrzegladarkaTarrowind::nowaKartaFasolki(Fasolka *fasolka)
{
    auto karta = std::make_unique<KartaFasolki>();
    karta->kontrolerKartyFasolki()->ustawWidok();
    karta->setFasolka(fasolka);
    return static_cast<KartaFasolki *>(addTabContents(std::move(karta)));
}

KartaPortfolio *PrzegladarkaTarrowind::wybranaKartaPortfolio() const
{
    return qobject_cast<KartaPortfolio *>(activeTabContents());
}

KartaFasolki *PrzegladarkaTarrowind::wybranaKartaFasolki() const
{
    return qobject_cast<KartaFasolki *>(activeTabContents());
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::glownaPrzegladarka()
{
    return przegladarkaDlaOkna(WindowRegistry::instance().mainWindow<BrowserWindow>());
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::przegladarkaDlaOkna(const QWidget *okno)
{
    BrowserWindowController *kontroler = BrowserWindowController::browserWindowControllerForWindow(okno);
    return kontroler ? qobject_cast<PrzegladarkaTarrowind *>(kontroler->browser()) : nullptr;
}

PrzegladarkaTarrowind *PrzegladarkaTarrowind::przegladarkaDlaWidoku(const QWidget *widok)
{
    BrowserWindowController *kontroler = BrowserWindowController::browserWindowControllerForView(widok);
    return kontroler ? qobject_cast<PrzegladarkaTarrowind *>(kontroler->browser()) : nullptr;
}

std::unique_ptr<TabContents> PrzegladarkaTarrowind::createBlankTabBasedOn(TabContents *baseContents)
{
    drukujLinie(QStringLiteral("createBlankTabBasedOn:"));
    if (baseContents) {
        drukujLinie(QStringLiteral("baseContents.title = %1"), baseContents->title());
        return nullptr;
    }
    return std::make_unique<KartaPortfolio>();
}

Browser *PrzegladarkaTarrowind::createBrowserInNewWindow()
{
    return nowaPrzegladarkaZOknem();
}
