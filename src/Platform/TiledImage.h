#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Draws an image stretched to any rectangle by cutting it into nine parts at its cap insets:
// the corners once at their own size, the edges and the centre repeated as tiles, never scaled.
// Rectangles are in points, y downward, in the painter's or the image's own coordinates.
// `flippedY` NO starts the tiling whole at a rectangle's bottom-left corner, YES at its top-left.
// The fraction (0 to 1) is applied once; parts that come out empty are skipped.
class TiledImage
{
public:
    struct EdgeInsets
    {
        qreal top = 0;
        qreal left = 0;
        qreal bottom = 0;
        qreal right = 0;
    };

    using Operation = QPainter::CompositionMode;

    // Composes the nine-part picture at the rect's size and draws it at the rect's origin.
    static void drawResizableImageWithCapInsetsInRectFlippedYOperationFraction(const QImage &obraz, QPainter &malarz,
                                                                               const EdgeInsets &insets,
                                                                               const QRectF &cel, bool flippedY,
                                                                               Operation operacja, qreal fraction);
    // The same, with the image name and the four insets taken from "name,top,left,bottom,right".
    static void drawResizableImageWithStringInputInRectFlippedYOperationFraction(const QString &opis, QPainter &malarz,
                                                                                 const QRectF &cel, bool flippedY,
                                                                                 Operation operacja, qreal fraction);

    // A new image of the given size holding the nine-part picture.
    static QImage resizableImageWithCapInsetsWithSizeFlippedYOperationFraction(const QImage &obraz,
                                                                               const EdgeInsets &insets,
                                                                               const QSizeF &rozmiar, bool flippedY,
                                                                               Operation operacja, qreal fraction);
    // A null image when the name loads no image.
    static QImage resizableImageWithStringInputWithSizeFlippedYOperationFraction(const QString &opis,
                                                                                 const QSizeF &rozmiar, bool flippedY,
                                                                                 Operation operacja, qreal fraction);

    // That part of the image, drawn with the operation and fraction into an image of its own.
    static QImage makeImageCropInRectOperationFraction(const QImage &obraz, const QRectF &zrodlo, Operation operacja,
                                                       qreal fraction);
    // Fills the destination with the cropped part repeated as a pattern.
    static void drawPatternFromImageRectInRectFlippedYOperationFraction(const QImage &obraz, QPainter &malarz,
                                                                        const QRectF &zrodlo, const QRectF &cel,
                                                                        bool flippedY, Operation operacja,
                                                                        qreal fraction);
    // Draws the nine parts straight into the painter. When any inset is 0 the whole image is
    // tiled over the rect instead.
    static void drawResizableImagePartsWithCapInsetsInRectFlippedYOperationFraction(const QImage &obraz,
                                                                                    QPainter &malarz,
                                                                                    const EdgeInsets &insets,
                                                                                    const QRectF &cel, bool flippedY,
                                                                                    Operation operacja, qreal fraction);

private:
    static bool parseDescription(const QString &opis, QImage *obraz, EdgeInsets *insets);
    static QImage compose(const QImage &obraz, const EdgeInsets &insets, const QSizeF &rozmiar, qreal skala,
                          bool flippedY, Operation operacja, qreal fraction);
};
