#include "BytKatalogu.h"

#include "AnalizatorUrlaModelu.h"
#include "NazwaOdUzytkownika.h"
#include "RelacjeModelu.h"
#include "SynchronizatorZestawuObiektow.h"

#include "Platform/FileOperations.h"
#include "Platform/Paths.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QThreadPool>

#include <cerrno>
#include <memory>

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
    SynchronizatorZestawuObiektow synchronizator;
    const bool udane = synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
        m_bytyWewnetrzne.elementy(), [](BytSystemuPlikow *byt) { return byt->plikowyURL(); }, plikowyURL(),
        m_opcjeSynchronizacji, [](BytSystemuPlikow *byt) { return qobject_cast<BytKatalogu *>(byt) != nullptr; });
    zastosujPorownanie(synchronizator, udane, synchronizator.tozsamoscKatalogu(), noweElementy);
}

void BytKatalogu::zastosujPorownanie(const SynchronizatorZestawuObiektow &synchronizator, bool udane,
                                     const FolderListing::Identity &tozsamosc, QList<BytSystemuPlikow *> *noweElementy)
{
    m_wlasnieCzytamBytyZDysku = true;
    bool zmiana = false;
    if (udane) {
        m_tozsamoscOdczytanego = tozsamosc;
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

    synchronizator.dlaKatalogowNaDysku<BytKatalogu>(
        [](BytKatalogu *podkatalog, const FolderListing::Identity &naDysku) {
            if (podkatalog->zostalZastapiony(naDysku))
                podkatalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
        });
}

namespace {

// The children as a worker thread may compare them: pointers it never follows, and their paths.
struct MigawkaDzieci
{
    QList<BytSystemuPlikow *> byty;
    QStringList urle;
    QList<bool> katalogi;

    explicit MigawkaDzieci(const QList<BytSystemuPlikow *> &dzieci)
        : byty(dzieci)
    {
        urle.reserve(dzieci.size());
        katalogi.reserve(dzieci.size());
        for (BytSystemuPlikow *byt : dzieci) {
            urle.append(byt->plikowyURL());
            katalogi.append(qobject_cast<BytKatalogu *>(byt) != nullptr);
        }
    }

    bool aktualna(const QList<BytSystemuPlikow *> &dzieci) const
    {
        if (dzieci != byty)
            return false;
        for (qsizetype i = 0; i < byty.size(); ++i) {
            if (byty[i]->plikowyURL() != urle[i])
                return false;
        }
        return true;
    }
};

} // namespace

void BytKatalogu::synchronizujWTle()
{
    if (plikowyURL().isEmpty())
        return;
    if (m_czytamWTle) {
        // One listing at a time; a change reported meanwhile needs a listing taken after it.
        m_czytacPonownieWTle = true;
        return;
    }
    m_czytamWTle = true;
    ++s_odczytowWTle;
    const QString url = plikowyURL();
    const quint64 opcje = m_opcjeSynchronizacji;
    const QPointer<BytKatalogu> katalog(this);
    const auto migawka = std::make_shared<const MigawkaDzieci>(m_bytyWewnetrzne.elementy());
    QThreadPool::globalInstance()->start([katalog, url, opcje, migawka] {
        const auto synchronizator = std::make_shared<SynchronizatorZestawuObiektow>();
        QHash<const BytSystemuPlikow *, qsizetype> miejsca;
        miejsca.reserve(migawka->byty.size());
        for (qsizetype i = 0; i < migawka->byty.size(); ++i)
            miejsca.insert(migawka->byty[i], i);
        const bool udane = synchronizator->zanalizujPotrzebySynchronizacjiZestawu(
            migawka->byty, [&](BytSystemuPlikow *byt) { return migawka->urle[miejsca.value(byt)]; }, url, opcje,
            [&](BytSystemuPlikow *byt) { return migawka->katalogi[miejsca.value(byt)]; });
        QMetaObject::invokeMethod(QCoreApplication::instance(), [katalog, url, migawka, synchronizator, udane] {
            --s_odczytowWTle;
            if (!katalog)
                return;
            const bool ponownie = katalog->m_czytacPonownieWTle;
            katalog->m_czytamWTle = katalog->m_czytacPonownieWTle = false;
            if (url != katalog->plikowyURL())
                return;
            // Children that changed meanwhile were compared as they no longer are: list again.
            if (katalog->m_wlasnieCzytamBytyZDysku || !migawka->aktualna(katalog->m_bytyWewnetrzne.elementy()))
                katalog->synchronizujWTle();
            else
                katalog->zastosujPorownanie(*synchronizator, udane, synchronizator->tozsamoscKatalogu());
            if (ponownie)
                katalog->synchronizujWTle();
        });
    });
}

QList<BytSystemuPlikow *> BytKatalogu::dodajWpisyZListingu(const QList<BytSystemuPlikow::Rozpoznanie> &wpisy)
{
    QList<BytSystemuPlikow *> byty(wpisy.size(), nullptr);
    // A folder read whole meanwhile already holds them all.
    if (m_czyBytyBylyOdczytaneZDysku || m_wlasnieCzytamBytyZDysku)
        return byty;
    QList<BytSystemuPlikow *> nowe;
    nowe.reserve(wpisy.size());
    for (qsizetype i = 0; i < wpisy.size(); ++i) {
        byty[i] = BytSystemuPlikow::bytSystemuPlikowDlaRozpoznania(wpisy[i]);
        if (byty[i])
            nowe.append(byty[i]);
    }
    RelacjeModelu::bytyWewnetrzne.dodaj(this, nowe);
    return byty;
}

void BytKatalogu::zakonczOdczytZListingu(const FolderListing::Identity &tozsamosc)
{
    if (m_czyBytyBylyOdczytaneZDysku)
        return;
    m_czyBytyBylyOdczytaneZDysku = true;
    m_tozsamoscOdczytanego = tozsamosc;
    emit jestLiscemChanged();
    // Also when it found nothing: the listing is old by now, and an outline re-lists on a pulse.
    ogloszZmianeWezla();
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
