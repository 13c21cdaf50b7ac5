#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Platform/Ui/SplitView.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/ListwaFiltra.h"
#include "Views/WidokListwyZakresu.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"

#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {

class PasekNawigacjiXvfb : public UruchomionyProgram
{
protected:
    KontrolerWidokuRozdzielonegoZPaskiemNawigacji *rozdzielony()
    {
        return kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerWidokuRozdzielonegoZPaskiemNawigacji();
    }

    // The real pointer, moved by xdotool while this process goes on handling its events.
    bool wskaznik(const QString &skrypt)
    {
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), skrypt.split(QLatin1Char(' ')));
        return QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10000)
               && xdotool.exitCode() == 0;
    }

    bool przeciagnij(QPoint skad, QPoint dokad)
    {
        QString skrypt = QString::asprintf("mousemove %d %d sleep 0.2 mousedown 1", skad.x(), skad.y());
        for (int krok = 1; krok <= 6; ++krok) {
            const QPoint punkt = skad + (dokad - skad) * krok / 6;
            skrypt += QString::asprintf(" sleep 0.1 mousemove %d %d", punkt.x(), punkt.y());
        }
        return wskaznik(skrypt + QStringLiteral(" sleep 0.2 mouseup 1"));
    }
};

} // namespace

// The program's first window on a real X server, driven by the real pointer: "Archived Beans"
// selected beside the divider's groove, then the bar dragged to the edge and back out; the
// screenshots are for people to look at.
TEST_F(PasekNawigacjiXvfb, ArchivedBeansSelectedThenTheBarCollapsedAndDraggedBackOut)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "needs xdotool (scripts/install-deps.sh installs it)";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));

    WidokZaryseliPaskaNawigacji *pasek =
        kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji()->widokZaryseli();
    const QModelIndex archiwum =
        pasek->model()->match(pasek->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Archived Beans")).value(0);
    ASSERT_TRUE(archiwum.isValid());
    const QPoint wiersz = pasek->viewport()->mapToGlobal(pasek->visualRect(archiwum).center());
    ASSERT_TRUE(wskaznik(QString::asprintf("mousemove %d %d sleep 0.2 click 1", wiersz.x(), wiersz.y())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->selectionModel()->isSelected(archiwum); }));
    zrzutOkna(m_okno, QStringLiteral("navigation-bar-archived-beans-selected.png"));

    SplitView *widok = rozdzielony()->widokRozdzielony();
    const int y = widok->height() / 2;
    const QPoint dzielnik = widok->mapToGlobal(QPoint(qRound(widok->dividerRect(0).center().x()), y));
    ASSERT_TRUE(przeciagnij(dzielnik, widok->mapToGlobal(QPoint(10, y))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rozdzielony()->czyWidocznyPasekNawigacji() && widok->x() == 27; }));
    zrzutOkna(m_okno, QStringLiteral("navigation-bar-collapsed.png"));

    const QPoint krawedz = widok->mapToGlobal(QPoint(1, y));
    ASSERT_TRUE(przeciagnij(krawedz, krawedz + QPoint(240, 0)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rozdzielony()->czyWidocznyPasekNawigacji() && widok->x() == 0; }));
    EXPECT_TRUE(rozdzielony()->widokPaskaNawigacji()->isVisible());
    EXPECT_TRUE(kartaPortfolio()->kontrolerKartyPortfolio()->ustawieniaKarty()->czyWidocznyPasekNawigacji());
    EXPECT_GE(rozdzielony()->szerokoscPaskaNawigacji(), 175);
    zrzutOkna(m_okno, QStringLiteral("navigation-bar-dragged-back-out.png"));
}

// A flow row of the program's first window being renamed in place, then framed as the target of files
// dragged over it; the screenshots are for people to look at.
TEST_F(PasekNawigacjiXvfb, AFlowRowInRenameAndAFlowRowFramedAsADropTarget)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    WidokZaryseliPaskaNawigacji *pasek =
        kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji()->widokZaryseli();
    const auto wiersz = [&](const QString &nazwa) {
        QAbstractItemModel *model = pasek->model();
        return model->match(model->index(0, 0), Qt::DisplayRole, nazwa, 1, Qt::MatchRecursive).value(0);
    };
    const QModelIndex drugi = wiersz(QStringLiteral("Potok 0002"));
    ASSERT_TRUE(drugi.isValid());
    const QPoint srodek = pasek->visualRect(drugi).center();
    QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, srodek);
    QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, srodek);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->indexWidget(drugi) != nullptr; }));
    QTest::keyClicks(pasek->indexWidget(drugi), QStringLiteral("Garden shed"));
    zrzutOkna(m_okno, QStringLiteral("navigation-bar-flow-rename.png"));
    QTest::keyClick(pasek->indexWidget(drugi), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->indexWidget(drugi) == nullptr; }));

    QMimeData dane;
    dane.setUrls({QUrl::fromLocalFile(m_baza.plik(QStringLiteral("obce/plan.txt")))});
    const QPoint nadPierwszym = pasek->visualRect(wiersz(QStringLiteral("Potok 0001"))).center();
    QDragEnterEvent wejscie(nadPierwszym, Qt::CopyAction | Qt::MoveAction, &dane, Qt::LeftButton, {});
    QCoreApplication::sendEvent(pasek->viewport(), &wejscie);
    ASSERT_TRUE(wejscie.isAccepted());
    zrzutOkna(m_okno, QStringLiteral("navigation-bar-drop-target.png"));
    QDragLeaveEvent wyjscie;
    QCoreApplication::sendEvent(pasek->viewport(), &wyjscie);
    EXPECT_EQ(pasek->wierszCelZrzutu(), -1);
}

// All Beans in the narrowest window whose details keep their minimum beside the narrowest bar: the
// filter bar shows every scope button whole and the search field shrunk; the screenshot is for people
// to look at.
TEST_F(PasekNawigacjiXvfb, AllBeansFilterBarInTheNarrowestWindow)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    kartaPortfolio()->pokazWszystkieFasolki();
    SplitView *widok = rozdzielony()->widokRozdzielony();
    const int szerokosc = m_okno->width() - widok->width()
                          + int(KontrolerWidokuRozdzielonegoZPaskiemNawigacji::minimalnaSzerokoscPaska)
                          + int(widok->dividerThickness())
                          + int(KontrolerWidokuRozdzielonegoZPaskiemNawigacji::minimalnaSzerokoscSzczegolow);
    m_okno->resize(szerokosc, m_okno->height());
    ListwaFiltra *listwa = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        listwa = pierwszyWidoczny<ListwaFiltra>();
        return m_okno->width() == szerokosc && listwa && listwa->widokListwyZakresu();
    }));
    QPushButton *podzial = listwa->widokListwyZakresu()->przyciskPodzialNaPotoki();
    ASSERT_TRUE(QTest::qWaitFor([&] { return podzial->isVisible(); }));
    zrzutOkna(m_okno, QStringLiteral("filter-bar-narrowest-window.png"));
    EXPECT_GE(podzial->width(), podzial->sizeHint().width());
    EXPECT_LT(podzial->mapTo(listwa, QPoint(podzial->width(), 0)).x(), listwa->poleWyszukiwarki()->x());
    EXPECT_LE(listwa->poleWyszukiwarki()->geometry().right(), listwa->width());
}
