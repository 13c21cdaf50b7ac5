#include "Support/Ui/PrzeciagniecieMysza.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "Browser/TabKit/TabStripView.h"
#include "Platform/Ui/SplitView.h"
#include "Platform/UserDefaults.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/ListwaFiltra.h"
#include "Views/WidokListwyZakresu.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

namespace {

const QString kluczWidocznosci = QStringLiteral("KartaPortfolio.czyWidocznyPasekNawigacji");
const QString kluczSzerokosci = QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji");

class PasekNawigacjiWProgramie : public UruchomionyProgram
{
protected:
    KontrolerKartyPortfolio *karta() { return kartaPortfolio()->kontrolerKartyPortfolio(); }
    KontrolerWidokuRozdzielonegoZPaskiemNawigacji *rozdzielony()
    {
        return karta()->kontrolerWidokuRozdzielonegoZPaskiemNawigacji();
    }
    QPoint wOknie(QWidget *widok, QPoint punkt) { return widok->mapTo(m_okno, punkt); }
};

} // namespace

// Dragged to the edge, the bar collapses; dragged out from the edge where it lies, it comes back,
// follows the pointer within its limits, and later tabs open with it.
TEST_F(PasekNawigacjiWProgramie, ACollapsedBarComesBackWhenItsDividerIsDraggedOut)
{
    const struct
    {
        int odKrawedzi; // how far from the tab's left edge the pointer lets go
        int szerokosc;  // 0: the divider stays under the pointer
    } przypadki[] = {{120, 175}, {300, 0}};
    for (const auto &p : przypadki) {
        SplitView *widok = rozdzielony()->widokRozdzielony();
        QWidget *naZakladke = karta()->widokNaZakladke();
        const int y = widok->height() / 2;
        ASSERT_TRUE(rozdzielony()->czyWidocznyPasekNawigacji());
        const QPoint dzielnik = wOknie(widok, widok->dividerRect(0).center().toPoint());
        przeciagnijMysza(m_okno->windowHandle(), QPoint(dzielnik.x(), wOknie(widok, {0, y}).y()),
                         wOknie(widok, {10, y}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !rozdzielony()->czyWidocznyPasekNawigacji() && widok->x() == 27; }));
        EXPECT_TRUE(naZakladke->isVisible());
        EXPECT_FALSE(UserDefaults::standard().boolForKey(kluczWidocznosci));

        // The divider is hidden; the bar's edge lies where the 27-point strip ends.
        const QPoint krawedz = wOknie(widok, {0, y});
        const QPoint puszczenie(wOknie(naZakladke, {0, 0}).x() + p.odKrawedzi, krawedz.y());
        przeciagnijMysza(m_okno->windowHandle(), krawedz, puszczenie);
        ASSERT_TRUE(QTest::qWaitFor([&] { return rozdzielony()->czyWidocznyPasekNawigacji() && widok->x() == 0; }))
            << p.odKrawedzi;
        EXPECT_TRUE(rozdzielony()->widokPaskaNawigacji()->isVisible());
        EXPECT_FALSE(naZakladke->isVisible());
        if (p.szerokosc)
            EXPECT_DOUBLE_EQ(rozdzielony()->szerokoscPaskaNawigacji(), p.szerokosc);
        else
            EXPECT_EQ(wOknie(widok, widok->dividerRect(0).topLeft().toPoint()).x(), puszczenie.x());
        EXPECT_TRUE(UserDefaults::standard().boolForKey(kluczWidocznosci));
        EXPECT_DOUBLE_EQ(UserDefaults::standard().floatForKey(kluczSzerokosci),
                         rozdzielony()->szerokoscPaskaNawigacji());
    }

    KartaPortfolio *pierwsza = kartaPortfolio();
    QToolButton *plus = m_okno->tabStripView()->newTabButton();
    QTest::mouseClick(m_okno->windowHandle(), Qt::LeftButton, {}, wOknie(plus, plus->rect().center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return kartaPortfolio() && kartaPortfolio() != pierwsza; }));
    EXPECT_TRUE(rozdzielony()->czyWidocznyPasekNawigacji()) << "the new tab opens with its bar";
    ASSERT_TRUE(QTest::qWaitFor([&] { return rozdzielony()->widokPaskaNawigacji()->isVisible(); }));
}

// The bar's icons are templates tinted white on the selected row: the selected archive icon must
// keep holes, or it shows as a white block.
TEST_F(PasekNawigacjiWProgramie, TheSelectedArchivedBeansIconKeepsItsShape)
{
    WidokZaryseliPaskaNawigacji *pasek = karta()->kontrolerPaskaNawigacji()->widokZaryseli();
    const QModelIndex archiwum =
        pasek->model()->match(pasek->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Archived Beans")).value(0);
    ASSERT_TRUE(archiwum.isValid());
    const QRect wiersz = pasek->visualRect(archiwum);
    QTest::mouseClick(m_okno->windowHandle(), Qt::LeftButton, {}, wOknie(pasek->viewport(), wiersz.center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->selectionModel()->isSelected(archiwum); }));

    // The icon stands in the row's first 22 points; the name, white too, begins after it.
    const QImage obraz = pasek->viewport()->grab(QRect(wiersz.left(), wiersz.top(), 22, wiersz.height())).toImage();
    const auto bialy = [&](int x, int y) {
        const QRgb piksel = obraz.pixel(x, y);
        return qRed(piksel) > 235 && qGreen(piksel) > 235 && qBlue(piksel) > 235;
    };
    // A hole: a pixel not white with white on all four sides of it.
    const auto otoczony = [&](int x0, int y0) {
        bool lewo = false, prawo = false, gora = false, dol = false;
        for (int x = 0; x < obraz.width(); ++x)
            (x < x0 ? lewo : prawo) |= x != x0 && bialy(x, y0);
        for (int y = 0; y < obraz.height(); ++y)
            (y < y0 ? gora : dol) |= y != y0 && bialy(x0, y);
        return lewo && prawo && gora && dol;
    };
    int biale = 0;
    int dziury = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            biale += bialy(x, y) ? 1 : 0;
            dziury += !bialy(x, y) && otoczony(x, y) ? 1 : 0;
        }
    ASSERT_GT(biale, 40) << "the icon is drawn in white";
    EXPECT_GE(dziury, 2) << "a white block";
}

// The filter bar above All Beans, the widest of them ("Divided into Flows" and the search field),
// at the narrowest window whose details keep their minimum beside the narrowest bar, at the one
// where that bar is dragged to its widest, and at a wide window with the bar at half of it: every
// scope button shows its whole title and the search field stays whole, shrunk at most to its minimum.
TEST_F(PasekNawigacjiWProgramie, TheFilterBarCutsNoButtonAtAnyWidthTheBarAllows)
{
    WidokZaryseliPaskaNawigacji *pasek = karta()->kontrolerPaskaNawigacji()->widokZaryseli();
    const QModelIndex wszystkie =
        pasek->model()->match(pasek->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("All Beans")).value(0);
    ASSERT_TRUE(wszystkie.isValid());
    QTest::mouseClick(m_okno->windowHandle(), Qt::LeftButton, {},
                      wOknie(pasek->viewport(), pasek->visualRect(wszystkie).center()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return pierwszyWidoczny<ListwaFiltra>() && pierwszyWidoczny<ListwaFiltra>()->widokListwyZakresu(); }));
    ListwaFiltra *listwa = pierwszyWidoczny<ListwaFiltra>();
    ASSERT_TRUE(listwa->widokListwyZakresu()->przyciskPodzialNaPotoki()->isVisible());

    SplitView *widok = rozdzielony()->widokRozdzielony();
    const int marginesy = m_okno->width() - widok->width();
    const int podzial = int(widok->dividerThickness());
    const int najwezsze = marginesy + int(KontrolerWidokuRozdzielonegoZPaskiemNawigacji::minimalnaSzerokoscPaska)
                          + podzial + int(KontrolerWidokuRozdzielonegoZPaskiemNawigacji::minimalnaSzerokoscSzczegolow);
    const struct
    {
        int szerokoscOkna;
        int szerokoscPaska; // where the bar settles once dragged far right
    } przypadki[] = {{najwezsze, 175}, {960, 960 - marginesy - 635 - podzial}, {1600, (1600 - marginesy) / 2}};
    for (const auto &p : przypadki) {
        m_okno->resize(p.szerokoscOkna, 640);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return m_okno->width() == p.szerokoscOkna && widok->width() == p.szerokoscOkna - marginesy; }));
        const int y = widok->height() / 2;
        const QPoint dzielnik = wOknie(widok, widok->dividerRect(0).center().toPoint());
        przeciagnijMysza(m_okno->windowHandle(), QPoint(dzielnik.x(), wOknie(widok, {0, y}).y()),
                         wOknie(widok, {widok->width() - 20, y}));
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return std::abs(rozdzielony()->szerokoscPaskaNawigacji() - p.szerokoscPaska) <= 1;
        })) << p.szerokoscOkna
            << ": the bar is " << rozdzielony()->szerokoscPaskaNawigacji();
        QCoreApplication::processEvents();

        // What of a widget the window shows: its rect clipped by every widget it lies in.
        const auto widoczne = [&](QWidget *w) {
            QRect obszar(wOknie(w, {}), w->size());
            for (QWidget *rodzic = w->parentWidget(); rodzic && rodzic != m_okno; rodzic = rodzic->parentWidget())
                obszar &= QRect(wOknie(rodzic, {}), rodzic->size());
            return obszar.intersected(m_okno->rect());
        };
        QList<QWidget *> kontrolki{listwa->poleWyszukiwarki()};
        for (QPushButton *przycisk : listwa->findChildren<QPushButton *>())
            if (przycisk->isVisible())
                kontrolki << przycisk;
        ASSERT_EQ(kontrolki.size(), 6);
        for (QWidget *kontrolka : kontrolki) {
            const QString nazwa = kontrolka->objectName();
            EXPECT_EQ(widoczne(kontrolka), QRect(wOknie(kontrolka, {}), kontrolka->size()))
                << p.szerokoscOkna << ": " << nazwa.toStdString() << " is cut";
            if (auto *przycisk = qobject_cast<QPushButton *>(kontrolka)) {
                EXPECT_GE(przycisk->width(), przycisk->sizeHint().width())
                    << p.szerokoscOkna << ": " << przycisk->text().toStdString() << " is squeezed";
            }
        }
        EXPECT_GE(listwa->poleWyszukiwarki()->width(), ListwaFiltra::najwezszePoleWyszukiwarki) << p.szerokoscOkna;
        EXPECT_LE(listwa->poleWyszukiwarki()->width(), ListwaFiltra::najszerszePoleWyszukiwarki) << p.szerokoscOkna;
    }
    EXPECT_EQ(listwa->poleWyszukiwarki()->width(), ListwaFiltra::najszerszePoleWyszukiwarki)
        << "a wide window gives it its width";
}
