#include "Browser.h"

#include "BrowserWindowController.h"
#include "TabContents.h"
#include "TabStripModel.h"

Browser::Browser()
    : m_tabStripModel(std::make_unique<TabStripModel>(this))
{
}

Browser::~Browser() = default;

BrowserWindowController *Browser::windowController() const
{
    return m_windowController;
}

TabContents *Browser::addTabContents(std::unique_ptr<TabContents> contents, bool inForeground)
{
    return m_tabStripModel->insertTabContentsAt(m_tabStripModel->count(), std::move(contents), inForeground);
}

TabContents *Browser::addBlankTab()
{
    std::unique_ptr<TabContents> contents = createBlankTabBasedOn(nullptr);
    return contents ? addTabContents(std::move(contents), true) : nullptr;
}

int Browser::tabCount() const
{
    return m_tabStripModel->count();
}

int Browser::activeTabIndex() const
{
    return m_tabStripModel->activeIndex();
}

TabContents *Browser::activeTabContents() const
{
    return m_tabStripModel->activeTabContents();
}

TabContents *Browser::tabContentsAtIndex(int index) const
{
    return m_tabStripModel->tabContentsAt(index);
}

int Browser::indexOfTabContents(const TabContents *contents) const
{
    return m_tabStripModel->indexOfTabContents(contents);
}

void Browser::selectTabAtIndex(int index)
{
    m_tabStripModel->activateTabAt(index);
}

void Browser::selectNextTab()
{
    m_tabStripModel->selectNextTab();
}

void Browser::selectPreviousTab()
{
    m_tabStripModel->selectPreviousTab();
}

void Browser::closeTab()
{
    m_tabStripModel->closeTabContentsAt(m_tabStripModel->activeIndex());
}

void Browser::closeTabAtIndex(int index)
{
    m_tabStripModel->closeTabContentsAt(index);
}

std::unique_ptr<TabContents> Browser::createBlankTabBasedOn(TabContents *)
{
    return nullptr;
}

Browser *Browser::createBrowserInNewWindow()
{
    // The new window owns its controller, and the controller the browser.
    return (new BrowserWindowController(std::make_unique<Browser>()))->browser();
}
