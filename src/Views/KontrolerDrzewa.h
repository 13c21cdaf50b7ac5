#pragma once

#include "Model/BytKatalogu.h"
#include "Platform/FolderListing.h"

#include <QAbstractItemModel>
#include <QCollatorSortKey>
#include <QList>
#include <QPointer>
#include <QSet>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QItemSelectionModel;
struct PozycjeWKolejnosci;

// One entry of the shown folder on its way into the tree: listed, keyed and sorted on a worker thread.
struct PozycjaWczytywania
{
    // The listing's entry, named as its entity shows it; for a child read before, its name, path
    // and identity.
    FolderListing::Wpis wpis;
    // That child; not followed off the main thread.
    BytSystemuPlikow *byt = nullptr;
    std::optional<QCollatorSortKey> klucz;
    // A listed entry's number in the listing, by which its entity is found; -1 for a child.
    qsizetype indeks = -1;
};

// One node of a folder-contents tree: its parent (none for the tree's root), the file-system
// entity it stands for and, once its folder was opened, the nodes of that folder's children,
// which it owns. A folder's thousands of rows make as many nodes: no QObject each.
class WezelDrzewa
{
public:
    WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic);
    // With what the worker learnt of the entry, keyed as the worker keyed it.
    WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic, const PozycjaWczytywania &pozycja);
    ~WezelDrzewa();
    WezelDrzewa(const WezelDrzewa &) = delete;
    WezelDrzewa &operator=(const WezelDrzewa &) = delete;

    WezelDrzewa *parentNode() const { return m_rodzic; }
    QObject *representedObject() const;
    // Null once the graph the tree shows is gone.
    BytSystemuPlikow *byt() const { return grafZywy() ? m_byt : nullptr; }
    const QList<WezelDrzewa *> &childNodes() const { return m_dzieci; }
    // The node directly under the root that holds this one; the root answers null.
    WezelDrzewa *wezelNajwyzszegoPoziomu();

private:
    friend class KontrolerDrzewa;

    // Entities go only with their whole graph, so the shown folder's alone is watched: a weak
    // pointer to each of thousands of entities would cost more than making the node.
    bool grafZywy() const;
    // YES when the name had changed.
    bool odswiezKluczSortu();

    BytSystemuPlikow *m_byt;
    // The root's: the shown folder.
    QPointer<BytSystemuPlikow> m_straznik;
    WezelDrzewa *m_rodzic;
    QList<WezelDrzewa *> m_dzieci;
    // Its row among its parent's children as last counted; checked before use, since inserts
    // and sorts move rows without visiting every node.
    mutable int m_wiersz = -1;
    bool m_zaladowany = false;
    // Whether it holds nothing to show: for a file YES; for a folder not opened yet, as the pool last
    // answered, unknown until it first does.
    std::optional<bool> m_lisc;
    // The folder's last question to the pool about it; 0 when never asked.
    quint64 m_pytanie = 0;
    // An entry renamed by another program comes back as a new entity; its node follows it by this.
    FolderListing::Identity m_tozsamosc;
    QString m_nazwaKlucza;
    QCollatorSortKey m_kluczSortu;
    // An opened folder's: the context of its folder's connection, gone with the node.
    std::unique_ptr<QObject> m_obserwacja;
};

// The tree behind a folder-contents outline: the shown folder's children, each level sorted by
// localised name. The shown folder is listed and sorted on a worker thread and its rows come in
// sorted, part by part, while the main thread stays free; a sub-folder's children are read when
// the outline first opens it. Afterwards each opened folder's changes come in as rows inserted and
// removed at their sorted places, so that expansion and selection survive them. Only a new shown
// folder resets the tree.
class KontrolerDrzewa : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit KontrolerDrzewa(QObject *rodzic = nullptr);
    ~KontrolerDrzewa() override;

    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);

    WezelDrzewa *korzen() const { return m_korzen.get(); }
    WezelDrzewa *wezel(const QModelIndex &indeks) const;
    QModelIndex indeksWezla(const WezelDrzewa *wezel) const;

    // Depth first in display order over the nodes made so far; invalid when not found.
    QModelIndex indexPathOfObject(const QObject *obiekt) const;
    QModelIndexList indexPathsOfObjectsInArray(const QList<BytSystemuPlikow *> &obiekty) const;
    QModelIndexList indexPathsOfObjectsInSet(const QSet<BytSystemuPlikow *> &obiekty) const;

    // YES while the shown folder's rows are still coming in.
    bool wczytuje() const { return m_wczytywanie != nullptr; }
    // YES while the pool has not yet answered whether each sub-folder asked about holds anything.
    bool czekaNaLiscie() const { return m_czesciPytanOLiscie > 0; }

    QItemSelectionModel *selectionModel() const { return m_zaznaczenie; }
    // In display order.
    QList<WezelDrzewa *> selectedNodes() const;
    QList<BytSystemuPlikow *> selectedObjects() const;
    // The whole selection replaced; invalid indexes are skipped.
    void setSelectionIndexPaths(const QModelIndexList &indeksy);

    // Sorts every opened level again (names change in place) as one layout change.
    void rearrangeObjects();

    QModelIndex index(int wiersz, int kolumna, const QModelIndex &rodzic = {}) const override;
    QModelIndex parent(const QModelIndex &indeks) const override;
    int rowCount(const QModelIndex &rodzic = {}) const override;
    int columnCount(const QModelIndex &rodzic = {}) const override;
    bool hasChildren(const QModelIndex &rodzic = {}) const override;
    bool canFetchMore(const QModelIndex &rodzic) const override;
    void fetchMore(const QModelIndex &rodzic) override;
    QVariant data(const QModelIndex &indeks, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &indeks) const override;

signals:
    void selectionChanged();
    // The shown folder's rows are all in.
    void wczytany();

private:
    struct Wczytywanie
    {
        Wczytywanie() = default;
        Wczytywanie(const Wczytywanie &) = delete;
        Wczytywanie &operator=(const Wczytywanie &) = delete;
        ~Wczytywanie() { qDeleteAll(oczekujace); }

        bool zListingu = false;
        // Sorted, waiting for their nodes.
        std::vector<const PozycjaWczytywania *> kolejka;
        // Where those are kept, and where each part handed over begins among them.
        std::vector<std::shared_ptr<const PozycjeWKolejnosci>> posortowane;
        std::deque<qsizetype> poczatkiCzesci;
        qsizetype nastepna = 0;
        // Listed parts recognised for their entities, by the number of their first entry:
        // workers hand them over in any order. Their entities are made while the rest is sorted.
        std::map<qsizetype, QList<BytSystemuPlikow::Rozpoznanie>> rozpoznane;
        // Of the first part there, the entities made.
        qsizetype zrobioneZPierwszej = 0;
        // The entities made so far, by entry number; null where an entry was gone.
        QList<BytSystemuPlikow *> byty;
        // Nodes made whose rows are not in yet, owned here, and whether they keep the workers' order.
        QList<WezelDrzewa *> oczekujace;
        bool oczekujaceWPorzadku = true;
        bool calyListing = false;
        bool zaplanowane = false;
        // While the tree adds the listed entities itself.
        bool dodaje = false;
        // Whether the folder's children changed otherwise since the read began.
        bool zmienioneObok = false;
        QObject obserwacja;
        FolderListing::Identity tozsamosc;
    };

    void rozpocznijWczytywanie();
    void przyjmijCzesc(const std::shared_ptr<const PozycjeWKolejnosci> &czesc, bool ostatnia,
                       const FolderListing::Identity &tozsamosc);
    void przyjmijRozpoznane(const QList<BytSystemuPlikow::Rozpoznanie> &rozpoznania, qsizetype od);
    void zaplanujPorcje();
    void wczytajPorcje();
    // One step of the work at hand; NO when it has to wait for the worker.
    bool wczytajKrok();
    void wstawOczekujace();
    void zakonczWczytywanie();
    // New nodes into their sorted places, each run of neighbours as one insert; `posortowane` when
    // they are known to come in order already.
    void wstawWezly(WezelDrzewa *wezel, QList<WezelDrzewa *> wezly, bool posortowane = false);
    void obserwuj(WezelDrzewa *wezel);
    // Asks the pool, in parts, which of an opened folder's sub-folders not opened hold nothing; until
    // a sub-folder's first answer it shows as holding something. `znowu` asks again those asked before,
    // which keep their last answer meanwhile.
    void zapytajOLiscie(WezelDrzewa *wezel, bool znowu);
    struct PytanieOLisc;
    void przyjmijLiscie(const QPointer<QObject> &straz, WezelDrzewa *wezel,
                        const std::vector<PytanieOLisc> &odpowiedzi);
    // A folder announces a removal and the matching addition separately; its changes wait for
    // the next turn (or the next lookup) so that a renamed file keeps its node and selection.
    void odlozZmiany(WezelDrzewa *wezel);
    void zastosujOdlozoneZmiany() const;
    void zastosujZmiany(WezelDrzewa *wezel);
    // A node whose entry another program renamed takes the new entity and moves to its place.
    QList<BytSystemuPlikow *> przeniesPrzemianowane(WezelDrzewa *wezel, QList<WezelDrzewa *> &usuwane,
                                                    const QList<BytSystemuPlikow *> &nowe);
    // An opened folder's node that took a renamed folder's entity follows that one's children.
    void przejmijKatalog(WezelDrzewa *wezel, BytSystemuPlikow *poprzedni);
    void wstawPosortowane(WezelDrzewa *wezel, const QList<BytSystemuPlikow *> &nowe);
    void posortujPoziom(WezelDrzewa *wezel);
    // Refreshes the keys below `wezel`; YES when no name changed and every opened level is in order.
    static bool wPorzadku(WezelDrzewa *wezel);
    static bool wczesniej(const WezelDrzewa *a, const WezelDrzewa *b);
    static WezelDrzewa *znajdz(const QObject *obiekt, const QList<WezelDrzewa *> &wezly);

    QPointer<BytKatalogu> m_katalog;
    // Its nodes are its QObject children.
    std::unique_ptr<WezelDrzewa> m_korzen;
    QItemSelectionModel *m_zaznaczenie;
    // Each with its node's connection context, which tells whether the node is still there.
    QList<std::pair<QPointer<QObject>, WezelDrzewa *>> m_odlozone;
    bool m_stosujeZmiany = false;
    std::unique_ptr<Wczytywanie> m_wczytywanie;
    // Tells a worker's late answer for a folder no longer shown from one for this one.
    quint64 m_numerWczytywania = 0;
    quint64 m_numerPytania = 0;
    qsizetype m_czesciPytanOLiscie = 0;
};
