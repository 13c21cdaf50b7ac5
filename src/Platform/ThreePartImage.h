#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

// Draws an edge made of three images: a cap at each end at its natural length and the centre
// stretched over what lies between. Across the edge every part takes the rectangle's thickness.
// When the caps are longer than the rectangle, each gets half of it.
class ThreePartImage
{
public:
    enum class Kierunek { Poziomy, Pionowy };

    // For a vertical edge `poczatek` is the top cap, for a horizontal one the left cap. Drawn over
    // what lies there, at full opacity.
    static void draw(QPainter &malarz, const QRectF &cel, const QImage &poczatek, const QImage &srodek,
                     const QImage &koniec, Kierunek kierunek);
};
