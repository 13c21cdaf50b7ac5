#include "StosCoreData.h"

#include <utility>

StosCoreData *StosCoreData::sharedStosCoreData()
{
    static StosCoreData instancja;
    return &instancja;
}

KontekstObiektow *StosCoreData::kontekstOZ()
{
    return sharedStosCoreData()->kontekst();
}

KontekstObiektow *StosCoreData::kontekst()
{
    if (!m_kontekst)
        m_kontekst = std::make_unique<KontekstObiektow>();
    return m_kontekst.get();
}

void StosCoreData::nowyKontekst()
{
    m_kontekst = std::make_unique<KontekstObiektow>();
}

std::unique_ptr<KontekstObiektow> StosCoreData::zamienKontekst(std::unique_ptr<KontekstObiektow> kontekst)
{
    std::swap(m_kontekst, kontekst);
    return kontekst;
}
