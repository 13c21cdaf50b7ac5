#pragma once

#include "TestTab.h"

#include "Browser/TabKit/Browser.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

// A browser that makes blank tabs and windows of its own kind, as concrete browsers do.
class TestBrowser : public Browser
{
public:
    std::unique_ptr<TabContents> createBlankTabBasedOn(TabContents *baseContents) override
    {
        if (baseContents)
            return nullptr;
        return std::make_unique<TestTab>(QStringLiteral("Blank"));
    }

    Browser *createBrowserInNewWindow() override
    {
        return (new BrowserWindowController(std::make_unique<TestBrowser>()))->browser();
    }

    // A shown window whose tabs bear `titles`, the first one active.
    static TestBrowser *openWindow(const QStringList &titles)
    {
        auto *controller = new BrowserWindowController(std::make_unique<TestBrowser>());
        auto *browser = static_cast<TestBrowser *>(controller->browser());
        for (const QString &title : titles)
            browser->addTabContents(std::make_unique<TestTab>(title), false);
        controller->showWindow();
        return browser;
    }

    TestTab *tab(int index) const { return static_cast<TestTab *>(tabContentsAtIndex(index)); }

    QStringList titles() const
    {
        QStringList result;
        for (int index = 0; index < tabCount(); ++index)
            result << tabContentsAtIndex(index)->title();
        return result;
    }

    BrowserWindow *window() const { return windowController()->window(); }
};

inline QList<BrowserWindow *> browserWindows()
{
    QList<BrowserWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<BrowserWindow *>(widget))
            windows << window;
    }
    return windows;
}

// Runs the deletions that closing tabs and windows put off.
inline void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
