#include "KartaPortfolio.h"

#include "KontrolerBiezacegoWidokuSzczegolow.h"
#include "KontrolerKartyPortfolio.h"
#include "KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "PrzegladarkaTarrowind.h"

#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/LancuchResponderow.h"

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

KontrolerBiezacegoWidokuSzczegolow *KartaPortfolio::biezacyKontrolerSzczegolow() const
{
    return m_kontrolerKartyPortfolio->kontrolerBiezacegoWidokuSzczegolow();
}

QObject *KartaPortfolio::biezacyKontrolerJakoObiekt() const
{
    return biezacyKontrolerSzczegolow();
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
    if (KontrolerBiezacegoWidokuSzczegolow *biezacy = biezacyKontrolerSzczegolow())
        biezacy->przejdzDoWyszukiwarki(this);
}

void KartaPortfolio::wyswietlDymekNowyPotok()
{
    if (!czyWidocznyPasekNawigacji())
        pokazPasekNawigacji();
    LancuchResponderow::sendAction(Akcja::wyswietlDymekNowyPotok, m_kontrolerKartyPortfolio->akcjeNaBazieFasolek(),
                                   nullptr);
}

bool KartaPortfolio::czyMoznaWyswietlicDymekNowaFasolka() const
{
    KontrolerBiezacegoWidokuSzczegolow *biezacy = biezacyKontrolerSzczegolow();
    return biezacy && biezacy->czyMoznaWyswietlicDymekNowaFasolka();
}

void KartaPortfolio::wyswietlDymekNowaFasolka()
{
    if (KontrolerBiezacegoWidokuSzczegolow *biezacy = biezacyKontrolerSzczegolow())
        biezacy->wyswietlDymekNowaFasolka();
}

bool KartaPortfolio::czyMoznaWyswietlicDymekNowyKatalog() const
{
    KontrolerBiezacegoWidokuSzczegolow *biezacy = biezacyKontrolerSzczegolow();
    return biezacy && biezacy->czyMoznaWyswietlicDymekNowyKatalog(this);
}

void KartaPortfolio::wyswietlDymekNowyKatalog()
{
    if (KontrolerBiezacegoWidokuSzczegolow *biezacy = biezacyKontrolerSzczegolow())
        biezacy->wyswietlDymekNowyKatalog(this);
}
