#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

// The navigation bar's tree as an item model over the tree items themselves: navigation nodes,
// flows and beans, each index pointing at its node. A new tree is compared with the shown one
// level by level, by the identity of the items, and reaches the view as rows removed, moved and
// inserted, so the rows that stay keep their selection and expansion.
class ModelDrzewaPaskaNawigacji : public QAbstractItemModel
{
    Q_OBJECT

public:
    static constexpr int rolaElementu = Qt::UserRole + 1;

    explicit ModelDrzewaPaskaNawigacji(QObject *rodzic = nullptr);
    ~ModelDrzewaPaskaNawigacji() override;

    // The top level becomes `gorneElementy` (each item at most once per level), every node's
    // children the children of its item.
    void ustawDrzewo(const QList<QObject *> &gorneElementy);
    QObject *element(const QModelIndex &indeks) const;
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
        Wezel *rodzic = nullptr;
        std::vector<std::unique_ptr<Wezel>> dzieci;
    };

    void ustawDzieci(Wezel *wezel, const QList<QObject *> &elementy);
    void usunDziecko(Wezel *wezel, int wiersz);
    void przeniesDziecko(Wezel *wezel, int z, int na);
    void wstawDziecko(Wezel *wezel, int wiersz, QObject *element);
    static QList<QObject *> dzieciElementu(QObject *element);
    void poZmianieNazwy();
    const Wezel *wezel(const QModelIndex &indeks) const;
    QModelIndex indeksWezla(const Wezel *wezel) const;
    void dopiszIndeksy(const Wezel *wezel, QList<QModelIndex> &indeksy) const;
    // The first node of the element, depth first, or null.
    const Wezel *znajdz(const Wezel *wezel, const QObject *element) const;

    Wezel m_korzen;
    // A view answering a row signal can have the tree set again while its nodes are walked: that
    // setting waits for the walk to end, then runs with the items it was given.
    bool m_ustawiaDrzewo = false;
    std::optional<QList<QPointer<QObject>>> m_czekajaceGorneElementy;
};
