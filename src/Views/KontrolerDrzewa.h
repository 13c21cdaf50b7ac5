#pragma once

#include "Model/BytKatalogu.h"
#include "Platform/FolderListing.h"

#include <QAbstractItemModel>
#include <QCollatorSortKey>
#include <QList>
#include <QPointer>
#include <QSet>

class QItemSelectionModel;

// One node of a folder-contents tree: its parent (none for the tree's root), the file-system
// entity it stands for and, once its folder was opened, the nodes of that folder's children.
class WezelDrzewa : public QObject
{
    Q_OBJECT

public:
    WezelDrzewa(BytSystemuPlikow *byt, WezelDrzewa *rodzic);

    WezelDrzewa *parentNode() const { return m_rodzic; }
    QObject *representedObject() const;
    BytSystemuPlikow *byt() const { return m_byt; }
    const QList<WezelDrzewa *> &childNodes() const { return m_dzieci; }
    // The node directly under the root that holds this one; the root answers null.
    WezelDrzewa *wezelNajwyzszegoPoziomu();

private:
    friend class KontrolerDrzewa;

    void odswiezKluczSortu();

    QPointer<BytSystemuPlikow> m_byt;
    WezelDrzewa *m_rodzic;
    QList<WezelDrzewa *> m_dzieci;
    bool m_zaladowany = false;
    bool m_lisc = true;
    // An entry renamed by another program comes back as a new entity; its node follows it by this.
    FolderListing::Identity m_tozsamosc;
    QString m_nazwaKlucza;
    QCollatorSortKey m_kluczSortu;
};

// The tree behind a folder-contents outline: the shown folder's children, each level sorted by
// localised name. A folder's children are read when the outline first opens it; afterwards each
// opened folder's changes come in as rows inserted and removed at their sorted places, so that
// expansion and selection survive them. Only a new shown folder resets the tree.
class KontrolerDrzewa : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit KontrolerDrzewa(QObject *rodzic = nullptr);
    ~KontrolerDrzewa() override;

    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);

    WezelDrzewa *korzen() const { return m_korzen; }
    WezelDrzewa *wezel(const QModelIndex &indeks) const;
    QModelIndex indeksWezla(const WezelDrzewa *wezel) const;

    // Depth first in display order over the nodes made so far; invalid when not found.
    QModelIndex indexPathOfObject(const QObject *obiekt) const;
    QModelIndexList indexPathsOfObjectsInArray(const QList<BytSystemuPlikow *> &obiekty) const;
    QModelIndexList indexPathsOfObjectsInSet(const QSet<BytSystemuPlikow *> &obiekty) const;

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

private:
    void zaladuj(WezelDrzewa *wezel);
    void obserwuj(WezelDrzewa *wezel);
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
    static bool wczesniej(const WezelDrzewa *a, const WezelDrzewa *b);
    static WezelDrzewa *znajdz(const QObject *obiekt, const QList<WezelDrzewa *> &wezly);

    QPointer<BytKatalogu> m_katalog;
    WezelDrzewa *m_korzen;
    QItemSelectionModel *m_zaznaczenie;
    QList<QPointer<WezelDrzewa>> m_odlozone;
    bool m_stosujeZmiany = false;
};
