#include "RysownikZarysuITlaKartyPrzegladarki.h"

#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/ZawartoscKarty.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/ThreePartImage.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Platform/WindowAnchoredTexture.h"

#include <QPainter>
#include <QWidget>

namespace {

constexpr qreal promienNaroznika = 10.0;

QColor kolorZarysu()
{
    return QColor::fromRgbF(0, 0, 0, 0.15);
}

QColor kolorRozjasnienia()
{
    return QColor::fromRgbF(1, 1, 1, 0.7);
}

QColor kolorZaslony()
{
    return QColor::fromRgbF(0, 0, 0, 0.02);
}

QColor kolorCienia()
{
    return QColor::fromRgbF(0, 0, 0, 0.3);
}

QPen pioro(const QColor &kolor)
{
    return QPen(kolor, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Turns the upright coordinates of a view over into Qt's, y downward.
QTransform odwrocenie(const QWidget *widok)
{
    return QTransform(1, 0, 0, -1, 0, widok ? widok->height() : 0);
}

QRectF powiekszony(const QRectF &r, qreal o)
{
    return r.adjusted(-o, -o, o, o);
}

QString przedrostekKrawedzi(std::int32_t rodzajKarty)
{
    return rodzajKarty == ZawartoscKarty::rodzajKartaFasolki ? QStringLiteral("KartaFasolki-")
                                                             : QStringLiteral("KartaPortfolio-");
}

} // namespace

bool RysownikZarysuITlaKartyPrzegladarki::czyAktywneOknoWidoku(const QWidget *widok) const
{
    if (!widok)
        return false;
    const QWidget *okno = widok->window();
    return okno->isActiveWindow() || okno == WindowRegistry::instance().mainWindow<BrowserWindow>();
}

QImage RysownikZarysuITlaKartyPrzegladarki::teksturaTlakarty(std::int32_t rodzajKarty, bool) const
{
    switch (rodzajKarty) {
    case ZawartoscKarty::rodzajKartaFasolki:
        return ObrazyAplikacji::obraz(QStringLiteral("KartonProjektu"));
    case ZawartoscKarty::rodzajKartaPortfolio:
        return ObrazyAplikacji::obraz(QStringLiteral("ZieloneTloKartyPortfolio"));
    default:
        return {};
    }
}

QBrush RysownikZarysuITlaKartyPrzegladarki::ustawFazeTekstury(const QImage &tekstura, const QWidget *widok) const
{
    if (tekstura.isNull() || !widok)
        return Qt::NoBrush;
    return WindowAnchoredTexture::brush(tekstura, widok->mapTo(widok->window(), QPoint(0, 0)));
}

QPainterPath RysownikZarysuITlaKartyPrzegladarki::sciezkaKartyWRamce(const QRectF &ramka, int odcinek) const
{
    const qreal x = ramka.x();
    const qreal y = ramka.y();
    const qreal w = ramka.width();
    const qreal h = ramka.height();
    const qreal r = promienNaroznika;
    const auto lewyNaroznik = [&](QPainterPath &p) {
        p.cubicTo(QPointF(x, y + h - 4), QPointF(x + 4, y + h), QPointF(x + r, y + h));
    };
    const auto prawyNaroznik = [&](QPainterPath &p) {
        p.cubicTo(QPointF(x + w - 4, y + h), QPointF(x + w, y + h - 4), QPointF(x + w, y + h - r));
    };

    QPainterPath sciezka;
    sciezka.setFillRule(Qt::WindingFill);
    switch (odcinek) {
    case odcinekLewy:
        sciezka.moveTo(x, y + 1);
        sciezka.lineTo(x, y + h - r);
        lewyNaroznik(sciezka);
        sciezka.lineTo(x + w - r, y + h);
        break;
    case odcinekPrawy:
        sciezka.moveTo(x + w - r, y + h);
        prawyNaroznik(sciezka);
        sciezka.lineTo(x + w, y + 2);
        break;
    default:
        sciezka.moveTo(x, y);
        sciezka.lineTo(x, y + h - r);
        lewyNaroznik(sciezka);
        sciezka.lineTo(x + w - r, y + h);
        prawyNaroznik(sciezka);
        sciezka.lineTo(x + w, y);
        sciezka.closeSubpath();
        break;
    }
    return sciezka;
}

QPainterPath RysownikZarysuITlaKartyPrzegladarki::sciezkaCieniaGornegoKarty(const QRectF &ramka) const
{
    return sciezkaKartyWRamce(ramka, odcinekCaly);
}

QPainterPath RysownikZarysuITlaKartyPrzegladarki::sciezkaUcha(const QRectF &ramka, int odcinek, qreal a, qreal b,
                                                              qreal c) const
{
    const QRectF r = powiekszony(ramka, 0.5);
    const qreal X = r.x();
    const qreal Y = r.y();
    const qreal W = r.width();
    const qreal k = r.height() - 1;
    const auto lewaFlanka = [&](QPainterPath &p) {
        p.cubicTo(QPointF(X + 3 + b * k, Y + 3), QPointF(X + 3 + a * k - c * k, Y + k), QPointF(X + 3 + a * k, Y + k));
    };
    const auto prawaFlanka = [&](QPainterPath &p) {
        p.cubicTo(QPointF(X + W - 3 - a * k + c * k, Y + k), QPointF(X + W - 3 - b * k, Y + 3),
                  QPointF(X + W - 3, Y + 3));
    };

    QPainterPath sciezka;
    sciezka.setFillRule(Qt::WindingFill);
    switch (odcinek) {
    case odcinekLewy:
        sciezka.moveTo(X - 1, Y + 2.5);
        sciezka.lineTo(X - 1, Y + 3);
        sciezka.lineTo(X + 3, Y + 3);
        lewaFlanka(sciezka);
        sciezka.lineTo(X + W - 3 - a * k, Y + k);
        break;
    case odcinekPrawy:
        sciezka.moveTo(X + W - 3 - a * k, Y + k);
        prawaFlanka(sciezka);
        sciezka.lineTo(X + W + 1, Y + 3);
        sciezka.lineTo(X + W + 1, Y + 2.5);
        break;
    default:
        sciezka.moveTo(X - 1, Y);
        sciezka.lineTo(X - 1, Y + 3);
        sciezka.lineTo(X + 3, Y + 3);
        lewaFlanka(sciezka);
        sciezka.lineTo(X + W - 3 - a * k, Y + k);
        prawaFlanka(sciezka);
        sciezka.lineTo(X + W + 1, Y + 3);
        sciezka.lineTo(X + W + 1, Y);
        break;
    }
    return sciezka;
}

QPainterPath RysownikZarysuITlaKartyPrzegladarki::sciezkaZakladkiWRamce(const QRectF &ramka, int odcinek) const
{
    return sciezkaUcha(ramka, odcinek, biegFlankiZakladki, 0.465, 0.765);
}

QPainterPath RysownikZarysuITlaKartyPrzegladarki::sciezkaZakladkiKartyTlaWidokuFasolkiWRamce(const QRectF &ramka,
                                                                                             int odcinek) const
{
    return sciezkaUcha(ramka, odcinek, 1.0, 0.515, 1.0);
}

QRectF RysownikZarysuITlaKartyPrzegladarki::ramkaWidokuSzczegolowWWidokuKarty(const QWidget *widok) const
{
    if (!widok)
        return {};
    return QRectF(12, 12, widok->width() - 23, widok->height() - 12);
}

QRectF RysownikZarysuITlaKartyPrzegladarki::ramkaKartyDlaGoryKartyWWidoku(const QWidget *widok) const
{
    if (!widok)
        return {};
    return QRectF(0, -98, widok->width(), 100);
}

QRectF RysownikZarysuITlaKartyPrzegladarki::ramkaKartyDlaDoluKartyWWidoku(const QWidget *widok) const
{
    if (!widok)
        return {};
    return QRectF(0, 0, widok->width(), widok->height() + 2);
}

void RysownikZarysuITlaKartyPrzegladarki::rysujFazowanie(QPainter &malarz, const QTransform &odwrocenie,
                                                         const QPainterPath &lewy, const QPainterPath &prawy,
                                                         const QPainterPath &caly) const
{
    malarz.setBrush(Qt::NoBrush);
    malarz.setPen(pioro(kolorRozjasnienia()));
    malarz.drawPath(odwrocenie.map(lewy.translated(1, -1)));
    malarz.drawPath(odwrocenie.map(prawy.translated(-1, -1)));
    malarz.setPen(pioro(kolorZarysu()));
    malarz.drawPath(odwrocenie.map(caly));
}

void RysownikZarysuITlaKartyPrzegladarki::rysujKrawedzieKarty(QPainter &malarz, std::int32_t rodzajKarty,
                                                              const QRectF &karta, const QTransform &odwrocenie) const
{
    static const char *const czesci[] = {"DolnaKrawedz-Lewa",   "DolnaKrawedz-Srodek", "Naroznik-PrawyDolny-Pusty",
                                         "Naroznik-PrawyGorny", "PrawaKrawedz-Srodek", "Naroznik-PrawyDolny"};
    QImage obrazy[6];
    if (rodzajKarty == ZawartoscKarty::rodzajNieokreslony) {
        for (QImage &obraz : obrazy)
            obraz = ObrazyAplikacji::obraz(QStringLiteral("KartaPortfolio-Naroznik-PrawyDolny-Pusty"));
    } else if (rodzajKarty == ZawartoscKarty::rodzajKartaFasolki
               || rodzajKarty == ZawartoscKarty::rodzajKartaPortfolio) {
        for (int i = 0; i < 6; ++i)
            obrazy[i] = ObrazyAplikacji::obraz(przedrostekKrawedzi(rodzajKarty) + QLatin1String(czesci[i]));
    } else {
        return;
    }
    const qreal hB = obrazy[1].deviceIndependentSize().height();
    const qreal wR = obrazy[4].deviceIndependentSize().width();
    const qreal d = rodzajKarty == ZawartoscKarty::rodzajKartaFasolki ? hB - 2 : 0;
    const QRectF dolna(karta.x() - 0.5, karta.y() - 0.5 - d, karta.width() + wR - 1, hB);
    const QRectF prawa(karta.x() - 0.5 + karta.width() - 1, karta.y() - 0.5 - d, wR, karta.height() + d);
    ThreePartImage::draw(malarz, odwrocenie.mapRect(dolna), obrazy[0], obrazy[1], obrazy[2],
                         ThreePartImage::Kierunek::Poziomy);
    ThreePartImage::draw(malarz, odwrocenie.mapRect(prawa), obrazy[3], obrazy[4], obrazy[5],
                         ThreePartImage::Kierunek::Pionowy);
}

void RysownikZarysuITlaKartyPrzegladarki::rysujKarte(QPainter &malarz, std::int32_t rodzajKarty, const QRectF &ramka,
                                                     const QWidget *widok)
{
    const QRectF karta(ramka.x() + 10.5, ramka.y() + 10.5, ramka.width() - 20, ramka.height() - 10);
    const QBrush tekstura = ustawFazeTekstury(teksturaTlakarty(rodzajKarty, czyAktywneOknoWidoku(widok)), widok);
    const QTransform obrot = odwrocenie(widok);
    const QPainterPath caly = sciezkaKartyWRamce(karta, odcinekCaly);

    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    if (tekstura.style() != Qt::NoBrush)
        malarz.fillPath(obrot.map(caly), tekstura);
    rysujFazowanie(malarz, obrot, sciezkaKartyWRamce(karta, odcinekLewy), sciezkaKartyWRamce(karta, odcinekPrawy),
                   caly);
    rysujKrawedzieKarty(malarz, rodzajKarty, karta, obrot);
    malarz.restore();
}

void RysownikZarysuITlaKartyPrzegladarki::rysujGoreKarty(QPainter &malarz, std::int32_t rodzajKarty,
                                                         const QWidget *widok)
{
    rysujKarte(malarz, rodzajKarty, ramkaKartyDlaGoryKartyWWidoku(widok), widok);
}

void RysownikZarysuITlaKartyPrzegladarki::rysujDolKarty(QPainter &malarz, std::int32_t rodzajKarty,
                                                        const QWidget *widok)
{
    rysujKarte(malarz, rodzajKarty, ramkaKartyDlaDoluKartyWWidoku(widok), widok);
}

void RysownikZarysuITlaKartyPrzegladarki::rysujZakladkeKarty(QPainter &malarz, std::int32_t rodzajKarty,
                                                             const QWidget *widok, std::int32_t rodzajWybranejKarty,
                                                             bool wybrana)
{
    if (!widok)
        return;
    const bool aktywne = czyAktywneOknoWidoku(widok);
    const QRectF granice(0, 0, widok->width(), widok->height());
    const QTransform obrot = odwrocenie(widok);
    const QPainterPath caly = sciezkaZakladkiWRamce(granice, odcinekCaly);
    const QPainterPath ucho = obrot.map(caly);
    const QBrush tekstura = ustawFazeTekstury(teksturaTlakarty(rodzajKarty, aktywne), widok);

    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    if (tekstura.style() != Qt::NoBrush) {
        // The shadow falls (3, -3) upright: right and down on screen.
        if (wybrana && aktywne)
            m_cien.draw(malarz, ucho, QPointF(3, 3), 3.0, kolorCienia());
        malarz.fillPath(ucho, tekstura);
    }
    if (wybrana) {
        rysujFazowanie(malarz, obrot, sciezkaZakladkiWRamce(granice, odcinekLewy),
                       sciezkaZakladkiWRamce(granice, odcinekPrawy), caly);
    } else {
        malarz.fillPath(ucho, kolorZaslony());
        malarz.strokePath(ucho, pioro(kolorZarysu()));
        // The selected tab's card runs along the foot of every ear behind it.
        const QRectF stopa = powiekszony(QRectF(granice.x(), granice.y(), granice.width(), 3), 0.5);
        const QBrush teksturaWybranej = ustawFazeTekstury(teksturaTlakarty(rodzajWybranejKarty, aktywne), widok);
        if (teksturaWybranej.style() != Qt::NoBrush)
            malarz.fillRect(obrot.mapRect(stopa), teksturaWybranej);
        const qreal X = stopa.x();
        const qreal Y = stopa.y();
        const qreal W = stopa.width();
        malarz.setPen(pioro(kolorZarysu()));
        malarz.drawLine(obrot.map(QLineF(X, Y + 3, X + W, Y + 3)));
        malarz.setPen(pioro(kolorRozjasnienia()));
        malarz.drawLine(obrot.map(QLineF(X, Y + 2, X + W, Y + 2)));
    }
    malarz.restore();
}

void RysownikZarysuITlaKartyPrzegladarki::rysujZakladkeKartyTlaWidokuFasolki(QPainter &malarz, const QWidget *widok,
                                                                             const QRectF &ramka)
{
    const QTransform obrot = odwrocenie(widok);
    const QPainterPath caly = sciezkaZakladkiKartyTlaWidokuFasolkiWRamce(ramka, odcinekCaly);
    const QBrush tekstura = ustawFazeTekstury(teksturaTlakarty(ZawartoscKarty::rodzajKartaFasolki, true), widok);

    malarz.save();
    malarz.setClipRect(obrot.mapRect(ramka), Qt::IntersectClip);
    malarz.setRenderHint(QPainter::Antialiasing);
    if (tekstura.style() != Qt::NoBrush)
        malarz.fillPath(obrot.map(caly), tekstura);
    rysujFazowanie(malarz, obrot, sciezkaZakladkiKartyTlaWidokuFasolkiWRamce(ramka, odcinekLewy),
                   sciezkaZakladkiKartyTlaWidokuFasolkiWRamce(ramka, odcinekPrawy), caly);
    malarz.restore();
}

void RysownikZarysuITlaKartyPrzegladarki::rysujKarteTlaWidokuFasolki(QPainter &malarz, const QWidget *widok)
{
    if (!widok)
        return;
    const QRectF b(0, 0, widok->width(), widok->height());
    const QRectF r = powiekszony(b, 0.5);
    const QRectF karta(r.x() + 3, r.y() + 6, r.width() - 9, r.height() - 18);
    const QRectF pasekGorny(karta.x(), karta.y() + karta.height() - 10, karta.width(), 10);
    const QTransform obrot = odwrocenie(widok);
    const QBrush tekstura = ustawFazeTekstury(teksturaTlakarty(ZawartoscKarty::rodzajKartaFasolki, true), widok);
    const QPainterPath caly = sciezkaKartyWRamce(karta, odcinekCaly);

    malarz.save();
    malarz.setRenderHint(QPainter::Antialiasing);
    if (tekstura.style() != Qt::NoBrush) {
        malarz.fillPath(obrot.map(sciezkaCieniaGornegoKarty(pasekGorny)), tekstura);
        m_cien.draw(malarz, obrot.map(caly), QPointF(0, 0), 3.0, kolorCienia());
        malarz.fillPath(obrot.map(caly), tekstura);
    }
    rysujFazowanie(malarz, obrot, sciezkaKartyWRamce(karta, odcinekLewy), sciezkaKartyWRamce(karta, odcinekPrawy),
                   caly);
    malarz.setPen(pioro(kolorRozjasnienia()));
    malarz.drawLine(obrot.map(QLineF(karta.x() + 1, karta.y() + 1, karta.x() + karta.width() - 1, karta.y() + 1)));
    malarz.restore();

    rysujZakladkeKartyTlaWidokuFasolki(malarz, widok, QRectF(15, b.y() + b.height() - 14, 223, 14));
}
