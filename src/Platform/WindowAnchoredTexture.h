#pragma once

#include <QBrush>
#include <QImage>
#include <QPointF>

class QPainter;
class QPainterPath;

// Fills with a texture whose tiles start at the window's top-left corner, whatever widget paints:
// the textures of neighbouring widgets of one window so join without a seam.
class WindowAnchoredTexture
{
public:
    // `originInWindow`: where the painter's origin lies in the window, for a widget its
    // `mapTo(window(), QPoint(0, 0))`.
    static QBrush brush(const QImage &texture, const QPointF &originInWindow);
    static void fill(QPainter &painter, const QPainterPath &path, const QImage &texture, const QPointF &originInWindow);
};
