#include "TabStripModel.h"

#include "Browser.h"
#include "TabContents.h"

#include <algorithm>

TabStripModel::TabStripModel(Browser *browser)
    : m_browser(browser)
{
}

TabStripModel::~TabStripModel()
{
    // No announcements here: the window that would hear them is going too.
    for (const auto &contents : m_contents) {
        disconnect(contents.get(), nullptr, this, nullptr);
        contents->m_browser = nullptr;
    }
    m_contents.clear();
}

TabContents *TabStripModel::tabContentsAt(int index) const
{
    return containsIndex(index) ? m_contents[size_t(index)].get() : nullptr;
}

int TabStripModel::indexOfTabContents(const TabContents *contents) const
{
    for (int index = 0; index < count(); ++index) {
        if (m_contents[size_t(index)].get() == contents)
            return index;
    }
    return -1;
}

TabContents *TabStripModel::insertTabContentsAt(int index, std::unique_ptr<TabContents> contents, bool activate)
{
    if (!contents)
        return nullptr;
    index = std::clamp(index, 0, count());
    TabContents *tab = contents.get();
    tab->m_browser = m_browser;
    connect(tab, &TabContents::titleChanged, this, [this, tab] { announceChange(tab); });
    connect(tab, &TabContents::iconChanged, this, [this, tab] { announceChange(tab); });
    connect(tab, &TabContents::viewChanged, this, [this, tab] { announceChange(tab); });
    m_contents.insert(m_contents.begin() + index, std::move(contents));
    if (m_activeIndex >= index)
        ++m_activeIndex;

    emit tabInsertedAt(tab, index, activate);
    if (activate || m_activeIndex < 0)
        activateTabAt(indexOfTabContents(tab));
    return tab;
}

std::unique_ptr<TabContents> TabStripModel::detachTabContentsAt(int index)
{
    if (!containsIndex(index))
        return nullptr;
    std::unique_ptr<TabContents> contents = std::move(m_contents[size_t(index)]);
    m_contents.erase(m_contents.begin() + index);
    TabContents *tab = contents.get();
    disconnect(tab, nullptr, this, nullptr);
    tab->m_browser = nullptr;

    const bool wasActive = index == m_activeIndex;
    if (index < m_activeIndex)
        --m_activeIndex;
    else if (wasActive)
        m_activeIndex = empty() ? -1 : std::min(index, count() - 1);

    emit tabDetachedAt(tab, index);
    if (wasActive)
        emit activeTabChanged(tab, activeTabContents(), m_activeIndex);
    if (empty())
        emit tabStripEmpty();
    return contents;
}

void TabStripModel::closeTabContentsAt(int index)
{
    if (std::unique_ptr<TabContents> contents = detachTabContentsAt(index))
        contents.release()->deleteLater();
}

void TabStripModel::moveTabContentsAt(int from, int to)
{
    if (!containsIndex(from) || !containsIndex(to) || from == to)
        return;
    TabContents *active = activeTabContents();
    std::unique_ptr<TabContents> moved = std::move(m_contents[size_t(from)]);
    m_contents.erase(m_contents.begin() + from);
    TabContents *tab = moved.get();
    m_contents.insert(m_contents.begin() + to, std::move(moved));
    m_activeIndex = indexOfTabContents(active);
    emit tabMoved(tab, from, to);
}

void TabStripModel::activateTabAt(int index)
{
    if (!containsIndex(index) || index == m_activeIndex)
        return;
    TabContents *previous = activeTabContents();
    m_activeIndex = index;
    emit activeTabChanged(previous, tabContentsAt(index), index);
}

void TabStripModel::selectNextTab()
{
    if (!empty())
        activateTabAt((m_activeIndex + 1) % count());
}

void TabStripModel::selectPreviousTab()
{
    if (!empty())
        activateTabAt((m_activeIndex - 1 + count()) % count());
}

void TabStripModel::announceChange(TabContents *contents)
{
    emit tabChangedAt(contents, indexOfTabContents(contents));
}
