#include "ZObramowaniemZrzutu.h"

#include "GreenDropBorderTableView.h"
#include "GreenDropBorderView.h"
#include "OutlineViewWithEnhancedEditMode.h"
#include "TableViewWithAutoSelectedRows.h"

#include <QDropEvent>

template <class Baza>
ZObramowaniemZrzutu<Baza>::ZObramowaniemZrzutu(QWidget *rodzic)
    : Baza(rodzic)
    , m_borderView(new GreenDropBorderView(this))
{
    // Not shown until the owner sets it up.
    m_borderView->hide();
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::showBorder(bool flaga)
{
    if (!m_shouldDisplayGreenDropBorder || flaga == m_borderView->shouldDrawFocusRing())
        return;
    m_borderView->setShouldDrawFocusRing(flaga);
    m_borderView->repaint();
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::addAndSetUpBorderView()
{
    m_borderView->show();
    m_borderView->raise();
    setBorderViewFrame();
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::setBorderViewFrame()
{
    const QRect ramka = GreenDropBorderTableView::calculateFrameForBorderViewInScrollView(this);
    if (m_borderView->geometry() != ramka)
        m_borderView->setGeometry(ramka);
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::draggingUpdated(const QPoint &miejsce)
{
    const bool poprzednio = m_mouseInDropZone;
    m_mouseInDropZone = GreenDropBorderTableView::checkIfMousePositionIsInDropZones(miejsce, this);
    // The rows draw differently for a drop onto the list; a reset here would also collapse an
    // outline and lose the selection, so only the rows are painted again.
    if (m_mouseInDropZone != poprzednio)
        this->viewport()->update();
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::dragMoveEvent(QDragMoveEvent *zdarzenie)
{
    draggingUpdated(zdarzenie->position().toPoint());
    Baza::dragMoveEvent(zdarzenie);
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::dragLeaveEvent(QDragLeaveEvent *zdarzenie)
{
    showBorder(false);
    Baza::dragLeaveEvent(zdarzenie);
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::dropEvent(QDropEvent *zdarzenie)
{
    // Before the drop is handed on: its handler may show an alert, during which this view can go.
    showBorder(false);
    Baza::dropEvent(zdarzenie);
}

template <class Baza>
void ZObramowaniemZrzutu<Baza>::updateGeometries()
{
    Baza::updateGeometries();
    setBorderViewFrame();
}

template class ZObramowaniemZrzutu<TableViewWithAutoSelectedRows>;
template class ZObramowaniemZrzutu<OutlineViewWithEnhancedEditMode>;
