#include "SoftShadow.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int totalOf(const std::vector<int> &weights)
{
    int total = 0;
    for (int weight : weights)
        total += weight;
    return total;
}

uchar rounded(int sum)
{
    return uchar((sum + (1 << 15)) >> 16);
}

// The two separable passes of a Gaussian over the alpha image. Each pixel becomes the weighted sum
// of its reach along the line (`weights` of odd length) in 16-bit fixed point; pixels past the
// edges count as clear. Where the whole reach holds one value the sum is that value times the
// weights' total: the inside and the outside of a shape cost one look per pixel, the edges alone
// the full sum.
void convolveRows(QImage &alpha, const std::vector<int> &weights)
{
    const int reach = int(weights.size() / 2);
    const int total = totalOf(weights);
    const int width = alpha.width();
    std::vector<uchar> source(static_cast<size_t>(width));
    std::vector<int> runEnd(static_cast<size_t>(width));
    for (int y = 0; y < alpha.height(); ++y) {
        uchar *line = alpha.scanLine(y);
        std::copy(line, line + width, source.begin());
        // runEnd[i]: the last index of the run of equal values that holds i.
        for (int i = width - 1; i >= 0; --i)
            runEnd[size_t(i)] = i + 1 < width && source[size_t(i + 1)] == source[size_t(i)] ? runEnd[size_t(i + 1)] : i;
        for (int i = 0; i < width;) {
            const int first = std::max(0, i - reach);
            const int last = std::min(width - 1, i + reach);
            const uchar value = source[size_t(first)];
            const int end = runEnd[size_t(first)];
            // Clear pixels may lie past the edges; others need their whole reach inside the line.
            if (end >= last && (value == 0 || last - first == 2 * reach)) {
                const int through = value == 0 && end == width - 1 ? end : end - reach;
                std::fill(line + i, line + through + 1, rounded(value * total));
                i = through + 1;
                continue;
            }
            int sum = 0;
            for (int j = first; j <= last; ++j)
                sum += source[size_t(j)] * weights[size_t(j - i + reach)];
            line[i++] = rounded(sum);
        }
    }
}

void convolveColumns(QImage &alpha, const std::vector<int> &weights)
{
    const int reach = int(weights.size() / 2);
    const int total = totalOf(weights);
    const int width = alpha.width();
    const int height = alpha.height();
    const QImage source = alpha.copy();
    const uchar *const bits = source.constBits();
    const qsizetype stride = source.bytesPerLine();
    const auto row = [&](int y) { return bits + y * stride; };
    // runEnd[y]: the last row of the run of equal rows that holds row y.
    std::vector<int> runEnd(static_cast<size_t>(height));
    for (int y = height - 1; y >= 0; --y)
        runEnd[size_t(y)] = y + 1 < height && std::equal(row(y), row(y) + width, row(y + 1)) ? runEnd[size_t(y + 1)]
                                                                                             : y;
    std::vector<int> sums(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        uchar *line = alpha.scanLine(y);
        const int first = std::max(0, y - reach);
        const int last = std::min(height - 1, y + reach);
        if (runEnd[size_t(first)] >= last && last - first == 2 * reach) {
            const uchar *in = row(first);
            for (int x = 0; x < width; ++x)
                line[x] = rounded(in[x] * total);
            continue;
        }
        std::fill(sums.begin(), sums.end(), 0);
        for (int j = first; j <= last; ++j) {
            const uchar *in = row(j);
            const int weight = weights[size_t(j - y + reach)];
            for (int x = 0; x < width; ++x)
                sums[size_t(x)] += in[x] * weight;
        }
        for (int x = 0; x < width; ++x)
            line[x] = rounded(sums[size_t(x)]);
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
        convolveRows(alpha, weights);
        convolveColumns(alpha, weights);
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
