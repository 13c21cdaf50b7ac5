#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class BrowserWindowController;
class TabContents;
class TabStripModel;

// The browser of one window: its tabs, in order, and the active one. The window controller
// owns it; concrete browsers derive from it to make their own tabs and windows.
class Browser : public QObject
{
    Q_OBJECT

public:
    Browser();
    ~Browser() override;

    // Set once the controller of this browser's window exists.
    BrowserWindowController *windowController() const;
    TabStripModel *tabStripModel() const { return m_tabStripModel.get(); }

    // Appends the tab; the result is the tab itself.
    TabContents *addTabContents(std::unique_ptr<TabContents> contents, bool inForeground = true);
    // The new-tab command: a tab from createBlankTabBasedOn with no base, or nullptr.
    TabContents *addBlankTab();

    int tabCount() const;
    int activeTabIndex() const;
    TabContents *activeTabContents() const;
    TabContents *tabContentsAtIndex(int index) const;
    int indexOfTabContents(const TabContents *contents) const;

    void selectTabAtIndex(int index);
    void selectNextTab();
    void selectPreviousTab();
    // Closes the active tab.
    void closeTab();
    void closeTabAtIndex(int index);

    // A new blank tab, possibly based on an existing one; nullptr when this browser makes none.
    virtual std::unique_ptr<TabContents> createBlankTabBasedOn(TabContents *baseContents);
    // A new empty browser of this browser's kind with a window of its own, not yet shown;
    // a torn-off tab goes there.
    virtual Browser *createBrowserInNewWindow();

private:
    friend class BrowserWindowController;

    std::unique_ptr<TabStripModel> m_tabStripModel;
    QPointer<BrowserWindowController> m_windowController;
};
