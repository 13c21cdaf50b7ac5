#include "TestBrowser.h"

#include "Browser/TabKit/TabDragController.h"
#include "Browser/TabKit/TabMimeData.h"
#include "Browser/TabKit/TabStripModel.h"
#include "Browser/TabKit/TabStripView.h"
#include "Browser/TabKit/TabView.h"
#include "Platform/ModalGate.h"

#include <QDialog>
#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QStringList list(std::initializer_list<const char *> titles)
{
    QStringList result;
    for (const char *title : titles)
        result << QString::fromUtf8(title);
    return result;
}

TabStripView *stripOf(Browser *browser)
{
    return browser->windowController()->tabStripView();
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &position, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, position, widget->mapToGlobal(position), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(TabDrag, MoveToAnotherBrowserKeepsTheTabsViewTitleAndController)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A", "B", "C"}));
    TestBrowser *target = TestBrowser::openWindow(list({"X", "Y"}));
    TestTab *tab = source->tab(1);
    QWidget *view = tab->view();
    QObject *controller = tab->controller();

    ASSERT_TRUE(TabDragController::moveTab(tab, target, 1));
    EXPECT_EQ(source->titles(), list({"A", "C"}));
    EXPECT_EQ(target->titles(), list({"X", "B", "Y"}));
    EXPECT_EQ(target->activeTabContents(), tab);
    EXPECT_EQ(tab->browser(), target);
    EXPECT_EQ(tab->view(), view);
    EXPECT_EQ(tab->controller(), controller);
    EXPECT_EQ(tab->title(), QStringLiteral("B"));
    EXPECT_EQ(view->window(), target->window());
    EXPECT_EQ(target->window()->tabContentsArea()->currentWidget(), view);
    EXPECT_EQ(source->window()->tabContentsArea()->indexOf(view), -1);
    EXPECT_EQ(stripOf(target)->tabViewAt(1)->contents(), tab);
    EXPECT_EQ(stripOf(source)->tabViews().size(), 2);
}

TEST(TabDrag, MovingTheLastTabAwayClosesItsWindow)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A"}));
    TestBrowser *target = TestBrowser::openWindow(list({"X"}));
    QPointer<BrowserWindow> sourceWindow = source->window();
    QPointer<QWidget> view = source->tab(0)->view();

    ASSERT_TRUE(TabDragController::moveTab(source->tab(0), target, 5));
    runDeferredDeletes();
    EXPECT_FALSE(sourceWindow);
    EXPECT_TRUE(view);
    EXPECT_EQ(target->titles(), list({"X", "A"}));
    EXPECT_EQ(browserWindows(), QList<BrowserWindow *>({target->window()}));
}

TEST(TabDrag, MoveWithinTheStripPutsTheTabIntoTheGapItWasDroppedIn)
{
    TestBrowser *browser = TestBrowser::openWindow(list({"A", "B", "C", "D"}));
    TabDragController::moveTab(browser->tab(0), browser, 3);
    EXPECT_EQ(browser->titles(), list({"B", "C", "A", "D"}));
    EXPECT_EQ(browser->activeTabIndex(), 2);
    TabDragController::moveTab(browser->tab(3), browser, 0);
    EXPECT_EQ(browser->titles(), list({"D", "B", "C", "A"}));
    TabDragController::moveTab(browser->tab(1), browser, 2);
    EXPECT_EQ(browser->titles(), list({"D", "B", "C", "A"}));
    EXPECT_EQ(browser->activeTabIndex(), 1);
}

TEST(TabDrag, TearOffMakesANewWindowOfTheSameKindWithTheTab)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A", "B", "C"}));
    TestTab *tab = source->tab(2);
    QWidget *view = tab->view();
    QObject *controller = tab->controller();

    Browser *torn = TabDragController::tearOffTab(tab, QPoint(300, 200));
    ASSERT_NE(torn, nullptr);
    ASSERT_NE(torn, source);
    EXPECT_NE(dynamic_cast<TestBrowser *>(torn), nullptr);
    EXPECT_EQ(source->titles(), list({"A", "B"}));
    ASSERT_EQ(torn->tabCount(), 1);
    EXPECT_EQ(torn->activeTabContents(), tab);
    EXPECT_EQ(tab->view(), view);
    EXPECT_EQ(tab->controller(), controller);
    BrowserWindow *window = torn->windowController()->window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(view->window(), window);
    EXPECT_EQ(window->size(), source->window()->size());
    EXPECT_EQ(browserWindows().size(), 2);
}

TEST(TabDrag, TearingOffATabAloneInItsWindowOnlyMovesTheWindow)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A"}));
    EXPECT_EQ(TabDragController::tearOffTab(source->tab(0), QPoint(123, 77)), source);
    EXPECT_EQ(source->window()->pos(), QPoint(123, 77));
    EXPECT_EQ(browserWindows().size(), 1);
}

TEST(TabDrag, EndOfDragMovesToTheNotedStripTearsOffOverNothingAndCancelChangesNothing)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A", "B", "C"}));
    TestBrowser *target = TestBrowser::openWindow(list({"X"}));

    TabMimeData cancelled(source->tab(0));
    EXPECT_EQ(TabDragController::finishDrag(cancelled, true, QPoint(10, 10)), source);
    EXPECT_EQ(source->titles(), list({"A", "B", "C"}));
    EXPECT_EQ(browserWindows().size(), 2);

    TabMimeData dropped(source->tab(0));
    dropped.recordDrop(target, 0);
    EXPECT_EQ(TabDragController::finishDrag(dropped, false, QPoint(10, 10)), target);
    EXPECT_EQ(target->titles(), list({"A", "X"}));

    TabMimeData overNothing(source->tab(0));
    Browser *torn = TabDragController::finishDrag(overNothing, false, QPoint(10, 10));
    ASSERT_NE(torn, nullptr);
    EXPECT_EQ(torn->activeTabContents()->title(), QStringLiteral("B"));
    EXPECT_EQ(source->titles(), list({"C"}));
    EXPECT_EQ(browserWindows().size(), 3);
}

TEST(TabDrag, DropNotedOnAStripWhoseWindowWentLeavesTheTabWhereItIs)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A", "B"}));
    TestBrowser *target = TestBrowser::openWindow(list({"X"}));
    TabMimeData data(source->tab(1));
    data.recordDrop(target, 0);
    target->window()->close();
    runDeferredDeletes();

    EXPECT_EQ(TabDragController::finishDrag(data, false, QPoint(10, 10)), source);
    EXPECT_EQ(source->titles(), list({"A", "B"}));
    EXPECT_EQ(browserWindows().size(), 1);
}

TEST(TabDrag, StripTakesOnlyLiveTabsOfThisProcess)
{
    TestBrowser *source = TestBrowser::openWindow(list({"A", "B"}));
    TestBrowser *target = TestBrowser::openWindow(list({"X", "Y"}));
    TabStripView *strip = stripOf(target);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/file.txt"))});
    QDragEnterEvent fileDrag(QPoint(20, 15), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &fileDrag);
    EXPECT_FALSE(fileDrag.isAccepted());

    // The private type coming from another process carries no tab of ours.
    QMimeData foreign;
    foreign.setData(TabMimeData::mimeType(), QByteArray("1"));
    QDragEnterEvent foreignDrag(QPoint(20, 15), Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &foreignDrag);
    EXPECT_FALSE(foreignDrag.isAccepted());

    TabMimeData tab(source->tab(1));
    EXPECT_TRUE(tab.hasFormat(TabMimeData::mimeType()));
    QDragEnterEvent tabDrag(QPoint(20, 15), Qt::MoveAction, &tab, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &tabDrag);
    EXPECT_TRUE(tabDrag.isAccepted());

    const QPoint afterFirstEar(strip->tabFrames().at(1).left() + 5, 15);
    QDropEvent drop(afterFirstEar, Qt::MoveAction, &tab, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_TRUE(tab.hasDrop());
    EXPECT_EQ(tab.dropBrowser(), target);
    EXPECT_EQ(tab.dropIndex(), 1);
    // Nothing moves before the drag is over.
    EXPECT_EQ(source->titles(), list({"A", "B"}));

    TabMimeData closedTab(source->tab(0));
    source->closeTabAtIndex(0);
    runDeferredDeletes();
    EXPECT_FALSE(TabDragController::canDropTab(&closedTab, target));
}

TEST(TabDrag, DraggingAnEarAlongTheStripReordersTheTabs)
{
    TestBrowser *browser = TestBrowser::openWindow(list({"A", "B", "C"}));
    TabStripView *strip = stripOf(browser);
    const QList<QRect> frames = strip->tabFrames();
    const int y = frames.at(0).center().y();

    sendMouse(strip, QEvent::MouseButtonPress, QPoint(frames.at(0).center().x(), y), Qt::LeftButton);
    EXPECT_EQ(browser->activeTabIndex(), 0);
    EXPECT_FALSE(ModalGate::isRaised()) << "a press alone is no drag";
    sendMouse(strip, QEvent::MouseMove, QPoint(frames.at(1).center().x() + 10, y), Qt::LeftButton);
    EXPECT_EQ(browser->titles(), list({"B", "A", "C"}));
    EXPECT_TRUE(ModalGate::isRaised()) << "deliveries wait while a tab is dragged";
    sendMouse(strip, QEvent::MouseMove, QPoint(frames.at(2).right() - 2, y), Qt::LeftButton);
    EXPECT_EQ(browser->titles(), list({"B", "C", "A"}));
    sendMouse(strip, QEvent::MouseButtonRelease, QPoint(frames.at(2).right() - 2, y), Qt::NoButton);
    EXPECT_FALSE(ModalGate::isRaised());
    EXPECT_EQ(browser->activeTabContents()->title(), QStringLiteral("A"));
    EXPECT_EQ(strip->tabViewAt(2)->contents()->title(), QStringLiteral("A"));

    // Moves without a pressed ear do nothing.
    sendMouse(strip, QEvent::MouseMove, QPoint(frames.at(0).center().x(), y), Qt::LeftButton);
    EXPECT_EQ(browser->titles(), list({"B", "C", "A"}));
}

TEST(TabDrag, AModalWindowOpeningUnderADraggedEarEndsTheDragSoDeliveriesGoOnAfterIt)
{
    TestBrowser *browser = TestBrowser::openWindow(list({"A", "B", "C"}));
    TabStripView *strip = stripOf(browser);
    const QList<QRect> frames = strip->tabFrames();
    const int y = frames.at(0).center().y();
    sendMouse(strip, QEvent::MouseButtonPress, QPoint(frames.at(0).center().x(), y), Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, QPoint(frames.at(1).center().x() + 10, y), Qt::LeftButton);
    ASSERT_TRUE(ModalGate::isRaised());

    {
        // An alert put off from earlier comes up; the release it takes never reaches the strip.
        QDialog alert(browser->window());
        alert.setWindowModality(Qt::ApplicationModal);
        alert.show();
    }
    EXPECT_FALSE(ModalGate::isRaised());
    EXPECT_EQ(browser->titles(), list({"B", "A", "C"}));

    // Moves that still come with the button held no longer drag the ear.
    sendMouse(strip, QEvent::MouseMove, QPoint(frames.at(2).right() - 2, y), Qt::LeftButton);
    EXPECT_EQ(browser->titles(), list({"B", "A", "C"}));
}

namespace {

// A strip whose window closes while a tab is dragged out of it, as a window closed from
// elsewhere during the drag's own event loop does.
class StripClosedDuringDrag : public TabStripView
{
protected:
    Qt::DropAction runDrag(QDrag *) override
    {
        window()->close();
        runDeferredDeletes();
        return Qt::IgnoreAction;
    }
};

} // namespace

TEST(TabDrag, AWindowClosedWhileATabIsDraggedOutOfItEndsTheDragWithoutTouchingTheStrip)
{
    TestBrowser *browser = TestBrowser::openWindow(list({"A", "B"}));
    auto *strip = new StripClosedDuringDrag;
    browser->window()->setTabStripView(strip);
    QPointer<TabStripView> guard(strip);
    const QList<QRect> frames = strip->tabFrames();
    const QPoint ear = frames.at(0).center();

    sendMouse(strip, QEvent::MouseButtonPress, ear, Qt::LeftButton);
    sendMouse(strip, QEvent::MouseMove, ear + QPoint(0, 200), Qt::LeftButton);

    EXPECT_FALSE(guard);
    EXPECT_FALSE(ModalGate::isRaised());
    EXPECT_TRUE(browserWindows().isEmpty());
}
