#pragma once

#include "SplitViewDelegate.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// Two or more panes with dividers between them, driven by a delegate. Unlike QSplitter, a
// collapsed pane is only hidden: it keeps the frame it had, so its size survives until it is
// shown again; a pane collapsed at the view's edge comes back when its divider is dragged out
// from that edge, even while the divider is hidden. Sizes are in points along the axis and may be
// fractional; Qt::Horizontal puts the panes side by side, Qt::Vertical stacks them. Dividers of no
// thickness cannot be dragged.
class SplitView : public QWidget
{
    Q_OBJECT

public:
    explicit SplitView(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);
    ~SplitView() override;

    Qt::Orientation orientation() const { return m_orientation; }

    // Takes the widget in as the last pane, at its present size along the axis.
    void addSubview(QWidget *subview);
    QList<QWidget *> subviews() const;

    // Not owned.
    SplitViewDelegate *delegate() const { return m_delegate; }
    void setDelegate(SplitViewDelegate *delegate) { m_delegate = delegate; }

    virtual qreal dividerThickness() const;
    virtual QColor dividerColor() const;

    // Puts the leading edge of divider `index` at `position`, kept between the panes on both
    // sides but without the delegate's limits. Reaching a pane's outer edge (the start of the
    // pane before, the end of the pane after) collapses it when the delegate lets it; a collapsed
    // pane given a position short of that edge comes back.
    void setPosition(qreal position, int index);
    qreal positionOfDivider(int index) const;
    bool isSubviewCollapsed(QWidget *subview) const;
    // Makes the shown panes fill the view again. The difference goes to the panes the delegate
    // lets change, in proportion to their sizes.
    void adjustSubviews();
    // A collapsed pane answers the frame it had. Null for a widget that is no pane.
    QRectF frameOfSubview(QWidget *subview) const;
    // Empty while the divider is hidden.
    QRectF dividerRect(int index) const;

protected:
    virtual void drawDividerInRect(QPainter &painter, const QRectF &rect);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class Grip;
    struct Pane
    {
        QPointer<QWidget> view;
        qreal start = 0;
        qreal extent = 0;
        bool collapsed = false;
    };

    qreal length() const;
    qreal alongAxis(const QPointF &point) const;
    QRectF rectOnAxis(qreal start, qreal extent) const;
    bool isDividerHidden(int index) const;
    qreal thicknessOfDivider(int index) const;
    qreal endOfPaneAfter(int index) const;
    bool canCollapse(int index) const;

    void moveDivider(qreal position, int index);
    void fitPanes();
    void layOut();
    void announceChange();

    void beginDrag(int index, const QPointF &point);
    void dragTo(const QPointF &point);

    Qt::Orientation m_orientation;
    QPointer<SplitViewDelegate> m_delegate;
    QList<Pane> m_panes;
    QList<Grip *> m_grips;
    int m_draggedDivider = -1;
    qreal m_offsetFromDivider = 0;
    // While the view resizes, the layout is announced once at the end.
    bool m_resizing = false;
};
