#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>

class BrowserWindowController;
class QMenuBar;
class QStackedWidget;
class QVBoxLayout;
class TabStripView;

// A browser window: the menu bar, the tab strip, and below it the views of the tabs, one
// shown at a time. Its controller builds it; other code recognises it by its type.
// It deletes itself when closed, and its controller, browser and tabs with it.
class BrowserWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the menu bar of every browser window as it is created; the application shell
    // installs one builder for all windows, torn-off ones included.
    using MenuBarBuilder = std::function<QMenuBar *(BrowserWindow *window)>;
    static void setMenuBarBuilder(MenuBarBuilder builder);

    // Takes ownership of `controller`.
    explicit BrowserWindow(BrowserWindowController *controller);
    ~BrowserWindow() override;

    BrowserWindowController *windowController() const;
    TabStripView *tabStripView() const { return m_tabStripView; }
    // Replaces the plain strip by a concrete one, bound to this window's browser; takes ownership.
    void setTabStripView(TabStripView *tabStripView);
    QStackedWidget *tabContentsArea() const { return m_tabContentsArea; }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<BrowserWindowController> m_controller;
    QVBoxLayout *m_layout = nullptr;
    TabStripView *m_tabStripView = nullptr;
    QStackedWidget *m_tabContentsArea = nullptr;
};
