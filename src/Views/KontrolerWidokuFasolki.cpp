#include "KontrolerWidokuFasolki.h"

#include "Browser/KontrolerKartyFasolki.h"
#include "Model/Fasolka.h"

KontrolerWidokuFasolki::KontrolerWidokuFasolki(QObject *rodzic)
    : KontrolerWidokuZPanelemRzeczy(rodzic)
{
}

Fasolka *KontrolerWidokuFasolki::fasolka() const
{
    return m_fasolka;
}

void KontrolerWidokuFasolki::setFasolka(Fasolka *fasolka)
{
    if (fasolka == m_fasolka)
        return;
    m_fasolka = fasolka;
    sledz(fasolka, &Fasolka::zostalaUsunietaChanged, &Fasolka::zostalaUsunieta,
          fasolka && fasolka->jestZKatalogiem() ? fasolka->katalog() : nullptr);
}

QString KontrolerWidokuFasolki::tytulZakladki() const
{
    return KontrolerKartyFasolki::tytulZakladkiDlaFasolki(m_fasolka);
}

QIcon KontrolerWidokuFasolki::ikonaZakladki() const
{
    return KontrolerKartyFasolki::ikonaZakladkiDlaFasolki(m_fasolka);
}
