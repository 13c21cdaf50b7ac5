#include "WidokRozdzielonyPotoku.h"

WidokRozdzielonyPotoku::WidokRozdzielonyPotoku(QWidget *rodzic)
    : SplitView(Qt::Horizontal, rodzic)
{
}

QColor WidokRozdzielonyPotoku::dividerColor() const
{
    return QColor::fromRgbF(0.82f, 0.82f, 0.82f, 1.0f);
}
