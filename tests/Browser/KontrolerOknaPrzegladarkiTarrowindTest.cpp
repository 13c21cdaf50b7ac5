#include "OknaTarrowind.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/PoleTekstoweEdytoraSpodziewanegoRezultatu.h"
#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/TabStripView.h"

#include <QDialog>
#include <QStackedWidget>

#include <gtest/gtest.h>

namespace {

KontrolerOknaPrzegladarkiTarrowind *noweOkno()
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    return static_cast<KontrolerOknaPrzegladarkiTarrowind *>(przegladarka->windowController());
}

// A texture whose every pixel tells its own row and column: red = row, green = column.
QImage tekstura(int szerokosc, int wysokosc, int skladowaNiebieska)
{
    QImage obraz(szerokosc, wysokosc, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < wysokosc; ++y) {
        for (int x = 0; x < szerokosc; ++x)
            obraz.setPixel(x, y, qRgb(y, x, skladowaNiebieska));
    }
    return obraz;
}

constexpr int gora = 1;
constexpr int cialo = 2;

// Checks every pixel: the top texture's rows at the top, below them the body's rows in order
// from the top edge, both tiled from the left edge.
void sprawdzDeske(const QImage &deska, const QImage &teksturaGory, const QImage &teksturaCiala)
{
    for (int y = 0; y < deska.height(); ++y) {
        for (int x = 0; x < deska.width(); ++x) {
            const QRgb piksel = deska.pixel(x, y);
            if (y < teksturaGory.height()) {
                ASSERT_EQ(piksel, qRgb(y, x % teksturaGory.width(), gora)) << "top edge at " << x << "," << y;
            } else {
                const int wiersz = (y - teksturaGory.height()) % teksturaCiala.height();
                ASSERT_EQ(piksel, qRgb(wiersz, x % teksturaCiala.width(), cialo)) << "body at " << x << "," << y;
            }
        }
    }
}

} // namespace

TEST(DrewnianeTlo, TopEdgeAlongTheTopAndBodyRowsEndingWhereItBegins)
{
    const QImage teksturaGory = tekstura(4, 3, gora);
    const QImage teksturaCiala = tekstura(5, 4, cialo);
    const QImage deska = KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(QSize(13, 20), teksturaGory, teksturaCiala);
    ASSERT_EQ(deska.size(), QSize(13, 20));
    sprawdzDeske(deska, teksturaGory, teksturaCiala);
    // 17 rows under the top edge: four whole body rows and the lowest one cut after its first row.
    EXPECT_EQ(qRed(deska.pixel(0, 19)), 0);
    EXPECT_EQ(qRed(deska.pixel(0, 18)), 3);
}

TEST(DrewnianeTlo, GrowingOnlyInHeightMovesTheTopEdgeAndKeepsTheRowsAlignedToIt)
{
    const QImage teksturaGory = tekstura(4, 3, gora);
    const QImage teksturaCiala = tekstura(5, 4, cialo);
    for (int wysokosc : {20, 21, 22, 23, 37}) {
        SCOPED_TRACE(wysokosc);
        sprawdzDeske(KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(QSize(9, wysokosc), teksturaGory, teksturaCiala),
                     teksturaGory, teksturaCiala);
    }
}

TEST(DrewnianeTlo, AWindowLowerThanTheTopEdgeShowsTheEdgesUpperRows)
{
    const QImage teksturaGory = tekstura(4, 6, gora);
    const QImage deska =
        KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(QSize(7, 4), teksturaGory, tekstura(5, 4, cialo));
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(deska.pixel(6, y), qRgb(y, 2, gora));
}

TEST(DrewnianeTlo, AMissingTextureNeverMakesAZeroStep)
{
    const QImage deska = KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(QSize(30, 30), QImage(), QImage());
    ASSERT_EQ(deska.size(), QSize(30, 30));
    EXPECT_EQ(qAlpha(deska.pixel(15, 15)), 0);
    const QImage bezGory =
        KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(QSize(10, 8), QImage(), tekstura(5, 4, cialo));
    EXPECT_EQ(bezGory.pixel(0, 0), qRgb(0, 0, cialo)) << "the body then reaches the top edge";
    EXPECT_TRUE(KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(QSize(0, 0), QImage(), QImage()).isNull());
}

TEST(OknoPrzegladarkiTarrowind, TheWindowShowsTheDeskOfItsCurrentSize)
{
    KontrolerOknaPrzegladarkiTarrowind *kontroler = noweOkno();
    BrowserWindow *okno = kontroler->window();
    EXPECT_EQ(kontroler->tabStripView()->rightMargin(), KontrolerOknaPrzegladarkiTarrowind::prawyMarginesPaskaZakladek);

    okno->resize(500, 420);
    QCoreApplication::processEvents();
    EXPECT_EQ(kontroler->backgroundImage().size(), QSize(500, 420));
    okno->resize(500, 611);
    QCoreApplication::processEvents();
    ASSERT_EQ(kontroler->backgroundImage().size(), QSize(500, 611));

    // The empty details area lets the desk show through, as it was just drawn.
    const QImage zrzut = okno->grab().toImage();
    const QPoint punkt = okno->tabContentsArea()->mapTo(okno, QPoint(40, okno->tabContentsArea()->height() - 5));
    EXPECT_EQ(zrzut.pixel(punkt), kontroler->backgroundImage().pixel(punkt));
    EXPECT_EQ(qAlpha(zrzut.pixel(punkt)), 255);
}

TEST(OknoPrzegladarkiTarrowind, FullScreenIsRefused)
{
    BrowserWindow *okno = noweOkno()->window();
    EXPECT_FALSE(okno->windowFlags() & Qt::WindowFullscreenButtonHint);

    okno->showFullScreen();
    QCoreApplication::processEvents();
    EXPECT_FALSE(okno->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(okno->isVisible());

    okno->showMaximized();
    okno->setWindowState(okno->windowState() | Qt::WindowFullScreen);
    QCoreApplication::processEvents();
    EXPECT_EQ(okno->windowState() & ~Qt::WindowActive, Qt::WindowMaximized) << "the state before it stays";
}

TEST(OknoPrzegladarkiTarrowind, SheetsAttachTwelvePointsHigherThanProposed)
{
    KontrolerOknaPrzegladarkiTarrowind *kontroler = noweOkno();
    BrowserWindow *okno = kontroler->window();
    okno->move(100, 80);
    QCoreApplication::processEvents();

    const QRect proponowana = kontroler->proponowanaRamkaArkusza();
    EXPECT_EQ(proponowana.top(), okno->tabContentsArea()->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_EQ(proponowana.left(), okno->mapToGlobal(QPoint(0, 0)).x());
    EXPECT_EQ(proponowana.width(), okno->width());

    QDialog arkusz(okno);
    arkusz.setWindowModality(Qt::WindowModal);
    arkusz.resize(300, 120);
    arkusz.show();
    EXPECT_EQ(arkusz.y(), proponowana.top() - 12);
    EXPECT_EQ(arkusz.x(), proponowana.left() + (proponowana.width() - 300) / 2);

    // A sheet that sizes itself again stays centred on the window.
    arkusz.resize(200, 120);
    EXPECT_EQ(arkusz.x(), proponowana.left() + (proponowana.width() - 200) / 2);
    arkusz.hide();

    // A dialog modal for the whole application is no sheet.
    QDialog dialog(okno);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.resize(300, 120);
    dialog.show();
    EXPECT_NE(dialog.y(), proponowana.top() - 12);
}

TEST(OknoPrzegladarkiTarrowind, ExpectedOutcomeFieldsOfOneWindowShareOneEditor)
{
    KontrolerOknaPrzegladarkiTarrowind::setDostawcaEdytoraPola(EdytorSpodziewanegoRezultatu::dostawcaDlaOkien());
    KontrolerOknaPrzegladarkiTarrowind *pierwsze = noweOkno();
    KontrolerOknaPrzegladarkiTarrowind *drugie = noweOkno();
    PoleTekstoweEdytoraSpodziewanegoRezultatu a(pierwsze->window()), b(pierwsze->window()), c(drugie->window());
    QLineEdit zwykle(pierwsze->window());

    QWidget *edytor = pierwsze->windowWillReturnFieldEditorToObject(&a);
    ASSERT_NE(qobject_cast<EdytorSpodziewanegoRezultatu *>(edytor), nullptr);
    EXPECT_EQ(pierwsze->windowWillReturnFieldEditorToObject(&b), edytor);
    EXPECT_EQ(pierwsze->windowWillReturnFieldEditorToObject(&zwykle), nullptr) << "another field keeps its own editor";
    QWidget *edytorDrugiego = drugie->windowWillReturnFieldEditorToObject(&c);
    ASSERT_NE(edytorDrugiego, nullptr);
    EXPECT_NE(edytorDrugiego, edytor);
    EXPECT_EQ(edytor->window(), pierwsze->window());
    EXPECT_FALSE(edytor->isVisible());
}
