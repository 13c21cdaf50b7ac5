#pragma once

#include <QWidget>

// The green frame around a list's visible rows that shows a drop onto the whole list.
class GreenDropBorderView : public QWidget
{
    Q_OBJECT

public:
    explicit GreenDropBorderView(QWidget *rodzic = nullptr);

    bool shouldDrawFocusRing() const { return m_shouldDrawFocusRing; }
    void setShouldDrawFocusRing(bool flaga);

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    void drawFocusRing(QPainter &malarz);

    bool m_shouldDrawFocusRing = false;
};
