#pragma once

#include "Platform/ModalGate.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

class Browser;
class QDrag;
class QPainter;
class QToolButton;
class TabContents;
class TabView;

// The strip of one window: an ear per tab in the browser's order, the active one selected,
// and a new-tab button after the last ear. A press selects a tab; dragging it along the strip
// reorders, dragging it away starts a drag of the private tab type that another window's strip
// takes, or that tears the tab off. The strip accepts no other drag.
class TabStripView : public QWidget
{
    Q_OBJECT

public:
    // The ears' height; they stand on the strip's bottom edge.
    static constexpr int tabHeight = 26;

    explicit TabStripView(QWidget *parent = nullptr);
    ~TabStripView() override;

    Browser *browser() const;
    // Follows `browser`'s tab strip model from now on.
    void setBrowser(Browser *browser);

    int rightMargin() const { return m_rightMargin; }
    void setRightMargin(int margin);

    const QList<TabView *> &tabViews() const { return m_tabViews; }
    TabView *tabViewAt(int index) const;
    int modelIndexForTabView(const TabView *tabView) const;
    QToolButton *newTabButton() const { return m_newTabButton; }

    // The ears' frames, in the model's order.
    QList<QRect> tabFrames() const;
    // The ear under `point`, or -1.
    int tabIndexAt(const QPoint &point) const;
    // The gap a tab dropped at `x` goes into: the number of ears whose middle lies left of x.
    int insertionIndexForPosition(int x) const;

protected:
    // The ear for a new tab; concrete strips make their own.
    virtual TabView *createTabView(TabContents *contents);
    // The strip's background, under the ears; plain here.
    virtual void paintStrip(QPainter &painter);
    // Runs the drag of a tab out of the strip in its own event loop.
    virtual Qt::DropAction runDrag(QDrag *drag);
    // How far neighbouring ears reach over each other; none here.
    virtual int tabOverlap() const;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The press or drag of an ear is over; deliveries may go on.
    void endTabDrag();
    void clearTabViews();
    void tabInserted(TabContents *contents, int index);
    void tabDetached(int index);
    void tabMoved(int from, int to);
    void activeTabChanged(int index);
    void tabChanged(int index);
    void closeTabOfView(TabView *tabView);
    void layoutTabs();
    // False when the strip went while the drag ran.
    bool dragTabOut(TabContents *contents);
    void setDropIndicator(int insertionIndex);

    QPointer<Browser> m_browser;
    QList<TabView *> m_tabViews;
    QToolButton *m_newTabButton;
    int m_rightMargin = 0;

    QPointer<TabContents> m_pressedTab;
    QPoint m_pressPosition;
    QPoint m_pressOffsetInTab;
    bool m_draggingTab = false;
    // Deliveries wait while a tab is dragged, along the strip or out of it.
    std::unique_ptr<ModalGate::Raise> m_gateWhileDragging;
    bool m_tabDragRunning = false;
    bool m_tabDragCancelled = false;
    int m_dropIndicator = -1;
};
