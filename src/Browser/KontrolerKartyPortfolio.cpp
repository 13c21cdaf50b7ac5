#include "KontrolerKartyPortfolio.h"

#include "KartaPortfolio.h"
#include "TloKarty.h"
#include "UstawieniaKartyPortfolio.h"
#include "ZawartoscKarty.h"

KontrolerKartyPortfolio::KontrolerKartyPortfolio(QObject *rodzic)
    : KontrolerKarty(rodzic)
    , m_ustawieniaKarty(std::make_unique<UstawieniaKartyPortfolio>())
{
}

KontrolerKartyPortfolio::~KontrolerKartyPortfolio() = default;

KartaPortfolio *KontrolerKartyPortfolio::kartaPortfolio() const
{
    return m_kartaPortfolio;
}

void KontrolerKartyPortfolio::setKartaPortfolio(KartaPortfolio *karta)
{
    m_kartaPortfolio = karta;
}

void KontrolerKartyPortfolio::awakeFromNib()
{
    KontrolerKarty::awakeFromNib();
    tloKarty()->setRodzajKarty(ZawartoscKarty::rodzajKartaPortfolio);
}
