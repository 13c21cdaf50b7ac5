#include "Archiwum.h"

#include "ArchiwumPotoku.h"
#include "BytKatalogu.h"
#include "Fasolka.h"
#include "Potok.h"
#include "RelacjeModelu.h"
#include "SynchronizatorZestawuObiektow.h"

#include "Platform/Paths.h"

Archiwum::Archiwum()
{
    connect(this, &Archiwum::archiwaPotokowChanged, this, &Archiwum::relacjaFasolkiZmieniona);
}

void Archiwum::synchronizujListeArchiwowPotokow()
{
    BytKatalogu *folder = katalog();
    if (!folder || folder->plikowyURL().isEmpty())
        return;
    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_archiwaPotokow.elementy(),
        [](ArchiwumPotoku *archiwum) { return archiwum->katalog() ? archiwum->katalog()->plikowyURL() : QString(); },
        folder->plikowyURL(), SynchronizatorZestawuObiektow::pomijajPliki);
    if (!udane)
        return;
    for (const auto &[archiwumPotoku, sciezka] : synchronizator.obiektyZNowaPisownia<ArchiwumPotoku>())
        archiwumPotoku->katalog()->setPlikowyURL(sciezka);
    const QList<ArchiwumPotoku *> doUsuniecia = synchronizator.obiektyDoUsuniecia<ArchiwumPotoku>();
    for (ArchiwumPotoku *archiwumPotoku : doUsuniecia) {
        const QList<Fasolka *> fasolki = archiwumPotoku->fasolki().elementy();
        RelacjeModelu::fasolkiArchiwumPotoku.usun(archiwumPotoku, fasolki);
    }
    RelacjeModelu::archiwaPotokow.usun(this, doUsuniecia);
    QList<ArchiwumPotoku *> nowe;
    for (const QString &sciezka : synchronizator.urleDlaObiektowDoDodania()) {
        ArchiwumPotoku *archiwumPotoku = ArchiwumPotoku::zarzadzanyObiektArchiwumPotokuZURLem(sciezka);
        if (archiwumPotoku->katalog())
            nowe.append(archiwumPotoku);
    }
    RelacjeModelu::archiwaPotokow.dodaj(this, nowe);
}

void Archiwum::synchronizujFasolkiWArchiwachPotokow()
{
    const QList<ArchiwumPotoku *> archiwa = m_archiwaPotokow.elementy();
    for (ArchiwumPotoku *archiwumPotoku : archiwa)
        archiwumPotoku->synchronizujFasolki();
}

void Archiwum::synchronizujZDyskiem()
{
    synchronizujListeArchiwowPotokow();
    synchronizujFasolkiWArchiwachPotokow();
}

ArchiwumPotoku *Archiwum::znajdzArchiwumPotokuONazwie(const QString &nazwa) const
{
    for (ArchiwumPotoku *archiwumPotoku : m_archiwaPotokow) {
        if (archiwumPotoku->nazwa() == nazwa)
            return archiwumPotoku;
    }
    return nullptr;
}

ArchiwumPotoku *Archiwum::archiwumPotokuDlaPotoku(const Potok *potok) const
{
    const QString nazwaKatalogu = potok ? Paths::nfc(potok->nazwaKatalogu()) : QString();
    if (nazwaKatalogu.isEmpty())
        return nullptr;
    for (ArchiwumPotoku *archiwumPotoku : m_archiwaPotokow) {
        if (Paths::nfc(archiwumPotoku->nazwaKatalogu()) == nazwaKatalogu)
            return archiwumPotoku;
    }
    return nullptr;
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_Archiwum.cpp"
