#include "KontrolerAkcjeNaMenuGlownym.h"

#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"

KontrolerAkcjeNaMenuGlownym::KontrolerAkcjeNaMenuGlownym(QObject *rodzic)
    : Responder(rodzic)
{
    const std::pair<Akcja, void (KontrolerAkcjeNaMenuGlownym::*)()> polecenia[] = {
        {Akcja::pokazPanelSzybkiegoPrzegladu, &KontrolerAkcjeNaMenuGlownym::pokazPanelSzybkiegoPrzegladu},
        {Akcja::ukryjPanelSzybkiegoPrzegladu, &KontrolerAkcjeNaMenuGlownym::ukryjPanelSzybkiegoPrzegladu},
        {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu,
         &KontrolerAkcjeNaMenuGlownym::przelaczWidocznoscPanelaSzybkiegoPrzegladu},
        {Akcja::wyswietlDymekNowaFasolka, &KontrolerAkcjeNaMenuGlownym::wyswietlDymekNowaFasolka},
        {Akcja::wyswietlDymekNowyPotok, &KontrolerAkcjeNaMenuGlownym::wyswietlDymekNowyPotok},
        {Akcja::wyswietlDymekNowyKatalog, &KontrolerAkcjeNaMenuGlownym::wyswietlDymekNowyKatalog},
    };
    for (const auto &[akcja, polecenie] : polecenia)
        addHandler(akcja, [this, polecenie](QObject *) { (this->*polecenie)(); });
}

void KontrolerAkcjeNaMenuGlownym::setCanOpenNewWindow(bool moze)
{
    m_canOpenNewWindow = moze;
    emit canOpenNewWindowChanged();
}

void KontrolerAkcjeNaMenuGlownym::pokazPanelSzybkiegoPrzegladu()
{
    PanelSzybkiegoPrzegladu::pokazWspolny();
}

void KontrolerAkcjeNaMenuGlownym::ukryjPanelSzybkiegoPrzegladu()
{
    PanelSzybkiegoPrzegladu::ukryjWspolny();
}

void KontrolerAkcjeNaMenuGlownym::przelaczWidocznoscPanelaSzybkiegoPrzegladu()
{
    PanelSzybkiegoPrzegladu::przelaczWspolny();
}

void KontrolerAkcjeNaMenuGlownym::wyswietlDymekNowaFasolka()
{
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio())
        karta->wyswietlDymekNowaFasolka();
}

void KontrolerAkcjeNaMenuGlownym::wyswietlDymekNowyPotok()
{
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio())
        karta->wyswietlDymekNowyPotok();
}

void KontrolerAkcjeNaMenuGlownym::wyswietlDymekNowyKatalog()
{
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio())
        karta->wyswietlDymekNowyKatalog();
    if (KartaFasolki *karta = KartaFasolki::wybranaKartaFasolki())
        karta->wyswietlDymekNowyKatalog();
}

bool KontrolerAkcjeNaMenuGlownym::jestWidocznyPanelSzybkiegoPrzegladu() const
{
    return PanelSzybkiegoPrzegladu::wspolny()->isVisible();
}

bool KontrolerAkcjeNaMenuGlownym::moznaWyswietlicDymekNowaFasolka() const
{
    const KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio();
    return karta && karta->czyMoznaWyswietlicDymekNowaFasolka();
}

bool KontrolerAkcjeNaMenuGlownym::moznaWyswietlicDymekNowyPotok() const
{
    return KartaPortfolio::wybranaKartaPortfolio() != nullptr;
}

bool KontrolerAkcjeNaMenuGlownym::moznaWyswietlicDymekNowyKatalog() const
{
    if (const KartaFasolki *karta = KartaFasolki::wybranaKartaFasolki())
        return karta->czyMoznaWyswietlicDymekNowyKatalog();
    const KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio();
    return karta && karta->czyMoznaWyswietlicDymekNowyKatalog();
}

bool KontrolerAkcjeNaMenuGlownym::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    PozycjaMenu *pozycja = element.pozycjaMenu();
    switch (element.akcja()) {
    case Akcja::pokazPanelSzybkiegoPrzegladu:
        return !jestWidocznyPanelSzybkiegoPrzegladu();
    case Akcja::ukryjPanelSzybkiegoPrzegladu: {
        const bool widoczny = jestWidocznyPanelSzybkiegoPrzegladu();
        if (pozycja)
            pozycja->setHidden(!widoczny);
        return widoczny;
    }
    case Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu:
        if (pozycja) {
            pozycja->setText(jestWidocznyPanelSzybkiegoPrzegladu() ? tr("Close &Quick Look") : tr("&Quick Look"));
        }
        return true;
    case Akcja::wyswietlDymekNowaFasolka:
        return moznaWyswietlicDymekNowaFasolka();
    case Akcja::wyswietlDymekNowyPotok:
        return moznaWyswietlicDymekNowyPotok();
    case Akcja::wyswietlDymekNowyKatalog:
        return moznaWyswietlicDymekNowyKatalog();
    default:
        return false;
    }
}
