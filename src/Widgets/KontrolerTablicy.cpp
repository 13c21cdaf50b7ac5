#include "KontrolerTablicy.h"

#include "TekstNaJednejLinii.h"

#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

KontrolerTablicy::KontrolerTablicy(QObject *rodzic)
    : QAbstractTableModel(rodzic)
    , m_zaznaczenie(new QItemSelectionModel(this, this))
{
    connect(m_zaznaczenie, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_ustawianieTresci)
            emit selectedObjectsChanged();
    });
}

void KontrolerTablicy::ustawTytulyKolumn(const QStringList &tytuly)
{
    const int przed = columnCount();
    const int po = std::max<int>(1, tytuly.size());
    if (po > przed)
        beginInsertColumns(QModelIndex(), przed, po - 1);
    else if (po < przed)
        beginRemoveColumns(QModelIndex(), po, przed - 1);
    m_tytuly = tytuly;
    if (po > przed)
        endInsertColumns();
    else if (po < przed)
        endRemoveColumns();
    emit headerDataChanged(Qt::Horizontal, 0, po - 1);
}

void KontrolerTablicy::ustawDaneKomorki(DaneKomorki dane)
{
    m_dane = std::move(dane);
    przeliczWysokosci();
    if (!m_obiekty.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void KontrolerTablicy::ustawZapisKomorki(ZapisKomorki zapis)
{
    m_zapis = std::move(zapis);
}

void KontrolerTablicy::ustawEdytowalnosc(CzyEdytowalny czyEdytowalny)
{
    m_czyEdytowalny = std::move(czyEdytowalny);
}

void KontrolerTablicy::ustawTresc(const QList<QObject *> &obiekty)
{
    // Only the run between the rows that stay in place at either end can differ.
    qsizetype od = 0;
    while (od < m_obiekty.size() && od < obiekty.size() && m_obiekty[od] == obiekty[od])
        ++od;
    qsizetype stareKoniec = m_obiekty.size();
    qsizetype noweKoniec = obiekty.size();
    while (stareKoniec > od && noweKoniec > od && m_obiekty[stareKoniec - 1] == obiekty[noweKoniec - 1]) {
        --stareKoniec;
        --noweKoniec;
    }
    if (od < stareKoniec || od < noweKoniec) {
        // The selection model follows the rows; the selection is announced once, below.
        m_ustawianieTresci = true;
        if (stareKoniec - od != noweKoniec - od || !przeniesJedenWiersz(od, stareKoniec, obiekty))
            zamienWiersze(od, stareKoniec, obiekty, noweKoniec);
        m_ustawianieTresci = false;
    }
    emit arrangedObjectsChanged();
    emit selectedObjectsChanged();
}

bool KontrolerTablicy::przeniesJedenWiersz(qsizetype od, qsizetype stareKoniec, const QList<QObject *> &nowe)
{
    // The runs have one length and differ at both ends.
    const qsizetype ostatni = stareKoniec - 1;
    const auto stare = m_obiekty.cbegin();
    const auto wNowej = nowe.cbegin();
    qsizetype z = -1;
    qsizetype na = -1;
    if (m_obiekty[od] == nowe[ostatni] && std::equal(stare + od + 1, stare + stareKoniec, wNowej + od)) {
        z = od;
        na = ostatni;
    } else if (m_obiekty[ostatni] == nowe[od] && std::equal(stare + od, stare + ostatni, wNowej + od + 1)) {
        z = ostatni;
        na = od;
    } else {
        return false;
    }
    beginMoveRows({}, int(z), int(z), {}, int(na > z ? na + 1 : na));
    m_obiekty.move(z, na);
    m_wierszeNieaktualne = true;
    endMoveRows();
    return true;
}

void KontrolerTablicy::zamienWiersze(qsizetype od, qsizetype stareKoniec, const QList<QObject *> &nowe,
                                     qsizetype noweKoniec)
{
    QHash<QObject *, qsizetype> miejscaWNowej;
    miejscaWNowej.reserve(noweKoniec - od);
    for (qsizetype i = od; i < noweKoniec; ++i)
        miejscaWNowej.insert(nowe[i], i);
    // An object shown before keeps its row: its place in the new run, in the old order.
    std::vector<char> zostaje(size_t(stareKoniec - od), 0);
    std::vector<char> bylaWczesniej(size_t(noweKoniec - od), 0);
    std::vector<qsizetype> miejscaZostajacych;
    for (qsizetype i = od; i < stareKoniec; ++i) {
        const auto miejsce = miejscaWNowej.constFind(m_obiekty[i]);
        if (miejsce == miejscaWNowej.cend())
            continue;
        zostaje[size_t(i - od)] = 1;
        bylaWczesniej[size_t(*miejsce - od)] = 1;
        miejscaZostajacych.push_back(*miejsce);
        miejscaWNowej.erase(miejsce);
    }

    // From the end, so the rows before a run keep their numbers.
    for (qsizetype koniec = stareKoniec; koniec > od;) {
        if (zostaje[size_t(koniec - 1 - od)]) {
            --koniec;
            continue;
        }
        qsizetype poczatek = koniec - 1;
        while (poczatek > od && !zostaje[size_t(poczatek - 1 - od)])
            --poczatek;
        usunWiersze(poczatek, koniec - poczatek);
        koniec = poczatek;
    }

    if (!std::is_sorted(miejscaZostajacych.cbegin(), miejscaZostajacych.cend())) {
        // Each staying row's number among the staying rows of the new run.
        std::vector<qsizetype> numerWsrodZostajacych(bylaWczesniej.size());
        qsizetype numer = 0;
        for (size_t j = 0; j < bylaWczesniej.size(); ++j) {
            numerWsrodZostajacych[j] = numer;
            numer += bylaWczesniej[j];
        }
        const auto nowyWiersz = [&](qsizetype wiersz) {
            return od + numerWsrodZostajacych[size_t(miejscaZostajacych[size_t(wiersz - od)] - od)];
        };
        const qsizetype koniecZostajacych = od + qsizetype(miejscaZostajacych.size());
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList przed = persistentIndexList();
        QModelIndexList po;
        po.reserve(przed.size());
        for (const QModelIndex &indeks : przed) {
            const bool przestawiony = indeks.row() >= od && indeks.row() < koniecZostajacych;
            po.append(przestawiony ? index(int(nowyWiersz(indeks.row())), indeks.column()) : indeks);
        }
        const QList<QObject *> wStarejKolejnosci = m_obiekty.mid(od, koniecZostajacych - od);
        for (qsizetype wiersz = od; wiersz < koniecZostajacych; ++wiersz)
            m_obiekty[nowyWiersz(wiersz)] = wStarejKolejnosci[wiersz - od];
        m_wierszeNieaktualne = true;
        changePersistentIndexList(przed, po);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    // Forward: the rows before each run stand as in the new list by then.
    for (qsizetype poczatek = od; poczatek < noweKoniec;) {
        if (bylaWczesniej[size_t(poczatek - od)]) {
            ++poczatek;
            continue;
        }
        qsizetype koniec = poczatek + 1;
        while (koniec < noweKoniec && !bylaWczesniej[size_t(koniec - od)])
            ++koniec;
        wstawWiersze(poczatek, nowe, poczatek, koniec - poczatek);
        poczatek = koniec;
    }
}

void KontrolerTablicy::usunWiersze(qsizetype pierwszy, qsizetype ile)
{
    beginRemoveRows({}, int(pierwszy), int(pierwszy + ile - 1));
    if (!m_wlasneWysokosci.isEmpty()) {
        for (qsizetype wiersz = pierwszy; wiersz < pierwszy + ile; ++wiersz)
            m_wlasneWysokosci.remove(m_obiekty[wiersz]);
    }
    m_obiekty.remove(pierwszy, ile);
    m_wierszeNieaktualne = true;
    endRemoveRows();
}

void KontrolerTablicy::wstawWiersze(qsizetype pierwszy, const QList<QObject *> &nowe, qsizetype odNowego, qsizetype ile)
{
    beginInsertRows({}, int(pierwszy), int(pierwszy + ile - 1));
    m_obiekty.insert(pierwszy, ile, nullptr);
    for (qsizetype i = 0; i < ile; ++i) {
        QObject *obiekt = nowe[odNowego + i];
        m_obiekty[pierwszy + i] = obiekt;
        if (maWlasnaWysokosc(obiekt))
            m_wlasneWysokosci.insert(obiekt);
    }
    m_wierszeNieaktualne = true;
    endInsertRows();
}

void KontrolerTablicy::odswiezObiekt(QObject *obiekt)
{
    const int wiersz = wierszObiektu(obiekt);
    if (wiersz < 0)
        return;
    if (maWlasnaWysokosc(obiekt))
        m_wlasneWysokosci.insert(obiekt);
    else
        m_wlasneWysokosci.remove(obiekt);
    emit dataChanged(index(wiersz, 0), index(wiersz, columnCount() - 1));
}

int KontrolerTablicy::wierszObiektu(QObject *obiekt) const
{
    if (m_wierszeNieaktualne) {
        m_wiersze.clear();
        m_wiersze.reserve(m_obiekty.size());
        for (int wiersz = 0; wiersz < m_obiekty.size(); ++wiersz)
            m_wiersze.insert(m_obiekty[wiersz], wiersz);
        m_wierszeNieaktualne = false;
    }
    return m_wiersze.value(obiekt, -1);
}

QObject *KontrolerTablicy::obiektWWierszu(int wiersz) const
{
    return wiersz >= 0 && wiersz < m_obiekty.size() ? m_obiekty[wiersz] : nullptr;
}

QList<QObject *> KontrolerTablicy::selectedObjects() const
{
    QList<int> wiersze;
    for (const QItemSelectionRange &zakres : m_zaznaczenie->selection()) {
        for (int wiersz = zakres.top(); wiersz <= zakres.bottom(); ++wiersz)
            wiersze.append(wiersz);
    }
    std::sort(wiersze.begin(), wiersze.end());
    wiersze.erase(std::unique(wiersze.begin(), wiersze.end()), wiersze.end());
    QList<QObject *> obiekty;
    obiekty.reserve(wiersze.size());
    for (int wiersz : std::as_const(wiersze))
        obiekty.append(m_obiekty[wiersz]);
    return obiekty;
}

void KontrolerTablicy::setSelectedObjects(const QList<QObject *> &obiekty)
{
    m_zaznaczenie->select(zaznaczenieWierszy(obiekty), QItemSelectionModel::ClearAndSelect);
}

QItemSelection KontrolerTablicy::zaznaczenieWierszy(const QList<QObject *> &obiekty) const
{
    QList<int> wiersze;
    wiersze.reserve(obiekty.size());
    for (QObject *obiekt : obiekty) {
        if (const int wiersz = wierszObiektu(obiekt); wiersz >= 0)
            wiersze.append(wiersz);
    }
    std::sort(wiersze.begin(), wiersze.end());
    QItemSelection zaznaczenie;
    const int ostatniaKolumna = columnCount() - 1;
    for (qsizetype i = 0; i < wiersze.size();) {
        qsizetype koniec = i;
        while (koniec + 1 < wiersze.size() && wiersze[koniec + 1] <= wiersze[koniec] + 1)
            ++koniec;
        zaznaczenie.append(QItemSelectionRange(index(wiersze[i], 0), index(wiersze[koniec], ostatniaKolumna)));
        i = koniec + 1;
    }
    return zaznaczenie;
}

void KontrolerTablicy::przeliczWysokosci()
{
    m_wlasneWysokosci.clear();
    for (QObject *obiekt : std::as_const(m_obiekty)) {
        if (maWlasnaWysokosc(obiekt))
            m_wlasneWysokosci.insert(obiekt);
    }
}

bool KontrolerTablicy::maWlasnaWysokosc(QObject *obiekt) const
{
    return m_dane && m_dane(obiekt, 0, RolaWysokosciWiersza).isValid();
}

int KontrolerTablicy::rowCount(const QModelIndex &rodzic) const
{
    return rodzic.isValid() ? 0 : int(m_obiekty.size());
}

int KontrolerTablicy::columnCount(const QModelIndex &rodzic) const
{
    return rodzic.isValid() ? 0 : std::max<int>(1, m_tytuly.size());
}

QVariant KontrolerTablicy::data(const QModelIndex &indeks, int rola) const
{
    QObject *obiekt = obiektWWierszu(indeks.row());
    if (!obiekt)
        return {};
    if (rola == RolaObiektu)
        return QVariant::fromValue(obiekt);
    if (!m_dane)
        return {};
    const QVariant dane = m_dane(obiekt, indeks.column(), rola);
    // Shown on one line; the edit role keeps the real name for the rename editor.
    if (rola == Qt::DisplayRole && dane.typeId() == QMetaType::QString)
        return tekstNaJednejLinii(dane.toString());
    return dane;
}

bool KontrolerTablicy::setData(const QModelIndex &indeks, const QVariant &wartosc, int rola)
{
    QObject *obiekt = obiektWWierszu(indeks.row());
    if (!obiekt || rola != Qt::EditRole || !m_zapis || !m_zapis(obiekt, indeks.column(), wartosc))
        return false;
    odswiezObiekt(obiekt);
    return true;
}

Qt::ItemFlags KontrolerTablicy::flags(const QModelIndex &indeks) const
{
    Qt::ItemFlags flagi = QAbstractTableModel::flags(indeks);
    if (!indeks.isValid())
        return flagi;
    flagi |= Qt::ItemNeverHasChildren;
    // Without the flag an item view takes a press and move on a row for a rubber band, never a
    // drag; whether a list drags, and what, is its view's to say.
    flagi |= Qt::ItemIsDragEnabled;
    if (m_zapis && (!m_czyEdytowalny || m_czyEdytowalny(obiektWWierszu(indeks.row()))))
        flagi |= Qt::ItemIsEditable;
    return flagi;
}

QVariant KontrolerTablicy::headerData(int sekcja, Qt::Orientation orientacja, int rola) const
{
    if (orientacja != Qt::Horizontal || rola != Qt::DisplayRole)
        return {};
    return m_tytuly.value(sekcja);
}
