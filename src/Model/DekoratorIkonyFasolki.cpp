#include "DekoratorIkonyFasolki.h"

#include "Platform/ObrazyAplikacji.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

qreal wysokoscWPunktach(const QPixmap &obraz)
{
    return obraz.deviceIndependentSize().height();
}

} // namespace

QIcon DekoratorIkonyFasolki::ikonaUdekorowanaKielkiem(const QIcon &ikona)
{
    const QIcon odznaka = ObrazyAplikacji::ikona(QStringLiteral("OdznakaKielek"));
    QIcon wynik = newCombinedNSImageWithImageFractionOgraniczDo(ikona, odznaka, 1.0, 128.0);
    if (wynik.availableSizes().isEmpty())
        wynik = newCombinedNSImageWithImageFractionOgraniczDo(ikona, odznaka, 1.0, 512.0);
    return wynik;
}

QList<QPixmap> DekoratorIkonyFasolki::reprezentacje(const QIcon &ikona)
{
    QList<QPixmap> wynik;
    if (ikona.isNull())
        return wynik;
    QList<QSize> rozmiary = ikona.availableSizes();
    // A scalable theme icon names no sizes; it is drawn at the usual icon sizes instead.
    if (rozmiary.isEmpty())
        rozmiary = {QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128), QSize(256, 256), QSize(512, 512)};
    for (const QSize &rozmiar : rozmiary) {
        const QPixmap obraz = ikona.pixmap(rozmiar, 1.0);
        if (!obraz.isNull())
            wynik.append(obraz);
    }
    return wynik;
}

int DekoratorIkonyFasolki::compareImageRepsBySize(const QPixmap &a, const QPixmap &b)
{
    const long punktyA = std::lround(wysokoscWPunktach(a));
    const long punktyB = std::lround(wysokoscWPunktach(b));
    if (punktyA != punktyB)
        return punktyA < punktyB ? -1 : 1;
    if (a.height() != b.height())
        return a.height() < b.height() ? -1 : 1;
    return 0;
}

QIcon DekoratorIkonyFasolki::newCombinedNSImageWithImageFractionOgraniczDo(const QIcon &podstawa, const QIcon &odznaka,
                                                                           qreal frakcja, qreal ograniczDo)
{
    QList<QPixmap> odznaki = reprezentacje(odznaka);
    std::stable_sort(odznaki.begin(), odznaki.end(),
                     [](const QPixmap &a, const QPixmap &b) { return compareImageRepsBySize(a, b) < 0; });
    QIcon wynik;
    for (const QPixmap &obraz : reprezentacje(podstawa)) {
        if (wysokoscWPunktach(obraz) > ograniczDo)
            continue;
        const auto pasujaca = std::find_if(odznaki.cbegin(), odznaki.cend(), [&](const QPixmap &kandydat) {
            return compareImageRepsBySize(kandydat, obraz) >= 0;
        });
        wynik.addPixmap(
            newCombinedImageRepWithImageFraction(obraz, pasujaca == odznaki.cend() ? QPixmap() : *pasujaca, frakcja));
    }
    return wynik;
}

QPixmap DekoratorIkonyFasolki::newCombinedImageRepWithImageFraction(const QPixmap &podstawa, const QPixmap &odznaka,
                                                                    qreal frakcja)
{
    QImage obraz(podstawa.size(), QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    {
        const QRect cel(QPoint(0, 0), podstawa.size());
        QPainter malarz(&obraz);
        malarz.setCompositionMode(QPainter::CompositionMode_Source);
        malarz.drawPixmap(cel, podstawa);
        if (!odznaka.isNull()) {
            malarz.setCompositionMode(QPainter::CompositionMode_SourceOver);
            malarz.setOpacity(frakcja);
            malarz.setRenderHint(QPainter::SmoothPixmapTransform);
            malarz.drawPixmap(cel, odznaka, odznaka.rect());
        }
    }
    QPixmap wynik = QPixmap::fromImage(std::move(obraz));
    wynik.setDevicePixelRatio(podstawa.devicePixelRatio());
    return wynik;
}
