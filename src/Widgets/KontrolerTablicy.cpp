#include "KontrolerTablicy.h"

#include "TekstNaJednejLinii.h"

#include <QItemSelectionModel>

#include <algorithm>

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
    const QList<QObject *> zaznaczone = selectedObjects();
    QObject *biezacy = obiektWWierszu(m_zaznaczenie->currentIndex().row());
    // The current cell keeps its column too: F2 then opens the name it opened before.
    const int kolumnaBiezacej = std::max(0, m_zaznaczenie->currentIndex().column());

    m_ustawianieTresci = true;
    beginResetModel();
    m_obiekty = obiekty;
    m_wiersze.clear();
    m_wiersze.reserve(m_obiekty.size());
    for (int wiersz = 0; wiersz < m_obiekty.size(); ++wiersz)
        m_wiersze.insert(m_obiekty[wiersz], wiersz);
    przeliczWysokosci();
    // The reset clears the selection without a word; it comes back in one step below.
    endResetModel();
    m_zaznaczenie->select(zaznaczenieWierszy(zaznaczone), QItemSelectionModel::ClearAndSelect);
    if (const int wiersz = wierszObiektu(biezacy); wiersz >= 0)
        m_zaznaczenie->setCurrentIndex(index(wiersz, std::min(kolumnaBiezacej, columnCount() - 1)),
                                       QItemSelectionModel::NoUpdate);
    m_ustawianieTresci = false;

    emit arrangedObjectsChanged();
    emit selectedObjectsChanged();
}

void KontrolerTablicy::odswiezObiekt(QObject *obiekt)
{
    const int wiersz = wierszObiektu(obiekt);
    if (wiersz < 0)
        return;
    if (maWlasnaWysokosc(obiekt))
        m_wierszeJednakowejWysokosci = false;
    emit dataChanged(index(wiersz, 0), index(wiersz, columnCount() - 1));
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
    m_wierszeJednakowejWysokosci = std::none_of(m_obiekty.cbegin(), m_obiekty.cend(),
                                                [this](QObject *obiekt) { return maWlasnaWysokosc(obiekt); });
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
    Qt::ItemFlags flagi = QAbstractTableModel::flags(indeks) | Qt::ItemNeverHasChildren;
    if (!indeks.isValid())
        return flagi;
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
