#pragma once

#include "Platform/SoftShadow.h"

#include <QPointer>
#include <QWidget>

// The white panel of a portfolio tab's details area, under a soft shadow, with two faint lines
// below its top edge. The details view lies on the panel, 3 points from the left and top edges
// and 6 from the right and bottom.
class TloWidokuSzczegolowNaKarciePortfolio : public QWidget
{
    Q_OBJECT

public:
    explicit TloWidokuSzczegolowNaKarciePortfolio(QWidget *rodzic = nullptr);

    QWidget *widokSzczegolow() const { return m_widokSzczegolow; }
    void setWidokSzczegolow(QWidget *widok) { m_widokSzczegolow = widok; }

    QRectF ramkaWidokuSzczegolow() const;
    // Lays the details view, when there is one, onto the panel; it follows the panel from then on.
    void awakeFromNib();

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    void narysujTloWidokuSzczegolow(QPainter &malarz);

    QPointer<QWidget> m_widokSzczegolow;
    SoftShadow m_cien;
};
