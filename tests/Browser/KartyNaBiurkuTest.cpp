#include "OknaTarrowind.h"

#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/RysownikZarysuITlaKartyPrzegladarki.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Browser/TabKit/TabMimeData.h"
#include "Browser/TloKarty.h"
#include "Browser/WidokPaskaZakladek.h"
#include "Browser/WidokZakladki.h"
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
    QImage obraz(rozmiar, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(kolor);
    return obraz;
}

const QColor zielony(0, 200, 0);
const QColor brazowy(200, 150, 100);
const QColor czerwony(255, 0, 0);
const QColor niebieski(0, 0, 255);

const char *const czesciKrawedzi[] = {"DolnaKrawedz-Lewa", "DolnaKrawedz-Srodek", "Naroznik-PrawyDolny-Pusty",
                                      "Naroznik-PrawyGorny", "PrawaKrawedz-Srodek", "Naroznik-PrawyDolny"};

// Flat surfaces and a flat desk, so a pixel tells which of them lies there.
class KartyNaBiurku : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WindowRegistry::instance();
        podstaw(QStringLiteral("ZieloneTloKartyPortfolio"), plaski({16, 16}, zielony));
        podstaw(QStringLiteral("KartonProjektu"), plaski({16, 16}, brazowy));
        podstaw(QStringLiteral("DrewnianyStol"), plaski({32, 32}, czerwony));
        podstaw(QStringLiteral("DrewnianyStol-gora"), plaski({32, 8}, czerwony));
        // Transparent edges unless a test says otherwise.
        for (const char *przedrostek : {"KartaPortfolio-", "KartaFasolki-"}) {
            for (const char *czesc : czesciKrawedzi)
                podstaw(QLatin1String(przedrostek) + QLatin1String(czesc), plaski({6, 6}, Qt::transparent));
        }
    }
    void TearDown() override
    {
        for (const QString &nazwa : std::as_const(m_podstawione))
            ObrazyAplikacji::podstaw(nazwa, QImage());
        for (QWidget *okno : widoczneOknaPrzegladarki())
            okno->close();
        wykonajOdlozoneUsuniecia();
    }
    void podstaw(const QString &nazwa, const QImage &obraz)
    {
        ObrazyAplikacji::podstaw(nazwa, obraz);
        m_podstawione << nazwa;
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

    QStringList m_podstawione;
};

QImage narysuj(QSize rozmiar, const std::function<void(QPainter &)> &rysuj)
{
    QImage obraz(rozmiar, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    rysuj(malarz);
    malarz.end();
    return obraz.convertToFormat(QImage::Format_ARGB32);
}

QImage wyrenderuj(QWidget *widok)
{
    return narysuj(widok->size(), [widok](QPainter &malarz) { widok->render(&malarz, QPoint(), QRegion(), {}); });
}

// Rows (from the top) in which column x holds `kolor`.
QList<int> wiersze(const QImage &obraz, int x, QColor kolor)
{
    QList<int> wynik;
    for (int y = 0; y < obraz.height(); ++y) {
        if (obraz.pixelColor(x, y) == kolor)
            wynik << y;
    }
    return wynik;
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
    EXPECT_EQ(rysownik.ramkaKartyDlaDoluKartyWWidoku(nullptr), QRectF());

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
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 5; ++x)
            paski.setPixelColor(x, y, QColor(30 * y, 40 * x, 100));
    }
    podstaw(QStringLiteral("ZieloneTloKartyPortfolio"), paski);
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    QWidget *okno = przegladarka->windowController()->window();
    const QImage obraz = okno->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    TabStripView *pasek = przegladarka->windowController()->tabStripView();
    const QPoint wUchu = ucho(przegladarka, 0)->mapTo(okno, QPoint(17, 20));
    const QPoint wPasku = pasek->mapTo(okno, QPoint(pasek->width() - 30, pasek->height() - 1));
    const QPoint naKarcie = pasek->mapTo(okno, QPoint(250, pasek->height() + 100));
    for (const QPoint &p : {wUchu, wPasku, naKarcie})
        EXPECT_EQ(obraz.pixelColor(p), paski.pixelColor(p.x() % 5, p.y() % 7)) << p.x() << "," << p.y();
}

TEST_F(KartyNaBiurku, CardEdgesByKind)
{
    podstaw(QStringLiteral("KartaPortfolio-Naroznik-PrawyDolny-Pusty"), plaski({4, 4}, niebieski));
    for (const char *czesc : {"DolnaKrawedz-Srodek", "PrawaKrawedz-Srodek"}) {
        podstaw(QStringLiteral("KartaPortfolio-") + QLatin1String(czesc), plaski({6, 6}, czerwony));
        podstaw(QStringLiteral("KartaFasolki-") + QLatin1String(czesc), plaski({6, 6}, czerwony));
    }
    QWidget widok;
    widok.resize(200, 150);
    const auto karta = [&](std::int32_t rodzaj) {
        Rysownik rysownik;
        return narysuj(widok.size(), [&](QPainter &m) { rysownik.rysujKarte(m, rodzaj, QRectF(0, 0, 200, 150), &widok); });
    };

    // The card (10.5, 10.5, 180, 140) upright: its bottom at row 139, its right side at column 190.
    const QImage nieznana = karta(0);
    EXPECT_EQ(wiersze(nieznana, 100, niebieski), QList<int>({136, 137, 138, 139})) << "only the empty corner, as the bottom";
    EXPECT_EQ(nieznana.pixelColor(190, 50), niebieski) << "and as the right edge";
    EXPECT_TRUE(wiersze(nieznana, 100, czerwony).isEmpty());

    EXPECT_EQ(wiersze(karta(2), 100, czerwony), QList<int>({134, 135, 136, 137, 138, 139}));
    EXPECT_EQ(wiersze(karta(1), 100, czerwony), QList<int>({138, 139, 140, 141, 142, 143})) << "hB - 2 lower";
    EXPECT_TRUE(wiersze(karta(7), 100, czerwony).isEmpty()) << "no edges for an unknown kind";
}

TEST_F(KartyNaBiurku, EarsStandOnTheSelectedCardAndCastTheirShadowInTheActiveWindowOnly)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    przegladarka->nowaKartaFasolki(nullptr);
    przegladarka->selectTabAtIndex(0);
    WidokZakladki *fasolki = ucho(przegladarka, 1);
    ASSERT_TRUE(fasolki);
    EXPECT_EQ(fasolki->rodzajTejKarty(), ZawartoscKarty::rodzajKartaFasolki);
    EXPECT_EQ(fasolki->rodzajWybranejKarty(), ZawartoscKarty::rodzajKartaPortfolio);
    const QImage tylne = wyrenderuj(fasolki);
    EXPECT_EQ(tylne.pixelColor(18, fasolki->height() - 1), zielony) << "the foot is the selected card's edge";
    // Left of the icon, above the foot.
    const QColor cialo = tylne.pixelColor(18, 21);
    EXPECT_NEAR(cialo.red(), brazowy.red(), 6) << "the body is the ear's own cardboard, veiled";
    EXPECT_NEAR(cialo.green(), brazowy.green(), 6);

    const auto sumaAlfy = [](const QImage &obraz) {
        qint64 suma = 0;
        for (int y = 0; y < obraz.height(); ++y) {
            for (int x = 0; x < obraz.width(); ++x)
                suma += qAlpha(obraz.pixel(x, y));
        }
        return suma;
    };
    QWidget *okno = przegladarka->windowController()->window();
    ASSERT_TRUE(aktywuj(okno));
    const qint64 aktywne = sumaAlfy(wyrenderuj(ucho(przegladarka, 0)));
    PrzegladarkaTarrowind *inna = oknoZKartaPortfolio();
    ASSERT_TRUE(aktywuj(inna->windowController()->window()));
    const qint64 nieaktywne = sumaAlfy(wyrenderuj(ucho(przegladarka, 0)));
    EXPECT_GT(aktywne, nieaktywne + 255 * 10) << "a shadow right of the selected ear";
    EXPECT_EQ(nieaktywne, sumaAlfy(wyrenderuj(ucho(przegladarka, 0)))) << "nothing else changed";
}

TEST_F(KartyNaBiurku, TheDeskLiesUnderTheCardOnlyInTheProgramsOwnWindows)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    auto *nasza = qobject_cast<TloKarty *>(przegladarka->activeTabContents()->view());
    ASSERT_TRUE(nasza);
    EXPECT_EQ(nasza->rodzajKarty(), ZawartoscKarty::rodzajKartaPortfolio);

    auto *obcyKontroler = new BrowserWindowController(std::make_unique<Browser>());
    auto *obca = new TloKarty;
    obcyKontroler->window()->tabContentsArea()->addWidget(obca);
    obcyKontroler->window()->resize(500, 300);
    obcyKontroler->showWindow();
    for (auto [tlo, biurko] : {std::pair{nasza, true}, std::pair{obca, false}}) {
        const QImage obraz = wyrenderuj(tlo);
        EXPECT_EQ(obraz.pixelColor(4, 50) == czerwony, biurko);
        EXPECT_EQ(obraz.pixelColor(100, 50) == zielony, biurko) << "the card lies on it either way";
    }
    delete obcyKontroler->window();
}

TEST_F(KartyNaBiurku, AnEarLearnsItsKindOnceItsTabIsInTheModel)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    auto *karta = static_cast<ZawartoscKarty *>(przegladarka->activeTabContents());
    WidokZakladki obce(karta, przegladarka->windowController()->tabStripView());
    EXPECT_EQ(obce.rodzajTejKarty(), 0) << "an ear that is not in the strip's model";

    WidokZakladki *swoje = ucho(przegladarka, 0);
    EXPECT_EQ(swoje->rodzajTejKarty(), ZawartoscKarty::rodzajKartaPortfolio);
    karta->setRodzajKarty(ZawartoscKarty::rodzajKartaFasolki);
    EXPECT_EQ(swoje->rodzajTejKarty(), ZawartoscKarty::rodzajKartaPortfolio) << "kept once known";
}

TEST_F(KartyNaBiurku, TheStripTakesTabsAndNoOtherDrag)
{
    PrzegladarkaTarrowind *przegladarka = oknoZKartaPortfolio();
    PrzegladarkaTarrowind *inna = oknoZKartaPortfolio();
    auto *pasek = qobject_cast<WidokPaskaZakladek *>(przegladarka->windowController()->tabStripView());
    ASSERT_TRUE(pasek);
    QMimeData pliki;
    pliki.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp"))});
    TabMimeData karta(inna->activeTabContents());
    for (auto [dane, przyjete] : {std::pair<QMimeData *, bool>{&pliki, false}, {&karta, true}}) {
        QDragEnterEvent wejscie(QPoint(50, 10), Qt::CopyAction | Qt::MoveAction, dane, Qt::LeftButton, Qt::NoModifier);
        wejscie.setAccepted(false);
        QCoreApplication::sendEvent(pasek, &wejscie);
        EXPECT_EQ(wejscie.isAccepted(), przyjete) << dane->formats().join(u',').toStdString();
    }
}
