#include "BytKatalogu.h"

#include "AnalizatorUrlaModelu.h"
#include "NazwaOdUzytkownika.h"
#include "RelacjeModelu.h"
#include "SynchronizatorZestawuObiektow.h"

#include "Platform/FileOperations.h"
#include "Platform/Paths.h"

#include <cerrno>

namespace {

const QString opisBleduNowegoKatalogu = QStringLiteral("Could not create directory.");

} // namespace

void BytKatalogu::poZmianieUrla(const QString &stary)
{
    // Children read under the old path would point at nothing once the folder has moved.
    if (m_czyBytyBylyOdczytaneZDysku && !stary.isEmpty())
        synchronizujBytyWewnetrzneIZwrocNoweElementy();
}

void BytKatalogu::ogloszZmianeWezla()
{
    // The pulse climbs: every folder above hears of it before this one's observers do.
    if (BytKatalogu *rodzic = katalogNadrzedny())
        rodzic->ogloszZmianeWezla();
    emit kvoNodeHasChanged();
}

const QList<BytSystemuPlikow *> &BytKatalogu::bytyWewnetrzne()
{
    if (!m_czyBytyBylyOdczytaneZDysku && !m_wlasnieCzytamBytyZDysku)
        synchronizujBytyWewnetrzneIZwrocNoweElementy();
    return m_bytyWewnetrzne.elementy();
}

QList<BytSystemuPlikow *> BytKatalogu::podkatalogi()
{
    QList<BytSystemuPlikow *> wynik;
    for (BytSystemuPlikow *byt : bytyWewnetrzne()) {
        if (byt->toKatalog())
            wynik.append(byt);
    }
    return wynik;
}

void BytKatalogu::synchronizujBytyWewnetrzneIZwrocNoweElementy(QList<BytSystemuPlikow *> *noweElementy)
{
    if (plikowyURL().isEmpty() || m_wlasnieCzytamBytyZDysku)
        return;
    m_wlasnieCzytamBytyZDysku = true;

    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_bytyWewnetrzne.elementy(), [](BytSystemuPlikow *byt) { return byt->plikowyURL(); }, plikowyURL(),
        m_opcjeSynchronizacji, [](BytSystemuPlikow *byt) { return qobject_cast<BytKatalogu *>(byt) != nullptr; });
    bool zmiana = false;
    if (udane) {
        m_tozsamoscOdczytanego = synchronizator.tozsamoscKatalogu();
        const bool cosUsunieto = !synchronizator.obiektyDoUsuniecia<BytSystemuPlikow>().isEmpty();
        const QList<BytSystemuPlikow *> nowe = synchronizator.zastosuj(
            this, RelacjeModelu::bytyWewnetrzne,
            [](BytSystemuPlikow *byt, const QString &sciezka) { byt->setPlikowyURL(sciezka); },
            &BytSystemuPlikow::bytSystemuPlikowDlaURL);
        if (noweElementy)
            *noweElementy = nowe;
        zmiana = cosUsunieto || !nowe.isEmpty();
    }

    m_wlasnieCzytamBytyZDysku = false;
    emit jestLiscemChanged();
    if (zmiana)
        ogloszZmianeWezla();
    m_czyBytyBylyOdczytaneZDysku = true;

    synchronizator.dlaKatalogowNaDysku<BytKatalogu>([](BytKatalogu *podkatalog, const FolderListing::Identity &naDysku) {
        if (podkatalog->zostalZastapiony(naDysku))
            podkatalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
    });
}

bool BytKatalogu::zostalZastapiony(const FolderListing::Identity &naDysku) const
{
    if (!m_czyBytyBylyOdczytaneZDysku || !m_tozsamoscOdczytanego.known() || !naDysku.known())
        return false;
    if (naDysku.device == m_tozsamoscOdczytanego.device)
        return naDysku != m_tozsamoscOdczytanego;
    // A mount point: the parent's listing sees the folder under it, never the mounted one; ask
    // the folder itself, as its own listing did.
    const FolderListing::Identity teraz = FolderListing::identityOf(plikowyURL());
    return teraz.known() && teraz != m_tozsamoscOdczytanego;
}

void BytKatalogu::synchronizujZDyskiem()
{
    synchronizujBytyWewnetrzneIZwrocNoweElementy();
}

bool BytKatalogu::jestLisciem()
{
    return !SynchronizatorZestawuObiektow::czyKatalogZawieraPrzynajmniejJedenElement(plikowyURL());
}

BytKatalogu *BytKatalogu::nowyKatalog(const QString &nazwa, BladOperacji *blad)
{
    if (plikowyURL().isEmpty())
        return nullptr;
    if (!NazwaOdUzytkownika::sprawdz(nazwa, NazwaOdUzytkownika::rnElementWidoczny, opisBleduNowegoKatalogu, blad))
        return nullptr;
    const QString url = Paths::join(plikowyURL(), nazwa);
    // A typed name clashes with an item of that name in either spelling (NFD and NFC).
    if (FileOperations::exists(url) || NazwaOdUzytkownika::istniejeWJakiejsPisowni(url)) {
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), 0, opisBleduNowegoKatalogu,
                            QStringLiteral("Directory already exists."));
        return nullptr;
    }
    if (!FileOperations::createFolder(url, true, blad))
        return nullptr;
    synchronizujZDyskiem();
    ogloszZmianeWezla();
    return qobject_cast<BytKatalogu *>(znajdzBytZURL(url));
}

bool BytKatalogu::zmienNazweBytuNaDyskuNa(const QString &nazwa, BladOperacji *blad)
{
    const bool udane = BytSystemuPlikow::zmienNazweBytuNaDyskuNa(nazwa, blad);
    if (udane)
        synchronizujZDyskiem();
    return udane;
}

BytSystemuPlikow *BytKatalogu::znajdzBytZOstatnimKomponentemSciezki(const QString &nazwa)
{
    // The spelling given first; a name in the other spelling still finds its one item.
    BytSystemuPlikow *innejPisowni = nullptr;
    const QString szukana = Paths::nfc(nazwa);
    for (BytSystemuPlikow *byt : bytyWewnetrzne()) {
        if (Paths::lastComponent(byt->plikowyURL()) == nazwa)
            return byt;
        // The name shown is the composed form.
        if (!innejPisowni && byt->ostatniKomponentSciezki() == szukana)
            innejPisowni = byt;
    }
    return innejPisowni;
}

BytSystemuPlikow *BytKatalogu::znajdzBytZURL(const QString &url, bool *jestRowny)
{
    BytSystemuPlikow *znaleziony = nullptr;
    bool rowny = false;
    for (BytSystemuPlikow *byt : bytyWewnetrzne()) {
        if (AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(url, byt->plikowyURL(), &rowny)) {
            znaleziony = byt;
            break;
        }
    }
    if (jestRowny)
        *jestRowny = znaleziony && rowny;
    if (auto *katalog = qobject_cast<BytKatalogu *>(znaleziony); katalog && !rowny)
        return katalog->znajdzBytZURL(url, jestRowny);
    return znaleziony;
}
