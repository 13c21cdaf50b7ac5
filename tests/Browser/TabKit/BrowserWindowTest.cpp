#include "TestBrowser.h"

#include "Browser/TabKit/TabStripModel.h"
#include "Browser/TabKit/TabStripView.h"
#include "Browser/TabKit/TabView.h"

#include <QMenuBar>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class CountingController : public BrowserWindowController
{
public:
    using BrowserWindowController::BrowserWindowController;
    int resizes = 0;

protected:
    void windowDidResize() override { ++resizes; }
};

class MarkedTabView : public TabView
{
public:
    using TabView::TabView;
};

class MarkedStrip : public TabStripView
{
protected:
    TabView *createTabView(TabContents *contents) override { return new MarkedTabView(contents, this); }
};

QPoint middleOfTab(TabStripView *strip, int index)
{
    return strip->tabFrames().at(index).center();
}

} // namespace

TEST(BrowserWindow, ShowsTheActiveTabsViewAndBearsItsTitle)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B")});
    BrowserWindow *window = browser->window();
    EXPECT_EQ(window->tabContentsArea()->currentWidget(), browser->tab(0)->view());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("A"));

    browser->selectNextTab();
    EXPECT_EQ(window->tabContentsArea()->currentWidget(), browser->tab(1)->view());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("B"));
    EXPECT_EQ(browser->tab(1)->timesBecameFirstResponder, 1);

    browser->tab(1)->setTitle(QStringLiteral("B renamed"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("B renamed"));
    browser->tab(0)->setTitle(QStringLiteral("A renamed"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("B renamed"));

    // A tab that gets a new view shows the new one.
    auto *replacement = new QLabel(QStringLiteral("replacement"));
    browser->tab(1)->setView(replacement);
    EXPECT_EQ(window->tabContentsArea()->currentWidget(), replacement);
    EXPECT_EQ(window->tabContentsArea()->count(), 2);
}

TEST(BrowserWindow, ClosingTheLastTabClosesTheWindow)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B")});
    QPointer<BrowserWindow> window = browser->window();
    QPointer<Browser> guard = browser;

    browser->closeTab();
    EXPECT_TRUE(window->isVisible());
    browser->closeTab();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());

    runDeferredDeletes();
    EXPECT_FALSE(window);
    EXPECT_FALSE(guard);
    EXPECT_TRUE(browserWindows().isEmpty());
}

TEST(BrowserWindow, ClosingTheWindowTakesItsTabsAndTheirViews)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B")});
    QPointer<TabContents> tab = browser->tab(1);
    QPointer<QWidget> view = tab->view();
    QPointer<QObject> controller = browser->tab(1)->controller();

    browser->window()->close();
    runDeferredDeletes();
    EXPECT_FALSE(tab);
    EXPECT_FALSE(view);
    EXPECT_FALSE(controller);
}

TEST(BrowserWindow, IsRecognisedByTypeFromAnyViewInside)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A")});
    BrowserWindowController *controller = browser->windowController();
    EXPECT_EQ(BrowserWindowController::browserWindowControllerForView(browser->tab(0)->view()), controller);
    EXPECT_EQ(BrowserWindowController::browserWindowControllerForWindow(browser->window()), controller);

    QMainWindow other;
    other.setObjectName(QStringLiteral("BrowserWindow"));
    QWidget inside(&other);
    EXPECT_EQ(BrowserWindowController::browserWindowControllerForWindow(&other), nullptr);
    EXPECT_EQ(BrowserWindowController::browserWindowControllerForView(&inside), nullptr);
    EXPECT_EQ(BrowserWindowController::browserWindowControllerForView(nullptr), nullptr);
}

TEST(BrowserWindow, EveryWindowGetsTheMenuBarOfTheOneBuilder)
{
    int built = 0;
    BrowserWindow::setMenuBarBuilder([&built](BrowserWindow *window) {
        ++built;
        auto *menuBar = new QMenuBar(window);
        menuBar->addMenu(QStringLiteral("File"));
        return menuBar;
    });
    TestBrowser *first = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B")});
    Browser *second = first->createBrowserInNewWindow();
    BrowserWindow::setMenuBarBuilder({});

    EXPECT_EQ(built, 2);
    for (Browser *browser : {static_cast<Browser *>(first), second}) {
        QMenuBar *menuBar = browser->windowController()->window()->menuBar();
        ASSERT_EQ(menuBar->actions().size(), 1);
        EXPECT_EQ(menuBar->actions().first()->text(), QStringLiteral("File"));
    }
}

TEST(BrowserWindow, ConcreteControllerHearsResizes)
{
    auto *controller = new CountingController(std::make_unique<TestBrowser>());
    controller->browser()->addTabContents(std::make_unique<TestTab>(QStringLiteral("A")));
    controller->showWindow();
    const int before = controller->resizes;
    controller->window()->resize(700, 500);
    EXPECT_GT(controller->resizes, before);
}

TEST(TabStripView, EarsFollowTheModelsOrderTitlesAndSelection)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    TabStripView *strip = browser->windowController()->tabStripView();
    browser->tabStripModel()->moveTabContentsAt(2, 0);
    browser->selectTabAtIndex(1);
    browser->closeTabAtIndex(2);

    ASSERT_EQ(strip->tabViews().size(), 2);
    EXPECT_EQ(strip->tabViewAt(0)->contents()->title(), QStringLiteral("C"));
    EXPECT_EQ(strip->tabViewAt(1)->contents()->title(), QStringLiteral("A"));
    EXPECT_FALSE(strip->tabViewAt(0)->isSelected());
    EXPECT_TRUE(strip->tabViewAt(1)->isSelected());
    EXPECT_EQ(strip->modelIndexForTabView(strip->tabViewAt(1)), 1);

    browser->tab(0)->setTitle(QStringLiteral("C renamed"));
    EXPECT_EQ(strip->tabViewAt(0)->toolTip(), QStringLiteral("C renamed"));
    const QList<QRect> frames = strip->tabFrames();
    EXPECT_EQ(strip->tabViewAt(1)->geometry(), frames.at(1));
    EXPECT_LT(frames.at(0).right(), frames.at(1).left());
}

TEST(TabStripView, PressOnAnEarSelectsItsTab)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B")});
    TabStripView *strip = browser->windowController()->tabStripView();
    QTest::mouseClick(strip, Qt::LeftButton, {}, middleOfTab(strip, 1));
    EXPECT_EQ(browser->activeTabIndex(), 1);
    QTest::mouseClick(strip->tabViewAt(0), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(browser->activeTabIndex(), 0);
}

TEST(TabStripView, CloseButtonClosesItsOwnTab)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    TabStripView *strip = browser->windowController()->tabStripView();
    strip->tabViewAt(1)->closeButton()->click();
    EXPECT_EQ(browser->titles(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(strip->tabViews().size(), 2);
}

TEST(TabStripView, NewTabButtonAddsAnActiveBlankTabWhenTheBrowserMakesOne)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A")});
    browser->windowController()->tabStripView()->newTabButton()->click();
    EXPECT_EQ(browser->titles(), QStringList({QStringLiteral("A"), QStringLiteral("Blank")}));
    EXPECT_EQ(browser->activeTabIndex(), 1);
    EXPECT_EQ(browser->createBlankTabBasedOn(browser->tab(0)), nullptr);

    // The plain browser makes no blank tabs; the button then does nothing.
    auto *plain = new BrowserWindowController(std::make_unique<Browser>());
    plain->browser()->addTabContents(std::make_unique<TestTab>(QStringLiteral("A")));
    plain->tabStripView()->newTabButton()->click();
    EXPECT_EQ(plain->browser()->tabCount(), 1);
}

TEST(TabStripView, ConcreteStripTakesOverTheTabsAlreadyOpen)
{
    TestBrowser *browser = TestBrowser::openWindow({QStringLiteral("A"), QStringLiteral("B")});
    browser->selectTabAtIndex(1);
    auto *strip = new MarkedStrip;
    strip->setRightMargin(15);
    browser->window()->setTabStripView(strip);

    EXPECT_EQ(browser->windowController()->tabStripView(), strip);
    ASSERT_EQ(strip->tabViews().size(), 2);
    EXPECT_NE(dynamic_cast<MarkedTabView *>(strip->tabViewAt(0)), nullptr);
    EXPECT_TRUE(strip->tabViewAt(1)->isSelected());
    browser->addTabContents(std::make_unique<TestTab>(QStringLiteral("C")));
    EXPECT_NE(dynamic_cast<MarkedTabView *>(strip->tabViewAt(2)), nullptr);
}
