#include "TiledImage.h"

#include "ObrazyAplikacji.h"

#include <QPaintDevice>
#include <QStringList>

#include <cmath>

namespace {

// A tile smaller than this is first repeated into a bigger one, so that a 1-point edge does not
// cost a draw call per point.
constexpr qreal najmniejszyKafel = 64.0;

bool pusty(const QRectF &prostokat)
{
    return !(prostokat.width() > 0 && prostokat.height() > 0);
}

QImage powielKafel(const QImage &kafel)
{
    const qreal skala = kafel.devicePixelRatio();
    const QSizeF rozmiar = kafel.deviceIndependentSize();
    const int razyX = rozmiar.width() < najmniejszyKafel ? int(std::ceil(najmniejszyKafel / rozmiar.width())) : 1;
    const int razyY = rozmiar.height() < najmniejszyKafel ? int(std::ceil(najmniejszyKafel / rozmiar.height())) : 1;
    if (razyX == 1 && razyY == 1)
        return kafel;
    QImage duzy(kafel.width() * razyX, kafel.height() * razyY, QImage::Format_ARGB32_Premultiplied);
    duzy.fill(Qt::transparent);
    QImage bezSkali = kafel;
    bezSkali.setDevicePixelRatio(1.0);
    {
        QPainter malarz(&duzy);
        malarz.setCompositionMode(QPainter::CompositionMode_Source);
        for (int y = 0; y < razyY; ++y) {
            for (int x = 0; x < razyX; ++x)
                malarz.drawImage(QPoint(x * kafel.width(), y * kafel.height()), bezSkali);
        }
    }
    duzy.setDevicePixelRatio(skala);
    return duzy;
}

} // namespace

QImage TiledImage::makeImageCropInRectOperationFraction(const QImage &obraz, const QRectF &zrodlo, Operation operacja,
                                                        qreal fraction)
{
    if (obraz.isNull() || pusty(zrodlo))
        return {};
    const qreal skala = obraz.devicePixelRatio();
    const QRect piksele =
        QRectF(zrodlo.topLeft() * skala, zrodlo.size() * skala).toAlignedRect().intersected(obraz.rect());
    if (piksele.isEmpty())
        return {};
    QImage czesc = obraz.copy(piksele);
    czesc.setDevicePixelRatio(1.0);
    QImage wynik(piksele.size(), QImage::Format_ARGB32_Premultiplied);
    wynik.fill(Qt::transparent);
    {
        QPainter malarz(&wynik);
        malarz.setCompositionMode(operacja);
        malarz.setOpacity(fraction);
        malarz.drawImage(QPoint(0, 0), czesc);
    }
    wynik.setDevicePixelRatio(skala);
    return wynik;
}

void TiledImage::drawPatternFromImageRectInRectFlippedYOperationFraction(const QImage &obraz, QPainter &malarz,
                                                                         const QRectF &zrodlo, const QRectF &cel,
                                                                         bool flippedY, Operation operacja,
                                                                         qreal fraction)
{
    if (pusty(cel))
        return;
    const QImage kafel = makeImageCropInRectOperationFraction(obraz, zrodlo, operacja, fraction);
    if (kafel.isNull())
        return;
    const QImage wzor = powielKafel(kafel);
    const QSizeF krok = wzor.deviceIndependentSize();

    // The first whole tile sits at the anchor corner; the pattern runs on from there.
    const qreal poczatekX = cel.left();
    const qreal poczatekY = flippedY ? cel.top()
                                     : cel.bottom() - std::ceil(cel.height() / krok.height()) * krok.height();

    malarz.save();
    malarz.setClipRect(cel, Qt::IntersectClip);
    malarz.setCompositionMode(operacja);
    for (qreal y = poczatekY; y < cel.bottom(); y += krok.height()) {
        for (qreal x = poczatekX; x < cel.right(); x += krok.width())
            malarz.drawImage(QPointF(x, y), wzor);
    }
    malarz.restore();
}

void TiledImage::drawResizableImagePartsWithCapInsetsInRectFlippedYOperationFraction(const QImage &obraz,
                                                                                     QPainter &malarz,
                                                                                     const EdgeInsets &insets,
                                                                                     const QRectF &cel, bool flippedY,
                                                                                     Operation operacja, qreal fraction)
{
    if (obraz.isNull() || pusty(cel))
        return;
    const QSizeF rozmiar = obraz.deviceIndependentSize();
    const qreal iw = rozmiar.width();
    const qreal ih = rozmiar.height();
    const qreal t = insets.top;
    const qreal l = insets.left;
    const qreal b = insets.bottom;
    const qreal r = insets.right;
    const qreal x = cel.x();
    const qreal y = cel.y();
    const qreal w = cel.width();
    const qreal h = cel.height();

    malarz.save();
    if (l == 0 || r == 0 || t == 0 || b == 0) {
        drawPatternFromImageRectInRectFlippedYOperationFraction(obraz, malarz, QRectF(0, 0, iw, ih), cel, flippedY,
                                                                operacja, fraction);
        malarz.restore();
        return;
    }

    struct Wzor
    {
        QRectF zrodlo;
        QRectF cel;
        bool flippedY;
    };
    const Wzor wzory[] = {
        {QRectF(l, 0, iw - l - r, t), QRectF(x + l, y, w - l - r, t), false},                         // top edge
        {QRectF(l, t, iw - l - r, ih - t - b), QRectF(x + l, y + t, w - l - r, h - t - b), flippedY}, // centre
        {QRectF(iw - r, t, r, ih - t - b), QRectF(x + w - r, y + t, r, h - t - b), flippedY},         // right edge
        {QRectF(0, t, l, ih - t - b), QRectF(x, y + t, l, h - t - b), flippedY},                      // left edge
        {QRectF(l, ih - b, iw - l - r, b), QRectF(x + l, y + h - b, w - l - r, b), false},            // bottom edge
    };
    for (const Wzor &wzor : wzory)
        drawPatternFromImageRectInRectFlippedYOperationFraction(obraz, malarz, wzor.zrodlo, wzor.cel, wzor.flippedY,
                                                                operacja, fraction);

    const QRectF narozniki[] = {
        QRectF(iw - r, 0, r, t),      // top right
        QRectF(0, 0, l, t),           // top left
        QRectF(0, ih - b, l, b),      // bottom left
        QRectF(iw - r, ih - b, r, b), // bottom right
    };
    const QPointF miejsca[] = {{x + w - r, y}, {x, y}, {x, y + h - b}, {x + w - r, y + h - b}};
    malarz.setCompositionMode(operacja);
    malarz.setOpacity(malarz.opacity() * fraction);
    for (int i = 0; i < 4; ++i) {
        const QImage naroznik =
            makeImageCropInRectOperationFraction(obraz, narozniki[i], QPainter::CompositionMode_Source, 1.0);
        if (!naroznik.isNull())
            malarz.drawImage(miejsca[i], naroznik);
    }
    malarz.restore();
}

QImage TiledImage::compose(const QImage &obraz, const EdgeInsets &insets, const QSizeF &rozmiar, qreal skala,
                           bool flippedY, Operation operacja, qreal fraction)
{
    const QSize piksele(int(rozmiar.width() * skala), int(rozmiar.height() * skala));
    if (obraz.isNull() || piksele.isEmpty())
        return {};
    QImage wynik(piksele, QImage::Format_ARGB32_Premultiplied);
    wynik.fill(Qt::transparent);
    wynik.setDevicePixelRatio(skala);
    QPainter malarz(&wynik);
    drawResizableImagePartsWithCapInsetsInRectFlippedYOperationFraction(
        obraz, malarz, insets, QRectF(QPointF(0, 0), rozmiar), flippedY, operacja, fraction);
    return wynik;
}

QImage TiledImage::resizableImageWithCapInsetsWithSizeFlippedYOperationFraction(const QImage &obraz,
                                                                                const EdgeInsets &insets,
                                                                                const QSizeF &rozmiar, bool flippedY,
                                                                                Operation operacja, qreal fraction)
{
    return compose(obraz, insets, rozmiar, obraz.devicePixelRatio(), flippedY, operacja, fraction);
}

void TiledImage::drawResizableImageWithCapInsetsInRectFlippedYOperationFraction(const QImage &obraz, QPainter &malarz,
                                                                                const EdgeInsets &insets,
                                                                                const QRectF &cel, bool flippedY,
                                                                                Operation operacja, qreal fraction)
{
    if (obraz.isNull() || pusty(cel))
        return;
    // Composed at the device's own pixel size, so a high-density target stays sharp.
    const qreal skala = malarz.device() ? malarz.device()->devicePixelRatioF() : 1.0;
    const QImage zlozony = compose(obraz, insets, cel.size(), skala, flippedY, operacja, fraction);
    if (zlozony.isNull())
        return;
    // The parts already carry the fraction; applying it again would fade the picture twice.
    malarz.save();
    malarz.setCompositionMode(operacja);
    malarz.drawImage(cel.topLeft(), zlozony);
    malarz.restore();
}

bool TiledImage::parseDescription(const QString &opis, QImage *obraz, EdgeInsets *insets)
{
    const QStringList pola = opis.split(QLatin1Char(','));
    if (pola.size() < 5 || !ObrazyAplikacji::istnieje(pola.at(0)))
        return false;
    *obraz = ObrazyAplikacji::obraz(pola.at(0));
    *insets = EdgeInsets{pola.at(1).toFloat(), pola.at(2).toFloat(), pola.at(3).toFloat(), pola.at(4).toFloat()};
    return !obraz->isNull();
}

void TiledImage::drawResizableImageWithStringInputInRectFlippedYOperationFraction(const QString &opis, QPainter &malarz,
                                                                                  const QRectF &cel, bool flippedY,
                                                                                  Operation operacja, qreal fraction)
{
    QImage obraz;
    EdgeInsets insets;
    if (parseDescription(opis, &obraz, &insets))
        drawResizableImageWithCapInsetsInRectFlippedYOperationFraction(obraz, malarz, insets, cel, flippedY, operacja,
                                                                       fraction);
}

QImage TiledImage::resizableImageWithStringInputWithSizeFlippedYOperationFraction(const QString &opis,
                                                                                  const QSizeF &rozmiar, bool flippedY,
                                                                                  Operation operacja, qreal fraction)
{
    QImage obraz;
    EdgeInsets insets;
    if (!parseDescription(opis, &obraz, &insets))
        return {};
    return resizableImageWithCapInsetsWithSizeFlippedYOperationFraction(obraz, insets, rozmiar, flippedY, operacja,
                                                                        fraction);
}
