// On a real X server only (xvfb-run with QT_QPA_PLATFORM=xcb); under the offscreen platform
// these tests skip. The pointer of the real drag is driven by xdotool from outside.

#include "ZrzutTestowy.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/DymekNowaRzecz.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Actions/PoleNazwa.h"
#include "App/TarrowindAppDelegate.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Platform/Ui/ZrodloPrzeciaganiaPlikow.h"
#include "Support/CzasyOczekiwania.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

using NaSerwerzeX = ZrzutTestowy;

#define WYMAGA_SERWERA_X() \
    if (QGuiApplication::platformName() != QLatin1String("xcb")) \
    GTEST_SKIP() << "needs xvfb-run and QT_QPA_PLATFORM=xcb"

// The screen around the program's window and what shows beside it, into the screenshots folder.
bool zapiszZrzut(QWidget *okno, const QRect &obok, const QString &nazwa)
{
    const QRect obszar = okno->frameGeometry().united(obok).adjusted(-10, -10, 10, 10);
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    return okno->screen()
        ->grabWindow(0, obszar.x(), obszar.y(), obszar.width(), obszar.height())
        .save(katalog + "/" + nazwa);
}

// The program's start-up in this process; answers its window once shown, else null.
QWidget *uruchomProgram(TarrowindAppDelegate &delegat, KontrolerAkcjeNaMenuGlownym &menu)
{
    WindowRegistry::instance();
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    delegat.applicationDidFinishLaunching();
    const QList<QWidget *> okna = WindowRegistry::instance().visibleWindows();
    return !okna.isEmpty() && QTest::qWaitForWindowExposed(okna.first()) ? okna.first() : nullptr;
}

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
    new AdapterZrzutuUrli(&cel, AdapterZrzutuUrli::Wykonanie::PoChwili,
                          [this](const QPoint &) { return rzeczy(QStringLiteral("A")); });
    zrodlo.show();
    cel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&zrodlo) && QTest::qWaitForWindowExposed(&cel));
    // The window manager places both windows before the pointer moves; nothing is checked on the clock.
    QTest::qWait(300);

    const QPoint start = zrodlo.viewport()->mapToGlobal(zrodlo.visualItemRect(zrodlo.item(0)).center());
    const QPoint koniec = cel.mapToGlobal(cel.rect().center());
    const QString skrypt = QString::asprintf(
        "mousemove %d %d sleep 0.3 mousedown 1 sleep 0.2 mousemove %d %d sleep 0.2 "
        "mousemove %d %d sleep 0.3 mousemove %d %d sleep 0.4 mouseup 1",
        start.x(), start.y(), start.x() + 30, start.y() + 5, koniec.x(), koniec.y(), koniec.x() + 5, koniec.y() + 5);
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), skrypt.split(QLatin1Char(' ')));
    const QString przeniesiony = R(QStringLiteral("All Beans/Work/_Flow_Items/A/nowy.txt"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return xdotool.state() == QProcess::NotRunning && KatalogTestowy::istnieje(przeniesiony); }, 10000));
    przeczekajCisze(300);
    EXPECT_EQ(KatalogTestowy::czytaj(przeniesiony), "N");
    EXPECT_FALSE(KatalogTestowy::istnieje(m_zewnetrzny));
    EXPECT_EQ(zrodlo.count(), 1) << "the source list removed no row";
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

TEST_F(NaSerwerzeX, TheNewItemPopoverOverTheProgramsWindow)
{
    WYMAGA_SERWERA_X();
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    QWidget *okno = uruchomProgram(delegat, menu);
    ASSERT_TRUE(okno);
    const QList<QAbstractButton *> przyciski = okno->findChildren<QAbstractButton *>();
    const auto kotwica = std::find_if(przyciski.begin(), przyciski.end(), [](QWidget *p) { return p->isVisible(); });
    ASSERT_NE(kotwica, przyciski.end());

    KontrolerDymkaNowaRzecz kontroler;
    kontroler.wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrPotok, {}, okno, [](const QString &) {}, *kotwica);
    QTest::keyClicks(kontroler.poleNazwa(), QStringLiteral("Nowy potok"));
    // The server paints the popover before its screenshot.
    QTest::qWait(500);
    EXPECT_TRUE(kontroler.dymek()->isVisible());
    EXPECT_TRUE(kontroler.dymek()->strzalkaUGory());
    EXPECT_GE(kontroler.dymek()->y(), (*kotwica)->mapToGlobal(QPoint(0, (*kotwica)->height())).y() - 1);

    EXPECT_TRUE(zapiszZrzut(okno, kontroler.dymek()->geometry(), QStringLiteral("popover-new-flow.png")));
}

TEST_F(NaSerwerzeX, TheBeanContextMenuWithItsStatusSubmenuOnTwoBeansOverTheProgramsWindow)
{
    WYMAGA_SERWERA_X();
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    QWidget *okno = uruchomProgram(delegat, menu);
    ASSERT_TRUE(okno);

    KontrolerTablicy tablica;
    const QList<QObject *> dwie{fasolka(QStringLiteral("Work"), QStringLiteral("aktywna.txt")),
                                fasolka(QStringLiteral("Work"), QStringLiteral("czeka.txt"))};
    tablica.ustawTresc(dwie);
    tablica.setSelectedObjects(dwie);
    KontrolerAkcjeNaElementach kontroler;
    kontroler.setKontrolerTablicy(&tablica);
    Menu *podreczne = MenuKontroleraElementow::zbuduj(&kontroler, okno);
    podreczne->pokazJakoPodreczne(okno, okno->mapToGlobal(QPoint(120, 90)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(podreczne));
    Menu *statusy = kontroler.menuPodreczneStatusu();
    for (QAction *akcja : podreczne->actions()) {
        if (akcja->menu() == statusy)
            podreczne->setActiveAction(akcja);
    }
    QTest::keyClick(podreczne, Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([statusy] { return statusy->isVisible(); }, 3000));
    // The server paints the submenu before its screenshot.
    QTest::qWait(300);
    EXPECT_EQ(statusy->actions().first()->text(), QStringLiteral("<Multiple Beans>"));
    EXPECT_TRUE(zapiszZrzut(okno, podreczne->geometry().united(statusy->geometry()),
                            QStringLiteral("bean-context-menu-status.png")));
}
