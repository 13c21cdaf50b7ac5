#pragma once

#include "TableViewWithAutoSelectedRows.h"
#include "ZObramowaniemZrzutu.h"

class QAbstractScrollArea;
class QTreeView;

// A list with drop zones at its sides and a drop border.
class GreenDropBorderTableView : public ZObramowaniemZrzutu<TableViewWithAutoSelectedRows>
{
    Q_OBJECT

public:
    static constexpr int lewaStrefaZrzutu = 10;
    static constexpr int prawaStrefaZrzutu = 30;

    explicit GreenDropBorderTableView(QWidget *rodzic = nullptr);

    // `miejsce` in the viewport: inside it, within 10 points of its left edge or 30 of its right.
    static bool checkIfMousePositionIsInDropZones(const QPoint &miejsce, const QAbstractScrollArea *widok);
    // Below the header (less its last point, cut to a whole point) and beside the vertical
    // scroll bar; the whole list when it shows no header.
    static QRect calculateFrameForBorderViewInScrollView(const QTreeView *widok);
};
