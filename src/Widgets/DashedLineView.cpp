#include "DashedLineView.h"

#include "LiniaKreskowana.h"

#include <QPainter>

void DashedLineView::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    LiniaKreskowana::rysujSeparatorPaskaIkonOd(malarz, QPointF(0, height() - 0.5), width());
}
