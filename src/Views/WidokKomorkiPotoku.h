#pragma once

#include "Widgets/DelegatTabeliPapierowej.h"

// The cell of a row that heads a group of a bean list (a flow, a flow archive): the object's icon
// and its name in bold, centred in the row's height, light even in a selected row. Its rename
// field lies over the name.
class WidokKomorkiPotoku : public DelegatTabeliPapierowej
{
    Q_OBJECT

public:
    using DelegatTabeliPapierowej::DelegatTabeliPapierowej;

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
    void updateEditorGeometry(QWidget *edytor, const QStyleOptionViewItem &opcja,
                              const QModelIndex &indeks) const override;

private:
    static QRect prostokatNazwy(const QRect &komorka);
};
