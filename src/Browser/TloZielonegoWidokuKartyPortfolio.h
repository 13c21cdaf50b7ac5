#pragma once

#include <QWidget>

// The green surface of a portfolio tab. It uses the portfolio card's texture and starts its
// tiles at the window's corner, as the card does, so the two meet without a seam.
class TloZielonegoWidokuKartyPortfolio : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
};
