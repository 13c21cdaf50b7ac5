#pragma once

#include "Platform/Ui/SplitView.h"

// The split view between a portfolio tab's navigation bar and its details: a 3-point divider
// drawn as a groove of a light and a dark line, 40 points short of the top and 55 of the bottom.
class WidokRozdzielonyZPaskiemNawigacji : public SplitView
{
    Q_OBJECT

public:
    explicit WidokRozdzielonyZPaskiemNawigacji(QWidget *rodzic = nullptr);

    qreal dividerThickness() const override;

protected:
    void drawDividerInRect(QPainter &malarz, const QRectF &prostokat) override;
};
