#pragma once

#include "RodzajWidokuPortfolio.h"
#include "ZawartoscKarty.h"

#include <memory>

class Fasolka;
class KontrolerArchiwum;
class KontrolerBibliotekiMatRef;
class KontrolerBiezacegoWidokuSzczegolow;
class KontrolerKartyPortfolio;
class KontrolerPobranychRzeczy;
class KontrolerPotoku;
class KontrolerWidokuFasolki;
class KontrolerWszystkieFasolki;
class Potok;

// The contents of a portfolio tab: it makes and owns the tab's controller, gives the tab its
// first title, icon and view, and is the one face through which the rest of the program
// commands the tab.
class KartaPortfolio : public ZawartoscKarty
{
    Q_OBJECT

public:
    // A tab on the navigation bar's last selected element.
    KartaPortfolio();
    // A tab opened on view kind 1, 2, 3 or 6.
    explicit KartaPortfolio(RodzajWidokuPortfolio rodzajWidoku);
    ~KartaPortfolio() override;

    // The selected portfolio tab of the main browser window, or of the window holding `widok`.
    static KartaPortfolio *wybranaKartaPortfolio();
    static KartaPortfolio *wybranaKartaPortfolioWPrzegladarceZWidokiem(const QWidget *widok);

    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio.get(); }

    bool becomeFirstResponder() override;

    void pokazPobraneRzeczy();
    void pokazBibliotekeMatRef();
    void pokazWszystkieFasolki();
    void pokazArchiwum();
    void otworzFasolkeNaKarciePortfolio(Fasolka *fasolka);
    void pokazPotok(Potok *potok);
    void pokazFasolkeWPotoku(Fasolka *fasolka);

    void pokazPasekNawigacji();
    void ukryjPasekNawigacji();
    bool czyWidocznyPasekNawigacji() const;

    void przejdzDoPoprzedniegoWidoku();
    void przejdzDoNastepnegoWidoku();

    // With nothing shown the kind is 0.
    bool czyBiezacyWidokTo(RodzajWidokuPortfolio rodzaj) const;
    // The current details controller when it is of that class, else nullptr. Templates on the
    // views' classes, so that only a caller that includes the class's header needs it.
    template <typename Kontroler>
    Kontroler *biezacyKontroler() const
    {
        return qobject_cast<Kontroler *>(biezacyKontrolerJakoObiekt());
    }
    template <typename Kontroler = KontrolerPobranychRzeczy>
    Kontroler *kontrolerWybranychPobranychRzeczy() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerBibliotekiMatRef>
    Kontroler *kontrolerWybranejBibliotekiMatRef() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerWszystkieFasolki>
    Kontroler *kontrolerWybranychWszystkichFasolek() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerWszystkieFasolki>
    Kontroler *kontrolerBiezacegoWidokuWszystkieFasolki() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerPotoku>
    Kontroler *kontrolerWybranegoPotoku() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerPotoku>
    Kontroler *kontrolerBiezacegoWidokuPotoku() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerWidokuFasolki>
    Kontroler *kontrolerWybranejFasolki() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerArchiwum>
    Kontroler *kontrolerWybranegoArchiwum() const
    {
        return biezacyKontroler<Kontroler>();
    }
    template <typename Kontroler = KontrolerArchiwum>
    Kontroler *kontrolerBiezacegoWidokuArchiwum() const
    {
        return biezacyKontroler<Kontroler>();
    }

    // In a flow, All Beans or archive view that shows its filter bar.
    bool czyMoznaPrzejscDoWyszukiwarki() const;
    void przejdzDoWyszukiwarki();

    // The main menu's new-item popovers, and whether the view shown can open them.
    virtual void wyswietlDymekNowyPotok();
    virtual bool czyMoznaWyswietlicDymekNowaFasolka() const;
    virtual void wyswietlDymekNowaFasolka();
    virtual bool czyMoznaWyswietlicDymekNowyKatalog() const;
    virtual void wyswietlDymekNowyKatalog();

private:
    void stworzKontrolerKartyPortfolioZWidokiem(RodzajWidokuPortfolio rodzajWidoku);
    KontrolerBiezacegoWidokuSzczegolow *biezacyKontrolerSzczegolow() const;
    QObject *biezacyKontrolerJakoObiekt() const;

    std::unique_ptr<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
};
