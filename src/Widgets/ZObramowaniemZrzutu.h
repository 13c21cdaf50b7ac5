#pragma once

#include <QPoint>

class GreenDropBorderView;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QWidget;

// The drop zones and the drop border of a list or an outline (`Baza`). Narrow strips at the
// left and right of the viewport stand for the whole list: while a drag is over one, the owner
// treats the drop as one onto the list and shows the border around the visible rows.
template <class Baza>
class ZObramowaniemZrzutu : public Baza
{
public:
    explicit ZObramowaniemZrzutu(QWidget *rodzic = nullptr);

    bool mouseInDropZone() const { return m_mouseInDropZone; }
    bool shouldDisplayGreenDropBorder() const { return m_shouldDisplayGreenDropBorder; }
    // Off: showBorder does nothing.
    void setShouldDisplayGreenDropBorder(bool flaga) { m_shouldDisplayGreenDropBorder = flaga; }
    GreenDropBorderView *borderView() const { return m_borderView; }

    void showBorder(bool flaga);
    // Once, when the owner sets the list up: the border goes over the rows and follows the size.
    void addAndSetUpBorderView();
    void setBorderViewFrame();

    // A drag at `miejsce` in the viewport. The list's drag handlers call it; an owner whose drop
    // filter takes the events before the list does calls it from there.
    void draggingUpdated(const QPoint &miejsce);

protected:
    void dragMoveEvent(QDragMoveEvent *zdarzenie) override;
    void dragLeaveEvent(QDragLeaveEvent *zdarzenie) override;
    void dropEvent(QDropEvent *zdarzenie) override;
    void updateGeometries() override;

private:
    GreenDropBorderView *m_borderView;
    bool m_mouseInDropZone = false;
    bool m_shouldDisplayGreenDropBorder = true;
};
