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
#include <deque>
#include <functional>
#include <iterator>
#include <numeric>
#include <utility>
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
// The rest is handed over as it is listed, so the main thread makes its entities meanwhile.
constexpr qsizetype wpisowNaCzescSurowa = 4096;

// Runs `zadanie` for every part number below `czesci`, side by side on the pool's free threads and this one.
void naWatkach(qsizetype czesci, const std::function<void(qsizetype)> &zadanie)
{
    QSemaphore gotowe;
    for (qsizetype k = 1; k < czesci; ++k) {
        const auto czesc = [&, k] {
            zadanie(k);
            gotowe.release();
        };
        // With no thread free the part is done here: waiting on a queued task could wait forever.
        if (!QThreadPool::globalInstance()->tryStart(czesc))
            czesc();
    }
    if (czesci > 0)
        zadanie(0);
    gotowe.acquire(int(std::max<qsizetype>(czesci - 1, 0)));
}

bool wczesniejsza(const PozycjaWczytywania &a, const PozycjaWczytywania &b)
{
    return a.klucz->compare(*b.klucz) < 0;
}

// On a worker thread: the entries' sort keys, whether a folder is empty and, for children read
// before, identity.
void przygotujPozycje(QList<PozycjaWczytywania> &pozycje, bool zTozsamoscia)
{
    const QCollator kolator = KluczeNazwy::nowyKolator();
    for (PozycjaWczytywania &pozycja : pozycje) {
        pozycja.klucz = kolator.sortKey(pozycja.wpis.nazwa);
        if (zTozsamoscia)
            pozycja.wpis.identity = FolderListing::identityOf(pozycja.wpis.sciezka);
        if (pozycja.wpis.toKatalog)
            pozycja.lisc = !FolderListing::hasVisibleEntry(pozycja.wpis.sciezka);
    }
}

// Entries put in name order part by part: each part is keyed and sorted on a free thread of the
// pool as soon as it is added, while the listing goes on; the sorted parts are merged at the end.
class PorzadekCzesciami
{
public:
    explicit PorzadekCzesciami(bool zTozsamoscia)
        : m_zTozsamoscia(zTozsamoscia)
    {
    }
    ~PorzadekCzesciami() { m_gotowe.acquire(m_doZebrania); }

    void dodaj(QList<PozycjaWczytywania> pozycje)
    {
        // A deque keeps each part in place while others are added.
        QList<PozycjaWczytywania> *czesc = &m_czesci.emplace_back(std::move(pozycje));
        const auto zadanie = [this, czesc] {
            przygotujPozycje(*czesc, m_zTozsamoscia);
            std::stable_sort(czesc->begin(), czesc->end(), wczesniejsza);
            m_gotowe.release();
        };
        ++m_doZebrania;
        // With no thread free the part is done here: waiting on a queued task could wait forever.
        if (!QThreadPool::globalInstance()->tryStart(zadanie))
            zadanie();
    }

    QList<PozycjaWczytywania> wynik()
    {
        m_gotowe.acquire(std::exchange(m_doZebrania, 0));
        std::vector<QList<PozycjaWczytywania>> czesci(std::make_move_iterator(m_czesci.begin()),
                                                      std::make_move_iterator(m_czesci.end()));
        m_czesci.clear();
        // Pairwise, each level's merges side by side; stable, as one sort of the whole would be.
        while (czesci.size() > 1) {
            std::vector<QList<PozycjaWczytywania>> scalone((czesci.size() + 1) / 2);
            naWatkach(qsizetype(scalone.size()), [&](qsizetype k) {
                if (std::size_t(2 * k + 1) == czesci.size()) {
                    scalone[k] = std::move(czesci[2 * k]);
                    return;
                }
                QList<PozycjaWczytywania> &a = czesci[2 * k];
                QList<PozycjaWczytywania> &b = czesci[2 * k + 1];
                scalone[k].reserve(a.size() + b.size());
                std::merge(std::make_move_iterator(a.begin()), std::make_move_iterator(a.end()),
                           std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()),
                           std::back_inserter(scalone[k]), wczesniejsza);
            });
            czesci = std::move(scalone);
        }
        return czesci.empty() ? QList<PozycjaWczytywania>() : std::move(czesci.front());
    }

private:
    const bool m_zTozsamoscia;
    std::deque<QList<PozycjaWczytywania>> m_czesci;
    QSemaphore m_gotowe;
    int m_doZebrania = 0;
};

// Keyed and sorted on this thread and the pool's free ones.
QList<PozycjaWczytywania> uporzadkujPozycje(const QList<PozycjaWczytywania> &pozycje, bool zTozsamoscia)
{
    PorzadekCzesciami porzadek(zTozsamoscia);
    for (qsizetype od = 0; od < pozycje.size(); od += wpisowNaCzescSurowa)
        porzadek.dodaj(pozycje.mid(od, wpisowNaCzescSurowa));
    return porzadek.wynik();
}

// The listing's entries from `od` on; numbered from `numer` when their entities are made ahead.
QList<PozycjaWczytywania> pozycjeListingu(const QList<FolderListing::Wpis> &wpisy, qsizetype od = 0,
                                          qsizetype numer = -1)
{
    QList<PozycjaWczytywania> pozycje;
    pozycje.reserve(wpisy.size() - od);
    for (qsizetype i = od; i < wpisy.size(); ++i)
        pozycje.append({wpisy[i], nullptr, {}, {}, numer < 0 ? -1 : numer + i - od});
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
    , m_lisc(pozycja.wpis.toKatalog ? pozycja.lisc : std::optional<bool>(true))
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
    const auto przekazSurowe = [drzewo, numer](const QList<FolderListing::Wpis> &wpisy) {
        // The type decides the entity's class; finding it here spares the main thread.
        QStringList typy;
        typy.reserve(wpisy.size());
        for (const FolderListing::Wpis &wpis : wpisy)
            typy.append(BytSystemuPlikow::typDlaURL(wpis.sciezka, wpis.rodzaj));
        QMetaObject::invokeMethod(QCoreApplication::instance(), [drzewo, numer, wpisy, typy] {
            if (drzewo && drzewo->m_numerWczytywania == numer && drzewo->m_wczytywanie)
                drzewo->przyjmijSurowe(wpisy, typy);
        });
    };
    QThreadPool::globalInstance()->start([pozycje, zListingu, url, opcje, przekaz, przekazSurowe]() mutable {
        // The first entries read show at once, before the listing ends. The rest go over as they
        // are listed, to have their entities made, while they are keyed and sorted here; then
        // they follow sorted among the first.
        FolderListing::Identity tozsamosc;
        PorzadekCzesciami reszta(!zListingu);
        if (zListingu) {
            qsizetype pierwszych = -1;
            qsizetype surowych = 0;
            const auto dalej = [&](const SynchronizatorZestawuObiektow::Wpisy &wpisy) {
                reszta.dodaj(pozycjeListingu(wpisy, 0, surowych));
                surowych += wpisy.size();
                przekazSurowe(wpisy);
            };
            // A folder that cannot be read shows empty, as a read on the main thread leaves it.
            const std::optional<SynchronizatorZestawuObiektow::Wpisy> wpisy =
                SynchronizatorZestawuObiektow().zestawUrliZKatalogu(
                    url, opcje, &tozsamosc, pozycjiNaPoczatek, [&](const SynchronizatorZestawuObiektow::Wpisy &nowe) {
                        if (pierwszych < 0) {
                            pierwszych = nowe.size();
                            przekaz(uporzadkujPozycje(pozycjeListingu(nowe), false), false, {});
                        } else {
                            dalej(nowe);
                        }
                        return wpisowNaCzescSurowa;
                    });
            pierwszych = std::max<qsizetype>(pierwszych, 0);
            if (wpisy && wpisy->size() > pierwszych + surowych)
                dalej(wpisy->mid(pierwszych + surowych));
        } else {
            if (pozycje.size() > pozycjiNaPoczatek) {
                przekaz(uporzadkujPozycje(pozycje.first(pozycjiNaPoczatek), true), false, {});
                pozycje.remove(0, pozycjiNaPoczatek);
            }
            for (qsizetype od = 0; od < pozycje.size(); od += wpisowNaCzescSurowa)
                reszta.dodaj(pozycje.mid(od, wpisowNaCzescSurowa));
        }
        przekaz(reszta.wynik(), true, tozsamosc);
    });
}

void KontrolerDrzewa::przyjmijCzesc(const QList<PozycjaWczytywania> &czesc, bool ostatnia,
                                    const FolderListing::Identity &tozsamosc)
{
    Wczytywanie &w = *m_wczytywanie;
    // Shared, not copied, when the rows before it are in: the rest of a big folder comes at once.
    if (w.nastepna == w.kolejka.size()) {
        w.kolejka = czesc;
        w.nastepna = 0;
    } else {
        w.kolejka.append(czesc);
    }
    if (ostatnia) {
        m_wczytywanie->calyListing = true;
        m_wczytywanie->tozsamosc = tozsamosc;
    }
    zaplanujPorcje();
}

void KontrolerDrzewa::przyjmijSurowe(const QList<FolderListing::Wpis> &wpisy, const QStringList &typy)
{
    m_wczytywanie->typy.append(typy);
    m_wczytywanie->surowe.append(wpisy);
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
    bool czeka = false;
    while (zegar.elapsed() < milisekundNaPorcje) {
        if (!wczytajKrok()) {
            czeka = true;
            break;
        }
        // Each insert has the view lay out the whole level again: rows go in when as many wait as
        // are shown, so the layouts together cost what two of the full folder do.
        if (w.oczekujace.size() >= std::max<qsizetype>(pozycjiNaPoczatek, m_korzen->m_dzieci.size()))
            wstawOczekujace();
    }
    // And whenever the worker is awaited, so nothing made waits unseen.
    if (czeka)
        wstawOczekujace();
    if (!czeka)
        zaplanujPorcje();
    else if (w.calyListing && w.nastepna == w.kolejka.size())
        zakonczWczytywanie();
}

bool KontrolerDrzewa::wczytajKrok()
{
    Wczytywanie &w = *m_wczytywanie;
    // Read whole by someone else meanwhile: the catch-up at the end brings the rest.
    if (w.zListingu && m_katalog->czyBytyBylyOdczytaneZDysku()) {
        w.nastepna = w.kolejka.size();
        return false;
    }
    // Rows first, for entries whose entities are made: they are what the user waits for.
    qsizetype koniec = w.nastepna;
    while (koniec < w.kolejka.size() && koniec - w.nastepna < pozycjiNaKrok && w.kolejka[koniec].indeks < w.byty.size())
        ++koniec;
    if (koniec > w.nastepna) {
        QList<FolderListing::Wpis> wpisy;
        if (w.zListingu) {
            for (qsizetype i = w.nastepna; i < koniec; ++i) {
                if (w.kolejka[i].indeks < 0)
                    wpisy.append(w.kolejka[i].wpis);
            }
        }
        const QList<BytSystemuPlikow *> wlasne = wpisy.isEmpty() ? QList<BytSystemuPlikow *>()
                                                                 : m_katalog->dodajWpisyZListingu(wpisy);
        qsizetype nastepnyWlasny = 0;
        for (qsizetype i = w.nastepna; i < koniec; ++i) {
            const PozycjaWczytywania &pozycja = w.kolejka[i];
            BytSystemuPlikow *byt = nullptr;
            if (pozycja.indeks >= 0)
                byt = w.byty[pozycja.indeks];
            else if (w.zListingu)
                byt = wlasne[nastepnyWlasny++];
            // Gone meanwhile; the pointer is compared, never followed, until it is known a child.
            else if (m_katalog->bytyWewnetrzneBezOdczytu().contains(pozycja.byt))
                byt = pozycja.byt;
            if (byt)
                w.oczekujace.append(new WezelDrzewa(byt, m_korzen.get(), pozycja));
        }
        w.nastepna = koniec;
        return true;
    }
    if (w.byty.size() < w.surowe.size()) {
        const qsizetype ile = std::min(pozycjiNaKrok, w.surowe.size() - w.byty.size());
        w.byty.append(m_katalog->dodajWpisyZListingu(w.surowe.mid(w.byty.size(), ile), w.typy.mid(w.byty.size(), ile)));
        return true;
    }
    return false;
}

void KontrolerDrzewa::wstawOczekujace()
{
    QList<WezelDrzewa *> wezly;
    wezly.reserve(m_wczytywanie->oczekujace.size());
    for (WezelDrzewa *wezel : std::as_const(m_wczytywanie->oczekujace)) {
        // An entity that went away while its node waited gets no row.
        if (wezel->m_byt)
            wezly.append(wezel);
        else
            delete wezel;
    }
    m_wczytywanie->oczekujace.clear();
    wstawWezly(m_korzen.get(), std::move(wezly));
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
    // Rows from the worker come sorted: checking costs less than sorting them again.
    if (!std::is_sorted(wezly.begin(), wezly.end(), wczesniej))
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
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
           | Qt::ItemIsDropEnabled;
}

bool KontrolerDrzewa::wczesniej(const WezelDrzewa *a, const WezelDrzewa *b)
{
    return a->m_kluczSortu.compare(b->m_kluczSortu) < 0;
}
