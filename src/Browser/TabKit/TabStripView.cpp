#include "TabStripView.h"

#include "Browser.h"
#include "TabContents.h"
#include "TabDragController.h"
#include "TabMimeData.h"
#include "TabStripModel.h"
#include "TabView.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kStripHeight = 30;
constexpr int kTabHeight = TabStripView::tabHeight;
constexpr int kLeftMargin = 6;
constexpr int kMinTabWidth = 60;
constexpr int kMaxTabWidth = 200;
constexpr int kNewTabButtonSize = 22;
constexpr int kNewTabButtonGap = 4;
// How far above or below the strip a dragged tab may go before it leaves the strip.
constexpr int kTearOffDistance = 20;

} // namespace

TabStripView::TabStripView(QWidget *parent)
    : QWidget(parent)
    , m_newTabButton(new QToolButton(this))
{
    setObjectName(QStringLiteral("tabStripView"));
    setFixedHeight(kStripHeight);
    setAcceptDrops(true);
    m_newTabButton->setObjectName(QStringLiteral("newTabButton"));
    m_newTabButton->setAutoRaise(true);
    m_newTabButton->setFocusPolicy(Qt::NoFocus);
    m_newTabButton->setFixedSize(kNewTabButtonSize, kNewTabButtonSize);
    m_newTabButton->setText(QStringLiteral("+"));
    m_newTabButton->setToolTip(tr("New Tab"));
    connect(m_newTabButton, &QToolButton::clicked, this, [this] {
        if (m_browser)
            m_browser->addBlankTab();
    });
}

TabStripView::~TabStripView() = default;

Browser *TabStripView::browser() const
{
    return m_browser;
}

void TabStripView::setBrowser(Browser *browser)
{
    if (m_browser)
        disconnect(m_browser->tabStripModel(), nullptr, this, nullptr);
    clearTabViews();
    m_browser = browser;
    if (browser) {
        TabStripModel *model = browser->tabStripModel();
        connect(model, &TabStripModel::tabInsertedAt, this,
                [this](TabContents *contents, int index, bool) { tabInserted(contents, index); });
        connect(model, &TabStripModel::tabDetachedAt, this, [this](TabContents *, int index) { tabDetached(index); });
        connect(model, &TabStripModel::tabMoved, this, [this](TabContents *, int from, int to) { tabMoved(from, to); });
        connect(model, &TabStripModel::activeTabChanged, this,
                [this](TabContents *, TabContents *, int index) { activeTabChanged(index); });
        connect(model, &TabStripModel::tabChangedAt, this, [this](TabContents *, int index) { tabChanged(index); });
        for (int index = 0; index < model->count(); ++index)
            tabInserted(model->tabContentsAt(index), index);
        activeTabChanged(model->activeIndex());
    }
    layoutTabs();
}

void TabStripView::setRightMargin(int margin)
{
    m_rightMargin = margin;
    layoutTabs();
}

TabView *TabStripView::tabViewAt(int index) const
{
    return index >= 0 && index < m_tabViews.size() ? m_tabViews.at(index) : nullptr;
}

int TabStripView::modelIndexForTabView(const TabView *tabView) const
{
    return int(m_tabViews.indexOf(tabView));
}

QList<QRect> TabStripView::tabFrames() const
{
    QList<QRect> frames;
    const int count = int(m_tabViews.size());
    if (count == 0)
        return frames;
    const int overlap = tabOverlap();
    const int available = width() - kLeftMargin - m_rightMargin - kNewTabButtonGap - kNewTabButtonSize;
    const int tabWidth = std::clamp((available + (count - 1) * overlap) / count, kMinTabWidth, kMaxTabWidth);
    const int top = height() - kTabHeight;
    for (int index = 0; index < count; ++index)
        frames.append(QRect(kLeftMargin + index * (tabWidth - overlap), top, tabWidth, kTabHeight));
    return frames;
}

int TabStripView::tabIndexAt(const QPoint &point) const
{
    const QList<QRect> frames = tabFrames();
    // Where ears overlap, the selected one lies in front.
    const int active = m_browser ? m_browser->activeTabIndex() : -1;
    if (active >= 0 && active < frames.size() && frames.at(active).contains(point))
        return active;
    for (int index = 0; index < frames.size(); ++index) {
        if (frames.at(index).contains(point))
            return index;
    }
    return -1;
}

int TabStripView::insertionIndexForPosition(int x) const
{
    const QList<QRect> frames = tabFrames();
    return int(std::count_if(frames.begin(), frames.end(), [x](const QRect &frame) { return frame.center().x() < x; }));
}

TabView *TabStripView::createTabView(TabContents *contents)
{
    return new TabView(contents, this);
}

void TabStripView::paintStrip(QPainter &painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Button).darker(110));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

int TabStripView::tabOverlap() const
{
    return 0;
}

void TabStripView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintStrip(painter);
    if (m_dropIndicator < 0)
        return;
    const QList<QRect> frames = tabFrames();
    int x = kLeftMargin;
    if (!frames.isEmpty())
        x = m_dropIndicator < frames.size() ? frames.at(m_dropIndicator).left() : frames.last().right() + 1;
    painter.fillRect(QRect(x - 1, height() - kTabHeight, 2, kTabHeight), palette().color(QPalette::Highlight));
}

void TabStripView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void TabStripView::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    const int index = tabIndexAt(position);
    if (event->button() != Qt::LeftButton || index < 0 || !m_browser) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressedTab = m_browser->tabContentsAtIndex(index);
    m_pressPosition = position;
    m_pressOffsetInTab = position - tabFrames().at(index).topLeft();
    m_draggingTab = false;
    m_browser->selectTabAtIndex(index);
    event->accept();
}

void TabStripView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressedTab || !m_browser || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint position = event->position().toPoint();
    if (!m_draggingTab && (position - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_draggingTab) {
        m_gateWhileDragging = std::make_unique<ModalGate::Raise>();
        // A modal window opening meanwhile takes the release away from us; the drag ends there.
        window()->installEventFilter(this);
    }
    m_draggingTab = true;
    // Near the strip the tab follows the pointer along it; farther away it leaves as a drag.
    if (position.y() >= -kTearOffDistance && position.y() < height() + kTearOffDistance) {
        TabDragController::moveTab(m_pressedTab, m_browser, insertionIndexForPosition(position.x()));
        return;
    }
    TabContents *contents = m_pressedTab;
    m_pressedTab.clear();
    m_draggingTab = false;
    if (dragTabOut(contents))
        endTabDrag();
}

void TabStripView::mouseReleaseEvent(QMouseEvent *event)
{
    endTabDrag();
    QWidget::mouseReleaseEvent(event);
}

void TabStripView::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void TabStripView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!TabDragController::canDropTab(event->mimeData(), m_browser)) {
        event->ignore();
        setDropIndicator(-1);
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    setDropIndicator(insertionIndexForPosition(event->position().toPoint().x()));
}

void TabStripView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropIndicator(-1);
    QWidget::dragLeaveEvent(event);
}

void TabStripView::dropEvent(QDropEvent *event)
{
    setDropIndicator(-1);
    const auto *tabData = qobject_cast<const TabMimeData *>(event->mimeData());
    if (!tabData || !TabDragController::canDropTab(tabData, m_browser)) {
        event->ignore();
        return;
    }
    tabData->recordDrop(m_browser, insertionIndexForPosition(event->position().toPoint().x()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

bool TabStripView::eventFilter(QObject *watched, QEvent *event)
{
    if (m_draggingTab && watched == window() && event->type() == QEvent::WindowBlocked)
        endTabDrag();
    if (m_tabDragRunning && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        m_tabDragCancelled = true;
    return QWidget::eventFilter(watched, event);
}

void TabStripView::endTabDrag()
{
    m_pressedTab.clear();
    m_draggingTab = false;
    window()->removeEventFilter(this);
    m_gateWhileDragging.reset();
}

void TabStripView::clearTabViews()
{
    for (TabView *tabView : std::as_const(m_tabViews)) {
        tabView->hide();
        tabView->deleteLater();
    }
    m_tabViews.clear();
}

void TabStripView::tabInserted(TabContents *contents, int index)
{
    TabView *tabView = createTabView(contents);
    tabView->setParent(this);
    connect(tabView, &TabView::closeRequested, this, [this, tabView] { closeTabOfView(tabView); });
    m_tabViews.insert(index, tabView);
    tabView->show();
    layoutTabs();
}

void TabStripView::tabDetached(int index)
{
    TabView *tabView = tabViewAt(index);
    if (!tabView)
        return;
    m_tabViews.removeAt(index);
    // The ear may be the sender of the close that got us here.
    tabView->hide();
    tabView->deleteLater();
    layoutTabs();
}

void TabStripView::tabMoved(int from, int to)
{
    if (!tabViewAt(from) || !tabViewAt(to))
        return;
    m_tabViews.move(from, to);
    layoutTabs();
}

void TabStripView::activeTabChanged(int index)
{
    for (int position = 0; position < m_tabViews.size(); ++position)
        m_tabViews.at(position)->setSelected(position == index);
    layoutTabs();
}

void TabStripView::tabChanged(int index)
{
    if (TabView *tabView = tabViewAt(index))
        tabView->contentsChanged();
}

void TabStripView::closeTabOfView(TabView *tabView)
{
    const int index = modelIndexForTabView(tabView);
    if (m_browser && index >= 0)
        m_browser->closeTabAtIndex(index);
}

void TabStripView::layoutTabs()
{
    const QList<QRect> frames = tabFrames();
    for (int index = 0; index < frames.size(); ++index)
        m_tabViews.at(index)->setGeometry(frames.at(index));
    for (TabView *tabView : std::as_const(m_tabViews)) {
        if (tabView->isSelected())
            tabView->raise();
    }
    const int buttonX = frames.isEmpty() ? kLeftMargin : frames.last().right() + 1 + kNewTabButtonGap;
    m_newTabButton->move(buttonX, height() - kTabHeight + (kTabHeight - kNewTabButtonSize) / 2);
    update();
}

bool TabStripView::dragTabOut(TabContents *contents)
{
    const int index = m_browser->indexOfTabContents(contents);
    auto *tabData = new TabMimeData(contents);
    auto *drag = new QDrag(this);
    drag->setMimeData(tabData);
    if (TabView *tabView = tabViewAt(index)) {
        drag->setPixmap(tabView->grab());
        drag->setHotSpot(m_pressOffsetInTab);
    }
    // A torn-off window is placed so that its first ear lies under the pointer as this one did.
    const QPoint pointerInWindow = mapTo(window(), QPoint(kLeftMargin, height() - kTabHeight)) + m_pressOffsetInTab;

    // Escape ends a drag just as a drop over nothing does. The drag's own filter eats the key,
    // so ours goes in once the drag runs, in front of it.
    m_tabDragRunning = true;
    m_tabDragCancelled = false;
    QTimer::singleShot(0, this, [this] {
        if (m_tabDragRunning)
            qApp->installEventFilter(this);
    });
    // Qt deletes the drag, and the data with it, once control is back in the event loop. The
    // window may close while the drag runs; the strip, the drag and its data go with it.
    QPointer<TabStripView> self(this);
    const Qt::DropAction action = runDrag(drag);
    if (!self)
        return false;
    m_tabDragRunning = false;
    qApp->removeEventFilter(this);
    const bool cancelled = action == Qt::IgnoreAction && m_tabDragCancelled;
    TabDragController::finishDrag(*tabData, cancelled, QCursor::pos() - pointerInWindow);
    return true;
}

Qt::DropAction TabStripView::runDrag(QDrag *drag)
{
    return drag->exec(Qt::MoveAction);
}

void TabStripView::setDropIndicator(int insertionIndex)
{
    if (m_dropIndicator == insertionIndex)
        return;
    m_dropIndicator = insertionIndex;
    update();
}
