#include "KartaPortfolio.h"

#include "KontrolerKartyPortfolio.h"
#include "PrzegladarkaTarrowind.h"

#include "Platform/ObrazyAplikacji.h"

#include <QCoreApplication>

KartaPortfolio::KartaPortfolio()
{
    setIcon(ObrazyAplikacji::ikona(QStringLiteral("Tarrowind.icns")));
    setTitle(QCoreApplication::translate("KartaPortfolio", "Tarrowind Portfolio"));
    stworzKontrolerKartyPortfolio();
}

KartaPortfolio::~KartaPortfolio()
{
    // The tab owns the view; it goes before the controller its widgets point at.
    delete view();
}

void KartaPortfolio::stworzKontrolerKartyPortfolio()
{
    m_kontrolerKartyPortfolio = std::make_unique<KontrolerKartyPortfolio>();
    // Asking for the view builds the controller's widgets first.
    setView(m_kontrolerKartyPortfolio->takeView());
    setRodzajKarty(rodzajKartaPortfolio);
    m_kontrolerKartyPortfolio->setKartaPortfolio(this);
}

KartaPortfolio *KartaPortfolio::wybranaKartaPortfolio()
{
    const PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::glownaPrzegladarka();
    return przegladarka ? przegladarka->wybranaKartaPortfolio() : nullptr;
}
