#include "KontrolerKartyPortfolio.h"

#include "KartaPortfolio.h"

KontrolerKartyPortfolio::KontrolerKartyPortfolio(QObject *rodzic)
    : KontrolerKarty(rodzic)
{
}

KartaPortfolio *KontrolerKartyPortfolio::kartaPortfolio() const
{
    return m_kartaPortfolio;
}

void KontrolerKartyPortfolio::setKartaPortfolio(KartaPortfolio *karta)
{
    m_kartaPortfolio = karta;
}
