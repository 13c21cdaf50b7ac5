#pragma once

#include <QImage>
#include <QSize>

class QPainter;

// The wooden desk behind the program's windows: the top edge tiled along the top, the body tiled
// below it in rows that start where the edge ends, the lowest row cut off at the bottom.
class DrewnianyStol
{
public:
    DrewnianyStol() = delete;

    // The desk of the program's own textures, "DrewnianyStol-gora" and "DrewnianyStol".
    static void narysuj(QPainter &malarz, const QSize &rozmiar);
    // The desk of the given textures; a missing texture is left out.
    static void narysuj(QPainter &malarz, const QSize &rozmiar, const QImage &gora, const QImage &cialo);
};
