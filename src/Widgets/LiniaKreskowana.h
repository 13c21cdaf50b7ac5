#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

class QPainter;

// The fine dotted lines of the paper look, as painter functions, and the small view of kind 1
// that draws the triple line under a paper list's header.
//
// The functions take Qt's coordinates (y downward) and draw aliased lines by one rule: a line
// at a whole y fills the pixel row just above y; dots are one point long every three points,
// phase 0 starting at the line's start and phase 2 one point later.
class LiniaKreskowana : public QWidget
{
    Q_OBJECT

public:
    static constexpr int rodzajSeparatorNaglowka = 1;

    LiniaKreskowana(const QRect &ramka, int rodzaj, QWidget *rodzic = nullptr);

    int rodzajLinii() const { return m_rodzajLinii; }

    // A solid line in white 0.95 with the dots over it.
    static void rysujLinieNadNaglowkiemOd(QPainter &malarz, const QPointF &poczatek, qreal dlugosc);
    // Three lines ending at the y of `poczatek`: dots, a solid line in white 0.9, dots of phase 2.
    static void rysujSeparatorNaglowkaOd(QPainter &malarz, const QPointF &poczatek, qreal dlugosc);
    // One device pixel high at `skala` (0 counts as 1), its bottom at the y of `poczatek`.
    static void rysujSeparatorWierszaTabeliOd(QPainter &malarz, const QPointF &poczatek, qreal dlugosc, qreal skala);
    // Three dotted lines ending at the y of `poczatek`, phases 0, 2 and 2 from the top.
    static void rysujSeparatorPaskaIkonOd(QPainter &malarz, const QPointF &poczatek, qreal dlugosc);

    // The band an aliased line of `grubosc` at y fills.
    static QRectF pasLinii(qreal x, qreal y, qreal dlugosc, qreal grubosc = 1.0);
    // The dots of a line, faza 0 or 2.
    static void rysujKreski(QPainter &malarz, const QRectF &pas, qreal faza, const QColor &kolor);

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;

private:
    int m_rodzajLinii;
};
