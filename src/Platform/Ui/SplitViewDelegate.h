#pragma once

#include <QObject>
#include <QSize>

class QWidget;
class SplitView;

// What a split view asks while its dividers move and its size changes. Every hook that is not
// overridden answers as a plain split view would: no limits, nothing collapses.
// Coordinates run along the split view's axis, from its left (or top) edge.
class SplitViewDelegate : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The limits of a drag of divider `indeks`.
    virtual qreal splitViewConstrainMinCoordinateOfSubviewAt(SplitView *widok, qreal proponowana, int indeks);
    virtual qreal splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *widok, qreal proponowana, int indeks);
    virtual qreal splitViewConstrainSplitPositionOfSubviewAt(SplitView *widok, qreal proponowana, int indeks);
    virtual bool splitViewCanCollapseSubview(SplitView *widok, QWidget *podwidok);
    // NO keeps the pane's size when the split view grows or shrinks.
    virtual bool splitViewShouldAdjustSizeOfSubview(SplitView *widok, QWidget *podwidok);
    // Asked for a divider beside a collapsed pane: a hidden one takes no room; it can be dragged
    // only from the view's edge, where the collapsed pane lies.
    virtual bool splitViewShouldHideDividerAtIndex(SplitView *widok, int indeks);
    // Lays the panes out after the split view's size changed; by default `adjustSubviews`.
    virtual void splitViewResizeSubviewsWithOldSize(SplitView *widok, const QSize &staryRozmiar);
    // After the panes were laid out anew: once per drag step, per setter call, per resize.
    virtual void splitViewDidResizeSubviews(SplitView *widok);
};
