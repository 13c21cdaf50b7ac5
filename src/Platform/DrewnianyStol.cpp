#include "DrewnianyStol.h"

#include "ObrazyAplikacji.h"
#include "TiledImage.h"

#include <QPainter>

void DrewnianyStol::narysuj(QPainter &malarz, const QSize &rozmiar)
{
    narysuj(malarz, rozmiar, ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol-gora")),
            ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol")));
}

void DrewnianyStol::narysuj(QPainter &malarz, const QSize &rozmiar, const QImage &gora, const QImage &cialo)
{
    const qreal szerokosc = rozmiar.width();
    const qreal wysokosc = rozmiar.height();
    // Both tiled whole from their top-left corners; a missing texture takes no room.
    const qreal wysokoscGory = gora.isNull() ? 0.0 : gora.deviceIndependentSize().height();
    const auto wypelnij = [&](const QImage &kafelek, const QRectF &pas) {
        if (!kafelek.isNull() && !pas.isEmpty())
            TiledImage::drawResizableImageWithCapInsetsInRectFlippedYOperationFraction(
                kafelek, malarz, {}, pas, true, QPainter::CompositionMode_SourceOver, 1.0);
    };
    wypelnij(gora, QRectF(0, 0, szerokosc, wysokoscGory));
    wypelnij(cialo, QRectF(0, wysokoscGory, szerokosc, wysokosc - wysokoscGory));
}
