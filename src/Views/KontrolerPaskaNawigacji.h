#pragma once

#include "Browser/ItemWidoku.h"

#include "Platform/Ui/ViewController.h"

#include <QPointer>

#include <map>
#include <memory>

class KontrolerAkcjeNaElementach;
class KontrolerKartyPortfolio;
class Menu;
class ModelDrzewaPaskaNawigacji;
class QItemSelection;
class SplotDanychBazyFasolek;
class WidokZaryseliPaskaNawigacji;

// The navigation bar of a portfolio tab: "All Beans" with the flows under it and "Archived Beans".
// A selected row switches the tab's details, and the tab asks the bar to select what it shows.
// The tree is built again when flows come or go; its expansion and selection survive by identity.
class KontrolerPaskaNawigacji : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerPaskaNawigacji(QObject *rodzic = nullptr);
    ~KontrolerPaskaNawigacji() override;

    // From here on a change of the bar's selection switches the tab to the selected item.
    virtual void skonfigurujWidok(KontrolerKartyPortfolio *kontroler);
    // Restores a remembered element: the last row whose element bears `nazwa`; no match changes nothing.
    virtual void zaznaczElementONazwie(const QString &nazwa);
    // Selects the row of a flow or a bean, opening its parent.
    virtual void zaznaczElement(QObject *obiekt);
    // Selects the row of the item (a flow or bean by identity, a view by name), else no row.
    virtual void zaznaczElementDlaWidoku(const ItemWidoku &item);
    // The name of the one selected element; empty when not exactly one is selected.
    virtual QString nazwaZaznaczonegoElementu() const;

    // The keys that tie a row to a details view: "widok '…'", "potok '…'", "fasolka '…'".
    static QString nazwaWidokuDlaItem(const ItemWidoku &item);
    static QString opisRepObjNodePaskaNawigacji(const QObject *element);

    // The tree's top level, built anew: separators and headers are new, the rest is shared.
    QList<QObject *> drzewoPaskaNawigacji();
    void rozwinWybraneGaleziePotokow();

    SplotDanychBazyFasolek *statycznySplot(const QString &klucz) const;
    WidokZaryseliPaskaNawigacji *widokZaryseli() const;
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaElemencie() const;

    // What the outline asks about a row's tree item.
    static QString nazwaElementu(const QObject *element);
    static QString identyfikatorKomorki(const QObject *element);
    static double wysokoscWiersza(const QObject *element);
    static bool czyWierszGrupy(const QObject *element);
    static bool czyMoznaZaznaczyc(const QObject *element);

protected:
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const;
    void loadView() override;

private:
    void stworzStatyczneObiektyPaskaNawigacji();
    Menu *zbudujMenuPodreczne();
    void przebudujDrzewo();
    void poZmianieZaznaczenia();
    void zaznaczWiersz(const QModelIndex &indeks);
    QList<QModelIndex> widoczneWiersze() const;

    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    std::map<QString, std::unique_ptr<SplotDanychBazyFasolek>> m_statyczneSplotyPaskaNawigacji;
    // Owns the separators and headers of the tree on display.
    std::unique_ptr<QObject> m_splotyBiezacegoDrzewa;
    std::unique_ptr<QObject> m_splotyNowegoDrzewa;
    QPointer<WidokZaryseliPaskaNawigacji> m_widokZaryseli;
    QPointer<ModelDrzewaPaskaNawigacji> m_model;
    QPointer<KontrolerAkcjeNaElementach> m_kontrolerAkcjeNaElemencie;
    // The bar restores its own selection: the tab is not told.
    bool m_przywracanie = false;
};
