#include "ThreePartImage.h"

#include <algorithm>

void ThreePartImage::draw(QPainter &malarz, const QRectF &cel, const QImage &poczatek, const QImage &srodek,
                          const QImage &koniec, Kierunek kierunek)
{
    if (!(cel.width() > 0 && cel.height() > 0))
        return;
    const bool poziomy = kierunek == Kierunek::Poziomy;
    const qreal dlugosc = poziomy ? cel.width() : cel.height();
    const auto naturalna = [poziomy](const QImage &obraz) {
        const QSizeF rozmiar = obraz.deviceIndependentSize();
        return poziomy ? rozmiar.width() : rozmiar.height();
    };
    qreal dlugoscPoczatku = naturalna(poczatek);
    qreal dlugoscKonca = naturalna(koniec);
    if (dlugoscPoczatku + dlugoscKonca > dlugosc) {
        dlugoscPoczatku = std::min(dlugoscPoczatku, dlugosc / 2);
        dlugoscKonca = std::min(dlugoscKonca, dlugosc / 2);
    }
    // A part of the edge, measured along it from the start.
    const auto odcinek = [&](qreal od, qreal ile) {
        return poziomy ? QRectF(cel.left() + od, cel.top(), ile, cel.height())
                       : QRectF(cel.left(), cel.top() + od, cel.width(), ile);
    };

    malarz.save();
    malarz.setCompositionMode(QPainter::CompositionMode_SourceOver);
    malarz.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const struct
    {
        const QImage &obraz;
        QRectF gdzie;
    } czesci[] = {
        {srodek, odcinek(dlugoscPoczatku, dlugosc - dlugoscPoczatku - dlugoscKonca)},
        {poczatek, odcinek(0, dlugoscPoczatku)},
        {koniec, odcinek(dlugosc - dlugoscKonca, dlugoscKonca)},
    };
    for (const auto &czesc : czesci) {
        if (!czesc.obraz.isNull() && czesc.gdzie.width() > 0 && czesc.gdzie.height() > 0)
            malarz.drawImage(czesc.gdzie, czesc.obraz);
    }
    malarz.restore();
}
