#include "OknaTarrowind.h"

#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/RysownikZarysuITlaKartyPrzegladarki.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Browser/TabKit/TabMimeData.h"
#include "Browser/TloKarty.h"
#include "Browser/WidokPaskaZakladek.h"
#include "Browser/WidokZakladki.h"
#include "Browser/ZawartoscKarty.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QStackedWidget>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Rysownik = RysownikZarysuITlaKartyPrzegladarki;

QImage plaski(QSize rozmiar, QColor kolor)
{
    QImage obraz(rozmiar, QImage::Format_ARGB32);
    obraz.fill(kolor);
    return obraz;
}

const QColor zielony(0, 200, 0);
const QColor brazowy(200, 150, 100);
const QColor czerwony(255, 0, 0);
const QColor niebieski(0, 0, 255);

const char *const czesciKrawedzi[] = {"DolnaKrawedz-Lewa",   "DolnaKrawedz-Srodek", "Naroznik-PrawyDolny-Pusty",
                                      "Naroznik-PrawyGorny", "PrawaKrawedz-Srodek", "Naroznik-PrawyDolny"};

// Flat surfaces, a flat desk and clear edges, so a pixel tells which of them lies there. Every
// test runs in a process of its own: what it puts in place stays there.
class KartyNaBiurku : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WindowRegistry::instance();
        ObrazyAplikacji::podstaw(QStringLiteral("ZieloneTloKartyPortfolio"), plaski({16, 16}, zielony));
        ObrazyAplikacji::podstaw(QStringLiteral("KartonProjektu"), plaski({16, 16}, brazowy));
        ObrazyAplikacji::podstaw(QStringLiteral("DrewnianyStol"), plaski({32, 32}, czerwony));
        ObrazyAplikacji::podstaw(QStringLiteral("DrewnianyStol-gora"), plaski({32, 8}, czerwony));
        for (const char *przedrostek : {"KartaPortfolio-", "KartaFasolki-"}) {
            for (const char *czesc : czesciKrawedzi)
                ObrazyAplikacji::podstaw(QLatin1String(przedrostek) + QLatin1String(czesc),
                                         plaski({6, 6}, Qt::transparent));
        }
    }

    static PrzegladarkaTarrowind *oknoZKartaPortfolio()
    {
        auto *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
        przegladarka->windowController()->window()->resize(500, 300);
        return przegladarka;
    }
    static WidokZakladki *ucho(PrzegladarkaTarrowind *przegladarka, int indeks)
    {
        return qobject_cast<WidokZakladki *>(przegladarka->windowController()->tabStripView()->tabViewAt(indeks));
    }
};

QImage narysuj(QSize rozmiar, const std::function<void(QPainter &)> &rysuj)
{
    QImage obraz(rozmiar, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    rysuj(malarz);
    return obraz;
}

QImage wyrenderuj(QWidget *widok)
{
    return narysuj(widok->size(), [widok](QPainter &malarz) { widok->render(&malarz, QPoint(), QRegion(), {}); });
}

} // namespace

TEST(RysownikZarysu, EarFlanksSegmentsAndCardFrames)
{
    Rysownik rysownik;
    const QRectF ucho(0, 0, 100, 14);
    const struct
    {
        QPainterPath (Rysownik::*sciezka)(const QRectF &, int) const;
        qreal flanka;
    } uszy[] = {{&Rysownik::sciezkaZakladkiWRamce, 8.624}, {&Rysownik::sciezkaZakladkiKartyTlaWidokuFasolkiWRamce, 14}};
    for (const auto &u : uszy) {
        const QPainterPath lewy = (rysownik.*u.sciezka)(ucho, Rysownik::odcinekLewy);
        // Foot (3 points), then the flank up to the top edge.
        EXPECT_NEAR(lewy.elementAt(5).x - lewy.elementAt(2).x, u.flanka, 1e-9);
        const QPainterPath prawy = (rysownik.*u.sciezka)(ucho, Rysownik::odcinekPrawy);
        for (const QPainterPath &otwarty : {lewy, prawy})
            EXPECT_NE(QPointF(otwarty.elementAt(0)), QPointF(otwarty.elementAt(otwarty.elementCount() - 1)));
        const QRectF caly = (rysownik.*u.sciezka)(ucho, Rysownik::odcinekCaly).boundingRect();
        EXPECT_EQ(caly, QRectF(-1.5, -0.5, 103, 14)) << "the whole outline spans the foot";
    }

    QWidget widok;
    widok.resize(200, 150);
    EXPECT_EQ(rysownik.ramkaWidokuSzczegolowWWidokuKarty(&widok), QRectF(12, 12, 177, 138));
    EXPECT_EQ(rysownik.ramkaKartyDlaGoryKartyWWidoku(&widok), QRectF(0, -98, 200, 100));
    EXPECT_EQ(rysownik.ramkaKartyDlaDoluKartyWWidoku(&widok), QRectF(0, 0, 200, 152));

    TloKarty karta;
    karta.resize(200, 150);
    auto *szczegoly = new QWidget;
    karta.setWidokSzczegolow(szczegoly);
    karta.awakeFromNib();
    karta.show();
    EXPECT_EQ(szczegoly->geometry(), QRect(12, 0, 177, 138)) << "the same frame, turned over";
}

TEST_F(KartyNaBiurku, ATextureJoinsAcrossStripEarAndCardOfOneWindow)
{
    // Stripes of seven colours, seven rows high, five columns wide: any seam shows.
    QImage paski(5, 7, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 35; ++i)
        paski.setPixelColor(i % 5, i / 5, QColor(30 * (i / 5), 40 * (i % 5), 100));
    ObrazyAplikacji::podstaw(QStringLiteral("ZieloneTloKartyPortfolio"), paski);
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    QWidget *okno = przegladarka->windowController()->window();
    const QImage obraz = okno->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    TabStripView *pasek = przegladarka->windowController()->tabStripView();
    const QPoint wUchu = ucho(przegladarka, 0)->mapTo(okno, QPoint(17, 20));
    const QPoint wPasku = pasek->mapTo(okno, QPoint(pasek->width() - 30, pasek->height() - 1));
    // Below the navigation bar's rows.
    const QPoint naKarcie(pasek->mapTo(okno, QPoint(100, 0)).x(), okno->height() - 40);
    for (const QPoint &p : {wUchu, wPasku, naKarcie})
        EXPECT_EQ(obraz.pixelColor(p), paski.pixelColor(p.x() % 5, p.y() % 7)) << p.x() << "," << p.y();
}

TEST_F(KartyNaBiurku, CardEdgesByKind)
{
    ObrazyAplikacji::podstaw(QStringLiteral("KartaPortfolio-Naroznik-PrawyDolny-Pusty"), plaski({4, 4}, niebieski));
    for (const char *czesc : {"DolnaKrawedz-Srodek", "PrawaKrawedz-Srodek"}) {
        ObrazyAplikacji::podstaw(QStringLiteral("KartaPortfolio-") + QLatin1String(czesc), plaski({6, 6}, czerwony));
        ObrazyAplikacji::podstaw(QStringLiteral("KartaFasolki-") + QLatin1String(czesc), plaski({6, 6}, czerwony));
    }
    QWidget widok;
    widok.resize(200, 150);
    const auto karta = [&](std::int32_t rodzaj) {
        Rysownik rysownik;
        return narysuj(widok.size(),
                       [&](QPainter &m) { rysownik.rysujKarte(m, rodzaj, QRectF(0, 0, 200, 150), &widok); });
    };

    // The card (10.5, 10.5, 180, 140) upright: its bottom at row 139, its right side at column 190.
    // Kind 0 shows only the empty corner, bottom and right; bean edges hang hB - 2 lower; kind 7 has none.
    const struct
    {
        std::int32_t rodzaj;
        QColor kolor;
        QList<int> wiersze;
    } przypadki[] = {{0, niebieski, {136, 137, 138, 139}},
                     {0, czerwony, {}},
                     {2, czerwony, {134, 135, 136, 137, 138, 139}},
                     {1, czerwony, {138, 139, 140, 141, 142, 143}},
                     {7, czerwony, {}}};
    for (const auto &p : przypadki) {
        const QImage obraz = karta(p.rodzaj);
        QList<int> wiersze;
        for (int y = 0; y < obraz.height(); ++y) {
            if (obraz.pixelColor(100, y) == p.kolor)
                wiersze << y;
        }
        EXPECT_EQ(wiersze, p.wiersze) << p.rodzaj;
    }
    EXPECT_EQ(karta(0).pixelColor(190, 50), niebieski);
}

TEST_F(KartyNaBiurku, EarsStandOnTheSelectedCardAndCastTheirShadowInTheActiveWindowOnly)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    przegladarka->nowaKartaFasolki(nullptr);
    przegladarka->selectTabAtIndex(0);
    WidokZakladki *fasolki = ucho(przegladarka, 1);
    ASSERT_TRUE(fasolki);
    const QImage tylne = wyrenderuj(fasolki);
    EXPECT_EQ(tylne.pixelColor(18, fasolki->height() - 1), zielony) << "the foot is the selected card's edge";
    // Left of the icon, above the foot.
    const QColor cialo = tylne.pixelColor(18, 21);
    EXPECT_NEAR(cialo.red(), brazowy.red(), 6) << "the body is the ear's own cardboard, veiled";
    EXPECT_NEAR(cialo.green(), brazowy.green(), 6);

    // Right of the selected ear's right flank, inside its bounds.
    const auto cien = [&] {
        return qAlpha(wyrenderuj(ucho(przegladarka, 0)).pixel(ucho(przegladarka, 0)->width() - 3, 16));
    };
    ASSERT_TRUE(aktywuj(przegladarka->windowController()->window()));
    const int aktywne = cien();
    ASSERT_TRUE(aktywuj(oknoZKartaPortfolio()->windowController()->window()));
    const int nieaktywne = cien();
    EXPECT_GT(aktywne, 0) << "a shadow right of the selected ear";
    EXPECT_EQ(nieaktywne, 0);
}

TEST_F(KartyNaBiurku, TheDeskLiesUnderTheCardOnlyInTheProgramsOwnWindows)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    auto *nasza = qobject_cast<TloKarty *>(przegladarka->activeTabContents()->view());
    ASSERT_TRUE(nasza);
    auto *obcyKontroler = new BrowserWindowController(std::make_unique<Browser>());
    auto *obca = new TloKarty;
    obcyKontroler->window()->tabContentsArea()->addWidget(obca);
    obcyKontroler->window()->resize(500, 300);
    obcyKontroler->showWindow();
    for (auto [tlo, biurko] : {std::pair{nasza, true}, std::pair{obca, false}})
        EXPECT_EQ(wyrenderuj(tlo).pixelColor(4, 50) == czerwony, biurko);
}

TEST_F(KartyNaBiurku, EarsLearnTheirKindOnceInTheModelAndTheStripTakesOnlyTabs)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    auto *karta = static_cast<ZawartoscKarty *>(przegladarka->activeTabContents());
    auto *pasek = qobject_cast<WidokPaskaZakladek *>(przegladarka->windowController()->tabStripView());
    ASSERT_TRUE(pasek);
    WidokZakladki obce(karta, pasek);
    EXPECT_EQ(obce.rodzajTejKarty(), 0) << "an ear that is not in the strip's model";
    EXPECT_EQ(ucho(przegladarka, 0)->rodzajTejKarty(), ZawartoscKarty::rodzajKartaPortfolio);
    karta->setRodzajKarty(ZawartoscKarty::rodzajKartaFasolki);
    EXPECT_EQ(ucho(przegladarka, 0)->rodzajTejKarty(), ZawartoscKarty::rodzajKartaPortfolio) << "kept once known";

    QMimeData pliki;
    pliki.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp"))});
    TabMimeData tab(oknoZKartaPortfolio()->activeTabContents());
    for (auto [dane, przyjete] : {std::pair<QMimeData *, bool>{&pliki, false}, {&tab, true}}) {
        QDragEnterEvent wejscie(QPoint(50, 10), Qt::MoveAction, dane, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pasek, &wejscie);
        EXPECT_EQ(wejscie.isAccepted(), przyjete) << dane->formats().join(u',').toStdString();
    }
}
