#pragma once

#include <QObject>

#include <memory>
#include <vector>

class Browser;
class TabContents;

// The order of one window's tabs and which of them is active. It owns the tabs it holds;
// a detached tab goes to its caller. Views follow it through its signals.
class TabStripModel : public QObject
{
    Q_OBJECT

public:
    // `browser` is what the tabs held here answer as their browser.
    explicit TabStripModel(Browser *browser);
    ~TabStripModel() override;

    int count() const { return int(m_contents.size()); }
    bool empty() const { return m_contents.empty(); }
    bool containsIndex(int index) const { return index >= 0 && index < count(); }

    TabContents *tabContentsAt(int index) const;
    int indexOfTabContents(const TabContents *contents) const;
    int activeIndex() const { return m_activeIndex; }
    TabContents *activeTabContents() const { return tabContentsAt(m_activeIndex); }

    // `index` is clamped to 0..count(). The first tab of an empty strip becomes active whatever
    // `activate` says.
    TabContents *insertTabContentsAt(int index, std::unique_ptr<TabContents> contents, bool activate);
    // Takes the tab out without destroying it. When it was active, its right neighbour becomes
    // active, or the left one when it was the last.
    std::unique_ptr<TabContents> detachTabContentsAt(int index);
    // Detaches and destroys the tab, later: a tab may close itself from its own handler.
    void closeTabContentsAt(int index);
    // `to` is the tab's index after the move.
    void moveTabContentsAt(int from, int to);
    void activateTabAt(int index);
    // Both wrap around the ends.
    void selectNextTab();
    void selectPreviousTab();

signals:
    void tabInsertedAt(TabContents *contents, int index, bool foreground);
    void tabDetachedAt(TabContents *contents, int index);
    void tabMoved(TabContents *contents, int from, int to);
    // `previous` may already be detached; `current` is nullptr once the strip is empty.
    void activeTabChanged(TabContents *previous, TabContents *current, int index);
    // The tab's title, icon or view changed.
    void tabChangedAt(TabContents *contents, int index);
    // The last tab left the strip.
    void tabStripEmpty();

private:
    void announceChange(TabContents *contents);

    Browser *m_browser;
    std::vector<std::unique_ptr<TabContents>> m_contents;
    int m_activeIndex = -1;
};
