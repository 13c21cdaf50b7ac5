#include "GreenDropBorderOutlineView.h"

GreenDropBorderOutlineView::GreenDropBorderOutlineView(QWidget *rodzic)
    : ZObramowaniemZrzutu(rodzic)
{
}
