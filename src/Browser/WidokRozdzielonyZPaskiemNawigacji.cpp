#include "WidokRozdzielonyZPaskiemNawigacji.h"

#include <QPainter>

WidokRozdzielonyZPaskiemNawigacji::WidokRozdzielonyZPaskiemNawigacji(QWidget *rodzic)
    : SplitView(Qt::Horizontal, rodzic)
{
}

qreal WidokRozdzielonyZPaskiemNawigacji::dividerThickness() const
{
    return 3.0;
}

void WidokRozdzielonyZPaskiemNawigacji::drawDividerInRect(QPainter &malarz, const QRectF &prostokat)
{
    // The design counts from the bottom: 55 points free there, 40 at the top.
    const qreal srodek = prostokat.x() + prostokat.width() / 2 - 0.5;
    const qreal gora = prostokat.y() + 40;
    const qreal wysokosc = prostokat.height() - 95;
    malarz.fillRect(QRectF(srodek, gora, 1, wysokosc), QColor::fromRgbF(1, 1, 1, 0.6));
    malarz.fillRect(QRectF(srodek + 1, gora, 1, wysokosc), QColor::fromRgbF(0, 0, 0, 0.1));
}
