#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// The shadow that a filled path casts: the shape in the shadow's colour, moved by the offset and
// blurred like a Gaussian whose deviation is half the blur radius. Drawn before the shape itself.
// The blurred image is kept until the shape, the blur, the colour or the pixel density changes,
// so a view whose size stays the same pays for the blur once.
class SoftShadow
{
public:
    // Offsets and the radius are in the painter's units, y downward.
    void draw(QPainter &painter, const QPainterPath &path, const QPointF &offset, qreal blurRadius,
              const QColor &color);

private:
    // Blurs m_shape into m_image at the cached parameters.
    void rebuild();

    QPainterPath m_shape;
    qreal m_blurRadius = -1;
    QColor m_color;
    qreal m_scale = 0;
    QImage m_image;
    // Where the image's top-left corner lies against the shape's bounding rect.
    QPointF m_imageOffset;
};
