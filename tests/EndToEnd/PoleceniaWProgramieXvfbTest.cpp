#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include "Model/BazaFasolek.h"

#include <QAbstractButton>
#include <QDir>

namespace {

using namespace PolecenieWOknie;

class PoleceniaWProgramieXvfb : public UruchomionyProgram
{
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
    DymekNowaRzecz *dymek = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *kandydat = qobject_cast<DymekNowaRzecz *>(widget); kandydat && kandydat->isVisible())
                    dymek = kandydat;
            return dymek != nullptr;
        },
        2000));
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

} // namespace
