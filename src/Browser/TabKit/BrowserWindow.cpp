#include "BrowserWindow.h"

#include "BrowserWindowController.h"
#include "TabStripView.h"

#include <QEvent>
#include <QMenuBar>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

BrowserWindow::MenuBarBuilder &menuBarBuilder()
{
    static BrowserWindow::MenuBarBuilder builder;
    return builder;
}

} // namespace

void BrowserWindow::setMenuBarBuilder(MenuBarBuilder builder)
{
    menuBarBuilder() = std::move(builder);
}

BrowserWindow::BrowserWindow(BrowserWindowController *controller)
    : m_controller(controller)
{
    setAttribute(Qt::WA_DeleteOnClose);
    controller->setParent(this);

    auto *central = new QWidget(this);
    m_layout = new QVBoxLayout(central);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_tabStripView = new TabStripView(central);
    m_tabStripView->setBrowser(controller->browser());
    m_tabContentsArea = new QStackedWidget(central);
    m_tabContentsArea->setObjectName(QStringLiteral("tabContentsArea"));
    m_layout->addWidget(m_tabStripView);
    m_layout->addWidget(m_tabContentsArea, 1);
    setCentralWidget(central);
    resize(960, 640);

    if (const MenuBarBuilder &builder = menuBarBuilder()) {
        if (QMenuBar *menuBar = builder(this))
            setMenuBar(menuBar);
    }
}

BrowserWindow::~BrowserWindow()
{
    // The tabs go first, while the widgets that show them are still whole.
    delete m_controller.data();
}

BrowserWindowController *BrowserWindow::windowController() const
{
    return m_controller;
}

void BrowserWindow::setTabStripView(TabStripView *tabStripView)
{
    if (!tabStripView || tabStripView == m_tabStripView)
        return;
    delete m_layout->replaceWidget(m_tabStripView, tabStripView);
    delete m_tabStripView;
    m_tabStripView = tabStripView;
    m_tabStripView->setBrowser(m_controller ? m_controller->browser() : nullptr);
}

void BrowserWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !m_controller)
        return;
    if (isActiveWindow())
        m_controller->windowDidBecomeKey();
    else
        m_controller->windowDidResignKey();
}

void BrowserWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_controller)
        m_controller->windowDidResize();
}
