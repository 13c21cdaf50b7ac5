#pragma once

#include "ZawartoscKarty.h"

#include <memory>

class KontrolerKartyPortfolio;

// The contents of a portfolio tab: it makes and owns the tab's controller and gives the tab its
// first title, icon and view.
class KartaPortfolio : public ZawartoscKarty
{
    Q_OBJECT

public:
    KartaPortfolio();
    ~KartaPortfolio() override;

    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio.get(); }

    // The selected tab of the main browser window when it is a portfolio tab, else nullptr.
    static KartaPortfolio *wybranaKartaPortfolio();

    // The main menu's new-item commands, handed on to the tab's current view. The views do not
    // open their popovers yet: until they do, the tab answers NO and opens nothing.
    virtual bool czyMoznaWyswietlicDymekNowaFasolka() const { return false; }
    virtual void wyswietlDymekNowaFasolka() {}
    virtual void wyswietlDymekNowyPotok() {}
    virtual bool czyMoznaWyswietlicDymekNowyKatalog() const { return false; }
    virtual void wyswietlDymekNowyKatalog() {}

private:
    void stworzKontrolerKartyPortfolio();

    std::unique_ptr<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
};
