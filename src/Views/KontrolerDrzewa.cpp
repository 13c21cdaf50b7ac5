#include "KontrolerDrzewa.h"

#include "Model/BytKatalogu.h"
#include "Model/KluczeNazwy.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// The rows from the top down to `indeks`: sorting by it gives display order.
QList<int> sciezkaWierszy(QModelIndex indeks)
{
    QList<int> wiersze;
    for (; indeks.isValid(); indeks = indeks.parent())
        wiersze.prepend(indeks.row());
    return wiersze;
}

} // namespace

WezelDrzewa::WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic)
    : QObject(rodzic)
    , m_byt(byt)
    , m_rodzic(rodzic)
    , m_kluczSortu(KluczeNazwy::kolator().sortKey(QString()))
{
    odswiezKluczSortu();
    if (auto *katalog = qobject_cast<BytKatalogu *>(byt))
        m_lisc = katalog->jestLisciem();
    if (byt)
        m_tozsamosc = FolderListing::identityOf(byt->plikowyURL());
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

void WezelDrzewa::odswiezKluczSortu()
{
    const QString nazwa = m_byt ? m_byt->nazwaZlokalizowana() : QString();
    if (nazwa == m_nazwaKlucza)
        return;
    m_nazwaKlucza = nazwa;
    m_kluczSortu = KluczeNazwy::kolator().sortKey(nazwa);
}

KontrolerDrzewa::KontrolerDrzewa(QObject *rodzic)
    : QAbstractItemModel(rodzic)
    , m_korzen(new WezelDrzewa(nullptr, nullptr))
    , m_zaznaczenie(new QItemSelectionModel(this, this))
{
    connect(m_zaznaczenie, &QItemSelectionModel::selectionChanged, this, &KontrolerDrzewa::selectionChanged);
}

KontrolerDrzewa::~KontrolerDrzewa()
{
    delete m_korzen;
}

void KontrolerDrzewa::setKatalog(BytKatalogu *katalog)
{
    m_odlozone.clear();
    beginResetModel();
    delete m_korzen;
    m_katalog = katalog;
    m_korzen = new WezelDrzewa(katalog, nullptr);
    if (katalog)
        zaladuj(m_korzen);
    endResetModel();
}

WezelDrzewa *KontrolerDrzewa::wezel(const QModelIndex &indeks) const
{
    return indeks.isValid() ? static_cast<WezelDrzewa *>(indeks.internalPointer()) : m_korzen;
}

QModelIndex KontrolerDrzewa::indeksWezla(const WezelDrzewa *wezel) const
{
    if (!wezel || !wezel->m_rodzic)
        return {};
    const auto wiersz = int(wezel->m_rodzic->m_dzieci.indexOf(wezel));
    return wiersz < 0 ? QModelIndex() : createIndex(wiersz, 0, const_cast<WezelDrzewa *>(wezel));
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
    emit layoutAboutToBeChanged();
    const QModelIndexList stare = persistentIndexList();
    QList<WezelDrzewa *> wezly;
    wezly.reserve(stare.size());
    for (const QModelIndex &indeks : stare)
        wezly.append(wezel(indeks));
    posortujPoziom(m_korzen);
    QModelIndexList nowe;
    nowe.reserve(stare.size());
    for (qsizetype i = 0; i < stare.size(); ++i) {
        const QModelIndex indeks = indeksWezla(wezly[i]);
        nowe.append(indeks.isValid() ? indeks.siblingAtColumn(stare[i].column()) : QModelIndex());
    }
    changePersistentIndexList(stare, nowe);
    emit layoutChanged();
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
    return w->m_zaladowany ? !w->m_dzieci.isEmpty() : !w->m_lisc;
}

bool KontrolerDrzewa::canFetchMore(const QModelIndex &rodzic) const
{
    const WezelDrzewa *w = wezel(rodzic);
    return !w->m_zaladowany && !w->m_lisc;
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

void KontrolerDrzewa::zaladuj(WezelDrzewa *wezel)
{
    auto *katalog = qobject_cast<BytKatalogu *>(wezel->m_byt);
    const QList<BytSystemuPlikow *> byty = katalog->bytyWewnetrzne();
    wezel->m_zaladowany = true;
    for (BytSystemuPlikow *byt : byty)
        wezel->m_dzieci.append(new WezelDrzewa(byt, wezel));
    std::stable_sort(wezel->m_dzieci.begin(), wezel->m_dzieci.end(), wczesniej);
    obserwuj(wezel);
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
    for (WezelDrzewa *dziecko : std::as_const(wezel->m_dzieci)) {
        if (auto *podkatalog = qobject_cast<BytKatalogu *>(dziecko->m_byt); podkatalog && !dziecko->m_zaladowany)
            dziecko->m_lisc = podkatalog->jestLisciem();
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
    if (nowe.isEmpty())
        return;
    const QModelIndex rodzic = indeksWezla(wezel);
    if (wezel->m_dzieci.isEmpty()) {
        QList<WezelDrzewa *> dzieci;
        for (BytSystemuPlikow *byt : nowe)
            dzieci.append(new WezelDrzewa(byt, wezel));
        std::stable_sort(dzieci.begin(), dzieci.end(), wczesniej);
        beginInsertRows(rodzic, 0, int(dzieci.size()) - 1);
        wezel->m_dzieci = dzieci;
        endInsertRows();
        return;
    }
    for (BytSystemuPlikow *byt : nowe) {
        auto *dziecko = new WezelDrzewa(byt, wezel);
        const auto miejsce = std::upper_bound(wezel->m_dzieci.begin(), wezel->m_dzieci.end(), dziecko, wczesniej);
        const auto wiersz = int(miejsce - wezel->m_dzieci.begin());
        beginInsertRows(rodzic, wiersz, wiersz);
        wezel->m_dzieci.insert(wiersz, dziecko);
        endInsertRows();
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
