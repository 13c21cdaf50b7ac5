#include "KartaFasolki.h"

#include "KontrolerKartyFasolki.h"
#include "PrzegladarkaTarrowind.h"

#include "Model/Fasolka.h"
#include "Platform/ObrazyAplikacji.h"

#include <QCoreApplication>

namespace {

QString tytulBezFasolki()
{
    return QCoreApplication::translate("KartaFasolki", "Bean ...");
}

} // namespace

KartaFasolki::KartaFasolki()
{
    setIcon(ObrazyAplikacji::ikona(QStringLiteral("projekt-katalogowy.icns")));
    setTitle(tytulBezFasolki());
    stworzKontrolerKartyFasolki();
}

KartaFasolki::~KartaFasolki()
{
    // The tab owns the view; it goes before the controller its widgets point at.
    delete view();
}

KartaFasolki *KartaFasolki::wybranaKartaFasolki()
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::glownaPrzegladarka();
    return przegladarka ? przegladarka->wybranaKartaFasolki() : nullptr;
}

Fasolka *KartaFasolki::fasolka() const
{
    return m_fasolka;
}

void KartaFasolki::setFasolka(Fasolka *fasolka)
{
    m_fasolka = fasolka;
    if (fasolka) {
        setIcon(fasolka->ikona());
        setTitle(fasolka->nazwa());
    } else {
        setIcon(ObrazyAplikacji::ikona(QStringLiteral("Fasolka.icns")));
        setTitle(tytulBezFasolki());
    }
    if (m_kontrolerKartyFasolki)
        m_kontrolerKartyFasolki->setFasolka(fasolka);
}

bool KartaFasolki::becomeFirstResponder()
{
    ustawWidokJakoPierwszyResponder();
    return true;
}

void KartaFasolki::ustawWidokJakoPierwszyResponder()
{
    m_kontrolerKartyFasolki->zawartoscFasolki()->ustawWidokJakoPierwszyResponder();
}

bool KartaFasolki::czyMoznaWyswietlicDymekNowyKatalog() const
{
    return m_kontrolerKartyFasolki->zawartoscFasolki()->czyMoznaWyswietlicDymekNowyKatalog(this);
}

void KartaFasolki::wyswietlDymekNowyKatalog()
{
    m_kontrolerKartyFasolki->zawartoscFasolki()->wyswietlDymekNowyKatalog(this);
}

void KartaFasolki::stworzKontrolerKartyFasolki()
{
    m_kontrolerKartyFasolki = std::make_unique<KontrolerKartyFasolki>();
    setView(m_kontrolerKartyFasolki->takeView());
    m_kontrolerKartyFasolki->setKartaFasolki(this);
    setRodzajKarty(rodzajKartaFasolki);
}
