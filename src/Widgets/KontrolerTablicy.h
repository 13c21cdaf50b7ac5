#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>

class QItemSelection;
class QItemSelectionModel;

// The content of a list: a provider's list of objects, one row per object in the provider's
// order (no sorting or filtering in between), with a selection kept by object identity.
// A new list is compared with the shown one by identity and reaches the views as the rows that
// left, moved and arrived, so the selection, the current row and the scroll position stay with
// their objects. What a cell shows comes from the owner; the controller only knows its objects.
class KontrolerTablicy : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Rola {
        RolaObiektu = Qt::UserRole + 1,
        // A QColor for the whole row, or nothing.
        RolaKoloruWiersza,
        // A row that heads a group and spans the columns.
        RolaWierszaGrupy,
        // A row height of its own, in points, or nothing for the list's height.
        RolaWysokosciWiersza,
    };

    using DaneKomorki = std::function<QVariant(QObject *obiekt, int kolumna, int rola)>;
    // A new value typed into a cell; false when the object refused it.
    using ZapisKomorki = std::function<bool(QObject *obiekt, int kolumna, const QVariant &wartosc)>;
    using CzyEdytowalny = std::function<bool(QObject *obiekt)>;

    explicit KontrolerTablicy(QObject *rodzic = nullptr);

    void ustawTytulyKolumn(const QStringList &tytuly);
    void ustawDaneKomorki(DaneKomorki dane);
    // Cells become editable once a way of storing their values is given.
    void ustawZapisKomorki(ZapisKomorki zapis);
    // Which objects' cells take new values; without it, every object's.
    void ustawEdytowalnosc(CzyEdytowalny czyEdytowalny);

    // Rows removed, moved and inserted until the rows are `obiekty` (each object at most once);
    // the selected objects that stay keep their selection. One change signal for the rows and one
    // for the selection, also when nothing changed: the shown objects may have changed inside.
    void ustawTresc(const QList<QObject *> &obiekty);
    // The object's cells show what the owner answers now.
    void odswiezObiekt(QObject *obiekt);

    const QList<QObject *> &arrangedObjects() const { return m_obiekty; }
    QObject *obiektWWierszu(int wiersz) const;
    // -1 for an object that is not in the list.
    int wierszObiektu(QObject *obiekt) const;
    // Every row shares the list's height: no object has a height of its own.
    bool wierszeJednakowejWysokosci() const { return m_wlasneWysokosci.isEmpty(); }

    // In row order.
    QList<QObject *> selectedObjects() const;
    // Objects not in the list are left out.
    void setSelectedObjects(const QList<QObject *> &obiekty);
    QItemSelectionModel *selectionModel() const { return m_zaznaczenie; }

    int rowCount(const QModelIndex &rodzic = QModelIndex()) const override;
    int columnCount(const QModelIndex &rodzic = QModelIndex()) const override;
    QVariant data(const QModelIndex &indeks, int rola = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indeks, const QVariant &wartosc, int rola = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indeks) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola = Qt::DisplayRole) const override;

signals:
    void arrangedObjectsChanged();
    void selectedObjectsChanged();

private:
    // One selection of whole rows, in as few ranges as the rows allow.
    QItemSelection zaznaczenieWierszy(const QList<QObject *> &obiekty) const;
    // The rows from `od` on that differ become `nowe`, the rows after them stay.
    void zamienWiersze(qsizetype od, qsizetype stareKoniec, const QList<QObject *> &nowe, qsizetype noweKoniec);
    // True when the two runs differ by one row taken out and put back elsewhere; that row is moved.
    bool przeniesJedenWiersz(qsizetype od, qsizetype stareKoniec, const QList<QObject *> &nowe);
    void usunWiersze(qsizetype pierwszy, qsizetype ile);
    void wstawWiersze(qsizetype pierwszy, const QList<QObject *> &nowe, qsizetype odNowego, qsizetype ile);
    void przeliczWysokosci();
    bool maWlasnaWysokosc(QObject *obiekt) const;

    QList<QObject *> m_obiekty;
    // Built again on the first lookup after the rows changed: a change of one row shifts the rest.
    mutable QHash<QObject *, int> m_wiersze;
    mutable bool m_wierszeNieaktualne = false;
    // The shown objects that have a row height of their own.
    QSet<QObject *> m_wlasneWysokosci;
    QStringList m_tytuly;
    DaneKomorki m_dane;
    ZapisKomorki m_zapis;
    CzyEdytowalny m_czyEdytowalny;
    QItemSelectionModel *m_zaznaczenie;
    bool m_ustawianieTresci = false;
};
