#include "WidokKomorkiRzeczy.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>

QWidget *WidokKomorkiRzeczy::createEditor(QWidget *rodzic, const QStyleOptionViewItem &opcja,
                                          const QModelIndex &indeks) const
{
    const auto *widok = qobject_cast<const QAbstractItemView *>(parent());
    if (!widok || !widok->selectionModel()->isRowSelected(indeks.row(), indeks.parent()))
        return nullptr;
    return DelegatTabeliPapierowej::createEditor(rodzic, opcja, indeks);
}

void WidokKomorkiRzeczy::setModelData(QWidget *edytor, QAbstractItemModel *, const QModelIndex &indeks) const
{
    if (const auto *pole = qobject_cast<QLineEdit *>(edytor))
        emit controlTextDidEndEditing(indeks, pole->text());
}
