#pragma once

#include "Widgets/DelegatTabeliPapierowej.h"

// The status cell of a bean row: the icon of the bean's status, centred.
class WidokKomorkiStatusu : public DelegatTabeliPapierowej
{
    Q_OBJECT

public:
    using DelegatTabeliPapierowej::DelegatTabeliPapierowej;

    void paint(QPainter *malarz, const QStyleOptionViewItem &opcja, const QModelIndex &indeks) const override;
};
