#include "WhitePaperOutlineView.h"

#include "WhitePaperTableView.h"

WhitePaperOutlineView::WhitePaperOutlineView(QWidget *rodzic)
    : ZWyglademPapieru(rodzic)
{
}

void WhitePaperOutlineView::layoutSubviews()
{
    WhitePaperTableView::setHeaderCellsInTableView(this);
    WhitePaperTableView::setHeaderHeightOfTableView(m_headerHeight, this);
    setBorderViewFrame();
}
