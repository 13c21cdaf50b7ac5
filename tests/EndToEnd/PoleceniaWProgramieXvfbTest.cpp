#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

using namespace PolecenieWOknie;

class PoleceniaWProgramieXvfb : public UruchomionyProgram
{
protected:
    // The File menu opened from the bar and its item clicked where it lies.
    void kliknijWMenuPlik(const QString &tytul)
    {
        QAction *plik = nullptr;
        for (QAction *akcja : m_okno->menuBar()->actions())
            if (akcja->text() == QStringLiteral("&File"))
                plik = akcja;
        ASSERT_NE(plik, nullptr);
        QTest::mouseClick(m_okno->menuBar(), Qt::LeftButton, {}, m_okno->menuBar()->actionGeometry(plik).center());
        QMenu *menu = plik->menu();
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
        for (QAction *akcja : menu->actions())
            if (akcja->text() == tytul) {
                ASSERT_TRUE(akcja->isEnabled()) << tytul.toStdString();
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(akcja).center());
                return;
            }
        FAIL() << "no item " << tytul.toStdString();
    }
};

// The flow view's bar with its New Folder button, the items outline's menu outside its rows, and a
// bean made by "+" under scope Done, selected in the widened list.
TEST_F(PoleceniaWProgramieXvfb, NewFolderOutsideTheRowsAndANewBeanSelected)
{
    auto *zarys = widocznyWidok<WidokZaryseliRzeczyKatalogu>(m_okno);
    ASSERT_NE(zarys, nullptr);
    ASSERT_NE(m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskNowyKatalog")), nullptr);
    kliknijPrawymW(zarys, QPoint(zarys->viewport()->width() / 2, zarys->viewport()->height() - 20));
    ASSERT_TRUE(QTest::qWaitFor([] { return otwarteMenu() && otwarteMenu()->isVisible(); }, 2000));
    zrzutOkna(otwarteMenu(), QStringLiteral("flow-items-menu-outside-rows.png"));
    otwarteMenu()->close();

    QTest::mouseClick(m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskUkonczone")), Qt::LeftButton);
    QTest::mouseClick(m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskNowaFasolka")), Qt::LeftButton);
    DymekNowaRzecz *dymek = pokazanyDymekNowaRzecz();
    ASSERT_NE(dymek, nullptr);
    QTest::keyClicks(dymek->poleNazwa(), QStringLiteral("Fresh bean"));
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
    auto *tabela = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabela->selectionModel()->selectedRows().size() == 1; }, 3000));
    zrzutOkna(m_okno, QStringLiteral("flow-view-new-bean-selected.png"));
}

// A bean's context menu with Move to Flow open: a flow named "R&D" shows its ampersand.
TEST_F(PoleceniaWProgramieXvfb, MoveToFlowShowsAnAmpersandInAFlowName)
{
    ASSERT_TRUE(QDir().mkpath(m_baza.sciezka() + QStringLiteral("/Tarrowind/All Beans/R&D")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return potok(QStringLiteral("R&D")) != nullptr; }, 5000));
    auto *tabela = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
    ASSERT_NE(tabela, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabela->model()->rowCount() > 2; }, 3000));
    kliknijPrawym(tabela, tabela->model()->index(1, 1));
    ASSERT_TRUE(QTest::qWaitFor([] { return otwarteMenu() && otwarteMenu()->isVisible(); }, 2000));
    QMenu *menu = otwarteMenu();
    QAction *doPotoku = nullptr;
    for (QAction *akcja : menu->actions())
        if (akcja->text() == QStringLiteral("Move to Flow"))
            doPotoku = akcja;
    ASSERT_TRUE(doPotoku && doPotoku->menu());
    menu->setActiveAction(doPotoku);
    ASSERT_TRUE(QTest::qWaitFor([&] { return doPotoku->menu()->isVisible(); }, 2000));
    QStringList tytuly;
    for (QAction *akcja : doPotoku->menu()->actions())
        tytuly << akcja->text();
    EXPECT_TRUE(tytuly.contains(QStringLiteral("R&&D"))) << tytuly.join('|').toStdString();
    zrzutOkien({menu, doPotoku->menu()}, QStringLiteral("move-to-flow-ampersand.png"));
    menu->close();
}

// A bean in incubation selected, then a click on the In Work scope button: the list keeps the focus,
// so its selection shows in the focused colour and the button draws no focus frame.
TEST_F(PoleceniaWProgramieXvfb, AScopeButtonLeavesTheFocusOnTheList)
{
    auto *tabela = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
    ASSERT_NE(tabela, nullptr);
    KontrolerTablicy *tablica = tabela->kontrolerTablicy();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tablica->rowCount() > 4; }, 3000));
    int wiersz = 0;
    while (wiersz < tablica->rowCount() && !qobject_cast<Fasolka *>(tablica->obiektWWierszu(wiersz))->jestWInkubacji())
        ++wiersz;
    ASSERT_LT(wiersz, tablica->rowCount());
    QObject *fasolka = tablica->obiektWWierszu(wiersz);
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {},
                      tabela->visualRect(tabela->model()->index(wiersz, 1)).center());
    auto *wObrobce = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskWObrobce"));
    ASSERT_NE(wObrobce, nullptr);
    QTest::mouseClick(wObrobce, Qt::LeftButton, {}, QPoint(10, wObrobce->height() / 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return wObrobce->isChecked(); }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), tabela);
    EXPECT_EQ(tablica->selectedObjects(), QList<QObject *>{fasolka});
    zrzutOkna(m_okno, QStringLiteral("flow-view-after-scope-button.png"));
}

// File ▸ New Flow and New Bean, chosen in the menu: each popover opens inside the window, at the
// control that makes that kind of item, and makes its item.
TEST_F(PoleceniaWProgramieXvfb, NewFlowAndNewBeanFromTheFileMenuOpenInsideTheWindow)
{
    m_okno->move(100, 60);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    const QRect okno = m_okno->frameGeometry();

    kliknijWMenuPlik(QStringLiteral("New &Flow\u2026"));
    DymekNowaRzecz *dymek = pokazanyDymekNowaRzecz();
    ASSERT_NE(dymek, nullptr);
    zrzutOkien({m_okno, dymek}, QStringLiteral("file-menu-new-flow-popover.png"));
    auto *pasek = widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno);
    ASSERT_NE(pasek, nullptr);
    const QRect obszarPaska(pasek->mapToGlobal(QPoint(0, 0)), pasek->size());
    EXPECT_TRUE(okno.contains(dymek->frameGeometry())) << "popover off the window";
    EXPECT_TRUE(obszarPaska.intersects(dymek->frameGeometry())) << "popover away from the navigation bar";
    QTest::keyClicks(dymek->poleNazwa(), QStringLiteral("Flow from menu"));
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return kartaPortfolio()->title() == QStringLiteral("Flow: Flow from menu"); }, 3000));
    EXPECT_TRUE(QFileInfo(m_baza.sciezka() + QStringLiteral("/Tarrowind/All Beans/Flow from menu")).isDir());

    kliknijWMenuPlik(QStringLiteral("New &Bean\u2026"));
    dymek = pokazanyDymekNowaRzecz();
    ASSERT_NE(dymek, nullptr);
    zrzutOkien({m_okno, dymek}, QStringLiteral("file-menu-new-bean-popover.png"));
    auto *plus = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskNowaFasolka"));
    EXPECT_TRUE(okno.contains(dymek->frameGeometry())) << "popover off the window";
    EXPECT_EQ(dymek->strzalkaUGory() ? dymek->frameGeometry().top() - plus->mapToGlobal(QPoint(0, plus->height())).y()
                                     : plus->mapToGlobal(QPoint(0, 0)).y() - dymek->frameGeometry().bottom(),
              1)
        << "popover away from the list's +";
    QTest::keyClicks(dymek->poleNazwa(), QStringLiteral("Bean from menu"));
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return QFileInfo(m_baza.sciezka()
                             + QStringLiteral("/Tarrowind/All Beans/Flow from menu/_Incubation/Bean from menu"))
                .isDir();
        },
        3000));

    // With the bar collapsed the command brings it out first, and the popover points into it.
    kartaPortfolio()->ukryjPasekNawigacji();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !kartaPortfolio()->czyWidocznyPasekNawigacji(); }, 2000));
    kliknijWMenuPlik(QStringLiteral("New &Flow\u2026"));
    dymek = pokazanyDymekNowaRzecz();
    ASSERT_NE(dymek, nullptr);
    zrzutOkien({m_okno, dymek}, QStringLiteral("file-menu-new-flow-popover-bar-collapsed.png"));
    pasek = widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno);
    ASSERT_NE(pasek, nullptr);
    EXPECT_TRUE(okno.contains(dymek->frameGeometry())) << "popover off the window";
    EXPECT_TRUE(QRect(pasek->mapToGlobal(QPoint(0, 0)), pasek->size()).intersects(dymek->frameGeometry()))
        << "popover away from the navigation bar";
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dymek->isVisible(); }, 2000));
}

} // namespace
