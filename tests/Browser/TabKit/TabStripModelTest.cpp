#include "TestBrowser.h"

#include "Browser/TabKit/TabStripModel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A browser without a window: the model alone.
struct Strip
{
    explicit Strip(const QStringList &titles)
    {
        for (const QString &title : titles)
            browser.addTabContents(std::make_unique<TestTab>(title), false);
    }

    TabStripModel *model() const { return browser.tabStripModel(); }
    QString activeTitle() const
    {
        return browser.activeTabContents() ? browser.activeTabContents()->title() : QString();
    }

    TestBrowser browser;
};

} // namespace

TEST(TabStripModel, FirstTabBecomesActiveEvenWhenAddedInBackground)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("A"));
    strip.browser.addTabContents(std::make_unique<TestTab>(QStringLiteral("C")), true);
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("C"));
    EXPECT_EQ(strip.browser.activeTabIndex(), 2);
}

TEST(TabStripModel, NextAndPreviousWrapAroundTheEnds)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    strip.browser.selectPreviousTab();
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("C"));
    strip.browser.selectNextTab();
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("A"));
    strip.browser.selectNextTab();
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("B"));
    strip.browser.selectTabAtIndex(7);
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("B"));
}

TEST(TabStripModel, ClosingActiveTabActivatesRightNeighbourOrLeftOneAtTheEnd)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    strip.browser.selectTabAtIndex(1);
    strip.browser.closeTab();
    EXPECT_EQ(strip.browser.titles(), QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("C"));
    strip.browser.closeTab();
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("A"));
    EXPECT_EQ(strip.browser.activeTabIndex(), 0);
}

TEST(TabStripModel, ClosingTabBeforeActiveKeepsActiveTabWithoutAnnouncingAChange)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    strip.browser.selectTabAtIndex(2);
    QSignalSpy activeChanges(strip.model(), &TabStripModel::activeTabChanged);
    strip.browser.closeTabAtIndex(0);
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("C"));
    EXPECT_EQ(strip.browser.activeTabIndex(), 1);
    EXPECT_EQ(activeChanges.count(), 0);
}

TEST(TabStripModel, ReorderKeepsTheActiveTabAndAnnouncesBothIndices)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    strip.browser.selectTabAtIndex(1);
    QSignalSpy moves(strip.model(), &TabStripModel::tabMoved);
    strip.model()->moveTabContentsAt(0, 3);
    EXPECT_EQ(strip.browser.titles(),
              QStringList({QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("A")}));
    EXPECT_EQ(strip.activeTitle(), QStringLiteral("B"));
    EXPECT_EQ(strip.browser.activeTabIndex(), 0);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.at(0).at(1).toInt(), 0);
    EXPECT_EQ(moves.at(0).at(2).toInt(), 3);

    strip.model()->moveTabContentsAt(2, 9);
    EXPECT_EQ(moves.count(), 1);
}

TEST(TabStripModel, ClosedTabLeavesItsBrowserAtOnceAndIsDestroyedLater)
{
    Strip strip({QStringLiteral("A")});
    QPointer<TabContents> tab = strip.browser.tabContentsAtIndex(0);
    QPointer<QWidget> view = tab->view();
    QSignalSpy emptied(strip.model(), &TabStripModel::tabStripEmpty);

    strip.browser.closeTab();
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->browser(), nullptr);
    EXPECT_EQ(strip.browser.tabCount(), 0);
    EXPECT_EQ(strip.browser.activeTabIndex(), -1);
    EXPECT_EQ(emptied.count(), 1);

    runDeferredDeletes();
    EXPECT_FALSE(tab);
    EXPECT_FALSE(view);
}

TEST(TabStripModel, TabMayCloseItselfFromItsOwnHandler)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B")});
    TestTab *tab = strip.browser.tab(0);
    QPointer<TabContents> guard = tab;
    bool wholeInsideHandler = false;
    QObject::connect(tab, &TabContents::titleChanged, tab, [&] {
        tab->browser()->closeTabAtIndex(tab->browser()->indexOfTabContents(tab));
        wholeInsideHandler = !guard.isNull();
    });
    tab->setTitle(QStringLiteral("renamed"));
    EXPECT_TRUE(wholeInsideHandler);
    EXPECT_EQ(strip.browser.titles(), QStringList({QStringLiteral("B")}));
    runDeferredDeletes();
    EXPECT_TRUE(guard.isNull());
}

TEST(TabStripModel, TitleIconAndViewChangesAnnounceTheTabAtItsIndex)
{
    Strip strip({QStringLiteral("A"), QStringLiteral("B")});
    QSignalSpy changes(strip.model(), &TabStripModel::tabChangedAt);
    TestTab *tab = strip.browser.tab(1);
    tab->setTitle(QStringLiteral("B2"));
    tab->setIcon(QIcon());
    tab->setView(new QLabel(QStringLiteral("other")));
    ASSERT_EQ(changes.count(), 3);
    for (const QList<QVariant> &change : changes)
        EXPECT_EQ(change.at(1).toInt(), 1);

    // A detached tab no longer speaks for the strip.
    std::unique_ptr<TabContents> detached = strip.model()->detachTabContentsAt(1);
    detached->setTitle(QStringLiteral("B3"));
    EXPECT_EQ(changes.count(), 3);
}
