#include "Archiwum.h"

#include "ArchiwumPotoku.h"
#include "BytKatalogu.h"
#include "Fasolka.h"
#include "Potok.h"
#include "RelacjeModelu.h"
#include "SynchronizatorZestawuObiektow.h"
#include "ZalozoneKatalogi.h"

#include "Platform/Konsola.h"
#include "Platform/Paths.h"

#include <QSet>

#include <cerrno>

Archiwum::Archiwum()
{
    connect(this, &Archiwum::archiwaPotokowChanged, this, &Archiwum::relacjaFasolkiZmieniona);
}

QList<ArchiwumPotoku *> Archiwum::synchronizujListeArchiwowPotokow()
{
    BytKatalogu *folder = katalog();
    if (!folder || folder->plikowyURL().isEmpty())
        return {};
    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_archiwaPotokow.elementy(),
        [](ArchiwumPotoku *archiwum) { return archiwum->katalog() ? archiwum->katalog()->plikowyURL() : QString(); },
        folder->plikowyURL(), SynchronizatorZestawuObiektow::pomijajPliki);
    if (!udane)
        return {};
    return synchronizator.zastosuj(
        this, RelacjeModelu::archiwaPotokow,
        [](ArchiwumPotoku *archiwumPotoku, const QString &sciezka) {
            archiwumPotoku->katalog()->setPlikowyURL(sciezka);
        },
        [](const QString &sciezka, quint32 rodzaj) {
            ArchiwumPotoku *archiwumPotoku = ArchiwumPotoku::zarzadzanyObiektArchiwumPotokuZURLem(sciezka, rodzaj);
            return archiwumPotoku->katalog() ? archiwumPotoku : nullptr;
        },
        [](ArchiwumPotoku *archiwumPotoku) {
            RelacjeModelu::fasolkiArchiwumPotoku.usun(archiwumPotoku, archiwumPotoku->fasolki().elementy());
        });
}

void Archiwum::synchronizujFasolkiWArchiwachPotokow(const QList<ArchiwumPotoku *> &swieze)
{
    const QSet<ArchiwumPotoku *> pominiete(swieze.cbegin(), swieze.cend());
    const QList<ArchiwumPotoku *> archiwa = m_archiwaPotokow.elementy();
    for (ArchiwumPotoku *archiwumPotoku : archiwa) {
        if (!pominiete.contains(archiwumPotoku))
            archiwumPotoku->synchronizujFasolki();
    }
}

void Archiwum::synchronizujZDyskiem()
{
    synchronizujFasolkiWArchiwachPotokow(synchronizujListeArchiwowPotokow());
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
    const QString nazwaKatalogu = potok ? potok->nazwaKatalogu() : QString();
    if (nazwaKatalogu.isEmpty())
        return nullptr;
    // Spelled as on disk: each of two flows whose names differ only in normalisation has its own archive.
    for (ArchiwumPotoku *archiwumPotoku : m_archiwaPotokow) {
        if (archiwumPotoku->nazwaKatalogu() == nazwaKatalogu)
            return archiwumPotoku;
    }
    return nullptr;
}

bool Archiwum::zarchiwizujFasolke(Fasolka *fasolka, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not archive the bean.");
    Potok *potok = fasolka ? fasolka->potok() : nullptr;
    const QString urlPotoku = potok && potok->bytPotoku() ? potok->bytPotoku()->plikowyURL() : QString();
    const QString urlArchiwum = katalog() ? katalog()->plikowyURL() : QString();
    if (urlPotoku.isEmpty() || !fasolka->bytFasolki() || urlArchiwum.isEmpty()) {
        const QString nazwa = fasolka ? fasolka->nazwa() : QString();
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL, opis,
                            QStringLiteral("\u201C%1\u201D belongs to no flow.").arg(nazwa));
        return false;
    }
    synchronizujListeArchiwowPotokow();
    ArchiwumPotoku *archiwumPotoku = archiwumPotokuDlaPotoku(potok);
    ArchiwumPotoku *nowe = nullptr;
    ZalozoneKatalogi zalozone;
    QString urlArchiwumPotoku = archiwumPotoku && archiwumPotoku->katalog() ? archiwumPotoku->katalog()->plikowyURL()
                                                                            : QString();
    if (urlArchiwumPotoku.isEmpty()) {
        // Named like the flow folder, "_Main_Flow" for the main flow.
        urlArchiwumPotoku = Paths::join(urlArchiwum, Paths::lastComponent(urlPotoku));
        if (!zalozone.zaloz(urlArchiwumPotoku, true, blad)) {
            drukujLinie(QStringLiteral("Błąd: nie mogłem założyć katalogu dla archiwum potoku."));
            return false;
        }
        // Made while its folder is still empty; it joins the archive only once the bean is in.
        nowe = ArchiwumPotoku::zarzadzanyObiektArchiwumPotokuZURLem(urlArchiwumPotoku);
    }
    const QString cel = Paths::join(urlArchiwumPotoku, Paths::lastComponent(fasolka->bytFasolki()->plikowyURL()));
    if (!fasolka->przeniesBytFasolkiNaDysku(cel, opis, blad)) {
        drukujLinie(QStringLiteral("Błąd: Nie mogłem przenieść bytu fasolki do katalogu archiwum potoku."));
        return false;
    }
    zalozone.zatrzymaj();
    if (nowe) {
        RelacjeModelu::archiwaPotokow.dodaj(this, {nowe});
        archiwumPotoku = nowe;
    }
    fasolka->bytFasolki()->setPlikowyURL(cel);
    RelacjeModelu::fasolkiArchiwumPotoku.dodaj(archiwumPotoku, {fasolka});
    RelacjeModelu::fasolkiPotoku.usun(potok, {fasolka});
    return true;
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_Archiwum.cpp"
