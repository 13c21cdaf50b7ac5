#include "RzeczWBazieFasolekZKatalogiem.h"

#include "BytKatalogu.h"
#include "RelacjeModelu.h"
#include "SpecKatalog.h"

void RzeczWBazieFasolekZKatalogiem::setKatalog(BytKatalogu *katalog)
{
    RelacjeModelu::katalogRzeczy.ustaw(this, katalog);
}

void RzeczWBazieFasolekZKatalogiem::ustawKatalogOURLu(const QString &url)
{
    auto *katalog = StosCoreData::kontekstOZ()->wstaw<BytKatalogu>();
    setKatalog(katalog);
    katalog->setPlikowyURL(url);
    katalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
    setNazwaWPamieci(katalog->nazwaZlokalizowana());
    setIkona(katalog->ikona());
}

QString RzeczWBazieFasolekZKatalogiem::previewItemURL() const
{
    return m_katalog ? m_katalog->plikowyURL() : QString();
}

BytKatalogu *RzeczWBazieFasolekZKatalogiem::katalogSpecjalny(int rodzajSpecUrla)
{
    return BytSystemuPlikow::bytKataloguDlaURL(SpecKatalog::sharedSpecKatalog()->url(rodzajSpecUrla));
}

void RzeczWBazieFasolekZKatalogiem::synchronizujKatalog()
{
    if (m_katalog)
        m_katalog->synchronizujZDyskiem();
}
