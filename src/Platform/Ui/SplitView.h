#pragma once

#include "SplitViewDelegate.h"

#include <QList>
#include <QPointer>
#include <QWidget>

// Two or more panes with dividers between them, driven by a delegate. Unlike QSplitter, a
// collapsed pane is only hidden: it keeps the frame it had, so its size survives until it is
// shown again. Sizes are in points along the axis and may be fractional; Qt::Horizontal puts the
// panes side by side, Qt::Vertical stacks them.
class SplitView : public QWidget
{
    Q_OBJECT

public:
    explicit SplitView(Qt::Orientation orientacja = Qt::Horizontal, QWidget *rodzic = nullptr);
    ~SplitView() override;

    Qt::Orientation orientation() const { return m_orientacja; }

    // Takes the widget in as the last pane, at its present size along the axis.
    void addSubview(QWidget *podwidok);
    QList<QWidget *> subviews() const;

    // Not owned.
    SplitViewDelegate *delegate() const { return m_delegat; }
    void setDelegate(SplitViewDelegate *delegat) { m_delegat = delegat; }

    virtual qreal dividerThickness() const;
    virtual QColor dividerColor() const;

    // Puts the leading edge of divider `indeks` at `pozycja`, kept between the panes on both
    // sides but without the delegate's limits. Reaching a pane's outer edge (the start of the
    // pane before, the end of the pane after) collapses it when the delegate lets it; a collapsed
    // pane given a position short of that edge comes back.
    void setPosition(qreal pozycja, int indeks);
    qreal positionOfDivider(int indeks) const;
    bool isSubviewCollapsed(QWidget *podwidok) const;
    // Makes the shown panes fill the view again. The difference goes to the panes the delegate
    // lets change, in proportion to their sizes.
    void adjustSubviews();
    // A collapsed pane answers the frame it had. Null for a widget that is no pane.
    QRectF frameOfSubview(QWidget *podwidok) const;
    // Empty while the divider is hidden.
    QRectF dividerRect(int indeks) const;

protected:
    virtual void drawDividerInRect(QPainter &malarz, const QRectF &prostokat);

    void paintEvent(QPaintEvent *zdarzenie) override;
    void resizeEvent(QResizeEvent *zdarzenie) override;

private:
    class Uchwyt;
    struct Panel
    {
        QPointer<QWidget> widok;
        qreal poczatek = 0;
        qreal rozmiar = 0;
        bool zwiniety = false;
    };

    qreal dlugosc() const;
    qreal wzdluzOsi(const QPointF &punkt) const;
    QRectF prostokatNaOsi(qreal poczatek, qreal rozmiar) const;
    bool czyRozdzielnikUkryty(int indeks) const;
    qreal gruboscRozdzielnika(int indeks) const;
    qreal koniecPanelaZa(int indeks) const;
    bool mozeSieZwinac(int indeks) const;

    void przesunRozdzielnik(qreal pozycja, int indeks);
    void dopasujPanele();
    void uloz();
    void zglosZmiane();

    void rozpocznijPrzeciaganie(int indeks, const QPointF &punkt);
    void przeciagnij(const QPointF &punkt);

    Qt::Orientation m_orientacja;
    QPointer<SplitViewDelegate> m_delegat;
    QList<Panel> m_panele;
    QList<Uchwyt *> m_uchwyty;
    int m_przeciaganyRozdzielnik = -1;
    qreal m_odstepOdRozdzielnika = 0;
    // While the view resizes, the layout is announced once at the end.
    bool m_wZmianieRozmiaru = false;
};
