#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include <QAbstractButton>

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
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *kandydat = qobject_cast<DymekNowaRzecz *>(widget); kandydat && kandydat->isVisible())
                dymek = kandydat;
        return dymek != nullptr;
    }, 2000));
    QTest::keyClicks(dymek->poleNazwa(), QStringLiteral("Fresh bean"));
    QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
    auto *tabela = widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabela->selectionModel()->selectedRows().size() == 1; }, 3000));
    zrzutOkna(m_okno, QStringLiteral("flow-view-new-bean-selected.png"));
}

} // namespace
