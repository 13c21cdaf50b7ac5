#pragma once

#include <QtGlobal>

// What the paper table and the paper outline tell the pieces they are drawn with (header
// cells, row delegate, drop border): the header's height and title position, the grid, and the
// pitch of the rows.
class WidokPapierowy
{
public:
    // The grid style bit that asks for the dotted lines under the rows and through the empty
    // space below them.
    static constexpr int SolidHorizontalGridLineMask = 2;

    qreal headerHeight() const { return m_headerHeight; }
    // Takes effect through WhitePaperTableView::setHeaderHeightOfTableView and the header separator's set-up.
    void setHeaderHeight(qreal wysokosc) { m_headerHeight = wysokosc; }
    // The titles' baseline lies this far above the header's bottom edge.
    qreal headerTitleBaselineVerticalOffset() const { return m_headerTitleBaselineVerticalOffset; }
    void setHeaderTitleBaselineVerticalOffset(qreal odstep) { m_headerTitleBaselineVerticalOffset = odstep; }
    int gridStyleMask() const { return m_gridStyleMask; }
    bool siatkaPozioma() const { return m_gridStyleMask & SolidHorizontalGridLineMask; }
    qreal rowHeight() const { return m_rowHeight; }

protected:
    WidokPapierowy() = default;
    ~WidokPapierowy() = default;

    qreal m_headerHeight = 27.0;
    qreal m_headerTitleBaselineVerticalOffset = 9.0;
    int m_gridStyleMask = 0;
    qreal m_rowHeight = 17.0;
};
