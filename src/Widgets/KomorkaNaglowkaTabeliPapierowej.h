#pragma once

#include <QString>

class QPainter;
class QRect;
class QRectF;
class QWidget;

// Draws one column's part of a paper header: a flat white band with a dotted line along its
// top, the bold grey title, and a thin separator at its right edge that fades in over the
// lower half, or runs the full height beside the selected column.
class KomorkaNaglowkaTabeliPapierowej
{
public:
    enum Styl { StylZwykly = 0, StylPodswietlony = 1 };

    explicit KomorkaNaglowkaTabeliPapierowej(const QString &tytul = QString());

    QString tytul() const { return m_tytul; }
    void setTytul(const QString &tytul) { m_tytul = tytul; }
    // The cell's state on darkens its background a little.
    bool stan() const { return m_stan; }
    void setStan(bool wlaczony) { m_stan = wlaczony; }
    bool czyRysowacLinieNadNaglowkiem() const { return m_czyRysowacLinieNadNaglowkiem; }
    void setCzyRysowacLinieNadNaglowkiem(bool flaga) { m_czyRysowacLinieNadNaglowkiem = flaga; }

    // `widok` is the header the cell is drawn in, or any other view (the corner).
    void drawWithFrame(QPainter &malarz, const QRect &ramka, const QWidget *widok) const;
    void highlightWithFrame(QPainter &malarz, const QRect &ramka, const QWidget *widok) const;
    void narysujGradient(QPainter &malarz, const QRectF &ramka, int styl) const;
    void narysujPrawySeparator(QPainter &malarz, const QRect &ramka, const QWidget *widok) const;
    void drawInteriorWithFrame(QPainter &malarz, const QRect &ramka, const QWidget *widok) const;

private:
    QString m_tytul;
    bool m_stan = false;
    bool m_czyRysowacLinieNadNaglowkiem = true;
};
