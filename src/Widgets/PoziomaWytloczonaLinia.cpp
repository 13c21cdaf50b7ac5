#include "PoziomaWytloczonaLinia.h"

#include <QPainter>

void PoziomaWytloczonaLinia::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal srodek = height() / 2.0;
    malarz.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.6), 1.0, Qt::SolidLine, Qt::FlatCap));
    malarz.drawLine(QLineF(0, srodek, w, srodek));
    malarz.setPen(QPen(QColor::fromRgbF(0, 0, 0, 0.1), 1.0, Qt::SolidLine, Qt::FlatCap));
    malarz.drawLine(QLineF(0, srodek + 1, w - 1, srodek + 1));
}
