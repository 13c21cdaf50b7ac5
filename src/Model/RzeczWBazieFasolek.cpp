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
