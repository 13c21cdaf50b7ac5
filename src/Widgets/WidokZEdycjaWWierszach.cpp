#include "WidokZEdycjaWWierszach.h"

#include "FileNameChangerField.h"

#include <QCoreApplication>
#include <QKeyEvent>

WidokZEdycjaWWierszach::WidokZEdycjaWWierszach(QWidget *rodzic)
    : QTreeView(rodzic)
{
}

WidokZEdycjaWWierszach::~WidokZEdycjaWWierszach() = default;

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
    // Keys typed meanwhile, queued behind the Tab while the program was busy, belong to the next field: the list
    // would take them as a search of its rows, or as a command. Installed now, this filter sees them before the
    // list's other filters.
    m_czekaNaSasiedni = true;
    installEventFilter(this);
    QMetaObject::invokeMethod(
        this, [this, ruch, kolumna = m_kolumnaZatwierdzanego] { edytujSasiedni(ruch, kolumna); }, Qt::QueuedConnection);
}

bool WidokZEdycjaWWierszach::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (obiekt == this && m_czekaNaSasiedni && zdarzenie->type() == QEvent::KeyPress) {
        m_wstrzymaneKlawisze.emplace_back(static_cast<QKeyEvent *>(zdarzenie->clone()));
        return true;
    }
    return QTreeView::eventFilter(obiekt, zdarzenie);
}

void WidokZEdycjaWWierszach::edytujSasiedni(CursorAction ruch, int kolumna)
{
    m_czekaNaSasiedni = false;
    removeEventFilter(this);
    const QModelIndex biezacy = currentIndex();
    if (state() != EditingState && biezacy.isValid()) {
        selectionModel()->setCurrentIndex(biezacy.siblingAtColumn(kolumna), QItemSelectionModel::NoUpdate);
        // Past the last row (or before the first) the edit just ends.
        const QModelIndex sasiedni = moveCursor(ruch, Qt::NoModifier);
        if (sasiedni.isValid() && (sasiedni.row() != biezacy.row() || sasiedni.parent() != biezacy.parent())) {
            selectionModel()->setCurrentIndex(sasiedni,
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            if (sasiedni.flags() & Qt::ItemIsEditable)
                edit(sasiedni);
        }
    }
    oddajWstrzymaneKlawisze();
}

void WidokZEdycjaWWierszach::oddajWstrzymaneKlawisze()
{
    // As if they came now, to this window, which they were typed into. A Tab among them that moves on again holds
    // the rest once more.
    while (!m_czekaNaSasiedni && !m_wstrzymaneKlawisze.empty()) {
        const std::unique_ptr<QKeyEvent> klawisz = std::move(m_wstrzymaneKlawisze.front());
        m_wstrzymaneKlawisze.erase(m_wstrzymaneKlawisze.begin());
        if (QWidget *cel = window()->focusWidget())
            QCoreApplication::sendEvent(cel, klawisz.get());
    }
}
