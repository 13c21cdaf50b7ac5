#include "WidokWierszaPaskaNawigacji.h"

#include "Platform/ObrazyAplikacji.h"
#include "Platform/ThreePartImage.h"

#include <QPainter>
#include <QPainterPath>

void WidokWierszaPaskaNawigacji::rysujMazaneZaznaczenie(QPainter &malarz, const QRectF &ramka, bool oknoGlowne)
{
    const QString zestaw = oknoGlowne ? QStringLiteral("PasekNawigacji-Zaznaczenie-")
                                      : QStringLiteral("PasekNawigacji-ZaznaczenieNieaktywne-");
    malarz.save();
    malarz.setOpacity(oknoGlowne ? 1.0 : 0.6);
    ThreePartImage::draw(malarz, ramka, ObrazyAplikacji::obraz(zestaw + QStringLiteral("Lewe")),
                         ObrazyAplikacji::obraz(zestaw + QStringLiteral("Srodek")),
                         ObrazyAplikacji::obraz(zestaw + QStringLiteral("Prawe")), ThreePartImage::Kierunek::Poziomy);
    malarz.restore();
}

void WidokWierszaPaskaNawigacji::rysujRamkeZaznaczona(QPainter &malarz, const QRectF &ramka, bool zaznaczony)
{
    constexpr double odcien = 0.21944444444444444;
    QPainterPath sciezka;
    sciezka.addRoundedRect(ramka.adjusted(2.0, 1.0, -2.0, -1.0), 6.0, 6.0);
    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    if (!zaznaczony)
        malarz.fillPath(sciezka, QColor::fromHsvF(odcien, 0.52, 0.85, 1.0));
    malarz.strokePath(sciezka, QPen(zaznaczony ? QColor(Qt::white) : QColor::fromHsvF(odcien, 0.52, 0.4, 1.0), 2.0));
    malarz.restore();
}
