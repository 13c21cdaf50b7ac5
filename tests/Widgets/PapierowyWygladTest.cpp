#include "Widgets/DashedLineView.h"
#include "Widgets/LiniaKreskowana.h"
#include "Widgets/WidokDolnegoPaskaIkon.h"
#include "Widgets/WidokWierszaTabeliPapierowej.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// One character per pixel: '.' clear, the greys of the lines by their role, 'f' any other colour.
QString wzorWiersza(const QImage &obraz, int y)
{
    QString wzor;
    for (int x = 0; x < obraz.width(); ++x) {
        const QColor p = obraz.pixelColor(x, y);
        if (p.alpha() == 0)
            wzor += u'.';
        else if (p.red() != p.blue())
            wzor += u'f';
        else
            wzor += QChar(p.red() == 199 ? u'#' : p.red() == 209 ? u'd' : p.red() == 230 ? u's' : p.red() == 242 ? u'w' : u'?');
    }
    return wzor;
}

QImage wyrenderuj(QWidget &widok)
{
    QImage obraz(widok.size(), QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    widok.render(&obraz, QPoint(), QRegion(), {});
    return obraz;
}

QImage narysuj(QSize rozmiar, qreal skala, const std::function<void(QPainter &)> &rysuj)
{
    QImage obraz(rozmiar * skala, QImage::Format_ARGB32);
    obraz.setDevicePixelRatio(skala);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    rysuj(malarz);
    return obraz;
}

} // namespace

TEST(LiniaKreskowana, DotsLieOnTheRowsAboveTheirLinesInTheirPhases)
{
    WidokDolnegoPaskaIkon pasek;
    pasek.resize(12, 30);
    DashedLineView kreski;
    kreski.resize(12, 5);
    LiniaKreskowana naglowek(QRect(0, 0, 12, 3), LiniaKreskowana::rodzajSeparatorNaglowka);
    LiniaKreskowana innyRodzaj(QRect(0, 0, 12, 3), 2);
    const QImage nadNaglowkiem = narysuj({12, 2}, 1, [](QPainter &m) {
        LiniaKreskowana::rysujLinieNadNaglowkiemOd(m, QPointF(0, 1), 12);
    });
    const struct
    {
        const char *co;
        QImage obraz;
        QStringList wiersze;
    } przypadki[] = {
        {"button bar 30 high: dots on rows 0 to 2, filled from row 2 to 29", wyrenderuj(pasek),
         {"#..#..#..#..", ".#..#..#..#.", "f#ff#ff#ff#f", "ffffffffffff"}},
        {"free-standing separator: the bar's lines along the bottom", wyrenderuj(kreski),
         {"............", "............", "#..#..#..#..", ".#..#..#..#.", ".#..#..#..#."}},
        {"header separator", wyrenderuj(naglowek), {"d..d..d..d..", "ssssssssssss", ".d..d..d..d."}},
        {"a line view of another kind", wyrenderuj(innyRodzaj), {"............", "............", "............"}},
        {"line above the header", nadNaglowkiem, {"dwwdwwdwwdww", "............"}},
    };
    for (const auto &p : przypadki) {
        for (int y = 0; y < p.wiersze.size(); ++y)
            EXPECT_EQ(wzorWiersza(p.obraz, y), p.wiersze.at(y)) << p.co << ", row " << y;
    }
    EXPECT_EQ(wzorWiersza(wyrenderuj(pasek), 29), QStringLiteral("ffffffffffff"));
}

TEST(WidokWierszaTabeliPapierowej, TheSeparatorIsTheRowsLastDevicePixelRow)
{
    for (qreal skala : {1.0, 2.0}) {
        const QImage obraz = narysuj({9, 6}, skala, [](QPainter &m) {
            WidokWierszaTabeliPapierowej::Wiersz wiersz;
            wiersz.ramka = QRectF(0, 0, 9, 6);
            wiersz.siatkaPozioma = true;
            WidokWierszaTabeliPapierowej::rysujWiersz(m, nullptr, wiersz);
        });
        const int ostatni = obraz.height() - 1;
        for (int y = 0; y < ostatni; ++y)
            EXPECT_EQ(wzorWiersza(obraz, y).count(u'.'), obraz.width()) << "scale " << skala << ", row " << y;
        const QString dwa = skala == 2 ? QStringLiteral("##....##....##....") : QStringLiteral("#..#..#..");
        EXPECT_EQ(wzorWiersza(obraz, ostatni), dwa) << "scale " << skala;
    }
}

TEST(WidokWierszaTabeliPapierowej, ARowThatIsTheDropTargetShowsNoColourOfItsOwn)
{
    for (bool cel : {false, true}) {
        const QImage obraz = narysuj({10, 10}, 1, [cel](QPainter &m) {
            WidokWierszaTabeliPapierowej::Wiersz wiersz;
            wiersz.ramka = QRectF(0, 0, 10, 10);
            wiersz.kolorTla = Qt::red;
            wiersz.celUpuszczenia = cel;
            WidokWierszaTabeliPapierowej::rysujWiersz(m, nullptr, wiersz);
        });
        EXPECT_EQ(obraz.pixelColor(5, 5) == QColor(Qt::red), !cel);
    }
}

TEST(WidokWierszaTabeliPapierowej, TheSelectionIsActiveOnlyInTheMainWindowWhileTheListHasTheCommands)
{
    WindowRegistry::instance();
    const QColor aktywny(0, 160, 0);
    const QColor nieaktywny(120, 120, 120);
    for (const char *czesc : {"Lewe", "Srodek", "Prawe"}) {
        QImage a(4, 10, QImage::Format_ARGB32);
        a.fill(aktywny);
        ObrazyAplikacji::podstaw(QStringLiteral("TabelaPapierowa-Zaznaczenie-") + QLatin1String(czesc), a);
        a.fill(nieaktywny);
        ObrazyAplikacji::podstaw(QStringLiteral("TabelaPapierowa-ZaznaczenieNieaktywne-") + QLatin1String(czesc), a);
    }
    QWidget okno;
    auto *lista = new QListWidget(&okno);
    lista->addItems({QStringLiteral("a"), QStringLiteral("b")});
    auto *edytor = new QLineEdit(lista->viewport());
    auto *przycisk = new QLineEdit(&okno);
    przycisk->move(0, 200);
    QWidget inne;
    const auto zaznaczenie = [&] {
        return narysuj({20, 10}, 1, [&](QPainter &m) {
                   WidokWierszaTabeliPapierowej::Wiersz wiersz;
                   wiersz.ramka = QRectF(0, 0, 20, 10);
                   wiersz.zaznaczony = true;
                   WidokWierszaTabeliPapierowej::rysujWiersz(m, lista, wiersz);
               })
            .pixelColor(10, 5);
    };
    const struct
    {
        const char *co;
        QWidget *aktywneOkno;
        QWidget *fokus;
        QColor kolor;
    } przypadki[] = {
        {"the list has the focus", &okno, lista, aktywny},
        {"an editor in a row has it", &okno, edytor, aktywny},
        {"another field of the window has it", &okno, przycisk, nieaktywny},
        {"the list keeps the focus of a window that is no longer the main one", &inne, lista, nieaktywny},
    };
    for (const auto &p : przypadki) {
        p.aktywneOkno->show();
        p.aktywneOkno->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(p.aktywneOkno)) << p.co;
        p.fokus->setFocus();
        EXPECT_EQ(zaznaczenie(), p.kolor) << p.co;
    }
    for (const char *czesc : {"Lewe", "Srodek", "Prawe"}) {
        ObrazyAplikacji::podstaw(QStringLiteral("TabelaPapierowa-Zaznaczenie-") + QLatin1String(czesc), {});
        ObrazyAplikacji::podstaw(QStringLiteral("TabelaPapierowa-ZaznaczenieNieaktywne-") + QLatin1String(czesc), {});
    }
}
