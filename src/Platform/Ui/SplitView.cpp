#include "SplitView.h"

#include "SplitViewDelegate.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A thin divider is hard to hit: its handle reaches this far whatever the drawn thickness.
constexpr int smallestGrip = 5;

} // namespace

// The grip over one divider: it only turns mouse drags into divider moves and paints nothing.
class SplitView::Grip : public QWidget
{
public:
    Grip(SplitView *view, int index)
        : QWidget(view)
        , m_view(view)
        , m_index(index)
    {
        setCursor(view->orientation() == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_view->beginDrag(m_index, mapToParent(event->position()));
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->buttons() & Qt::LeftButton)
            m_view->dragTo(mapToParent(event->position()));
    }
    void mouseReleaseEvent(QMouseEvent *) override { m_view->m_draggedDivider = -1; }

private:
    SplitView *m_view;
    int m_index;
};

SplitView::SplitView(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
}

SplitView::~SplitView() = default;

void SplitView::addSubview(QWidget *subview)
{
    subview->setParent(this);
    m_panes.append(
        Pane{subview, 0, m_orientation == Qt::Horizontal ? qreal(subview->width()) : qreal(subview->height()), false});
    if (m_panes.size() > 1)
        m_grips.append(new Grip(this, int(m_grips.size())));
    layOut();
}

QList<QWidget *> SplitView::subviews() const
{
    QList<QWidget *> result;
    for (const Pane &pane : m_panes)
        result.append(pane.view);
    return result;
}

qreal SplitView::dividerThickness() const
{
    return 1.0;
}

QColor SplitView::dividerColor() const
{
    return palette().color(QPalette::Mid);
}

qreal SplitView::length() const
{
    return m_orientation == Qt::Horizontal ? width() : height();
}

qreal SplitView::alongAxis(const QPointF &point) const
{
    return m_orientation == Qt::Horizontal ? point.x() : point.y();
}

QRectF SplitView::rectOnAxis(qreal start, qreal extent) const
{
    if (m_orientation == Qt::Horizontal)
        return QRectF(start, 0, extent, height());
    return QRectF(0, start, width(), extent);
}

bool SplitView::isDividerHidden(int index) const
{
    const bool besideCollapsed = m_panes.at(index).collapsed || m_panes.at(index + 1).collapsed;
    return besideCollapsed && m_delegate
           && m_delegate->splitViewShouldHideDividerAtIndex(const_cast<SplitView *>(this), index);
}

qreal SplitView::thicknessOfDivider(int index) const
{
    return isDividerHidden(index) ? 0.0 : dividerThickness();
}

qreal SplitView::positionOfDivider(int index) const
{
    if (index < 0 || index >= m_panes.size() - 1)
        return 0.0;
    const Pane &pane = m_panes.at(index);
    return pane.start + (pane.collapsed ? 0.0 : pane.extent);
}

// Where the pane after divider `index` ends: at the next divider or at the view's far edge.
qreal SplitView::endOfPaneAfter(int index) const
{
    return index + 1 < m_panes.size() - 1 ? positionOfDivider(index + 1) : length();
}

bool SplitView::canCollapse(int index) const
{
    return m_delegate && m_delegate->splitViewCanCollapseSubview(const_cast<SplitView *>(this), m_panes.at(index).view);
}

bool SplitView::isSubviewCollapsed(QWidget *subview) const
{
    // A pane whose widget is gone must not answer for a missing one.
    if (!subview)
        return false;
    for (const Pane &pane : m_panes) {
        if (pane.view == subview)
            return pane.collapsed;
    }
    return false;
}

QRectF SplitView::frameOfSubview(QWidget *subview) const
{
    // A pane whose widget is gone must not answer for a missing one.
    if (!subview)
        return {};
    for (const Pane &pane : m_panes) {
        if (pane.view == subview)
            return rectOnAxis(pane.start, pane.extent);
    }
    return {};
}

QRectF SplitView::dividerRect(int index) const
{
    if (index < 0 || index >= m_panes.size() - 1 || isDividerHidden(index))
        return {};
    return rectOnAxis(positionOfDivider(index), dividerThickness());
}

void SplitView::setPosition(qreal position, int index)
{
    moveDivider(position, index);
    layOut();
    announceChange();
}

void SplitView::moveDivider(qreal position, int index)
{
    if (index < 0 || index >= m_panes.size() - 1)
        return;
    Pane &before = m_panes[index];
    Pane &after = m_panes[index + 1];
    const qreal start = before.start;
    const qreal end = endOfPaneAfter(index);
    const qreal thickness = dividerThickness();

    // A pane collapses when the divider reaches its outer edge; it keeps its size, and its
    // neighbour takes the room, the divider's too when the divider hides.
    if (position >= end && canCollapse(index + 1)) {
        after.collapsed = true;
        before.collapsed = false;
        before.extent = end - start - thicknessOfDivider(index);
    } else if (position <= start && canCollapse(index)) {
        before.collapsed = true;
        after.collapsed = false;
        after.extent = end - start - thicknessOfDivider(index);
    } else {
        const qreal p = std::clamp(position, start, std::max(start, end - thickness));
        before.collapsed = false;
        before.extent = p - start;
        after.collapsed = false;
        after.extent = std::max(0.0, end - thickness - p);
    }
}

void SplitView::adjustSubviews()
{
    fitPanes();
    layOut();
    announceChange();
}

void SplitView::fitPanes()
{
    QList<int> shown;
    QList<int> adjustable;
    qreal taken = 0;
    for (int i = 0; i < m_panes.size(); ++i) {
        if (i < m_panes.size() - 1)
            taken += thicknessOfDivider(i);
        if (m_panes.at(i).collapsed)
            continue;
        shown.append(i);
        taken += m_panes.at(i).extent;
        if (!m_delegate || m_delegate->splitViewShouldAdjustSizeOfSubview(this, m_panes.at(i).view))
            adjustable.append(i);
    }
    if (adjustable.isEmpty())
        adjustable = shown;

    // Shares the difference out by size; what a pane cannot give up below zero passes on.
    const auto shareOut = [this](QList<int> group, qreal rest) {
        while (rest != 0 && !group.isEmpty()) {
            qreal total = 0;
            for (int i : group)
                total += m_panes.at(i).extent;
            qreal shortfall = 0;
            QList<int> further;
            for (int i : group) {
                qreal &extent = m_panes[i].extent;
                extent += rest * (total > 0 ? extent / total : 1.0 / qreal(group.size()));
                if (extent < 0) {
                    shortfall += extent;
                    extent = 0;
                } else {
                    further.append(i);
                }
            }
            rest = shortfall;
            group = further;
        }
        return rest;
    };
    const qreal rest = shareOut(adjustable, length() - taken);
    if (rest < 0) {
        QList<int> others;
        for (int i : shown) {
            if (!adjustable.contains(i))
                others.append(i);
        }
        shareOut(others, rest);
    }

    // Whole points for the panes that changed, so that dividers fall on whole pixels; what the
    // rounding leaves over goes to the last of them.
    qreal error = 0;
    for (int i : adjustable) {
        const qreal exact = m_panes.at(i).extent + error;
        m_panes[i].extent = std::max<qreal>(0, std::round(exact));
        error = exact - m_panes.at(i).extent;
    }
    if (!adjustable.isEmpty())
        m_panes[adjustable.constLast()].extent = std::max<qreal>(0, m_panes.at(adjustable.constLast()).extent + error);
}

void SplitView::layOut()
{
    qreal position = 0;
    for (int i = 0; i < m_panes.size(); ++i) {
        Pane &pane = m_panes[i];
        pane.start = position;
        if (pane.view) {
            if (!pane.collapsed) {
                // Whole points at both edges, so that neighbours neither overlap nor leave a gap.
                const QRectF frame = rectOnAxis(pane.start, pane.extent);
                pane.view->setGeometry(QRect(QPoint(qRound(frame.left()), qRound(frame.top())),
                                             QPoint(qRound(frame.right()) - 1, qRound(frame.bottom()) - 1)));
            }
            pane.view->setVisible(!pane.collapsed);
        }
        if (!pane.collapsed)
            position += pane.extent;
        if (i < m_panes.size() - 1) {
            const qreal thickness = thicknessOfDivider(i);
            const qreal reach = std::max<qreal>(thickness, smallestGrip);
            QRectF gripRect = rectOnAxis(position + (thickness - reach) / 2, reach);
            bool grabbable = thickness > 0;
            // A divider hidden beside a pane collapsed at the view's edge is still grabbed there,
            // so that the pane can be dragged out again. It lies over the neighbour's edge, only as
            // wide as the divider, so that it takes no clicks from that pane's contents.
            const qreal edgeReach = dividerThickness();
            if (!grabbable && edgeReach > 0) {
                if (i == 0 && m_panes.constFirst().collapsed) {
                    gripRect = rectOnAxis(0, edgeReach);
                    grabbable = true;
                } else if (i == m_panes.size() - 2 && m_panes.constLast().collapsed) {
                    gripRect = rectOnAxis(length() - edgeReach, edgeReach);
                    grabbable = true;
                }
            }
            m_grips.at(i)->setGeometry(gripRect.toAlignedRect());
            m_grips.at(i)->setVisible(grabbable);
            m_grips.at(i)->raise();
            position += thickness;
        }
    }
    update();
}

void SplitView::announceChange()
{
    if (!m_resizing && m_delegate)
        m_delegate->splitViewDidResizeSubviews(this);
}

void SplitView::beginDrag(int index, const QPointF &point)
{
    m_draggedDivider = index;
    m_offsetFromDivider = alongAxis(point) - positionOfDivider(index);
}

void SplitView::dragTo(const QPointF &point)
{
    const int index = m_draggedDivider;
    if (index < 0 || index >= m_panes.size() - 1)
        return;
    const qreal start = m_panes.at(index).start;
    const qreal limit = endOfPaneAfter(index) - dividerThickness();
    qreal lowest = start;
    qreal highest = limit;
    qreal p = alongAxis(point) - m_offsetFromDivider;
    if (m_delegate) {
        lowest = m_delegate->splitViewConstrainMinCoordinateOfSubviewAt(this, lowest, index);
        highest = m_delegate->splitViewConstrainMaxCoordinateOfSubviewAt(this, highest, index);
        p = m_delegate->splitViewConstrainSplitPositionOfSubviewAt(this, p, index);
    }
    // Past a limit the divider stops, until the pointer is more than halfway from the limit to
    // the edge of a pane that may collapse: then that pane collapses.
    if (p > highest)
        p = canCollapse(index + 1) && p >= (highest + limit) / 2 ? endOfPaneAfter(index) : highest;
    if (p < lowest)
        p = canCollapse(index) && p <= (start + lowest) / 2 ? start : lowest;
    setPosition(p, index);
}

void SplitView::drawDividerInRect(QPainter &painter, const QRectF &rect)
{
    painter.fillRect(rect, dividerColor());
}

void SplitView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < m_panes.size() - 1; ++i) {
        const QRectF rect = dividerRect(i);
        if (!rect.isEmpty())
            drawDividerInRect(painter, rect);
    }
}

void SplitView::resizeEvent(QResizeEvent *event)
{
    m_resizing = true;
    if (m_delegate)
        m_delegate->splitViewResizeSubviewsWithOldSize(this, event->oldSize());
    else
        fitPanes();
    m_resizing = false;
    layOut();
    announceChange();
}
