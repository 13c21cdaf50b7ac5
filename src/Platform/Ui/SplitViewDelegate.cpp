#include "SplitViewDelegate.h"

#include "SplitView.h"

qreal SplitViewDelegate::splitViewConstrainMinCoordinateOfSubviewAt(SplitView *, qreal proponowana, int)
{
    return proponowana;
}

qreal SplitViewDelegate::splitViewConstrainMaxCoordinateOfSubviewAt(SplitView *, qreal proponowana, int)
{
    return proponowana;
}

qreal SplitViewDelegate::splitViewConstrainSplitPositionOfSubviewAt(SplitView *, qreal proponowana, int)
{
    return proponowana;
}

bool SplitViewDelegate::splitViewCanCollapseSubview(SplitView *, QWidget *)
{
    return false;
}

bool SplitViewDelegate::splitViewShouldAdjustSizeOfSubview(SplitView *, QWidget *)
{
    return true;
}

bool SplitViewDelegate::splitViewShouldHideDividerAtIndex(SplitView *, int)
{
    return false;
}

void SplitViewDelegate::splitViewResizeSubviewsWithOldSize(SplitView *widok, const QSize &)
{
    widok->adjustSubviews();
}

void SplitViewDelegate::splitViewDidResizeSubviews(SplitView *)
{
}
