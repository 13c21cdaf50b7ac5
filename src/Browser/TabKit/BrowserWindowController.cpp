#include "BrowserWindowController.h"

#include "Browser.h"
#include "BrowserWindow.h"
#include "TabContents.h"
#include "TabStripModel.h"

#include <QStackedWidget>

BrowserWindowController::BrowserWindowController(std::unique_ptr<Browser> browser)
    : m_browser(std::move(browser))
{
    Q_ASSERT(m_browser);
    m_browser->m_windowController = this;
    m_window = new BrowserWindow(this);

    TabStripModel *model = m_browser->tabStripModel();
    connect(model, &TabStripModel::tabInsertedAt, this,
            [this](TabContents *contents, int, bool) { placeView(contents); });
    connect(model, &TabStripModel::tabDetachedAt, this, [this](TabContents *contents, int) { tabDetached(contents); });
    connect(model, &TabStripModel::activeTabChanged, this,
            [this](TabContents *, TabContents *current, int) { activeTabChanged(current); });
    connect(model, &TabStripModel::tabChangedAt, this, [this](TabContents *contents, int) { tabChanged(contents); });
    // Closing is deferred by the window itself, so a tab may close its own window from its handler.
    connect(model, &TabStripModel::tabStripEmpty, m_window.data(), &QWidget::close);

    for (int index = 0; index < model->count(); ++index)
        placeView(model->tabContentsAt(index));
    activeTabChanged(model->activeTabContents());
}

BrowserWindowController::~BrowserWindowController() = default;

BrowserWindow *BrowserWindowController::window() const
{
    return m_window;
}

TabStripView *BrowserWindowController::tabStripView() const
{
    return m_window ? m_window->tabStripView() : nullptr;
}

void BrowserWindowController::showWindow()
{
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

BrowserWindowController *BrowserWindowController::browserWindowControllerForWindow(const QWidget *window)
{
    const auto *browserWindow = qobject_cast<const BrowserWindow *>(window);
    return browserWindow ? browserWindow->windowController() : nullptr;
}

BrowserWindowController *BrowserWindowController::browserWindowControllerForView(const QWidget *view)
{
    return view ? browserWindowControllerForWindow(view->window()) : nullptr;
}

void BrowserWindowController::placeView(TabContents *contents)
{
    QWidget *view = contents ? contents->view() : nullptr;
    QStackedWidget *area = m_window->tabContentsArea();
    if (view && area->indexOf(view) < 0)
        area->addWidget(view);
}

void BrowserWindowController::tabDetached(TabContents *contents)
{
    QWidget *view = contents->view();
    if (!view)
        return;
    // The view stays with its tab, hidden and parentless, until another window takes it.
    m_window->tabContentsArea()->removeWidget(view);
    view->setParent(nullptr);
}

void BrowserWindowController::activeTabChanged(TabContents *current)
{
    if (current) {
        placeView(current);
        if (QWidget *view = current->view())
            m_window->tabContentsArea()->setCurrentWidget(view);
    }
    updateWindowTitle();
    if (current)
        current->becomeFirstResponder();
}

void BrowserWindowController::tabChanged(TabContents *contents)
{
    placeView(contents);
    if (contents != m_browser->activeTabContents())
        return;
    if (QWidget *view = contents->view())
        m_window->tabContentsArea()->setCurrentWidget(view);
    updateWindowTitle();
}

void BrowserWindowController::updateWindowTitle()
{
    const TabContents *active = m_browser->activeTabContents();
    m_window->setWindowTitle(active ? active->title() : QString());
}
