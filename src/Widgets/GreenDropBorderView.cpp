#include "GreenDropBorderView.h"

#include "Widgets/ZieloneZaznaczenie.h"

#include <QPainter>

GreenDropBorderView::GreenDropBorderView(QWidget *rodzic)
    : QWidget(rodzic)
{
    setGeometry(0, 0, 100, 100);
    // Drops and clicks go to the list beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GreenDropBorderView::setShouldDrawFocusRing(bool flaga)
{
    m_shouldDrawFocusRing = flaga;
    update();
}

void GreenDropBorderView::paintEvent(QPaintEvent *)
{
    if (!m_shouldDrawFocusRing)
        return;
    QPainter malarz(this);
    drawFocusRing(malarz);
}

void GreenDropBorderView::drawFocusRing(QPainter &malarz)
{
    malarz.save();
    // One point off the height, at the top in these downward coordinates, then 2 points in.
    const QRectF ramka = QRectF(rect()).adjusted(0, 1, 0, 0).adjusted(2, 2, -2, -2);
    malarz.setPen(
        QPen(ZieloneZaznaczenie::alternateSelectedControlColor(), 4.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    malarz.setBrush(Qt::NoBrush);
    malarz.drawRect(ramka);
    malarz.restore();
}
