#include "RzeczWBazieFasolek.h"

void RzeczWBazieFasolek::setNazwaWPamieci(const QString &nazwa)
{
    m_nazwa = nazwa;
    emit nazwaChanged();
}

void RzeczWBazieFasolek::setIkona(const QIcon &ikona)
{
    m_ikona = ikona;
    emit ikonaChanged();
}

const KluczeNazwy &RzeczWBazieFasolek::kluczeNazwy() const
{
    const QString obecna = nazwa();
    if (!m_kluczeNazwy || m_kluczeNazwy->nazwa() != obecna)
        m_kluczeNazwy = std::make_unique<KluczeNazwy>(obecna);
    return *m_kluczeNazwy;
}
