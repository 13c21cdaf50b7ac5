#include "Platform/SoftShadow.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>

namespace {

// What a Gaussian of deviation `odchylenie`, cut at three deviations, leaves at `x` of a run of
// full pixels [od, od + dlugosc): worked out here in floating point, pixel by pixel.
double pokrycieGaussa(int x, int od, int dlugosc, double odchylenie)
{
    const int zasieg = std::max(1, int(std::ceil(3 * odchylenie)));
    double suma = 0;
    double wszystko = 0;
    for (int d = -zasieg; d <= zasieg; ++d) {
        const double waga = std::exp(-(d * d) / (2 * odchylenie * odchylenie));
        wszystko += waga;
        if (x + d >= od && x + d < od + dlugosc)
            suma += waga;
    }
    return suma / wszystko;
}

struct Ksztalt
{
    const char *opis;
    QSize rozmiar;
    qreal promienRozmycia;
};

} // namespace

TEST(SoftShadow, ARectanglesShadowIsItsGaussianBlurEverywhere)
{
    const Ksztalt ksztalty[] = {
        {"a wide panel", {180, 90}, 3.0},
        {"a one-pixel bar", {1, 40}, 3.0},
        {"a square smaller than the blur", {4, 4}, 8.0},
        {"a panel under a wide blur", {60, 30}, 12.0},
    };
    for (const Ksztalt &ksztalt : ksztalty) {
        SCOPED_TRACE(ksztalt.opis);
        constexpr int brzeg = 40;
        QImage plotno(ksztalt.rozmiar + QSize(2 * brzeg, 2 * brzeg), QImage::Format_ARGB32_Premultiplied);
        plotno.fill(Qt::transparent);
        QPainterPath sciezka;
        sciezka.addRect(QRectF(QPointF(brzeg, brzeg), ksztalt.rozmiar));
        SoftShadow cien;
        {
            QPainter malarz(&plotno);
            cien.draw(malarz, sciezka, QPointF(0, 0), ksztalt.promienRozmycia, Qt::black);
        }
        const double odchylenie = ksztalt.promienRozmycia / 2;
        int zlych = 0;
        for (int y = 0; y < plotno.height(); ++y) {
            for (int x = 0; x < plotno.width(); ++x) {
                const double oczekiwana = 255 * pokrycieGaussa(x, brzeg, ksztalt.rozmiar.width(), odchylenie)
                                          * pokrycieGaussa(y, brzeg, ksztalt.rozmiar.height(), odchylenie);
                const int alfa = qAlpha(plotno.pixel(x, y));
                if (std::abs(alfa - oczekiwana) > 2 && ++zlych <= 3)
                    ADD_FAILURE() << "at " << x << "," << y << ": " << alfa << " instead of " << oczekiwana;
            }
        }
        EXPECT_EQ(zlych, 0);
    }
}
