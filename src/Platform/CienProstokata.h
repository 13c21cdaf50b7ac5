#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// A soft shadow of a rectangle with no offset, as a window sheet casts: the rectangle filled
// with the colour and blurred by three box passes, which come close to a Gaussian.
class CienProstokata
{
public:
    CienProstokata() = delete;

    // Draws the shadow of `prostokat` (in points) blurred by `rozmycie` points, at `skala`
    // pixels per point.
    static void narysuj(QPainter &malarz, const QRectF &prostokat, qreal rozmycie, qreal skala, const QColor &kolor);
};
