#include "ListwaZakresu.h"

#include <QCoreApplication>

namespace {

bool wGrupieWObrobce(StatusPaskaZakresu status)
{
    return status >= ListwaZakresu::zWObrobce && status <= ListwaZakresu::zGotowe;
}

} // namespace

ListwaZakresu::ListwaZakresu(QObject *rodzic)
    : QObject(rodzic)
{
}

void ListwaZakresu::setStatusPaskaZakresu(StatusPaskaZakresu status)
{
    m_statusPaskaZakresu = status;
    if (wGrupieWObrobce(status))
        m_statusPrzyciskuWObrobce = status;
    if (m_ustawieniaKartyPortfolio)
        m_ustawieniaKartyPortfolio->setStatusPaskaZakresu(status);
    emit statusPaskaZakresuChanged();
}

bool ListwaZakresu::czyWcisnietyPrzyciskWObrobce() const
{
    return wGrupieWObrobce(m_statusPaskaZakresu);
}

void ListwaZakresu::odslonNowaFasolke()
{
    if (!czyWObrobce() && !czyWInkubacji() && !czyWszystkie())
        setCzyWObrobce(true);
}

QString ListwaZakresu::tytulPrzyciskuWObrobce() const
{
    return tytulZakresu(wGrupieWObrobce(m_statusPrzyciskuWObrobce) ? m_statusPrzyciskuWObrobce : zWObrobce);
}

QString ListwaZakresu::tytulZakresu(StatusPaskaZakresu status)
{
    switch (status) {
    case zWInkubacji:
        return QCoreApplication::translate("ListwaZakresu", "Incubation");
    case zAktywne:
        return QCoreApplication::translate("ListwaZakresu", "Active");
    case zOczekujace:
        return QCoreApplication::translate("ListwaZakresu", "Waiting For");
    case zGotowe:
        return QCoreApplication::translate("ListwaZakresu", "Ready");
    case zNieaktywne:
        return QCoreApplication::translate("ListwaZakresu", "Inactive");
    case zUkonczone:
        return QCoreApplication::translate("ListwaZakresu", "Done");
    case zWszystkie:
        return QCoreApplication::translate("ListwaZakresu", "All");
    default:
        return QCoreApplication::translate("ListwaZakresu", "In Work");
    }
}

void ListwaZakresu::setCzyPodzialNaPotoki(bool podzial)
{
    m_czyPodzialNaPotoki = podzial;
    if (m_ustawieniaKartyPortfolio)
        m_ustawieniaKartyPortfolio->setCzyPodzialNaPotoki(podzial);
    emit czyPodzialNaPotokiChanged();
}

bool ListwaZakresu::wartoscZnacznika(int znacznik) const
{
    if (znacznik == znacznikPodzialuNaPotoki)
        return m_czyPodzialNaPotoki;
    return znacznik >= zWObrobce && znacznik <= zWszystkie && m_statusPaskaZakresu == znacznik;
}

void ListwaZakresu::setWartoscZnacznika(int znacznik, bool wartosc)
{
    if (znacznik == znacznikPodzialuNaPotoki)
        setCzyPodzialNaPotoki(wartosc);
    else if (znacznik >= zWObrobce && znacznik <= zWszystkie)
        ustawGdyTak(wartosc, znacznik);
}

void ListwaZakresu::ustawGdyTak(bool tak, StatusPaskaZakresu status)
{
    if (tak)
        setStatusPaskaZakresu(status);
}
