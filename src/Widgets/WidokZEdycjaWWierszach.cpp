#include "WidokZEdycjaWWierszach.h"

#include "FileNameChangerField.h"

WidokZEdycjaWWierszach::WidokZEdycjaWWierszach(QWidget *rodzic)
    : QTreeView(rodzic)
{
}

QWidget *WidokZEdycjaWWierszach::controlInEditModeForTableView(const QAbstractItemView *tabela)
{
    QWidget *fokus = tabela ? tabela->window()->focusWidget() : nullptr;
    return indeksEdytora(tabela, fokus).isValid() ? fokus : nullptr;
}

QModelIndex WidokZEdycjaWWierszach::indeksEdytora(const QAbstractItemView *tabela, const QWidget *edytor)
{
    // An editor lies directly in the list's viewport, over the cell it edits.
    if (!tabela || !edytor || edytor->parentWidget() != tabela->viewport())
        return {};
    const QModelIndex indeks = tabela->indexAt(edytor->geometry().center());
    return tabela->indexWidget(indeks) == edytor ? indeks : QModelIndex();
}

void WidokZEdycjaWWierszach::cancelOperation(QAbstractItemView *tabela, QWidget *nadawca)
{
    const QModelIndex indeks = indeksEdytora(tabela, nadawca);
    if (!indeks.isValid())
        return;
    if (auto *pole = qobject_cast<FileNameChangerField *>(nadawca))
        pole->abortEditing();
    // What Escape in the editor does: the view drops the editor without asking for its data.
    emit tabela->itemDelegateForIndex(indeks)->closeEditor(nadawca, QAbstractItemDelegate::RevertModelCache);
}

bool WidokZEdycjaWWierszach::abortEditing()
{
    if (!m_shouldAbortEditingOnUpdates)
        return false;
    QWidget *edytor = controlInEditModeForTableView(this);
    if (!edytor)
        return false;
    cancelOperation(this, edytor);
    return true;
}

void WidokZEdycjaWWierszach::setModel(QAbstractItemModel *nowy)
{
    if (nowy == model())
        return;
    if (model())
        disconnect(model(), nullptr, this, nullptr);
    // Connected before the view's own handlers, so the edit ends while its row is still there.
    if (nowy) {
        const auto przerwij = [this] { abortEditing(); };
        connect(nowy, &QAbstractItemModel::modelAboutToBeReset, this, przerwij);
        connect(nowy, &QAbstractItemModel::rowsAboutToBeInserted, this, przerwij);
        connect(nowy, &QAbstractItemModel::rowsAboutToBeRemoved, this, przerwij);
        connect(nowy, &QAbstractItemModel::rowsAboutToBeMoved, this, przerwij);
        connect(nowy, &QAbstractItemModel::columnsAboutToBeInserted, this, przerwij);
        connect(nowy, &QAbstractItemModel::columnsAboutToBeRemoved, this, przerwij);
        connect(nowy, &QAbstractItemModel::columnsAboutToBeMoved, this, przerwij);
        connect(nowy, &QAbstractItemModel::layoutAboutToBeChanged, this, przerwij);
    }
    QTreeView::setModel(nowy);
}

void WidokZEdycjaWWierszach::dataChanged(const QModelIndex &lewyGorny, const QModelIndex &prawyDolny,
                                         const QList<int> &role)
{
    QWidget *edytor = controlInEditModeForTableView(this);
    const QModelIndex edytowany = indeksEdytora(this, edytor);
    if (edytowany.isValid() && edytowany.parent() == lewyGorny.parent() && edytowany.row() >= lewyGorny.row()
        && edytowany.row() <= prawyDolny.row())
        cancelOperation(this, edytor);
    QTreeView::dataChanged(lewyGorny, prawyDolny, role);
}

void WidokZEdycjaWWierszach::commitData(QWidget *edytor)
{
    m_zatwierdzanyEdytor = edytor;
    m_kolumnaZatwierdzanego = indeksEdytora(this, edytor).column();
    QTreeView::commitData(edytor);
}

void WidokZEdycjaWWierszach::closeEditor(QWidget *edytor, QAbstractItemDelegate::EndEditHint wskazowka)
{
    if (edytor != m_zatwierdzanyEdytor || indeksEdytora(this, edytor).isValid()) {
        QTreeView::closeEditor(edytor, wskazowka);
        return;
    }
    m_zatwierdzanyEdytor = nullptr;
    // The committed name changed the row, and that ended the edit already. Tab still moves on,
    // once the list has re-sorted, from the row where the item then stands.
    if (wskazowka != QAbstractItemDelegate::EditNextItem && wskazowka != QAbstractItemDelegate::EditPreviousItem)
        return;
    const CursorAction ruch = wskazowka == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious;
    QMetaObject::invokeMethod(
        this, [this, ruch, kolumna = m_kolumnaZatwierdzanego] { edytujSasiedni(ruch, kolumna); }, Qt::QueuedConnection);
}

void WidokZEdycjaWWierszach::edytujSasiedni(CursorAction ruch, int kolumna)
{
    const QModelIndex biezacy = currentIndex();
    if (state() == EditingState || !biezacy.isValid())
        return;
    selectionModel()->setCurrentIndex(biezacy.siblingAtColumn(kolumna), QItemSelectionModel::NoUpdate);
    // Past the last row (or before the first) the edit just ends.
    const QModelIndex sasiedni = moveCursor(ruch, Qt::NoModifier);
    if (!sasiedni.isValid() || (sasiedni.row() == biezacy.row() && sasiedni.parent() == biezacy.parent()))
        return;
    selectionModel()->setCurrentIndex(sasiedni, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (sasiedni.flags() & Qt::ItemIsEditable)
        edit(sasiedni);
}
