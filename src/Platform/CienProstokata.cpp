#include "CienProstokata.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

// One pass of a running-sum box blur over the alpha of a black, premultiplied image.
void rozmyjWiersze(std::vector<int> &alfa, int szerokosc, int wysokosc, int promien, bool poziomo)
{
    const int dlugosc = poziomo ? szerokosc : wysokosc;
    const int linie = poziomo ? wysokosc : szerokosc;
    std::vector<int> linia(static_cast<size_t>(dlugosc));
    const int okno = 2 * promien + 1;
    for (int l = 0; l < linie; ++l) {
        auto indeks = [&](int i) { return poziomo ? size_t(l * szerokosc + i) : size_t(i * szerokosc + l); };
        for (int i = 0; i < dlugosc; ++i)
            linia[size_t(i)] = alfa[indeks(i)];
        int suma = 0;
        for (int i = -promien; i <= promien; ++i)
            suma += (i >= 0 && i < dlugosc) ? linia[size_t(i)] : 0;
        for (int i = 0; i < dlugosc; ++i) {
            alfa[indeks(i)] = suma / okno;
            const int wychodzi = i - promien;
            const int wchodzi = i + promien + 1;
            if (wychodzi >= 0)
                suma -= linia[size_t(wychodzi)];
            if (wchodzi < dlugosc)
                suma += linia[size_t(wchodzi)];
        }
    }
}

} // namespace

void CienProstokata::narysuj(QPainter &malarz, const QRectF &prostokat, qreal rozmycie, qreal skala, const QColor &kolor)
{
    const qreal margines = 2 * rozmycie;
    const QRectF obszar = prostokat.adjusted(-margines, -margines, margines, margines);
    const int szerokosc = int(obszar.width() * skala);
    const int wysokosc = int(obszar.height() * skala);
    if (szerokosc <= 0 || wysokosc <= 0)
        return;
    std::vector<int> alfa(size_t(szerokosc) * size_t(wysokosc), 0);
    const QRect wnetrze = QRectF(margines * skala, margines * skala, prostokat.width() * skala,
                                 prostokat.height() * skala).toRect().intersected(QRect(0, 0, szerokosc, wysokosc));
    for (int y = wnetrze.top(); y <= wnetrze.bottom(); ++y)
        std::fill_n(alfa.begin() + qsizetype(y) * szerokosc + wnetrze.left(), wnetrze.width(), kolor.alpha());
    // Three box passes come close to a Gaussian whose deviation is half the blur radius.
    const int promien = std::max(1, qRound(rozmycie * skala / 2));
    for (int przebieg = 0; przebieg < 3; ++przebieg) {
        rozmyjWiersze(alfa, szerokosc, wysokosc, promien, true);
        rozmyjWiersze(alfa, szerokosc, wysokosc, promien, false);
    }
    QImage cien(szerokosc, wysokosc, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < wysokosc; ++y) {
        auto *wiersz = reinterpret_cast<QRgb *>(cien.scanLine(y));
        for (int x = 0; x < szerokosc; ++x) {
            const int a = alfa[size_t(y) * size_t(szerokosc) + size_t(x)];
            wiersz[x] = qPremultiply(qRgba(kolor.red(), kolor.green(), kolor.blue(), a));
        }
    }
    cien.setDevicePixelRatio(skala);
    malarz.drawImage(obszar.topLeft(), cien);
}
