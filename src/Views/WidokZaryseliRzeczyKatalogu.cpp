#include "WidokZaryseliRzeczyKatalogu.h"

#include "KontrolerDrzewa.h"

#include "Model/BytSystemuPlikow.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/ZrodloPrzeciaganiaPlikow.h"
#include "Widgets/MiejsceMenuPodrecznego.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QScrollBar>

#include <algorithm>

WidokZaryseliRzeczyKatalogu::WidokZaryseliRzeczyKatalogu(QWidget *rodzic)
    : WhitePaperOutlineView(rodzic)
{
    // Every row is one paper row high: measuring each of thousands of names is wasted work.
    setUniformRowHeights(true);
}

QStringList WidokZaryseliRzeczyKatalogu::sciezkiZaznaczonych() const
{
    const auto *drzewo = qobject_cast<const KontrolerDrzewa *>(model());
    if (!drzewo)
        return {};
    QModelIndexList indeksy = selectionModel()->selectedRows();
    std::sort(indeksy.begin(), indeksy.end(),
              [this](const QModelIndex &a, const QModelIndex &b) { return visualRect(a).top() < visualRect(b).top(); });
    QStringList sciezki;
    for (const QModelIndex &indeks : indeksy) {
        if (const BytSystemuPlikow *byt = drzewo->wezel(indeks)->byt())
            sciezki.append(byt->plikowyURL());
    }
    return sciezki;
}

void WidokZaryseliRzeczyKatalogu::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    const QModelIndex indeks = MiejsceMenuPodrecznego::indeks(this, zdarzenie);
    const QPoint punkt = MiejsceMenuPodrecznego::punktGlobalny(this, zdarzenie);
    if (!indeks.isValid()) {
        if (m_menuPozaWierszami)
            m_menuPozaWierszami->pokazJakoPodreczne(this, punkt);
        return;
    }
    if (!m_menuPodreczneRzeczy)
        return;
    selectionModel()->select(indeks, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(indeks, QItemSelectionModel::NoUpdate);
    oznaczWierszMenuPodrecznego(indeks, m_menuPodreczneRzeczy);
    m_menuPodreczneRzeczy->pokazJakoPodreczne(this, punkt);
}

void WidokZaryseliRzeczyKatalogu::startDrag(Qt::DropActions)
{
    // Not the inherited drag: after a Move it would take the rows out of the model.
    ZrodloPrzeciaganiaPlikow::przeciagnijPliki(this, sciezkiZaznaczonych(), ZrodloPrzeciaganiaPlikow::akcjeListy);
}

void WidokZaryseliRzeczyKatalogu::rowsInserted(const QModelIndex &rodzic, int pierwszy, int ostatni)
{
    WhitePaperOutlineView::rowsInserted(rodzic, pierwszy, ostatni);
    // Rows that overflow the view bring its scroll bar, which Qt shows a turn later, after the rows were painted at
    // the old width: a big folder's first rows would be laid out and painted twice. Lay them out and show it now.
    if (!isVisible() || verticalScrollBar()->isVisible() || verticalScrollBarPolicy() != Qt::ScrollBarAsNeeded)
        return;
    executeDelayedItemsLayout();
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void WidokZaryseliRzeczyKatalogu::dataChanged(const QModelIndex &lewyGorny, const QModelIndex &prawyDolny,
                                              const QList<int> &role)
{
    WhitePaperOutlineView::dataChanged(lewyGorny, prawyDolny, role);
    // The base repaints the cells alone; a triangle that came or went, when a sub-folder's first entry came
    // or its last went, lies left of them in the indentation.
    const QRect gora = visualRect(lewyGorny);
    const QRect dol = visualRect(prawyDolny);
    if (gora.isValid() && dol.isValid())
        viewport()->update(QRect(0, gora.top(), viewport()->width(), dol.bottom() - gora.top() + 1));
}
