#include "Browser/TloWidokuPapierowego.h"
#include "Browser/TloWidokuSzczegolowNaKarciePortfolio.h"
#include "Browser/TloZielonegoWidokuKartyPortfolio.h"
#include "Browser/WidokRozdzielonyZPaskiemNawigacji.h"
#include "Platform/ObrazyAplikacji.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The widget alone, on a clear or a grey ground, without its children.
QImage narysuj(QWidget &widok, QColor tlo = Qt::transparent)
{
    QImage obraz(widok.size(), QImage::Format_ARGB32_Premultiplied);
    obraz.fill(tlo);
    widok.render(&obraz, QPoint(), QRegion(), QWidget::RenderFlags());
    return obraz.convertToFormat(QImage::Format_ARGB32);
}

struct Piksel
{
    QPoint gdzie;
    int alfaOd;
    int alfaDo;
    const char *dlaczego;
};

void sprawdzAlfe(const QImage &obraz, std::initializer_list<Piksel> piksele)
{
    for (const Piksel &p : piksele) {
        const int alfa = qAlpha(obraz.pixel(p.gdzie));
        EXPECT_TRUE(alfa >= p.alfaOd && alfa <= p.alfaDo) << p.dlaczego << ": alpha " << alfa;
    }
}

} // namespace

TEST(TlaKartTest, TheGreenTextureRunsOnAcrossSiblingWidgetsFromTheWindowsCorner)
{
    QWidget okno;
    okno.resize(300, 200);
    auto *lewe = new TloZielonegoWidokuKartyPortfolio(&okno);
    auto *prawe = new TloZielonegoWidokuKartyPortfolio(&okno);
    lewe->setGeometry(7, 13, 100, 150);
    prawe->setGeometry(107, 13, 150, 180);
    const QImage obraz = okno.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage tekstura =
        ObrazyAplikacji::obraz(QStringLiteral("ZieloneTloKartyPortfolio")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_GT(tekstura.height(), 1);
    for (const QRect &obszar : {lewe->geometry(), prawe->geometry()}) {
        for (int y = obszar.top(); y <= obszar.bottom(); ++y) {
            for (int x = obszar.left(); x <= obszar.right(); ++x)
                ASSERT_EQ(obraz.pixel(x, y), tekstura.pixel(x % tekstura.width(), y % tekstura.height()))
                    << x << "," << y;
        }
    }
}

TEST(TlaKartTest, TheCardboardIsRoundAtTheTopSquareAndShadowedAtTheBottomAndWhole)
{
    TloWidokuPapierowego karton;
    karton.resize(200, 150);
    auto *szczegoly = new QWidget;
    karton.setWidokSzczegolow(szczegoly);
    karton.awakeFromNib();
    karton.show();
    const QRect miejsce = szczegoly->geometry();
    EXPECT_EQ(miejsce, QRect(10, 0, 180, 140));
    sprawdzAlfe(narysuj(karton), {
                                     {{10, 0}, 0, 100, "the top-left corner is rounded off"},
                                     {{189, 0}, 0, 100, "the top-right corner is rounded off"},
                                     {{10, 139}, 255, 255, "the bottom-left corner is square"},
                                     {{189, 139}, 255, 255, "the bottom-right corner is square"},
                                     {{100, 135}, 255, 255, "where the two shapes overlap there is no hole"},
                                     {{100, 0}, 255, 255, "with no top margin the sheet reaches the top edge"},
                                     {{192, 75}, 60, 254, "shadow right of the sheet"},
                                     {{100, 143}, 60, 254, "shadow below the sheet"},
                                     {{7, 75}, 0, 40, "little shadow left of the sheet"},
                                 });

    karton.setMarginesWidoku(30);
    karton.resize(201, 150);
    EXPECT_EQ(szczegoly->geometry().topLeft(), miejsce.topLeft()) << "a margin change only redraws";
    sprawdzAlfe(narysuj(karton), {{{20, 75}, 0, 40, "the sheet moved in to the new margin"}});
}

TEST(TlaKartTest, TheDetailsPanelIsWhiteWithTwoFaintLinesUnderItsTop)
{
    TloWidokuSzczegolowNaKarciePortfolio panel;
    panel.resize(200, 100);
    const QImage obraz = narysuj(panel, Qt::transparent);
    const struct
    {
        int y;
        bool linia;
    } wiersze[] = {{3, false}, {4, true}, {5, false}, {6, true}, {7, false}, {50, false}};
    for (const auto &wiersz : wiersze) {
        const QRgb piksel = obraz.pixel(100, wiersz.y);
        EXPECT_EQ(qAlpha(piksel), 255);
        if (wiersz.linia)
            EXPECT_NEAR(qRed(piksel), 240, 2) << wiersz.y;
        else
            EXPECT_EQ(qRed(piksel), 255) << wiersz.y;
    }
    EXPECT_GT(qAlpha(obraz.pixel(196, 50)), 0) << "the panel casts a shadow";
}

TEST(TlaKartTest, TheNavigationDividerIsAGrooveLeaving40PointsAtTheTopAnd55AtTheBottom)
{
    WidokRozdzielonyZPaskiemNawigacji widok;
    widok.addSubview(new QWidget);
    widok.addSubview(new QWidget);
    widok.resize(400, 300);
    widok.setPosition(150, 0);
    const QImage obraz = narysuj(widok, QColor(128, 128, 128));
    const int jasna = 151;
    const int ciemna = 152;
    for (int y : {40, 150, 244}) {
        EXPECT_GT(qRed(obraz.pixel(jasna, y)), 128) << y;
        EXPECT_LT(qRed(obraz.pixel(ciemna, y)), 128) << y;
        EXPECT_EQ(qRed(obraz.pixel(150, y)), 128) << y;
    }
    for (int y : {39, 245})
        EXPECT_EQ(obraz.pixel(jasna, y), obraz.pixel(ciemna, y)) << y;
}
