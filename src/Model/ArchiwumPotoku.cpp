#include "ArchiwumPotoku.h"

#include "Archiwum.h"
#include "BytKatalogu.h"
#include "Fasolka.h"
#include "RelacjeModelu.h"
#include "SpecKatalog.h"
#include "StosCoreData.h"
#include "SynchronizatorZestawuObiektow.h"

#include "Platform/ObrazyAplikacji.h"
#include "Platform/Paths.h"

ArchiwumPotoku::ArchiwumPotoku()
{
    connect(this, &ArchiwumPotoku::fasolkiChanged, this,
            [this](const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete) {
                m_indeksFasolek.usun(usuniete);
                m_indeksFasolek.dodaj(dodane);
                if (m_archiwum)
                    emit m_archiwum->relacjaFasolkiZmieniona();
            });
}

ArchiwumPotoku *ArchiwumPotoku::zarzadzanyObiektArchiwumPotokuZURLem(const QString &url, quint32 rodzajZListingu)
{
    auto *archiwumPotoku = StosCoreData::kontekstOZ()->wstaw<ArchiwumPotoku>();
    archiwumPotoku->setKatalog(
        qobject_cast<BytKatalogu *>(BytSystemuPlikow::bytSystemuPlikowDlaURL(url, rodzajZListingu)));
    if (archiwumPotoku->katalog())
        archiwumPotoku->synchronizujFasolki();
    return archiwumPotoku;
}

QString ArchiwumPotoku::nazwa() const
{
    if (BytKatalogu *folder = katalog()) {
        const QString nazwaFolderu = folder->nazwaZlokalizowana();
        zapamietajNazweBezOgloszenia(nazwaFolderu == SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkPotokGlowny)
                                         ? QStringLiteral("Main Flow")
                                         : nazwaFolderu);
    }
    return nazwaWPamieci();
}

QIcon ArchiwumPotoku::ikona() const
{
    return katalog() ? ObrazyAplikacji::ikona(QStringLiteral("szuflada-128")) : ikonaWPamieci();
}

bool ArchiwumPotoku::toPotokGlowny() const
{
    const QString url = katalog() ? katalog()->plikowyURL() : QString();
    return !url.isEmpty()
           && Paths::equal(Paths::parent(url), SpecKatalog::sharedSpecKatalog()->url(SpecKatalog::suArchiwum))
           && Paths::lastComponent(url) == SpecKatalog::ostatniKomponentSciezki(SpecKatalog::rkPotokGlowny);
}

QString ArchiwumPotoku::nazwaKatalogu() const
{
    return katalog() ? Paths::lastComponent(katalog()->plikowyURL()) : QString();
}

void ArchiwumPotoku::synchronizujFasolki()
{
    BytKatalogu *folder = katalog();
    if (!folder || !folder->toKatalog())
        return;
    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_fasolki.elementy(),
        [](Fasolka *fasolka) { return fasolka->bytFasolki() ? fasolka->bytFasolki()->plikowyURL() : QString(); },
        folder->plikowyURL(), 0, Fasolka::maBytKatalogu);
    if (!udane)
        return;
    synchronizator.zastosuj(this, RelacjeModelu::fasolkiArchiwumPotoku, Fasolka::ustawUrlBytuFasolki,
                            Fasolka::fasolkaZUrlemJesliIstnieje);
    synchronizator.dlaKatalogowNaDysku<Fasolka>(Fasolka::synchronizujJesliZastapiona);
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_ArchiwumPotoku.cpp"
