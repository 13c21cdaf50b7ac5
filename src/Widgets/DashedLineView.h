#pragma once

#include <QWidget>

// A free-standing dotted separator: the button bar's three lines along the view's bottom.
class DashedLineView : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
};
