#pragma once

#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Browser/PasekNawigacjiKarty.h"
#include "Platform/Ui/InformacjaOPrzeciaganiu.h"
#include "Platform/Ui/PreviewPanelDataSource.h"

#include <QPointer>

#include <map>
#include <memory>

class KontrolerAkcjeNaElementach;
class KontrolerKartyPortfolio;
class Menu;
class ModelDrzewaPaskaNawigacji;
class QItemSelection;
class SplotDanychBazyFasolek;
class WidokKomorkiPaskaNawigacji;
class WidokZaryseliPaskaNawigacji;

// The navigation bar of a portfolio tab: "All Beans" with the flows under it and "Archived Beans".
// A selected row switches the tab's details, and the tab asks the bar to select what it shows.
// When flows come or go, their rows come and go; the other rows keep their expansion and selection.
// Files dropped onto a flow row go into the flow; a double-click or a static entry's button opens
// the element elsewhere; a flow is renamed in place; the preview shows the selected element.
class KontrolerPaskaNawigacji : public PasekNawigacjiKarty, public PreviewPanelDataSource
{
    Q_OBJECT

public:
    explicit KontrolerPaskaNawigacji(QObject *rodzic = nullptr);
    ~KontrolerPaskaNawigacji() override;

    void skonfigurujWidok(KontrolerKartyPortfolio *kontroler) override;
    void zaznaczElementONazwie(const QString &nazwa) override;
    void zaznaczElement(QObject *obiekt) override;
    void zaznaczElementDlaWidoku(const ItemWidoku &item) override;
    QString nazwaZaznaczonegoElementu() const override;

    // The keys that tie a row to a details view: "widok '…'", "potok '…'", "fasolka '…'".
    static QString nazwaWidokuDlaItem(const ItemWidoku &item);
    static QString opisRepObjNodePaskaNawigacji(const QObject *element);

    // The tree's top level, its flows read anew; separators, headers and static nodes are the same every time.
    QList<QObject *> drzewoPaskaNawigacji();
    void rozwinWybraneGaleziePotokow();

    SplotDanychBazyFasolek *statycznySplot(const QString &klucz) const;
    WidokZaryseliPaskaNawigacji *widokZaryseli() const;
    // Where the new-flow popover points: the row of "All Beans", under which the flows are
    // listed; the bar's top while that row is out of view.
    KontrolerDymkaNowaRzecz::Kotwica miejsceNowegoPotoku() const;
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaElemencie() const;

    // What the outline asks about a row's tree item.
    static QString nazwaElementu(const QObject *element);
    static QString identyfikatorKomorki(const QObject *element);
    static double wysokoscWiersza(const QObject *element);
    static bool czyWierszGrupy(const QObject *element);
    static bool czyMoznaZaznaczyc(const QObject *element);
    static bool czyMoznaZmienicNazwe(const QObject *element);

    // The drop receiver of a row's tree item: the database for a node standing for it, else the
    // item itself (static entries and headers are none the engine takes).
    static QObject *odbiorcaZrzutuDlaElementu(QObject *element);
    // What a drop at a point of the outline's viewport would carry out: none between rows, for a
    // flow's folder onto a flow, and wherever the engine refuses.
    Qt::DropAction operacjaZrzutu(const InformacjaOPrzeciaganiu &informacja, const QPoint &miejsce) const;
    // Hands a drop the place takes to the engine, which carries it out 0.2 s later; whether it was taken.
    bool przyjmijZrzut(const InformacjaOPrzeciaganiu &informacja, const QPoint &miejsce);

    // Alt: the selected element in a new portfolio tab of this window; otherwise in a new window.
    void doubleClickAction(Qt::KeyboardModifiers modyfikatory);
    // A static entry's view in a new window whose bar is hidden; the bar's selection stays.
    void noweOknoPrzegladarkiZZaznaczonymWidokiem(const QModelIndex &indeks);
    // The end of a flow's rename in place; a refused name is reported and the old one shown.
    void controlTextDidEndEditing(const QModelIndex &indeks, const QString &tekst);

    // The selected element, or nothing.
    int numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *panel) override;
    PreviewItem *previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *panel, int index) override;

protected:
    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const;
    void loadView() override;

private:
    void stworzStatyczneObiektyPaskaNawigacji();
    Menu *zbudujMenuPodreczne();
    // Drops, the double-click, the static entries' button and the rename's end.
    void polaczAkcjeWierszy(WidokKomorkiPaskaNawigacji *komorka);
    QObject *odbiorcaZrzutuWMiejscu(const QPoint &miejsce) const;
    void przebudujDrzewo();
    void poZmianieZaznaczenia();
    void zaznaczWiersz(const QModelIndex &indeks);
    QList<QModelIndex> widoczneWiersze() const;

    QPointer<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
    std::map<QString, std::unique_ptr<SplotDanychBazyFasolek>> m_statyczneSplotyPaskaNawigacji;
    // Owns the separators and headers.
    std::unique_ptr<QObject> m_splotyPomocnicze;
    QList<QObject *> m_gornyPoziom;
    QPointer<WidokZaryseliPaskaNawigacji> m_widokZaryseli;
    QPointer<ModelDrzewaPaskaNawigacji> m_model;
    QPointer<KontrolerAkcjeNaElementach> m_kontrolerAkcjeNaElemencie;
};
