// On a real X server only (xvfb-run with QT_QPA_PLATFORM=xcb); under the offscreen platform
// these tests skip. The pointer of the real drag is driven by xdotool from outside.

#include "ZrzutTestowy.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/DymekNowaRzecz.h"
#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Actions/ZrodloPrzeciaganiaPlikow.h"
#include "App/TarrowindAppDelegate.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QAbstractButton>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

using NaSerwerzeX = ZrzutTestowy;

#define WYMAGA_SERWERA_X() \
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs xvfb-run and QT_QPA_PLATFORM=xcb"

// A list whose rows are paths, dragged out as the views drag their rows.
class ListaPlikow : public QListWidget
{
protected:
    void startDrag(Qt::DropActions) override
    {
        ZrodloPrzeciaganiaPlikow::przeciagnijPliki(this, {currentItem()->text()}, ZrodloPrzeciaganiaPlikow::akcjeListy);
    }
};

} // namespace

TEST_F(NaSerwerzeX, ARealDragBetweenTwoOfOurWindowsMovesTheFileAndTheSourceDeletesNothing)
{
    WYMAGA_SERWERA_X();
    ListaPlikow zrodlo;
    zrodlo.addItem(m_zewnetrzny);
    zrodlo.setDragEnabled(true);
    zrodlo.setGeometry(40, 40, 360, 200);
    QWidget cel;
    cel.setGeometry(520, 40, 300, 200);
    new AdapterZrzutuUrli(&cel, AdapterZrzutuUrli::Wykonanie::PoChwili, [this](const QPoint &) { return rzeczy(QStringLiteral("A")); });
    zrodlo.show();
    cel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&zrodlo) && QTest::qWaitForWindowExposed(&cel));
    QTest::qWait(300);

    const QPoint start = zrodlo.viewport()->mapToGlobal(zrodlo.visualItemRect(zrodlo.item(0)).center());
    const QPoint koniec = cel.mapToGlobal(cel.rect().center());
    const QString skrypt = QString::asprintf("mousemove %d %d sleep 0.3 mousedown 1 sleep 0.2 mousemove %d %d sleep 0.2 "
                                             "mousemove %d %d sleep 0.3 mousemove %d %d sleep 0.4 mouseup 1",
                                             start.x(), start.y(), start.x() + 30, start.y() + 5, koniec.x(), koniec.y(),
                                             koniec.x() + 5, koniec.y() + 5);
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), skrypt.split(QLatin1Char(' ')));
    const QString przeniesiony = R(QStringLiteral("All Beans/Work/_Flow_Items/A/nowy.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning && KatalogTestowy::istnieje(przeniesiony); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(KatalogTestowy::czytaj(przeniesiony), "N");
    EXPECT_FALSE(KatalogTestowy::istnieje(m_zewnetrzny));
    EXPECT_EQ(zrodlo.count(), 1) << "the source list removed no row";
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

TEST_F(NaSerwerzeX, TheNewItemPopoverOverTheProgramsWindow)
{
    WYMAGA_SERWERA_X();
    WindowRegistry::instance();
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    delegat.applicationDidFinishLaunching();
    ASSERT_FALSE(WindowRegistry::instance().visibleWindows().isEmpty());
    QWidget *okno = WindowRegistry::instance().visibleWindows().first();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(okno));
    const QList<QAbstractButton *> przyciski = okno->findChildren<QAbstractButton *>();
    const auto kotwica = std::find_if(przyciski.begin(), przyciski.end(), [](QWidget *p) { return p->isVisible(); });
    ASSERT_NE(kotwica, przyciski.end());

    KontrolerDymkaNowaRzecz kontroler;
    kontroler.wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(rnrPotok, {}, okno, [](const QString &) {}, *kotwica);
    QTest::keyClicks(kontroler.poleNazwa(), QStringLiteral("Nowy potok"));
    QTest::qWait(500);
    EXPECT_TRUE(kontroler.dymek()->isVisible());
    EXPECT_TRUE(kontroler.dymek()->strzalkaUGory());
    EXPECT_GE(kontroler.dymek()->y(), (*kotwica)->mapToGlobal(QPoint(0, (*kotwica)->height())).y() - 1);

    const QRect obszar = okno->frameGeometry().united(kontroler.dymek()->geometry()).adjusted(-10, -10, 10, 10);
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    EXPECT_TRUE(okno->screen()->grabWindow(0, obszar.x(), obszar.y(), obszar.width(), obszar.height())
                    .save(katalog + QStringLiteral("/popover-new-flow.png")));
}
