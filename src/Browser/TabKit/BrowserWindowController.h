#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class Browser;
class BrowserWindow;
class QWidget;
class TabContents;
class TabStripView;

// Creates the window of one browser and keeps it in step with the browser's tabs: the active
// tab's view is shown, the window bears its title, and the window closes with its last tab.
// The window owns this controller, which owns the browser.
class BrowserWindowController : public QObject
{
    Q_OBJECT

public:
    // Creates the window (hidden) and hands itself to it.
    explicit BrowserWindowController(std::unique_ptr<Browser> browser);
    ~BrowserWindowController() override;

    Browser *browser() const { return m_browser.get(); }
    BrowserWindow *window() const;
    TabStripView *tabStripView() const;

    // Shows the window in front and makes it the active window.
    void showWindow();

    // The controller of a browser window, found by the window's type; nullptr for other windows.
    static BrowserWindowController *browserWindowControllerForWindow(const QWidget *window);
    // The same for the window that holds `view`.
    static BrowserWindowController *browserWindowControllerForView(const QWidget *view);

protected:
    // Hooks for concrete window controllers; the kit itself needs nothing here.
    virtual void windowDidBecomeKey() {}
    virtual void windowDidResignKey() {}
    virtual void windowDidResize() {}

private:
    friend class BrowserWindow;

    void placeView(TabContents *contents);
    void tabDetached(TabContents *contents);
    void activeTabChanged(TabContents *current);
    void tabChanged(TabContents *contents);
    void updateWindowTitle();

    std::unique_ptr<Browser> m_browser;
    QPointer<BrowserWindow> m_window;
};
