#include "Platform/Ui/WindowRegistry.h"
#include "Widgets/DashedLineView.h"
#include "Widgets/LiniaKreskowana.h"
#include "Widgets/WidokDolnegoPaskaIkon.h"
#include "Widgets/WidokWierszaTabeliPapierowej.h"

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
            wzor += QChar(p.red() == 199 ? u'#' : p.red() == 209 ? u'd' : p.red() == 230 ? u's' : u'?');
    }
    return wzor;
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

QImage wyrenderuj(QWidget &widok)
{
    return narysuj(widok.size(), 1, [&](QPainter &m) { widok.render(&m, QPoint(), QRegion(), {}); });
}

} // namespace

TEST(LiniaKreskowana, DotsLieOnTheRowsAboveTheirLinesInTheirPhases)
{
    WidokDolnegoPaskaIkon pasek;
    pasek.resize(12, 30);
    DashedLineView kreski;
    kreski.resize(12, 5);
    LiniaKreskowana naglowek(QRect(0, 0, 12, 3), LiniaKreskowana::rodzajSeparatorNaglowka);
    const struct
    {
        const char *co;
        QImage obraz;
        QStringList wiersze;
    } przypadki[] = {
        {"button bar 30 high: dots on rows 0 to 2, filled from row 2 to 29",
         wyrenderuj(pasek),
         {"#..#..#..#..", ".#..#..#..#.", "f#ff#ff#ff#f", "ffffffffffff"}},
        {"free-standing separator: the bar's lines along the bottom",
         wyrenderuj(kreski),
         {"............", "............", "#..#..#..#..", ".#..#..#..#.", ".#..#..#..#."}},
        {"header separator", wyrenderuj(naglowek), {"d..d..d..d..", "ssssssssssss", ".d..d..d..d."}},
    };
    for (const auto &p : przypadki) {
        for (int y = 0; y < p.wiersze.size(); ++y)
            EXPECT_EQ(wzorWiersza(p.obraz, y), p.wiersze.at(y)) << p.co << ", row " << y;
    }
    EXPECT_EQ(wzorWiersza(wyrenderuj(pasek), 29), QStringLiteral("ffffffffffff"));
}

TEST(WidokWierszaTabeliPapierowej, SeparatorOnTheLastDevicePixelRowAndNoOwnColourUnderADrop)
{
    const struct
    {
        qreal skala;
        bool celUpuszczenia;
        QStringList wiersze; // the first and the last device pixel row
    } przypadki[] = {
        {1, false, {"fffffffff", "#..#..#.."}},
        {2, false, {"ffffffffffffffffff", "##....##....##...."}},
        {1, true, {".........", "#..#..#.."}},
    };
    for (const auto &p : przypadki) {
        const QImage obraz = narysuj({9, 6}, p.skala, [&](QPainter &m) {
            WidokWierszaTabeliPapierowej::Wiersz wiersz{QRectF(0, 0, 9, 6), QColor(255, 0, 0, 128), false,
                                                        p.celUpuszczenia, true};
            WidokWierszaTabeliPapierowej::rysujWiersz(m, nullptr, wiersz);
        });
        EXPECT_EQ(wzorWiersza(obraz, 0), p.wiersze.at(0)) << "scale " << p.skala;
        EXPECT_EQ(wzorWiersza(obraz, obraz.height() - 2), p.wiersze.at(0)) << "scale " << p.skala;
        EXPECT_EQ(wzorWiersza(obraz, obraz.height() - 1).replace(u'f', u'.'), p.wiersze.at(1)) << "scale " << p.skala;
    }
}

TEST(WidokWierszaTabeliPapierowej, TheSelectionIsActiveOnlyInTheMainWindowWhileTheListHasTheCommands)
{
    WindowRegistry::instance();
    QWidget okno;
    auto *lista = new QListWidget(&okno);
    auto *edytor = new QLineEdit(lista->viewport());
    auto *pole = new QLineEdit(&okno);
    QWidget inne;
    const struct
    {
        const char *co;
        QWidget *aktywneOkno;
        QWidget *fokus;
        bool aktywne;
    } przypadki[] = {
        {"the list has the focus", &okno, lista, true},
        {"an editor in a row has it", &okno, edytor, true},
        {"another field of the window has it", &okno, pole, false},
        {"the list keeps the focus of a window that is no longer the main one", &inne, lista, false},
    };
    for (const auto &p : przypadki) {
        p.aktywneOkno->show();
        p.aktywneOkno->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(p.aktywneOkno)) << p.co;
        p.fokus->setFocus();
        EXPECT_EQ(WidokWierszaTabeliPapierowej::czyAktywneZaznaczenie(lista), p.aktywne) << p.co;
    }
}
