#include "KartaPortfolio.h"

#include "KontrolerKartyPortfolio.h"
#include "KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "PrzegladarkaTarrowind.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Views/KontrolerArchiwum.h"
#include "Views/KontrolerBibliotekiMatRef.h"
#include "Views/KontrolerPobranychRzeczy.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "Views/KontrolerWszystkieFasolki.h"

#include <QCoreApplication>

KartaPortfolio::KartaPortfolio()
    : KartaPortfolio(rwpWidokNieokreslony)
{
}

KartaPortfolio::KartaPortfolio(RodzajWidokuPortfolio rodzajWidoku)
{
    setIcon(ObrazyAplikacji::ikona(QStringLiteral("Tarrowind.icns")));
    setTitle(QCoreApplication::translate("KartaPortfolio", "Tarrowind Portfolio"));
    stworzKontrolerKartyPortfolioZWidokiem(rodzajWidoku);
}

KartaPortfolio::~KartaPortfolio()
{
    // The tab owns the view; it goes before the controller its widgets point at.
    delete view();
}

void KartaPortfolio::stworzKontrolerKartyPortfolioZWidokiem(RodzajWidokuPortfolio rodzajWidoku)
{
    m_kontrolerKartyPortfolio = std::make_unique<KontrolerKartyPortfolio>();
    // Asking for the view builds the controller's widgets first.
    setView(m_kontrolerKartyPortfolio->takeView());
    setRodzajKarty(rodzajKartaPortfolio);
    m_kontrolerKartyPortfolio->setKartaPortfolio(this);
    m_kontrolerKartyPortfolio->skonfigurujWidokZWidokiem(rodzajWidoku);
}

KartaPortfolio *KartaPortfolio::wybranaKartaPortfolio()
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::glownaPrzegladarka();
    return przegladarka ? przegladarka->wybranaKartaPortfolio() : nullptr;
}

KartaPortfolio *KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(const QWidget *widok)
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(widok);
    return przegladarka ? przegladarka->wybranaKartaPortfolio() : nullptr;
}

bool KartaPortfolio::becomeFirstResponder()
{
    m_kontrolerKartyPortfolio->ustawWybranyWidokSzczegolowJakoPierwszyResponder();
    return true;
}

void KartaPortfolio::pokazPobraneRzeczy()
{
    m_kontrolerKartyPortfolio->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(NazwyWidokow::pobraneRzeczy, true);
}

void KartaPortfolio::pokazBibliotekeMatRef()
{
    m_kontrolerKartyPortfolio->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(NazwyWidokow::bibliotekaMatRef, true);
}

void KartaPortfolio::pokazWszystkieFasolki()
{
    m_kontrolerKartyPortfolio->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(NazwyWidokow::wszystkieFasolki, true);
}

void KartaPortfolio::pokazArchiwum()
{
    m_kontrolerKartyPortfolio->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(NazwyWidokow::archiwum, true);
}

void KartaPortfolio::otworzFasolkeNaKarciePortfolio(Fasolka *fasolka)
{
    m_kontrolerKartyPortfolio->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(fasolka), true);
}

void KartaPortfolio::pokazPotok(Potok *potok)
{
    m_kontrolerKartyPortfolio->pokazPotokWPortfolio(potok);
}

void KartaPortfolio::pokazFasolkeWPotoku(Fasolka *fasolka)
{
    m_kontrolerKartyPortfolio->pokazFasolkeWPotoku(fasolka);
}

void KartaPortfolio::pokazPasekNawigacji()
{
    m_kontrolerKartyPortfolio->kontrolerWidokuRozdzielonegoZPaskiemNawigacji()->setCzyWidocznyPasekNawigacji(true);
}

void KartaPortfolio::ukryjPasekNawigacji()
{
    m_kontrolerKartyPortfolio->kontrolerWidokuRozdzielonegoZPaskiemNawigacji()->setCzyWidocznyPasekNawigacji(false);
}

bool KartaPortfolio::czyWidocznyPasekNawigacji() const
{
    return m_kontrolerKartyPortfolio->kontrolerWidokuRozdzielonegoZPaskiemNawigacji()->czyWidocznyPasekNawigacji();
}

void KartaPortfolio::przejdzDoPoprzedniegoWidoku()
{
    m_kontrolerKartyPortfolio->przejdzDoPoprzedniegoWidoku();
}

void KartaPortfolio::przejdzDoNastepnegoWidoku()
{
    m_kontrolerKartyPortfolio->przejdzDoNastepnegoWidoku();
}

bool KartaPortfolio::czyBiezacyWidokTo(RodzajWidokuPortfolio rodzaj) const
{
    return KontrolerKartyPortfolio::rodzajWidokuDlaItem(m_kontrolerKartyPortfolio->itemBiezacegoWidokuSzczeglow())
        == rodzaj;
}

template<typename Kontroler>
Kontroler *KartaPortfolio::biezacyKontroler() const
{
    return qobject_cast<Kontroler *>(m_kontrolerKartyPortfolio->kontrolerBiezacegoWidokuSzczegolow());
}

KontrolerPobranychRzeczy *KartaPortfolio::kontrolerWybranychPobranychRzeczy() const
{
    return biezacyKontroler<KontrolerPobranychRzeczy>();
}

KontrolerBibliotekiMatRef *KartaPortfolio::kontrolerWybranejBibliotekiMatRef() const
{
    return biezacyKontroler<KontrolerBibliotekiMatRef>();
}

KontrolerWszystkieFasolki *KartaPortfolio::kontrolerWybranychWszystkichFasolek() const
{
    return biezacyKontroler<KontrolerWszystkieFasolki>();
}

KontrolerPotoku *KartaPortfolio::kontrolerWybranegoPotoku() const
{
    return biezacyKontroler<KontrolerPotoku>();
}

KontrolerWidokuFasolki *KartaPortfolio::kontrolerWybranejFasolki() const
{
    return biezacyKontroler<KontrolerWidokuFasolki>();
}

KontrolerArchiwum *KartaPortfolio::kontrolerWybranegoArchiwum() const
{
    return biezacyKontroler<KontrolerArchiwum>();
}

bool KartaPortfolio::czyMoznaPrzejscDoWyszukiwarki() const
{
    // A list view that has no filter bar yet has no search field to go to.
    const KontrolerBiezacegoWidokuSzczegolow *biezacy = m_kontrolerKartyPortfolio->kontrolerBiezacegoWidokuSzczegolow();
    return (czyBiezacyWidokTo(rwpWidokWszystkieFasolki) || czyBiezacyWidokTo(rwpWidokPotoku)
            || czyBiezacyWidokTo(rwpWidokArchiwum))
        && biezacy && biezacy->widokListwyFiltra();
}

void KartaPortfolio::przejdzDoWyszukiwarki()
{
    if (KontrolerPotoku *potoku = kontrolerWybranegoPotoku())
        potoku->przejdzDoWyszukiwarki(this);
    else if (KontrolerWszystkieFasolki *wszystkie = kontrolerWybranychWszystkichFasolek())
        wszystkie->przejdzDoWyszukiwarki(this);
    else if (KontrolerArchiwum *archiwum = kontrolerWybranegoArchiwum())
        archiwum->przejdzDoWyszukiwarki(this);
}

void KartaPortfolio::wyswietlDymekNowyPotok()
{
    if (!czyWidocznyPasekNawigacji())
        pokazPasekNawigacji();
    LancuchResponderow::sendAction(Akcja::wyswietlDymekNowyPotok,
                                   m_kontrolerKartyPortfolio->kontrolerAkcjeNaBazieFasolek(), nullptr);
}

bool KartaPortfolio::czyMoznaWyswietlicDymekNowaFasolka() const
{
    if (KontrolerWszystkieFasolki *wszystkie = kontrolerWybranychWszystkichFasolek()) {
        return LancuchResponderow::zwaliduj(ElementInterfejsu(Akcja::wyswietlDymekNowaFasolka),
                                            wszystkie->kontrolerAkcjeNaElementach());
    }
    return kontrolerWybranegoPotoku() != nullptr;
}

void KartaPortfolio::wyswietlDymekNowaFasolka()
{
    if (KontrolerPotoku *potoku = kontrolerWybranegoPotoku())
        potoku->wyswietlDymekNowaFasolka();
    else if (KontrolerWszystkieFasolki *wszystkie = kontrolerWybranychWszystkichFasolek())
        LancuchResponderow::sendAction(Akcja::wyswietlDymekNowaFasolka, wszystkie->kontrolerAkcjeNaElementach(), nullptr);
}

bool KartaPortfolio::czyMoznaWyswietlicDymekNowyKatalog() const
{
    if (czyBiezacyWidokTo(rwpWidokPobranychRzeczy) || czyBiezacyWidokTo(rwpWidokBibliotekiMatRef))
        return true;
    if (KontrolerPotoku *potoku = kontrolerWybranegoPotoku())
        return potoku->kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy();
    if (KontrolerWidokuFasolki *fasolki = kontrolerWybranejFasolki()) {
        return !fasolki->kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy()
            || KontrolerRzeczyKatalogu::celDymkaNowyKatalog(view());
    }
    return false;
}

void KartaPortfolio::wyswietlDymekNowyKatalog()
{
    if (KontrolerPobranychRzeczy *pobrane = kontrolerWybranychPobranychRzeczy()) {
        pobrane->kontrolerRzeczyKatalogu()->wyswietlDymekNowyKatalog(nullptr);
    } else if (KontrolerBibliotekiMatRef *biblioteka = kontrolerWybranejBibliotekiMatRef()) {
        biblioteka->kontrolerRzeczyKatalogu()->wyswietlDymekNowyKatalog(nullptr);
    } else if (KontrolerPotoku *potoku = kontrolerWybranegoPotoku()) {
        if (potoku->kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy())
            potoku->kontrolerRzeczyPotoku()->wyswietlDymekNowyKatalog(nullptr);
    } else if (KontrolerWidokuFasolki *fasolki = kontrolerWybranejFasolki()) {
        if (!fasolki->kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy())
            fasolki->kontrolerRzeczyFasolki()->wyswietlDymekNowyKatalog(nullptr);
        else if (KontrolerRzeczyKatalogu::celDymkaNowyKatalog(view()))
            LancuchResponderow::sendAction(Akcja::wyswietlDymekNowyKatalog, nullptr, this, view()->window());
    }
}
