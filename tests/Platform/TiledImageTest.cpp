#include "Platform/TiledImage.h"
#include "Platform/ObrazyAplikacji.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

using Insets = TiledImage::EdgeInsets;
constexpr auto naWierzch = QPainter::CompositionMode_SourceOver;

// Every pixel of its own colour, so that a pixel tells where in the image it came from.
QImage wzorzec(int szerokosc, int wysokosc)
{
    QImage obraz(szerokosc, wysokosc, QImage::Format_ARGB32);
    for (int y = 0; y < wysokosc; ++y) {
        for (int x = 0; x < szerokosc; ++x)
            obraz.setPixel(x, y, qRgb(20 * x + 5, 20 * y + 5, 100));
    }
    return obraz;
}

QImage plotno(int szerokosc, int wysokosc)
{
    QImage wynik(szerokosc, wysokosc, QImage::Format_ARGB32_Premultiplied);
    wynik.fill(Qt::transparent);
    return wynik;
}

QImage rysuj(const QImage &obraz, const Insets &insets, const QRectF &cel, bool flippedY, QSize rozmiarPlotna,
             qreal fraction = 1.0)
{
    QImage wynik = plotno(rozmiarPlotna.width(), rozmiarPlotna.height());
    QPainter malarz(&wynik);
    TiledImage::drawResizableImageWithCapInsetsInRectFlippedYOperationFraction(obraz, malarz, insets, cel, flippedY,
                                                                               naWierzch, fraction);
    malarz.end();
    return wynik.convertToFormat(QImage::Format_ARGB32);
}

int modulo(int a, int b)
{
    return ((a % b) + b) % b;
}

} // namespace

TEST(TiledImageTest, WithoutInsetsTheImageIsTiledWholeFromTheTopLeftCornerWhenFlipped)
{
    const QImage obraz = wzorzec(4, 3);
    const QImage wynik = rysuj(obraz, {}, QRectF(0, 0, 10, 7), true, QSize(10, 7));
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(wynik.pixel(x, y), obraz.pixel(x % 4, y % 3)) << x << "," << y;
    }
}

TEST(TiledImageTest, WithoutInsetsTheTilingStartsWholeAtTheBottomLeftCornerWhenNotFlipped)
{
    const QImage obraz = wzorzec(4, 3);
    const QImage wynik = rysuj(obraz, {}, QRectF(0, 0, 10, 7), false, QSize(10, 7));
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(wynik.pixel(x, y), obraz.pixel(x % 4, modulo(y - 7, 3))) << x << "," << y;
    }
    EXPECT_EQ(wynik.pixel(0, 6), obraz.pixel(0, 2)) << "the bottom row is the image's bottom row";
}

TEST(TiledImageTest, ARectSmallerThanTheImageShowsOnePartialTileAndNothingOutside)
{
    const QImage obraz = wzorzec(4, 3);
    const QImage odGory = rysuj(obraz, {}, QRectF(2, 1, 3, 2), true, QSize(8, 5));
    const QImage odDolu = rysuj(obraz, {}, QRectF(2, 1, 3, 2), false, QSize(8, 5));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(odGory.pixel(2 + x, 1 + y), obraz.pixel(x, y));
            EXPECT_EQ(odDolu.pixel(2 + x, 1 + y), obraz.pixel(x, y + 1));
        }
    }
    for (QPoint p : {QPoint(1, 1), QPoint(5, 1), QPoint(2, 0), QPoint(2, 3), QPoint(7, 4)})
        EXPECT_EQ(qAlpha(odGory.pixel(p)), 0) << p.x() << "," << p.y();
}

TEST(TiledImageTest, OneZeroInsetStillTilesTheWholeImageWithoutCorners)
{
    const QImage obraz = wzorzec(6, 6);
    const QImage bezWstawek = rysuj(obraz, {}, QRectF(0, 0, 15, 9), true, QSize(15, 9));
    for (const Insets &insets : {Insets{1, 0, 1, 1}, Insets{1, 1, 1, 0}, Insets{0, 1, 1, 1}, Insets{1, 1, 0, 1}})
        EXPECT_EQ(rysuj(obraz, insets, QRectF(0, 0, 15, 9), true, QSize(15, 9)), bezWstawek);
}

TEST(TiledImageTest, NinePartsDrawCornersOnceAndRepeatEdgesAndCentreWithoutScaling)
{
    // Top 1, left 2, bottom 1, right 2 of a 6 x 6 image, into 15 x 9 at (3, 2).
    const QImage obraz = wzorzec(6, 6);
    const QImage wynik = rysuj(obraz, Insets{1, 2, 1, 2}, QRectF(3, 2, 15, 9), true, QSize(21, 13));
    auto piksel = [&](int x, int y) { return wynik.pixel(3 + x, 2 + y); };

    for (int x = 0; x < 2; ++x) {
        EXPECT_EQ(piksel(x, 0), obraz.pixel(x, 0)) << "top-left corner";
        EXPECT_EQ(piksel(13 + x, 0), obraz.pixel(4 + x, 0)) << "top-right corner";
        EXPECT_EQ(piksel(x, 8), obraz.pixel(x, 5)) << "bottom-left corner";
        EXPECT_EQ(piksel(13 + x, 8), obraz.pixel(4 + x, 5)) << "bottom-right corner";
    }
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(piksel(2 + k, 0), obraz.pixel(2 + k % 2, 0)) << "top edge " << k;
        EXPECT_EQ(piksel(2 + k, 8), obraz.pixel(2 + k % 2, 5)) << "bottom edge " << k;
    }
    for (int m = 0; m < 7; ++m) {
        EXPECT_EQ(piksel(0, 1 + m), obraz.pixel(0, 1 + m % 4)) << "left edge " << m;
        EXPECT_EQ(piksel(14, 1 + m), obraz.pixel(5, 1 + m % 4)) << "right edge " << m;
        for (int k = 0; k < 11; ++k)
            ASSERT_EQ(piksel(2 + k, 1 + m), obraz.pixel(2 + k % 2, 1 + m % 4)) << "centre " << k << "," << m;
    }
    EXPECT_EQ(qAlpha(wynik.pixel(2, 5)), 0);
    EXPECT_EQ(qAlpha(wynik.pixel(18, 5)), 0);
    EXPECT_EQ(qAlpha(wynik.pixel(10, 11)), 0);
}

TEST(TiledImageTest, NinePartsNotFlippedAnchorTheSidesAndCentreAtTheBottom)
{
    const QImage obraz = wzorzec(6, 6);
    const QImage wynik = rysuj(obraz, Insets{1, 2, 1, 2}, QRectF(0, 0, 15, 9), false, QSize(15, 9));
    // The centre is 7 high, its tile 4: the tile starts whole at the centre's bottom.
    for (int m = 0; m < 7; ++m)
        EXPECT_EQ(wynik.pixel(2, 1 + m), obraz.pixel(2, 1 + modulo(m - 7, 4))) << m;
}

TEST(TiledImageTest, TheFractionIsAppliedOnce)
{
    QImage biale(4, 4, QImage::Format_ARGB32);
    biale.fill(Qt::white);
    for (const Insets &insets : {Insets{}, Insets{1, 1, 1, 1}}) {
        const QImage wynik = rysuj(biale, insets, QRectF(0, 0, 10, 10), true, QSize(10, 10), 0.5);
        for (QPoint p : {QPoint(0, 0), QPoint(5, 0), QPoint(5, 5), QPoint(9, 9), QPoint(0, 5)})
            EXPECT_NEAR(qAlpha(wynik.pixel(p)), 128, 2) << p.x() << "," << p.y();
    }
    const QImage zlozony = TiledImage::resizableImageWithCapInsetsWithSizeFlippedYOperationFraction(
        biale, {}, QSizeF(6, 5), true, naWierzch, 0.5);
    EXPECT_EQ(zlozony.size(), QSize(6, 5));
    EXPECT_NEAR(qAlpha(zlozony.pixel(3, 3)), 128, 2);
}

TEST(TiledImageTest, EmptyPartsAndEmptyRectsDrawNothingAndReturn)
{
    const QImage obraz = wzorzec(4, 4);
    const QImage pusty = plotno(10, 10).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(rysuj(obraz, {}, QRectF(2, 2, 0, 5), true, QSize(10, 10)), pusty);
    EXPECT_EQ(rysuj(obraz, {}, QRectF(2, 2, 5, -3), true, QSize(10, 10)), pusty);
    EXPECT_EQ(rysuj(QImage(), {}, QRectF(0, 0, 10, 10), true, QSize(10, 10)), pusty);

    // Top and bottom insets take the whole height: the centre and the side edges have no source.
    const QImage bezSrodka = rysuj(obraz, Insets{2, 1, 2, 1}, QRectF(0, 0, 10, 10), true, QSize(10, 10));
    EXPECT_EQ(bezSrodka.pixel(0, 0), obraz.pixel(0, 0));
    EXPECT_EQ(qAlpha(bezSrodka.pixel(5, 5)), 0);
    // A rect narrower than the left and right insets together.
    const QImage waski = rysuj(obraz, Insets{1, 2, 1, 2}, QRectF(0, 0, 3, 10), true, QSize(10, 10));
    EXPECT_EQ(waski.pixel(0, 0), obraz.pixel(0, 0));
    EXPECT_TRUE(TiledImage::resizableImageWithCapInsetsWithSizeFlippedYOperationFraction(obraz, {}, QSizeF(0, 4), true,
                                                                                         naWierzch, 1.0)
                    .isNull());
}

TEST(TiledImageTest, AStringGivesTheImageNameAndTopLeftBottomRightInsetsInOrder)
{
    const QImage obraz = ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol"));
    ASSERT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("DrewnianyStol")));
    const QRectF cel(0, 0, 300, 280);
    const QImage oczekiwany = rysuj(obraz, Insets{4, 5, 6, 7}, cel, false, QSize(300, 280));
    EXPECT_NE(oczekiwany, rysuj(obraz, Insets{7, 6, 5, 4}, cel, false, QSize(300, 280)));

    QImage zNapisu = plotno(300, 280);
    QPainter malarz(&zNapisu);
    TiledImage::drawResizableImageWithStringInputInRectFlippedYOperationFraction(
        QStringLiteral("DrewnianyStol,4,5,6,7"), malarz, cel, false, naWierzch, 1.0);
    malarz.end();
    EXPECT_EQ(zNapisu.convertToFormat(QImage::Format_ARGB32), oczekiwany);

    EXPECT_EQ(TiledImage::resizableImageWithStringInputWithSizeFlippedYOperationFraction(
                  QStringLiteral("DrewnianyStol,4,5,6,7"), QSizeF(300, 280), false, naWierzch, 1.0)
                  .convertToFormat(QImage::Format_ARGB32),
              oczekiwany);
    EXPECT_TRUE(TiledImage::resizableImageWithStringInputWithSizeFlippedYOperationFraction(
                    QStringLiteral("NieMaTakiegoObrazu,1,1,1,1"), QSizeF(10, 10), false, naWierzch, 1.0)
                    .isNull());
}
