#include "KontrolerDrzewa.h"

#include "Model/BytKatalogu.h"
#include "Model/KluczeNazwy.h"
#include "Model/SynchronizatorZestawuObiektow.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The rows from the top down to `indeks`: sorting by it gives display order.
QList<int> sciezkaWierszy(QModelIndex indeks)
{
    QList<int> wiersze;
    for (; indeks.isValid(); indeks = indeks.parent())
        wiersze.prepend(indeks.row());
    return wiersze;
}

// Entries handed to the tree per step, and the main thread's time per turn of the event loop.
constexpr qsizetype pozycjiNaKrok = 256;
constexpr qint64 milisekundNaPorcje = 12;
// Sorted and shown first, while the worker keys the rest.
constexpr qsizetype pozycjiNaPoczatek = 200;

// On a worker thread: each entry's sort key, whether a folder is empty and, for children read
// before, identity, on several threads when there are many; then the entries in name order.
QList<PozycjaWczytywania> uporzadkujPozycje(QList<PozycjaWczytywania> pozycje, bool zTozsamoscia)
{
    const auto przygotuj = [&pozycje, zTozsamoscia](qsizetype od, qsizetype doKonca) {
        const QCollator kolator = KluczeNazwy::nowyKolator();
        for (qsizetype i = od; i < doKonca; ++i) {
            PozycjaWczytywania &pozycja = pozycje[i];
            pozycja.klucz = kolator.sortKey(pozycja.wpis.nazwa);
            if (zTozsamoscia)
                pozycja.wpis.identity = FolderListing::identityOf(pozycja.wpis.sciezka);
            if (pozycja.wpis.toKatalog)
                pozycja.lisc = !FolderListing::hasVisibleEntry(pozycja.wpis.sciezka);
        }
    };
    const qsizetype czesci = std::clamp<qsizetype>(pozycje.size() / 4096, 1, QThread::idealThreadCount());
    const qsizetype naCzesc = (pozycje.size() + czesci - 1) / czesci;
    QSemaphore gotowe;
    for (qsizetype k = 1; k < czesci; ++k) {
        const auto zadanie = [&, k] {
            przygotuj(k * naCzesc, std::min(pozycje.size(), (k + 1) * naCzesc));
            gotowe.release();
        };
        // With no thread free the part is done here: waiting on a queued task could wait forever.
        if (!QThreadPool::globalInstance()->tryStart(zadanie))
            zadanie();
    }
    przygotuj(0, std::min(pozycje.size(), naCzesc));
    gotowe.acquire(int(czesci - 1));
    // Sorting places, not entries: an entry is heavy to move.
    std::vector<qsizetype> kolejnosc(pozycje.size());
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(),
                     [&pozycje](qsizetype a, qsizetype b) { return pozycje[a].klucz->compare(*pozycje[b].klucz) < 0; });
    QList<PozycjaWczytywania> wynik;
    wynik.reserve(pozycje.size());
    for (const qsizetype i : kolejnosc)
        wynik.append(std::move(pozycje[i]));
    return wynik;
}

QList<PozycjaWczytywania> pozycjeListingu(const QList<FolderListing::Wpis> &wpisy, qsizetype od = 0)
{
    QList<PozycjaWczytywania> pozycje;
    pozycje.reserve(wpisy.size() - od);
    for (qsizetype i = od; i < wpisy.size(); ++i)
        pozycje.append({wpisy[i], nullptr, {}, {}});
    return pozycje;
}

} // namespace

WezelDrzewa::WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic)
    : QObject(rodzic)
    , m_byt(byt)
    , m_rodzic(rodzic)
    , m_kluczSortu(KluczeNazwy::kolator().sortKey(QString()))
{
    odswiezKluczSortu();
    if (byt)
        m_tozsamosc = FolderListing::identityOf(byt->plikowyURL());
}

WezelDrzewa::WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic, const PozycjaWczytywania &pozycja)
    : QObject(rodzic)
    , m_byt(byt)
    , m_rodzic(rodzic)
    , m_lisc(pozycja.lisc)
    , m_tozsamosc(pozycja.wpis.identity)
    , m_nazwaKlucza(pozycja.wpis.nazwa)
    , m_kluczSortu(*pozycja.klucz)
{
    // The entity may spell its name otherwise than the listing did.
    odswiezKluczSortu();
}

bool WezelDrzewa::lisc() const
{
    if (!m_lisc) {
        auto *katalog = qobject_cast<BytKatalogu *>(m_byt);
        m_lisc = !katalog || katalog->jestLisciem();
    }
    return *m_lisc;
}

QObject *WezelDrzewa::representedObject() const
{
    return m_byt;
}

WezelDrzewa *WezelDrzewa::wezelNajwyzszegoPoziomu()
{
    WezelDrzewa *wezel = this;
    while (wezel->m_rodzic && wezel->m_rodzic->m_rodzic)
        wezel = wezel->m_rodzic;
    return wezel->m_rodzic ? wezel : nullptr;
}

bool WezelDrzewa::odswiezKluczSortu()
{
    const QString nazwa = m_byt ? m_byt->nazwaZlokalizowana() : QString();
    if (nazwa == m_nazwaKlucza)
        return false;
    m_nazwaKlucza = nazwa;
    m_kluczSortu = KluczeNazwy::kolator().sortKey(nazwa);
    return true;
}

KontrolerDrzewa::KontrolerDrzewa(QObject *rodzic)
    : QAbstractItemModel(rodzic)
    , m_korzen(std::make_unique<WezelDrzewa>(nullptr, nullptr))
    , m_zaznaczenie(new QItemSelectionModel(this, this))
{
    connect(m_zaznaczenie, &QItemSelectionModel::selectionChanged, this, &KontrolerDrzewa::selectionChanged);
}

KontrolerDrzewa::~KontrolerDrzewa() = default;

void KontrolerDrzewa::setKatalog(BytKatalogu *katalog)
{
    m_odlozone.clear();
    m_wczytywanie.reset();
    ++m_numerWczytywania;
    beginResetModel();
    m_katalog = katalog;
    m_korzen = std::make_unique<WezelDrzewa>(katalog, nullptr);
    m_korzen->m_zaladowany = katalog != nullptr;
    endResetModel();
    if (katalog)
        rozpocznijWczytywanie();
}

void KontrolerDrzewa::rozpocznijWczytywanie()
{
    m_wczytywanie = std::make_unique<Wczytywanie>();
    const bool zListingu = !m_katalog->czyBytyBylyOdczytaneZDysku();
    m_wczytywanie->zListingu = zListingu;
    QList<PozycjaWczytywania> pozycje;
    if (!zListingu) {
        pozycje.reserve(m_katalog->bytyWewnetrzneBezOdczytu().size());
        for (BytSystemuPlikow *byt : m_katalog->bytyWewnetrzneBezOdczytu()) {
            FolderListing::Wpis wpis;
            wpis.nazwa = byt->nazwaZlokalizowana();
            wpis.sciezka = byt->plikowyURL();
            wpis.toKatalog = qobject_cast<BytKatalogu *>(byt) != nullptr;
            pozycje.append({wpis, byt, {}, {}});
        }
    }
    const QString url = m_katalog->plikowyURL();
    const quint64 opcje = m_katalog->opcjeSynchronizacji();
    const quint64 numer = m_numerWczytywania;
    const QPointer<KontrolerDrzewa> drzewo(this);
    const auto przekaz = [drzewo, numer](const QList<PozycjaWczytywania> &czesc, bool ostatnia,
                                         FolderListing::Identity tozsamosc) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [drzewo, numer, czesc, ostatnia, tozsamosc] {
            if (drzewo && drzewo->m_numerWczytywania == numer && drzewo->m_wczytywanie)
                drzewo->przyjmijCzesc(czesc, ostatnia, tozsamosc);
        });
    };
    QThreadPool::globalInstance()->start([pozycje, zListingu, url, opcje, przekaz]() mutable {
        // The first entries read show at once, before the listing ends; the rest follow sorted among them.
        FolderListing::Identity tozsamosc;
        if (zListingu) {
            qsizetype wyslane = 0;
            // A folder that cannot be read shows empty, as a read on the main thread leaves it.
            const std::optional<SynchronizatorZestawuObiektow::Wpisy> wpisy = SynchronizatorZestawuObiektow().zestawUrliZKatalogu(
                url, opcje, &tozsamosc, pozycjiNaPoczatek, [&](const SynchronizatorZestawuObiektow::Wpisy &pierwsze) {
                    przekaz(uporzadkujPozycje(pozycjeListingu(pierwsze), false), false, {});
                    wyslane = pierwsze.size();
                });
            if (wpisy)
                pozycje = pozycjeListingu(*wpisy, wyslane);
        } else if (pozycje.size() > pozycjiNaPoczatek) {
            przekaz(uporzadkujPozycje(pozycje.first(pozycjiNaPoczatek), true), false, {});
            pozycje.remove(0, pozycjiNaPoczatek);
        }
        przekaz(uporzadkujPozycje(std::move(pozycje), !zListingu), true, tozsamosc);
    });
}

void KontrolerDrzewa::przyjmijCzesc(const QList<PozycjaWczytywania> &czesc, bool ostatnia,
                                    const FolderListing::Identity &tozsamosc)
{
    m_wczytywanie->kolejka.append(czesc);
    if (ostatnia) {
        m_wczytywanie->calyListing = true;
        m_wczytywanie->tozsamosc = tozsamosc;
    }
    zaplanujPorcje();
}

void KontrolerDrzewa::zaplanujPorcje()
{
    if (m_wczytywanie->zaplanowane)
        return;
    m_wczytywanie->zaplanowane = true;
    // A zero timer: painting and input go first.
    QTimer::singleShot(0, this, [this, numer = m_numerWczytywania] {
        if (m_numerWczytywania == numer && m_wczytywanie) {
            m_wczytywanie->zaplanowane = false;
            wczytajPorcje();
        }
    });
}

void KontrolerDrzewa::wczytajPorcje()
{
    // The folder's entity went away with the rows half in.
    if (!m_katalog) {
        m_wczytywanie.reset();
        return;
    }
    Wczytywanie &w = *m_wczytywanie;
    QElapsedTimer zegar;
    zegar.start();
    while (w.nastepna < w.kolejka.size() && zegar.elapsed() < milisekundNaPorcje) {
        const qsizetype koniec = std::min(w.nastepna + pozycjiNaKrok, w.kolejka.size());
        QList<WezelDrzewa *> wezly;
        wezly.reserve(koniec - w.nastepna);
        if (w.zListingu) {
            // Read whole by someone else meanwhile: the catch-up at the end brings the rest.
            if (m_katalog->czyBytyBylyOdczytaneZDysku()) {
                w.nastepna = w.kolejka.size();
                break;
            }
            QList<FolderListing::Wpis> wpisy;
            wpisy.reserve(koniec - w.nastepna);
            for (qsizetype i = w.nastepna; i < koniec; ++i)
                wpisy.append(w.kolejka[i].wpis);
            const QList<BytSystemuPlikow *> byty = m_katalog->dodajWpisyZListingu(wpisy);
            for (qsizetype i = w.nastepna; i < koniec; ++i) {
                const PozycjaWczytywania &pozycja = w.kolejka[i];
                if (BytSystemuPlikow *byt = byty[i - w.nastepna])
                    wezly.append(new WezelDrzewa(byt, m_korzen.get(), pozycja));
            }
        } else {
            for (qsizetype i = w.nastepna; i < koniec; ++i) {
                const PozycjaWczytywania &pozycja = w.kolejka[i];
                // Gone meanwhile; the pointer is compared, never followed, until it is known a child.
                if (m_katalog->bytyWewnetrzneBezOdczytu().contains(pozycja.byt))
                    wezly.append(new WezelDrzewa(pozycja.byt, m_korzen.get(), pozycja));
            }
        }
        wstawWezly(m_korzen.get(), wezly);
        w.nastepna = koniec;
    }
    if (w.nastepna < w.kolejka.size())
        zaplanujPorcje();
    else if (w.calyListing)
        zakonczWczytywanie();
}

void KontrolerDrzewa::zakonczWczytywanie()
{
    const std::unique_ptr<Wczytywanie> w = std::move(m_wczytywanie);
    // Its pulse has the outline list the folder again: the watcher passed over it while it was
    // never read, so that listing brings in what changed on disk meanwhile.
    if (w->zListingu)
        m_katalog->zakonczOdczytZListingu(w->tozsamosc);
    obserwuj(m_korzen.get());
    // What others added or removed while the rows came in.
    zastosujZmiany(m_korzen.get());
    emit wczytany();
}

WezelDrzewa *KontrolerDrzewa::wezel(const QModelIndex &indeks) const
{
    return indeks.isValid() ? static_cast<WezelDrzewa *>(indeks.internalPointer()) : m_korzen.get();
}

QModelIndex KontrolerDrzewa::indeksWezla(const WezelDrzewa *wezel) const
{
    if (!wezel || !wezel->m_rodzic)
        return {};
    const QList<WezelDrzewa *> &rodzenstwo = wezel->m_rodzic->m_dzieci;
    if (wezel->m_wiersz < 0 || wezel->m_wiersz >= rodzenstwo.size() || rodzenstwo[wezel->m_wiersz] != wezel) {
        // Rows moved: count the whole level once, so the view asking for each row stays linear.
        for (qsizetype i = 0; i < rodzenstwo.size(); ++i)
            rodzenstwo[i]->m_wiersz = int(i);
        if (wezel->m_wiersz < 0 || wezel->m_wiersz >= rodzenstwo.size() || rodzenstwo[wezel->m_wiersz] != wezel)
            return {};
    }
    return createIndex(wezel->m_wiersz, 0, const_cast<WezelDrzewa *>(wezel));
}

WezelDrzewa *KontrolerDrzewa::znajdz(const QObject *obiekt, const QList<WezelDrzewa *> &wezly)
{
    for (WezelDrzewa *wezel : wezly) {
        if (wezel->m_byt == obiekt)
            return wezel;
        if (WezelDrzewa *trafiony = znajdz(obiekt, wezel->m_dzieci))
            return trafiony;
    }
    return nullptr;
}

QModelIndex KontrolerDrzewa::indexPathOfObject(const QObject *obiekt) const
{
    zastosujOdlozoneZmiany();
    return obiekt ? indeksWezla(znajdz(obiekt, m_korzen->m_dzieci)) : QModelIndex();
}

QModelIndexList KontrolerDrzewa::indexPathsOfObjectsInArray(const QList<BytSystemuPlikow *> &obiekty) const
{
    QModelIndexList indeksy;
    for (const BytSystemuPlikow *obiekt : obiekty) {
        if (const QModelIndex indeks = indexPathOfObject(obiekt); indeks.isValid())
            indeksy.append(indeks);
    }
    return indeksy;
}

QModelIndexList KontrolerDrzewa::indexPathsOfObjectsInSet(const QSet<BytSystemuPlikow *> &obiekty) const
{
    return indexPathsOfObjectsInArray(obiekty.values());
}

QList<WezelDrzewa *> KontrolerDrzewa::selectedNodes() const
{
    zastosujOdlozoneZmiany();
    // In display order, whatever order the rows were picked in: the first is the topmost.
    QModelIndexList wiersze = m_zaznaczenie->selectedRows();
    std::sort(wiersze.begin(), wiersze.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return sciezkaWierszy(a) < sciezkaWierszy(b); });
    QList<WezelDrzewa *> wezly;
    for (const QModelIndex &indeks : std::as_const(wiersze))
        wezly.append(wezel(indeks));
    return wezly;
}

QList<BytSystemuPlikow *> KontrolerDrzewa::selectedObjects() const
{
    QList<BytSystemuPlikow *> obiekty;
    for (WezelDrzewa *zaznaczony : selectedNodes()) {
        if (zaznaczony->m_byt)
            obiekty.append(zaznaczony->m_byt);
    }
    return obiekty;
}

void KontrolerDrzewa::setSelectionIndexPaths(const QModelIndexList &indeksy)
{
    QItemSelection zaznaczenie;
    for (const QModelIndex &indeks : indeksy) {
        if (indeks.isValid())
            zaznaczenie.select(indeks, indeks);
    }
    m_zaznaczenie->select(zaznaczenie, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!indeksy.isEmpty())
        m_zaznaczenie->setCurrentIndex(indeksy.constLast(), QItemSelectionModel::NoUpdate);
}

void KontrolerDrzewa::rearrangeObjects()
{
    zastosujOdlozoneZmiany();
    // Most calls find no name changed: no layout change, which would make the view lay out every row.
    if (wPorzadku(m_korzen.get()))
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList stare = persistentIndexList();
    QList<WezelDrzewa *> wezly;
    wezly.reserve(stare.size());
    for (const QModelIndex &indeks : stare)
        wezly.append(wezel(indeks));
    posortujPoziom(m_korzen.get());
    QModelIndexList nowe;
    nowe.reserve(stare.size());
    for (qsizetype i = 0; i < stare.size(); ++i) {
        const QModelIndex indeks = indeksWezla(wezly[i]);
        nowe.append(indeks.isValid() ? indeks.siblingAtColumn(stare[i].column()) : QModelIndex());
    }
    changePersistentIndexList(stare, nowe);
    emit layoutChanged();
}

bool KontrolerDrzewa::wPorzadku(WezelDrzewa *wezel)
{
    bool wynik = true;
    for (WezelDrzewa *dziecko : std::as_const(wezel->m_dzieci)) {
        // A name changed in place is a change of layout even where its row stays.
        if (dziecko->odswiezKluczSortu())
            wynik = false;
        if (dziecko->m_zaladowany && !wPorzadku(dziecko))
            wynik = false;
    }
    return wynik && std::is_sorted(wezel->m_dzieci.begin(), wezel->m_dzieci.end(), wczesniej);
}

void KontrolerDrzewa::posortujPoziom(WezelDrzewa *wezel)
{
    for (WezelDrzewa *dziecko : std::as_const(wezel->m_dzieci)) {
        dziecko->odswiezKluczSortu();
        if (dziecko->m_zaladowany)
            posortujPoziom(dziecko);
    }
    std::stable_sort(wezel->m_dzieci.begin(), wezel->m_dzieci.end(), wczesniej);
}

QModelIndex KontrolerDrzewa::index(int wiersz, int kolumna, const QModelIndex &rodzic) const
{
    const WezelDrzewa *w = wezel(rodzic);
    if (kolumna != 0 || wiersz < 0 || wiersz >= w->m_dzieci.size())
        return {};
    return createIndex(wiersz, kolumna, w->m_dzieci[wiersz]);
}

QModelIndex KontrolerDrzewa::parent(const QModelIndex &indeks) const
{
    return indeks.isValid() ? indeksWezla(wezel(indeks)->m_rodzic) : QModelIndex();
}

int KontrolerDrzewa::rowCount(const QModelIndex &rodzic) const
{
    return rodzic.column() > 0 ? 0 : int(wezel(rodzic)->m_dzieci.size());
}

int KontrolerDrzewa::columnCount(const QModelIndex &) const
{
    return 1;
}

bool KontrolerDrzewa::hasChildren(const QModelIndex &rodzic) const
{
    const WezelDrzewa *w = wezel(rodzic);
    return w->m_zaladowany ? !w->m_dzieci.isEmpty() : !w->lisc();
}

bool KontrolerDrzewa::canFetchMore(const QModelIndex &rodzic) const
{
    const WezelDrzewa *w = wezel(rodzic);
    return !w->m_zaladowany && !w->lisc();
}

void KontrolerDrzewa::fetchMore(const QModelIndex &rodzic)
{
    WezelDrzewa *w = wezel(rodzic);
    if (w->m_zaladowany || !qobject_cast<BytKatalogu *>(w->m_byt))
        return;
    auto *katalog = static_cast<BytKatalogu *>(w->m_byt.data());
    // Read first: the read announces its changes, which must not find a half-made level.
    const QList<BytSystemuPlikow *> byty = katalog->bytyWewnetrzne();
    w->m_zaladowany = true;
    w->m_lisc = byty.isEmpty();
    wstawPosortowane(w, byty);
    obserwuj(w);
}

void KontrolerDrzewa::obserwuj(WezelDrzewa *wezel)
{
    // One connection per opened folder; it ends with the node.
    connect(static_cast<BytKatalogu *>(wezel->m_byt.data()), &BytKatalogu::bytyWewnetrzneChanged, wezel,
            [this, wezel] { odlozZmiany(wezel); });
}

void KontrolerDrzewa::odlozZmiany(WezelDrzewa *wezel)
{
    if (m_odlozone.contains(wezel))
        return;
    if (m_odlozone.isEmpty())
        QMetaObject::invokeMethod(this, &KontrolerDrzewa::zastosujOdlozoneZmiany, Qt::QueuedConnection);
    m_odlozone.append(wezel);
}

void KontrolerDrzewa::zastosujOdlozoneZmiany() const
{
    // Lookups are const to callers; the rows they look at must be the disk's current ones.
    auto *drzewo = const_cast<KontrolerDrzewa *>(this);
    // A lookup made while a folder's changes are applied (a view answering a removed row) leaves the rest for later:
    // applied in the middle, a change of the same folder would remove the same rows a second time.
    if (drzewo->m_stosujeZmiany)
        return;
    while (!drzewo->m_odlozone.isEmpty()) {
        const QPointer<WezelDrzewa> wezel = drzewo->m_odlozone.takeFirst();
        if (wezel)
            drzewo->zastosujZmiany(wezel);
    }
}

void KontrolerDrzewa::zastosujZmiany(WezelDrzewa *wezel)
{
    const QScopedValueRollback<bool> wTrakcie(m_stosujeZmiany, true);
    auto *katalog = qobject_cast<BytKatalogu *>(wezel->m_byt);
    if (!katalog)
        return;
    const ZbiorObiektow<BytSystemuPlikow> &byty = katalog->bytyWewnetrzneBezOdczytu();
    QSet<BytSystemuPlikow *> obecne;
    QList<WezelDrzewa *> usuwane;
    for (WezelDrzewa *dziecko : std::as_const(wezel->m_dzieci)) {
        if (dziecko->m_byt && byty.contains(dziecko->m_byt))
            obecne.insert(dziecko->m_byt);
        else
            usuwane.append(dziecko);
    }
    QList<BytSystemuPlikow *> nowe;
    for (BytSystemuPlikow *byt : byty) {
        if (!obecne.contains(byt))
            nowe.append(byt);
    }
    const bool zmiana = !nowe.isEmpty() || !usuwane.isEmpty();
    nowe = przeniesPrzemianowane(wezel, usuwane, nowe);
    const QModelIndex rodzic = indeksWezla(wezel);
    for (WezelDrzewa *dziecko : std::as_const(usuwane)) {
        const auto wiersz = int(wezel->m_dzieci.indexOf(dziecko));
        beginRemoveRows(rodzic, wiersz, wiersz);
        wezel->m_dzieci.removeAt(wiersz);
        delete dziecko;
        endRemoveRows();
    }
    wstawPosortowane(wezel, nowe);
    if (!zmiana)
        return;
    // A folder not yet opened may have gained its first entry or lost its last; asked again
    // when the view next asks.
    for (WezelDrzewa *dziecko : std::as_const(wezel->m_dzieci)) {
        if (!dziecko->m_zaladowany)
            dziecko->m_lisc.reset();
    }
}

QList<BytSystemuPlikow *> KontrolerDrzewa::przeniesPrzemianowane(WezelDrzewa *wezel, QList<WezelDrzewa *> &usuwane,
                                                                 const QList<BytSystemuPlikow *> &nowe)
{
    if (usuwane.isEmpty() || nowe.isEmpty())
        return nowe;
    const QModelIndex rodzic = indeksWezla(wezel);
    QList<BytSystemuPlikow *> pozostale;
    for (BytSystemuPlikow *byt : nowe) {
        const FolderListing::Identity tozsamosc = FolderListing::identityOf(byt->plikowyURL());
        const bool toKatalog = qobject_cast<BytKatalogu *>(byt);
        // An opened node is a folder's: it never takes a file that reused the inode.
        const auto ten = std::find_if(usuwane.begin(), usuwane.end(), [&](const WezelDrzewa *w) {
            return tozsamosc.known() && w->m_tozsamosc == tozsamosc && (toKatalog || !w->m_zaladowany);
        });
        if (ten == usuwane.end()) {
            pozostale.append(byt);
            continue;
        }
        WezelDrzewa *przeniesiony = *ten;
        usuwane.erase(ten);
        BytSystemuPlikow *poprzedni = przeniesiony->m_byt;
        przeniesiony->m_byt = byt;
        przeniesiony->odswiezKluczSortu();
        const auto z = int(wezel->m_dzieci.indexOf(przeniesiony));
        wezel->m_dzieci.removeAt(z);
        const auto miejsce = std::upper_bound(wezel->m_dzieci.begin(), wezel->m_dzieci.end(), przeniesiony, wczesniej);
        const auto na = int(miejsce - wezel->m_dzieci.begin());
        wezel->m_dzieci.insert(z, przeniesiony);
        if (na != z) {
            beginMoveRows(rodzic, z, z, rodzic, na > z ? na + 1 : na);
            wezel->m_dzieci.move(z, na);
            endMoveRows();
        }
        const QModelIndex indeks = indeksWezla(przeniesiony);
        emit dataChanged(indeks, indeks);
        if (przeniesiony->m_zaladowany)
            przejmijKatalog(przeniesiony, poprzedni);
    }
    return pozostale;
}

void KontrolerDrzewa::przejmijKatalog(WezelDrzewa *wezel, BytSystemuPlikow *poprzedni)
{
    if (poprzedni)
        disconnect(poprzedni, nullptr, wezel, nullptr);
    // Read before watching, as on first opening; the children keep their nodes by identity.
    static_cast<BytKatalogu *>(wezel->m_byt.data())->bytyWewnetrzne();
    obserwuj(wezel);
    zastosujZmiany(wezel);
}

void KontrolerDrzewa::wstawPosortowane(WezelDrzewa *wezel, const QList<BytSystemuPlikow *> &nowe)
{
    QList<WezelDrzewa *> wezly;
    wezly.reserve(nowe.size());
    for (BytSystemuPlikow *byt : nowe)
        wezly.append(new WezelDrzewa(byt, wezel));
    wstawWezly(wezel, std::move(wezly));
}

void KontrolerDrzewa::wstawWezly(WezelDrzewa *wezel, QList<WezelDrzewa *> wezly)
{
    std::stable_sort(wezly.begin(), wezly.end(), wczesniej);
    const QModelIndex rodzic = indeksWezla(wezel);
    QList<WezelDrzewa *> &dzieci = wezel->m_dzieci;
    qsizetype od = 0;
    for (qsizetype i = 0; i < wezly.size();) {
        const auto miejsce = std::upper_bound(dzieci.begin() + od, dzieci.end(), wezly[i], wczesniej);
        const qsizetype wiersz = miejsce - dzieci.begin();
        qsizetype j = i + 1;
        while (j < wezly.size() && (wiersz == dzieci.size() || wczesniej(wezly[j], dzieci[wiersz])))
            ++j;
        beginInsertRows(rodzic, int(wiersz), int(wiersz + j - i - 1));
        dzieci.insert(wiersz, j - i, nullptr);
        std::copy(wezly.begin() + i, wezly.begin() + j, dzieci.begin() + wiersz);
        endInsertRows();
        od = wiersz + (j - i);
        i = j;
    }
}

QVariant KontrolerDrzewa::data(const QModelIndex &indeks, int rola) const
{
    BytSystemuPlikow *byt = indeks.isValid() ? wezel(indeks)->m_byt.data() : nullptr;
    if (!byt)
        return {};
    switch (rola) {
    case Qt::DisplayRole:
        return tekstNaJednejLinii(byt->nazwaZlokalizowana());
    case Qt::EditRole:
        return byt->nazwaZlokalizowana();
    case Qt::DecorationRole:
        return byt->ikona();
    default:
        return {};
    }
}

QVariant KontrolerDrzewa::headerData(int sekcja, Qt::Orientation orientacja, int rola) const
{
    if (sekcja == 0 && orientacja == Qt::Horizontal && rola == Qt::DisplayRole)
        return QCoreApplication::translate("KontrolerRzeczyKatalogu", "Name");
    return {};
}

Qt::ItemFlags KontrolerDrzewa::flags(const QModelIndex &indeks) const
{
    if (!indeks.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

bool KontrolerDrzewa::wczesniej(const WezelDrzewa *a, const WezelDrzewa *b)
{
    return a->m_kluczSortu.compare(b->m_kluczSortu) < 0;
}
