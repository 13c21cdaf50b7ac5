#include "SoftShadow.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <vector>

namespace {

// One separable pass of a Gaussian over the alpha image: along rows, or along columns.
void convolve(QImage &alpha, const std::vector<int> &weights, bool alongRows)
{
    const int reach = int(weights.size() / 2);
    const int width = alpha.width();
    const int height = alpha.height();
    const int length = alongRows ? width : height;
    const int lines = alongRows ? height : width;
    std::vector<uchar> source(size_t(length), 0);
    for (int line = 0; line < lines; ++line) {
        const auto pixel = [&](int i) -> uchar & {
            return alongRows ? alpha.scanLine(line)[i] : alpha.scanLine(i)[line];
        };
        for (int i = 0; i < length; ++i)
            source[size_t(i)] = pixel(i);
        for (int i = 0; i < length; ++i) {
            int sum = 0;
            const int from = std::max(0, i - reach);
            const int to = std::min(length - 1, i + reach);
            for (int j = from; j <= to; ++j)
                sum += source[size_t(j)] * weights[size_t(j - i + reach)];
            pixel(i) = uchar((sum + (1 << 15)) >> 16);
        }
    }
}

// Weights in 16-bit fixed point that add up to one.
std::vector<int> gaussianWeights(qreal deviation)
{
    const int reach = std::max(1, int(std::ceil(3 * deviation)));
    std::vector<double> exact(size_t(2 * reach + 1));
    double total = 0;
    for (int i = -reach; i <= reach; ++i) {
        exact[size_t(i + reach)] = std::exp(-(i * i) / (2 * deviation * deviation));
        total += exact[size_t(i + reach)];
    }
    std::vector<int> weights(exact.size());
    for (size_t i = 0; i < exact.size(); ++i)
        weights[i] = int(std::lround(exact[i] / total * 65536));
    return weights;
}

} // namespace

void SoftShadow::draw(QPainter &painter, const QPainterPath &path, const QPointF &offset, qreal blurRadius,
                      const QColor &color)
{
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    const qreal scale = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPainterPath shape = path.translated(-bounds.topLeft());
    if (shape != m_shape || blurRadius != m_blurRadius || color != m_color || scale != m_scale) {
        m_shape = shape;
        m_blurRadius = blurRadius;
        m_color = color;
        m_scale = scale;
        rebuild();
    }
    painter.drawImage(bounds.topLeft() + offset + m_imageOffset, m_image);
}

void SoftShadow::rebuild()
{
    const qreal scale = m_scale;
    const qreal deviation = std::max<qreal>(0, m_blurRadius) * scale / 2;
    const std::vector<int> weights = deviation > 0 ? gaussianWeights(deviation) : std::vector<int>{};
    const int margin = int(weights.size() / 2);
    const QRectF bounds = m_shape.boundingRect();
    const QSize size(int(std::ceil(bounds.right() * scale)) + 2 * margin,
                     int(std::ceil(bounds.bottom() * scale)) + 2 * margin);

    QImage alpha(size, QImage::Format_Alpha8);
    alpha.fill(0);
    {
        QPainter painter(&alpha);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(margin, margin);
        painter.scale(scale, scale);
        painter.fillPath(m_shape, Qt::black);
    }
    if (!weights.empty()) {
        convolve(alpha, weights, true);
        convolve(alpha, weights, false);
    }

    m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(m_color);
    {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, alpha);
    }
    m_image.setDevicePixelRatio(scale);
    m_imageOffset = QPointF(-margin / scale, -margin / scale);
}
