#include "KontrolerKartyFasolki.h"

#include "KartaFasolki.h"
#include "TloKarty.h"
#include "UstawieniaKartyFasolki.h"
#include "ZawartoscKarty.h"

#include "Model/Fasolka.h"

KontrolerKartyFasolki::KontrolerKartyFasolki(QObject *rodzic)
    : KontrolerKarty(rodzic)
    , m_ustawieniaKarty(std::make_unique<UstawieniaKartyFasolki>())
{
}

KontrolerKartyFasolki::~KontrolerKartyFasolki() = default;

Fasolka *KontrolerKartyFasolki::fasolka() const
{
    return m_fasolka;
}

void KontrolerKartyFasolki::setFasolka(Fasolka *fasolka)
{
    if (fasolka == m_fasolka)
        return;
    m_fasolka = fasolka;
}

KartaFasolki *KontrolerKartyFasolki::kartaFasolki() const
{
    return m_kartaFasolki;
}

void KontrolerKartyFasolki::setKartaFasolki(KartaFasolki *karta)
{
    m_kartaFasolki = karta;
}

void KontrolerKartyFasolki::awakeFromNib()
{
    KontrolerKarty::awakeFromNib();
    tloKarty()->setRodzajKarty(ZawartoscKarty::rodzajKartaFasolki);
}
