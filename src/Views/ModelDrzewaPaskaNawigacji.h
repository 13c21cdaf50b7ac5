#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>

#include <vector>

// The navigation bar's tree as an item model over the tree items themselves: navigation nodes,
// flows and beans, each an index whose internal id is its place in a flat list.
class ModelDrzewaPaskaNawigacji : public QAbstractItemModel
{
    Q_OBJECT

public:
    static constexpr int rolaElementu = Qt::UserRole + 1;

    explicit ModelDrzewaPaskaNawigacji(QObject *rodzic = nullptr);

    // A new tree: a reset, so the view's selection and expansion go and the caller restores them.
    void ustawDrzewo(const QList<QObject *> &gorneElementy);
    QObject *element(const QModelIndex &indeks) const;
    // The first index of the element, among collapsed rows too; invalid when it is not there.
    QModelIndex indeksElementu(const QObject *element) const;
    // Every index, parents before their children.
    QList<QModelIndex> wszystkieIndeksy() const;

    QModelIndex index(int wiersz, int kolumna, const QModelIndex &rodzic = {}) const override;
    QModelIndex parent(const QModelIndex &indeks) const override;
    int rowCount(const QModelIndex &rodzic = {}) const override;
    int columnCount(const QModelIndex &rodzic = {}) const override;
    QVariant data(const QModelIndex &indeks, int rola) const override;
    Qt::ItemFlags flags(const QModelIndex &indeks) const override;

private:
    struct Wezel
    {
        QPointer<QObject> element;
        int rodzic = -1;
        int wiersz = 0;
        std::vector<int> dzieci;
    };

    void dopisz(QObject *element, int rodzic);
    void poZmianieNazwy();
    QModelIndex indeksWezla(int numer) const;

    std::vector<Wezel> m_wezly;
    std::vector<int> m_gorne;
};
