#pragma once

#include "Widgets/DelegatTabeliPapierowej.h"

// The cells of a folder-contents outline: icon and name. A name can be edited only in a
// selected row; the typed name goes to the outline's controller, never straight to the model.
class WidokKomorkiRzeczy : public DelegatTabeliPapierowej
{
    Q_OBJECT

public:
    using DelegatTabeliPapierowej::DelegatTabeliPapierowej;

    QWidget *createEditor(QWidget *rodzic, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void setModelData(QWidget *edytor, QAbstractItemModel *model, const QModelIndex &indeks) const override;

signals:
    void controlTextDidEndEditing(const QModelIndex &indeks, const QString &nazwa) const;
};
