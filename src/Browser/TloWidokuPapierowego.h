#pragma once

#include "Platform/SoftShadow.h"

#include <QPointer>
#include <QWidget>

// A cardboard sheet under a details view: rounded at the top, square at the bottom, under a
// shadow cast down and to the right. The details view lies on it `marginesWidoku` in from the
// left, right and bottom edges and `marginesGornyWidoku` from the top.
class TloWidokuPapierowego : public QWidget
{
    Q_OBJECT

public:
    explicit TloWidokuPapierowego(QWidget *rodzic = nullptr);

    // A change of any of these redraws the sheet; the details view stays where it was placed.
    double promienCienia() const { return m_promienCienia; }
    void setPromienCienia(double promien);
    double przesuniecieCienia() const { return m_przesuniecieCienia; }
    void setPrzesuniecieCienia(double przesuniecie);
    double marginesWidoku() const { return m_marginesWidoku; }
    void setMarginesWidoku(double margines);
    double marginesGornyWidoku() const { return m_marginesGornyWidoku; }
    void setMarginesGornyWidoku(double margines);
    QWidget *widokSzczegolow() const { return m_widokSzczegolow; }
    void setWidokSzczegolow(QWidget *widok);

    // In Qt's coordinates, y downward.
    QRectF ramkaWidokuSzczegolow() const;
    // Lays the details view onto the sheet at the present margins; it follows the sheet from then on.
    void ustawRamkeWidokuSzczegolow();
    void awakeFromNib() { ustawRamkeWidokuSzczegolow(); }

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    void zmienIOdswiez(double &pole, double wartosc);
    void narysujKarton(QPainter &malarz);

    double m_promienCienia = 6.0;
    double m_przesuniecieCienia = 2.5;
    double m_marginesWidoku = 10.0;
    double m_marginesGornyWidoku = 0.0;
    QPointer<QWidget> m_widokSzczegolow;
    SoftShadow m_cien;
};
