#include "WindowAnchoredTexture.h"

#include <QPainter>
#include <QPainterPath>

QBrush WindowAnchoredTexture::brush(const QImage &texture, const QPointF &originInWindow)
{
    QBrush pattern(texture);
    pattern.setTransform(QTransform::fromTranslate(-originInWindow.x(), -originInWindow.y()));
    return pattern;
}

void WindowAnchoredTexture::fill(QPainter &painter, const QPainterPath &path, const QImage &texture,
                                 const QPointF &originInWindow)
{
    painter.fillPath(path, brush(texture, originInWindow));
}
