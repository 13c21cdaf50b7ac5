#include "GreenDropBorderTableView.h"

#include "WidokPapierowy.h"

#include <QHeaderView>

GreenDropBorderTableView::GreenDropBorderTableView(QWidget *rodzic)
    : ZObramowaniemZrzutu(rodzic)
{
}

bool GreenDropBorderTableView::checkIfMousePositionIsInDropZones(const QPoint &miejsce,
                                                                 const QAbstractScrollArea *widok)
{
    const QSize rozmiar = widok->viewport()->size();
    if (!QRect(QPoint(0, 0), rozmiar).contains(miejsce))
        return false;
    return miejsce.x() < lewaStrefaZrzutu || miejsce.x() >= rozmiar.width() - prawaStrefaZrzutu;
}

QRect GreenDropBorderTableView::calculateFrameForBorderViewInScrollView(const QTreeView *widok)
{
    QRect ramka(QPoint(0, 0), widok->size());
    if (widok->isHeaderHidden())
        return ramka;
    // A paper list knows its header's height to the fraction of a point.
    const auto *papier = dynamic_cast<const WidokPapierowy *>(widok);
    const qreal wysokoscNaglowka = papier ? papier->headerHeight() : widok->header()->height();
    ramka.setTop(int(wysokoscNaglowka - 1.0));
    ramka.setWidth(widok->viewport()->width());
    return ramka;
}
