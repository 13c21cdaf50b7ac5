#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/TloWidokuPapierowego.h"
#include "Browser/TloWidokuSzczegolowNaKarciePortfolio.h"
#include "Browser/TloZielonegoWidokuKartyPortfolio.h"
#include "Browser/WidokRozdzielonyPotoku.h"
#include "Browser/WidokRozdzielonyZPaskiemNawigacji.h"
#include "Platform/ObrazyAplikacji.h"
#include "Widgets/ZieloneZaznaczenie.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

namespace {

QListWidget *lista(const QStringList &wiersze, int zaznaczony, bool naprzemienne)
{
    auto *wynik = new QListWidget;
    wynik->addItems(wiersze);
    wynik->setAlternatingRowColors(naprzemienne);
    wynik->setFrameShape(QFrame::NoFrame);
    wynik->setCurrentRow(zaznaczony);
    return wynik;
}

} // namespace

// The tab contents' backgrounds and split views together in one window on a real X server, the
// way a portfolio tab stacks them; the screenshot is for people to look at.
TEST(TlaKartXvfbTest, BackgroundsAndSplitViewsOnARealDisplay)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ZieloneZaznaczenie::zastosujDoPaletyAplikacji();

    QWidget okno;
    okno.resize(960, 620);
    auto *ukladOkna = new QVBoxLayout(&okno);
    ukladOkna->setContentsMargins(0, 0, 0, 0);
    auto *zielone = new TloZielonegoWidokuKartyPortfolio;
    ukladOkna->addWidget(zielone);
    auto *ukladZielonego = new QVBoxLayout(zielone);
    ukladZielonego->setContentsMargins(12, 12, 12, 12);

    auto *nawigacja = new WidokRozdzielonyZPaskiemNawigacji;
    ukladZielonego->addWidget(nawigacja);
    QListWidget *pasek = lista({"Main Flow", "All Beans", "Archived Beans", "Downloads"}, 0, false);
    pasek->setAttribute(Qt::WA_TranslucentBackground);
    pasek->viewport()->setAutoFillBackground(false);
    pasek->resize(190, 10);
    nawigacja->addSubview(pasek);
    auto *panelSzczegolow = new TloWidokuSzczegolowNaKarciePortfolio;
    nawigacja->addSubview(panelSzczegolow);

    auto *potok = new WidokRozdzielonyPotoku;
    panelSzczegolow->setWidokSzczegolow(potok);
    panelSzczegolow->awakeFromNib();
    QListWidget *fasolki = lista({"Plan", "Budget", "Garden shed", "Letters", "Tax return", "Holiday"}, 2, true);
    potok->addSubview(fasolki);
    auto *karton = new TloWidokuPapierowego;
    auto *rezultat = new QPlainTextEdit(QStringLiteral("The shed stands and keeps the rain out."));
    rezultat->setFrameShape(QFrame::NoFrame);
    rezultat->viewport()->setAutoFillBackground(false);
    karton->setWidokSzczegolow(rezultat);
    karton->awakeFromNib();
    potok->addSubview(karton);
    KontrolerWidokuRozdzielonegoZPanelemPrawym kontroler;
    kontroler.setWidokRozdzielony(potok);
    kontroler.setWidokPanelaPrawego(karton);
    potok->setDelegate(&kontroler);

    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    kontroler.setSzerokoscPanelaPrawego(300);
    fasolki->setFocus();
    QTextCursor kursor = rezultat->textCursor();
    kursor.setPosition(4);
    kursor.setPosition(8, QTextCursor::KeepAnchor);
    rezultat->setTextCursor(kursor);
    QTest::qWait(200);

    const QImage zrzut = okno.screen()->grabWindow(okno.winId()).toImage().convertToFormat(QImage::Format_ARGB32);
    const QString katalog = qEnvironmentVariable("TARROWIND_SCREENSHOTS", QDir::currentPath());
    QDir().mkpath(katalog);
    zrzut.save(katalog + QStringLiteral("/tab-backgrounds-and-split-views.png"));

    ASSERT_EQ(zrzut.width(), okno.width()) << "the checks below count one pixel per point";
    const QImage zielen =
        ObrazyAplikacji::obraz(QStringLiteral("ZieloneTloKartyPortfolio")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(zrzut.pixel(3, 3), zielen.pixel(3, 3)) << "the green surface starts its tiles at the window's corner";
    EXPECT_EQ(kontroler.szerokoscPanelaPrawego(), 300.0);
    const QRectF rowek = nawigacja->dividerRect(0);
    const QPoint jasna = nawigacja->mapTo(&okno, QPoint(int(rowek.x()) + 1, 100));
    EXPECT_GT(qGray(zrzut.pixel(jasna)), qGray(zrzut.pixel(jasna + QPoint(1, 0)))) << "the groove's light line";
}
