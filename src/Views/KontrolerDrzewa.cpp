#include "KontrolerDrzewa.h"

#include "Model/BytKatalogu.h"
#include "Model/KluczeNazwy.h"
#include "Model/SynchronizatorZestawuObiektow.h"
#include "Platform/KatalogiNieczytelne.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <deque>
#include <functional>
#include <iterator>
#include <memory>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

// Entries in name order as the workers leave them: the sorted parts, and the order of them all.
struct PozycjeWKolejnosci
{
    std::deque<QList<PozycjaWczytywania>> czesci;
    std::vector<const PozycjaWczytywania *> kolejnosc;
};

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
// The rest goes to the pool in parts as it is listed: small enough that the part listed last
// keeps the rows waiting only briefly after the listing ends.
constexpr qsizetype wpisowNaCzesc = 1024;
constexpr qsizetype wpisowNaCzescOstatnia = 256;
// Fewer entries are merged here: handing them to the pool would cost more than it spares.
constexpr qsizetype pozycjiDoScalaniaNaPuli = 2048;
// Sub-folders asked per job whether they hold anything: each is opened and read.
constexpr qsizetype katalogowNaPytanie = 256;

// The parts' own threads: all cores but those of the listing, which the rows wait for, of the
// main thread, which makes their entities, and one for the rest of the desktop. More would only
// take turns with the listing; the shared pool stays free for others' re-reads.
QThreadPool &pulaCzesci()
{
    static QThreadPool pula;
    static const bool ustawiona = [] {
        pula.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 3));
        return true;
    }();
    Q_UNUSED(ustawiona);
    return pula;
}

// Jobs for the pool's threads. Whoever waits for them does those no thread has taken yet, so a
// wait never depends on a free thread; a job is never done twice.
class Zadania
{
public:
    Zadania() = default;
    Zadania(const Zadania &) = delete;
    Zadania &operator=(const Zadania &) = delete;
    ~Zadania() { czekaj(); }

    void dodaj(std::function<void()> zadanie)
    {
        auto wpis = std::make_shared<Wpis>(std::move(zadanie), m_gotowe);
        m_wpisy.push_back(wpis);
        pulaCzesci().start([wpis] { wpis->wykonaj(); });
    }

    void czekaj()
    {
        for (const std::shared_ptr<Wpis> &wpis : m_wpisy)
            wpis->wykonaj();
        m_gotowe->acquire(int(m_wpisy.size()));
        m_wpisy.clear();
    }

private:
    struct Wpis
    {
        Wpis(std::function<void()> praca, std::shared_ptr<QSemaphore> semafor)
            : zadanie(std::move(praca))
            , gotowe(std::move(semafor))
        {
        }
        void wykonaj()
        {
            if (wziete.exchange(true))
                return;
            zadanie();
            gotowe->release();
        }
        std::function<void()> zadanie;
        // Shared: a thread may still be leaving it when the waiter is gone.
        std::shared_ptr<QSemaphore> gotowe;
        std::atomic<bool> wziete = false;
    };

    std::shared_ptr<QSemaphore> m_gotowe = std::make_shared<QSemaphore>();
    std::vector<std::shared_ptr<Wpis>> m_wpisy;
};

// On a worker thread: the entries' sort keys and, for children read before, identity. Whether a
// folder is empty is asked once the rows are in, so that no row waits for it.
void przygotujPozycje(QList<PozycjaWczytywania> &pozycje, bool zTozsamoscia)
{
    const QCollator kolator = KluczeNazwy::nowyKolator();
    for (PozycjaWczytywania &pozycja : pozycje) {
        pozycja.klucz = kolator.sortKey(pozycja.wpis.nazwa);
        if (zTozsamoscia)
            pozycja.wpis.identity = FolderListing::identityOf(pozycja.wpis.sciezka);
    }
}

// What the main thread needs to make the listed entries' entities, in listing order.
using Rozpoznania = QList<BytSystemuPlikow::Rozpoznanie>;

// Entries put in name order part by part: each part is keyed and sorted on the pool as soon as it
// is added, while the listing goes on; the sorted parts are merged at the end. Listed entries are
// first recognised there and handed on by `poRozpoznaniu`, with the number of the part's first.
class PorzadekCzesciami
{
public:
    using PoRozpoznaniu = std::function<void(const Rozpoznania &, qsizetype)>;

    // Children read before, or listed entries.
    explicit PorzadekCzesciami(bool zTozsamoscia, PoRozpoznaniu poRozpoznaniu = {})
        : m_zTozsamoscia(zTozsamoscia)
        , m_poRozpoznaniu(std::move(poRozpoznaniu))
    {
    }

    // Children read before, as they are.
    void dodaj(QList<PozycjaWczytywania> pozycje)
    {
        // A deque keeps each part in place while others are added.
        Czesc *czesc = &m_czesci.emplace_back(Czesc{std::move(pozycje), {}});
        m_zadania.dodaj([this, czesc] { uporzadkuj(*czesc); });
    }

    // Listed entries, numbered from `numer` on.
    void dodaj(const QList<FolderListing::Wpis> &wpisy, qsizetype numer)
    {
        Czesc *czesc = &m_czesci.emplace_back();
        m_zadania.dodaj([this, czesc, wpisy, numer] {
            czesc->pozycje.reserve(wpisy.size());
            Rozpoznania rozpoznania;
            rozpoznania.reserve(wpisy.size());
            for (qsizetype i = 0; i < wpisy.size(); ++i) {
                rozpoznania.append(BytSystemuPlikow::rozpoznaj(wpisy[i]));
                PozycjaWczytywania &pozycja = czesc->pozycje.emplaceBack(wpisy[i], nullptr);
                // Keyed by the name the entity shows, as a node keys its row.
                pozycja.wpis.nazwa = rozpoznania.constLast().nazwa;
                pozycja.indeks = numer + i;
            }
            m_poRozpoznaniu(rozpoznania, numer);
            uporzadkuj(*czesc);
        });
    }

    std::shared_ptr<const PozycjeWKolejnosci> wynik()
    {
        m_zadania.czekaj();
        auto wynik = std::make_shared<PozycjeWKolejnosci>();
        std::vector<Kolejnosc> kolejnosci;
        for (Czesc &czesc : m_czesci) {
            // Moved, the list keeps its entries where the pointers found them.
            wynik->czesci.push_back(std::move(czesc.pozycje));
            kolejnosci.push_back(std::move(czesc.kolejnosc));
        }
        m_czesci.clear();
        // Pairwise, each level's merges side by side; stable, as one sort of the whole would be. A big
        // merge goes to the pool in pieces, so that the last ones are not one thread's alone.
        while (kolejnosci.size() > 1) {
            std::vector<Kolejnosc> scalone((kolejnosci.size() + 1) / 2);
            Zadania scalanie;
            for (std::size_t k = 0; k < scalone.size(); ++k) {
                if (2 * k + 1 == kolejnosci.size()) {
                    scalone[k] = std::move(kolejnosci[2 * k]);
                    continue;
                }
                const Kolejnosc &a = kolejnosci[2 * k];
                const Kolejnosc &b = kolejnosci[2 * k + 1];
                Kolejnosc &cel = scalone[k];
                const auto razem = qsizetype(a.size() + b.size());
                cel.resize(razem);
                // The merge's entries from `od` to `doPozycji`, wherever they lie in each.
                const auto scal = [&a, &b, &cel](qsizetype od, qsizetype doPozycji) {
                    const qsizetype zA = zPierwszej(a, b, od);
                    const qsizetype doA = zPierwszej(a, b, doPozycji);
                    std::merge(a.begin() + zA, a.begin() + doA, b.begin() + (od - zA), b.begin() + (doPozycji - doA),
                               cel.begin() + od, wczesniej);
                };
                if (razem < pozycjiDoScalaniaNaPuli) {
                    scal(0, razem);
                    continue;
                }
                for (qsizetype od = 0; od < razem; od += pozycjiDoScalaniaNaPuli)
                    scalanie.dodaj([scal, od, razem] { scal(od, std::min(od + pozycjiDoScalaniaNaPuli, razem)); });
            }
            scalanie.czekaj();
            kolejnosci = std::move(scalone);
        }
        if (!kolejnosci.empty())
            wynik->kolejnosc = std::move(kolejnosci.front());
        return wynik;
    }

private:
    // Only pointers are sorted and merged: the entries stay where they were made.
    using Kolejnosc = std::vector<const PozycjaWczytywania *>;
    struct Czesc
    {
        QList<PozycjaWczytywania> pozycje;
        Kolejnosc kolejnosc;
    };

    static bool wczesniej(const PozycjaWczytywania *a, const PozycjaWczytywania *b)
    {
        return a->klucz->compare(*b->klucz) < 0;
    }

    // Of the first `k` entries of the stable merge of `a` and `b`, how many come from `a`.
    static qsizetype zPierwszej(const Kolejnosc &a, const Kolejnosc &b, qsizetype k)
    {
        qsizetype od = std::max<qsizetype>(0, k - qsizetype(b.size()));
        qsizetype doA = std::min<qsizetype>(k, qsizetype(a.size()));
        while (od < doA) {
            const qsizetype i = od + (doA - od) / 2;
            // An entry of `a` goes before the entry of `b` it equals.
            if (!wczesniej(b[k - i - 1], a[i]))
                od = i + 1;
            else
                doA = i;
        }
        return od;
    }

    void uporzadkuj(Czesc &czesc) const
    {
        przygotujPozycje(czesc.pozycje, m_zTozsamoscia);
        czesc.kolejnosc.reserve(czesc.pozycje.size());
        for (const PozycjaWczytywania &pozycja : std::as_const(czesc.pozycje))
            czesc.kolejnosc.push_back(&pozycja);
        std::stable_sort(czesc.kolejnosc.begin(), czesc.kolejnosc.end(), wczesniej);
    }

    const bool m_zTozsamoscia;
    const PoRozpoznaniu m_poRozpoznaniu;
    std::deque<Czesc> m_czesci;
    // Last: its wait ends every job before the parts go.
    Zadania m_zadania;
};

} // namespace

WezelDrzewa::WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic)
    : m_byt(byt)
    , m_straznik(rodzic ? nullptr : byt)
    , m_rodzic(rodzic)
    , m_kluczSortu(KluczeNazwy::kolator().sortKey(QString()))
{
    if (!qobject_cast<BytKatalogu *>(byt))
        m_lisc = true;
    odswiezKluczSortu();
    if (byt)
        m_tozsamosc = FolderListing::identityOf(byt->plikowyURL());
}

WezelDrzewa::WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic, const PozycjaWczytywania &pozycja)
    : m_byt(byt)
    , m_rodzic(rodzic)
    , m_lisc(pozycja.wpis.toKatalog ? std::nullopt : std::optional<bool>(true))
    , m_tozsamosc(pozycja.wpis.identity)
    , m_nazwaKlucza(pozycja.wpis.nazwa)
    , m_kluczSortu(*pozycja.klucz)
{
}

WezelDrzewa::~WezelDrzewa()
{
    qDeleteAll(m_dzieci);
}

bool WezelDrzewa::grafZywy() const
{
    const WezelDrzewa *korzen = this;
    while (korzen->m_rodzic)
        korzen = korzen->m_rodzic;
    return !korzen->m_straznik.isNull();
}

QObject *WezelDrzewa::representedObject() const
{
    return byt();
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
    const BytSystemuPlikow *wlasny = byt();
    const QString nazwa = wlasny ? wlasny->nazwaZlokalizowana() : QString();
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
    m_czesciPytanOLiscie = 0;
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
    // Changes others make meanwhile are caught up at the end; a read nobody else touched needs no catch-up.
    connect(m_katalog, &BytKatalogu::bytyWewnetrzneChanged, &m_wczytywanie->obserwacja, [this] {
        if (!m_wczytywanie->dodaje)
            m_wczytywanie->zmienioneObok = true;
    });
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
            pozycje.append({wpis, byt, {}});
        }
    }
    const QString url = m_katalog->plikowyURL();
    const quint64 opcje = m_katalog->opcjeSynchronizacji();
    const quint64 numer = m_numerWczytywania;
    const QPointer<KontrolerDrzewa> drzewo(this);
    const auto przekaz = [drzewo, numer](const std::shared_ptr<const PozycjeWKolejnosci> &czesc, bool ostatnia,
                                         FolderListing::Identity tozsamosc) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [drzewo, numer, czesc, ostatnia, tozsamosc] {
            if (drzewo && drzewo->m_numerWczytywania == numer && drzewo->m_wczytywanie)
                drzewo->przyjmijCzesc(czesc, ostatnia, tozsamosc);
        });
    };
    const auto przekazRozpoznane = [drzewo, numer](const Rozpoznania &rozpoznania, qsizetype od) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [drzewo, numer, rozpoznania, od] {
            if (drzewo && drzewo->m_numerWczytywania == numer && drzewo->m_wczytywanie)
                drzewo->przyjmijRozpoznane(rozpoznania, od);
        });
    };
    QThreadPool::globalInstance()->start([pozycje, zListingu, url, opcje, przekaz, przekazRozpoznane]() mutable {
        // The first entries read show at once, before the listing ends. The rest go to the pool
        // as they are listed, to be recognised for their entities, keyed and sorted; then they
        // follow sorted among the first.
        FolderListing::Identity tozsamosc;
        PorzadekCzesciami reszta(!zListingu, przekazRozpoznane);
        if (zListingu) {
            qsizetype oddanych = 0;
            const auto oddaj = [&](const SynchronizatorZestawuObiektow::Wpisy &wpisy) {
                if (wpisy.isEmpty())
                    return;
                if (oddanych == 0) {
                    PorzadekCzesciami pierwsze(false, przekazRozpoznane);
                    pierwsze.dodaj(wpisy, 0);
                    przekaz(pierwsze.wynik(), false, {});
                } else {
                    reszta.dodaj(wpisy, oddanych);
                }
                oddanych += wpisy.size();
            };
            // A folder that cannot be read shows empty, as a read on the main thread leaves it.
            const std::optional<SynchronizatorZestawuObiektow::Wpisy> wpisy =
                SynchronizatorZestawuObiektow().zestawUrliZKatalogu(
                    url, opcje, &tozsamosc, pozycjiNaPoczatek, [&](const SynchronizatorZestawuObiektow::Wpisy &nowe) {
                        oddaj(nowe);
                        return wpisowNaCzesc;
                    });
            // The rows wait for the part listed last: smaller parts spread it over the pool.
            while (wpisy && wpisy->size() > oddanych)
                oddaj(wpisy->mid(oddanych, wpisowNaCzescOstatnia));
        } else {
            if (pozycje.size() > pozycjiNaPoczatek) {
                PorzadekCzesciami pierwsze(true);
                pierwsze.dodaj(pozycje.first(pozycjiNaPoczatek));
                przekaz(pierwsze.wynik(), false, {});
                pozycje.remove(0, pozycjiNaPoczatek);
            }
            for (qsizetype od = 0; od < pozycje.size(); od += wpisowNaCzesc)
                reszta.dodaj(pozycje.mid(od, wpisowNaCzesc));
        }
        przekaz(reszta.wynik(), true, tozsamosc);
    });
}

void KontrolerDrzewa::przyjmijCzesc(const std::shared_ptr<const PozycjeWKolejnosci> &czesc, bool ostatnia,
                                    const FolderListing::Identity &tozsamosc)
{
    Wczytywanie &w = *m_wczytywanie;
    w.posortowane.push_back(czesc);
    if (w.nastepna == qsizetype(w.kolejka.size())) {
        w.kolejka = czesc->kolejnosc;
        w.nastepna = 0;
        w.poczatkiCzesci.clear();
    } else {
        w.kolejka.insert(w.kolejka.end(), czesc->kolejnosc.begin(), czesc->kolejnosc.end());
    }
    w.poczatkiCzesci.push_back(qsizetype(w.kolejka.size() - czesc->kolejnosc.size()));
    if (ostatnia) {
        w.calyListing = true;
        w.tozsamosc = tozsamosc;
    }
    zaplanujPorcje();
}

void KontrolerDrzewa::przyjmijRozpoznane(const QList<BytSystemuPlikow::Rozpoznanie> &rozpoznania, qsizetype od)
{
    m_wczytywanie->rozpoznane.emplace(od, rozpoznania);
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
    else if (w.calyListing && w.nastepna == qsizetype(w.kolejka.size()))
        zakonczWczytywanie();
}

bool KontrolerDrzewa::wczytajKrok()
{
    Wczytywanie &w = *m_wczytywanie;
    // Read whole by someone else meanwhile: the catch-up at the end brings the rest.
    if (w.zListingu && m_katalog->czyBytyBylyOdczytaneZDysku()) {
        w.nastepna = qsizetype(w.kolejka.size());
        return false;
    }
    // Rows first, for entries whose entities are made: they are what the user waits for.
    qsizetype koniec = w.nastepna;
    while (qsizetype(w.kolejka.size()) > koniec && koniec - w.nastepna < pozycjiNaKrok
           && w.kolejka[koniec]->indeks < w.byty.size())
        ++koniec;
    if (koniec > w.nastepna) {
        for (qsizetype i = w.nastepna; i < koniec; ++i) {
            // Each part is sorted on its own: nodes waiting from before it are out of its order.
            while (!w.poczatkiCzesci.empty() && w.poczatkiCzesci.front() <= i) {
                if (w.poczatkiCzesci.front() == i && !w.oczekujace.isEmpty())
                    w.oczekujaceWPorzadku = false;
                w.poczatkiCzesci.pop_front();
            }
            const PozycjaWczytywania &pozycja = *w.kolejka[i];
            BytSystemuPlikow *byt = nullptr;
            if (pozycja.indeks >= 0)
                byt = w.byty[pozycja.indeks];
            // Gone meanwhile; the pointer is compared, never followed, until it is known a child.
            else if (m_katalog->bytyWewnetrzneBezOdczytu().contains(pozycja.byt))
                byt = pozycja.byt;
            if (byt) {
                auto *wezel = new WezelDrzewa(byt, m_korzen.get(), pozycja);
                w.oczekujace.append(wezel);
                // An entity renamed since it was listed is keyed again, out of the worker's order.
                if (wezel->odswiezKluczSortu())
                    w.oczekujaceWPorzadku = false;
            }
        }
        w.nastepna = koniec;
        return true;
    }
    // Workers hand parts over in any order; entities are made in listing order.
    if (!w.rozpoznane.empty() && w.rozpoznane.begin()->first + w.zrobioneZPierwszej == w.byty.size()) {
        const QList<BytSystemuPlikow::Rozpoznanie> &czesc = w.rozpoznane.begin()->second;
        const qsizetype ile = std::min(pozycjiNaKrok, czesc.size() - w.zrobioneZPierwszej);
        const QScopedValueRollback<bool> dodaje(w.dodaje, true);
        w.byty.append(m_katalog->dodajWpisyZListingu(czesc.mid(w.zrobioneZPierwszej, ile)));
        w.zrobioneZPierwszej += ile;
        if (w.zrobioneZPierwszej == czesc.size()) {
            w.rozpoznane.erase(w.rozpoznane.begin());
            w.zrobioneZPierwszej = 0;
        }
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
        if (wezel->byt())
            wezly.append(wezel);
        else
            delete wezel;
    }
    m_wczytywanie->oczekujace.clear();
    wstawWezly(m_korzen.get(), std::move(wezly), std::exchange(m_wczytywanie->oczekujaceWPorzadku, true));
}

void KontrolerDrzewa::zakonczWczytywanie()
{
    std::unique_ptr<Wczytywanie> w = std::move(m_wczytywanie);
    // Its pulse has the outline list the folder again: the watcher passed over it while it was
    // never read, so that listing brings in what changed on disk meanwhile.
    if (w->zListingu)
        m_katalog->zakonczOdczytZListingu(w->tozsamosc);
    obserwuj(m_korzen.get());
    // What others added or removed while the rows came in.
    if (w->zmienioneObok)
        zastosujZmiany(m_korzen.get());
    zapytajOLiscie(m_korzen.get(), false);
    // Its watch on the folder ends first: whoever hears the rows are in may change the folder at once.
    w.reset();
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
    return obiekt && m_korzen->grafZywy() ? indeksWezla(znajdz(obiekt, m_korzen->m_dzieci)) : QModelIndex();
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
        if (BytSystemuPlikow *byt = zaznaczony->byt())
            obiekty.append(byt);
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
    // The view asks for every row on each layout: never the disk here.
    const WezelDrzewa *w = wezel(rodzic);
    return w->m_zaladowany ? !w->m_dzieci.isEmpty() : !w->m_lisc.value_or(false);
}

bool KontrolerDrzewa::canFetchMore(const QModelIndex &rodzic) const
{
    const WezelDrzewa *w = wezel(rodzic);
    return !w->m_zaladowany && !w->m_lisc.value_or(false);
}

void KontrolerDrzewa::fetchMore(const QModelIndex &rodzic)
{
    WezelDrzewa *w = wezel(rodzic);
    auto *katalog = qobject_cast<BytKatalogu *>(w->byt());
    if (w->m_zaladowany || !katalog)
        return;
    // Read first: the read announces its changes, which must not find a half-made level.
    const QList<BytSystemuPlikow *> byty = katalog->bytyWewnetrzne();
    w->m_zaladowany = true;
    w->m_lisc = byty.isEmpty();
    wstawPosortowane(w, byty);
    obserwuj(w);
    zapytajOLiscie(w, false);
}

void KontrolerDrzewa::obserwuj(WezelDrzewa *wezel)
{
    // One connection per opened folder; it ends with the node.
    if (!wezel->m_obserwacja)
        wezel->m_obserwacja = std::make_unique<QObject>();
    connect(static_cast<BytKatalogu *>(wezel->byt()), &BytKatalogu::bytyWewnetrzneChanged, wezel->m_obserwacja.get(),
            [this, wezel] { odlozZmiany(wezel); });
}

struct KontrolerDrzewa::PytanieOLisc
{
    WezelDrzewa *wezel;
    quint64 numer;
    // Its row when asked; the node is looked up there first and followed only once found.
    qsizetype wiersz;
    QString sciezka;
    bool lisc = false;
};

void KontrolerDrzewa::zapytajOLiscie(WezelDrzewa *wezel, bool znowu)
{
    const auto *katalog = qobject_cast<BytKatalogu *>(wezel->byt());
    if (!katalog)
        return;
    const QString sciezkaKatalogu = katalog->plikowyURL();
    const quint64 numer = m_numerWczytywania;
    const QPointer<KontrolerDrzewa> drzewo(this);
    // Gone with the node, and with it its children.
    const QPointer<QObject> straz(wezel->m_obserwacja.get());
    std::vector<PytanieOLisc> pytania;
    const auto wyslij = [&] {
        ++m_czesciPytanOLiscie;
        pulaCzesci().start([pytania = std::move(pytania), sciezkaKatalogu, numer, drzewo, straz, wezel]() mutable {
            const UchwytPliku rodzic = FolderListing::openFolder(sciezkaKatalogu);
            for (PytanieOLisc &pytanie : pytania) {
                BladOperacji blad;
                pytanie.lisc = !FolderListing::hasVisibleEntry(rodzic, pytanie.sciezka, &blad);
                // Its row shows no contents, as the row of an empty folder: the user hears why.
                if (blad.kod != 0)
                    KatalogiNieczytelne::instance().zglos(pytanie.sciezka, blad);
            }
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [pytania = std::move(pytania), numer, drzewo = std::move(drzewo), straz = std::move(straz), wezel] {
                    if (drzewo && drzewo->m_numerWczytywania == numer)
                        drzewo->przyjmijLiscie(straz, wezel, pytania);
                });
        });
        pytania = {};
    };
    // In display order: the rows on screen are answered first.
    for (qsizetype i = 0; i < wezel->m_dzieci.size(); ++i) {
        WezelDrzewa *dziecko = wezel->m_dzieci[i];
        if (dziecko->m_zaladowany || (!znowu && (dziecko->m_lisc || dziecko->m_pytanie != 0)))
            continue;
        const auto *podkatalog = qobject_cast<BytKatalogu *>(dziecko->byt());
        if (!podkatalog)
            continue;
        dziecko->m_pytanie = ++m_numerPytania;
        pytania.push_back({dziecko, dziecko->m_pytanie, i, podkatalog->plikowyURL()});
        if (qsizetype(pytania.size()) == katalogowNaPytanie)
            wyslij();
    }
    if (!pytania.empty())
        wyslij();
}

void KontrolerDrzewa::przyjmijLiscie(const QPointer<QObject> &straz, WezelDrzewa *wezel,
                                     const std::vector<PytanieOLisc> &odpowiedzi)
{
    --m_czesciPytanOLiscie;
    if (!straz)
        return;
    const QList<WezelDrzewa *> &dzieci = wezel->m_dzieci;
    // Rows moved since the question: the level is counted once.
    std::optional<QHash<const WezelDrzewa *, qsizetype>> wiersze;
    for (const PytanieOLisc &odpowiedz : odpowiedzi) {
        qsizetype wiersz = odpowiedz.wiersz;
        if (wiersz >= dzieci.size() || dzieci[wiersz] != odpowiedz.wezel) {
            if (!wiersze) {
                wiersze.emplace();
                wiersze->reserve(dzieci.size());
                for (qsizetype i = 0; i < dzieci.size(); ++i)
                    wiersze->insert(dzieci[i], i);
            }
            wiersz = wiersze->value(odpowiedz.wezel, -1);
            // Its row is gone, and the node with it.
            if (wiersz < 0)
                continue;
        }
        WezelDrzewa *dziecko = dzieci[wiersz];
        // Asked again since, or opened meanwhile.
        if (dziecko->m_pytanie != odpowiedz.numer || dziecko->m_zaladowany)
            continue;
        const bool zDziecmi = !dziecko->m_lisc.value_or(false);
        dziecko->m_lisc = odpowiedz.lisc;
        // Only a row whose triangle comes or goes has the view ask again.
        if (zDziecmi == odpowiedz.lisc) {
            dziecko->m_wiersz = int(wiersz);
            const QModelIndex indeks = createIndex(int(wiersz), 0, dziecko);
            emit dataChanged(indeks, indeks);
        }
    }
}

void KontrolerDrzewa::odlozZmiany(WezelDrzewa *wezel)
{
    for (const auto &[straz, odlozony] : std::as_const(m_odlozone)) {
        if (straz && odlozony == wezel)
            return;
    }
    if (m_odlozone.isEmpty())
        QMetaObject::invokeMethod(this, &KontrolerDrzewa::zastosujOdlozoneZmiany, Qt::QueuedConnection);
    m_odlozone.append({wezel->m_obserwacja.get(), wezel});
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
        const auto [straz, wezel] = drzewo->m_odlozone.takeFirst();
        if (straz)
            drzewo->zastosujZmiany(wezel);
    }
}

void KontrolerDrzewa::zastosujZmiany(WezelDrzewa *wezel)
{
    const QScopedValueRollback<bool> wTrakcie(m_stosujeZmiany, true);
    auto *katalog = qobject_cast<BytKatalogu *>(wezel->byt());
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
    // A folder not yet opened may have gained its first entry or lost its last.
    if (zmiana)
        zapytajOLiscie(wezel, true);
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
    if (poprzedni && wezel->m_obserwacja)
        disconnect(poprzedni, nullptr, wezel->m_obserwacja.get(), nullptr);
    // Read before watching, as on first opening; the children keep their nodes by identity.
    static_cast<BytKatalogu *>(wezel->byt())->bytyWewnetrzne();
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

void KontrolerDrzewa::wstawWezly(WezelDrzewa *wezel, QList<WezelDrzewa *> wezly, bool posortowane)
{
    // Checking costs less than sorting again.
    if (!posortowane && !std::is_sorted(wezly.begin(), wezly.end(), wczesniej))
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
    BytSystemuPlikow *byt = indeks.isValid() ? wezel(indeks)->byt() : nullptr;
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
