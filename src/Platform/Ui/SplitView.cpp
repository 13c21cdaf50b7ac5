#include "SplitView.h"

#include "SplitViewDelegate.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A thin divider is hard to hit: its handle reaches this far whatever the drawn thickness.
constexpr int najmniejszyUchwyt = 5;

} // namespace

// The grip over one divider: it only turns mouse drags into divider moves and paints nothing.
class SplitView::Uchwyt : public QWidget
{
public:
    Uchwyt(SplitView *widok, int indeks)
        : QWidget(widok)
        , m_widok(widok)
        , m_indeks(indeks)
    {
        setCursor(widok->orientation() == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
    }

protected:
    void mousePressEvent(QMouseEvent *zdarzenie) override
    {
        if (zdarzenie->button() == Qt::LeftButton)
            m_widok->rozpocznijPrzeciaganie(m_indeks, mapToParent(zdarzenie->position()));
    }
    void mouseMoveEvent(QMouseEvent *zdarzenie) override
    {
        if (zdarzenie->buttons() & Qt::LeftButton)
            m_widok->przeciagnij(mapToParent(zdarzenie->position()));
    }
    void mouseReleaseEvent(QMouseEvent *) override { m_widok->m_przeciaganyRozdzielnik = -1; }

private:
    SplitView *m_widok;
    int m_indeks;
};

SplitView::SplitView(Qt::Orientation orientacja, QWidget *rodzic)
    : QWidget(rodzic)
    , m_orientacja(orientacja)
{
}

SplitView::~SplitView() = default;

void SplitView::addSubview(QWidget *podwidok)
{
    podwidok->setParent(this);
    m_panele.append(Panel{podwidok, 0, m_orientacja == Qt::Horizontal ? qreal(podwidok->width())
                                                                       : qreal(podwidok->height()),
                          false});
    if (m_panele.size() > 1)
        m_uchwyty.append(new Uchwyt(this, int(m_uchwyty.size())));
    uloz();
}

QList<QWidget *> SplitView::subviews() const
{
    QList<QWidget *> wynik;
    for (const Panel &panel : m_panele)
        wynik.append(panel.widok);
    return wynik;
}

qreal SplitView::dividerThickness() const
{
    return 1.0;
}

QColor SplitView::dividerColor() const
{
    return palette().color(QPalette::Mid);
}

qreal SplitView::dlugosc() const
{
    return m_orientacja == Qt::Horizontal ? width() : height();
}

qreal SplitView::wzdluzOsi(const QPointF &punkt) const
{
    return m_orientacja == Qt::Horizontal ? punkt.x() : punkt.y();
}

QRectF SplitView::prostokatNaOsi(qreal poczatek, qreal rozmiar) const
{
    if (m_orientacja == Qt::Horizontal)
        return QRectF(poczatek, 0, rozmiar, height());
    return QRectF(0, poczatek, width(), rozmiar);
}

bool SplitView::czyRozdzielnikUkryty(int indeks) const
{
    const bool obokZwinietego = m_panele.at(indeks).zwiniety || m_panele.at(indeks + 1).zwiniety;
    return obokZwinietego && m_delegat && m_delegat->splitViewShouldHideDividerAtIndex(const_cast<SplitView *>(this), indeks);
}

qreal SplitView::gruboscRozdzielnika(int indeks) const
{
    return czyRozdzielnikUkryty(indeks) ? 0.0 : dividerThickness();
}

qreal SplitView::positionOfDivider(int indeks) const
{
    if (indeks < 0 || indeks >= m_panele.size() - 1)
        return 0.0;
    const Panel &panel = m_panele.at(indeks);
    return panel.poczatek + (panel.zwiniety ? 0.0 : panel.rozmiar);
}

// Where the pane after divider `indeks` ends: at the next divider or at the view's far edge.
qreal SplitView::koniecPanelaZa(int indeks) const
{
    return indeks + 1 < m_panele.size() - 1 ? positionOfDivider(indeks + 1) : dlugosc();
}

bool SplitView::mozeSieZwinac(int indeks) const
{
    return m_delegat && m_delegat->splitViewCanCollapseSubview(const_cast<SplitView *>(this), m_panele.at(indeks).widok);
}

bool SplitView::isSubviewCollapsed(QWidget *podwidok) const
{
    // A pane whose widget is gone must not answer for a missing one.
    if (!podwidok)
        return false;
    for (const Panel &panel : m_panele) {
        if (panel.widok == podwidok)
            return panel.zwiniety;
    }
    return false;
}

QRectF SplitView::frameOfSubview(QWidget *podwidok) const
{
    // A pane whose widget is gone must not answer for a missing one.
    if (!podwidok)
        return {};
    for (const Panel &panel : m_panele) {
        if (panel.widok == podwidok)
            return prostokatNaOsi(panel.poczatek, panel.rozmiar);
    }
    return {};
}

QRectF SplitView::dividerRect(int indeks) const
{
    if (indeks < 0 || indeks >= m_panele.size() - 1 || czyRozdzielnikUkryty(indeks))
        return {};
    return prostokatNaOsi(positionOfDivider(indeks), dividerThickness());
}

void SplitView::setPosition(qreal pozycja, int indeks)
{
    przesunRozdzielnik(pozycja, indeks);
    uloz();
    zglosZmiane();
}

void SplitView::przesunRozdzielnik(qreal pozycja, int indeks)
{
    if (indeks < 0 || indeks >= m_panele.size() - 1)
        return;
    Panel &przed = m_panele[indeks];
    Panel &za = m_panele[indeks + 1];
    const qreal poczatek = przed.poczatek;
    const qreal koniec = koniecPanelaZa(indeks);
    const qreal grubosc = dividerThickness();

    // A pane collapses when the divider reaches its outer edge; it keeps its size, and its
    // neighbour takes the room, the divider's too when the divider hides.
    if (pozycja >= koniec && mozeSieZwinac(indeks + 1)) {
        za.zwiniety = true;
        przed.zwiniety = false;
        przed.rozmiar = koniec - poczatek - gruboscRozdzielnika(indeks);
    } else if (pozycja <= poczatek && mozeSieZwinac(indeks)) {
        przed.zwiniety = true;
        za.zwiniety = false;
        za.rozmiar = koniec - poczatek - gruboscRozdzielnika(indeks);
    } else {
        const qreal p = std::clamp(pozycja, poczatek, std::max(poczatek, koniec - grubosc));
        przed.zwiniety = false;
        przed.rozmiar = p - poczatek;
        za.zwiniety = false;
        za.rozmiar = std::max(0.0, koniec - grubosc - p);
    }
}

void SplitView::adjustSubviews()
{
    dopasujPanele();
    uloz();
    zglosZmiane();
}

void SplitView::dopasujPanele()
{
    QList<int> widoczne;
    QList<int> zmienne;
    qreal zajete = 0;
    for (int i = 0; i < m_panele.size(); ++i) {
        if (i < m_panele.size() - 1)
            zajete += gruboscRozdzielnika(i);
        if (m_panele.at(i).zwiniety)
            continue;
        widoczne.append(i);
        zajete += m_panele.at(i).rozmiar;
        if (!m_delegat || m_delegat->splitViewShouldAdjustSizeOfSubview(this, m_panele.at(i).widok))
            zmienne.append(i);
    }
    if (zmienne.isEmpty())
        zmienne = widoczne;

    // Shares the difference out by size; what a pane cannot give up below zero passes on.
    const auto rozdziel = [this](QList<int> grupa, qreal reszta) {
        while (reszta != 0 && !grupa.isEmpty()) {
            qreal suma = 0;
            for (int i : grupa)
                suma += m_panele.at(i).rozmiar;
            qreal niedobor = 0;
            QList<int> dalej;
            for (int i : grupa) {
                qreal &rozmiar = m_panele[i].rozmiar;
                rozmiar += reszta * (suma > 0 ? rozmiar / suma : 1.0 / qreal(grupa.size()));
                if (rozmiar < 0) {
                    niedobor += rozmiar;
                    rozmiar = 0;
                } else {
                    dalej.append(i);
                }
            }
            reszta = niedobor;
            grupa = dalej;
        }
        return reszta;
    };
    const qreal reszta = rozdziel(zmienne, dlugosc() - zajete);
    if (reszta < 0) {
        QList<int> pozostale;
        for (int i : widoczne) {
            if (!zmienne.contains(i))
                pozostale.append(i);
        }
        rozdziel(pozostale, reszta);
    }

    // Whole points for the panes that changed, so that dividers fall on whole pixels; what the
    // rounding leaves over goes to the last of them.
    qreal blad = 0;
    for (int i : zmienne) {
        const qreal dokladny = m_panele.at(i).rozmiar + blad;
        m_panele[i].rozmiar = std::max<qreal>(0, std::round(dokladny));
        blad = dokladny - m_panele.at(i).rozmiar;
    }
    if (!zmienne.isEmpty())
        m_panele[zmienne.constLast()].rozmiar = std::max<qreal>(0, m_panele.at(zmienne.constLast()).rozmiar + blad);
}

void SplitView::uloz()
{
    qreal pozycja = 0;
    for (int i = 0; i < m_panele.size(); ++i) {
        Panel &panel = m_panele[i];
        panel.poczatek = pozycja;
        if (panel.widok) {
            if (!panel.zwiniety) {
                // Whole points at both edges, so that neighbours neither overlap nor leave a gap.
                const QRectF ramka = prostokatNaOsi(panel.poczatek, panel.rozmiar);
                panel.widok->setGeometry(QRect(QPoint(qRound(ramka.left()), qRound(ramka.top())),
                                               QPoint(qRound(ramka.right()) - 1, qRound(ramka.bottom()) - 1)));
            }
            panel.widok->setVisible(!panel.zwiniety);
        }
        if (!panel.zwiniety)
            pozycja += panel.rozmiar;
        if (i < m_panele.size() - 1) {
            const qreal grubosc = gruboscRozdzielnika(i);
            const qreal zasieg = std::max<qreal>(grubosc, najmniejszyUchwyt);
            const QRectF chwyt = prostokatNaOsi(pozycja + (grubosc - zasieg) / 2, zasieg);
            m_uchwyty.at(i)->setGeometry(chwyt.toAlignedRect());
            m_uchwyty.at(i)->setVisible(grubosc > 0);
            m_uchwyty.at(i)->raise();
            pozycja += grubosc;
        }
    }
    update();
}

void SplitView::zglosZmiane()
{
    if (!m_wZmianieRozmiaru && m_delegat)
        m_delegat->splitViewDidResizeSubviews(this);
}

void SplitView::rozpocznijPrzeciaganie(int indeks, const QPointF &punkt)
{
    m_przeciaganyRozdzielnik = indeks;
    m_odstepOdRozdzielnika = wzdluzOsi(punkt) - positionOfDivider(indeks);
}

void SplitView::przeciagnij(const QPointF &punkt)
{
    const int indeks = m_przeciaganyRozdzielnik;
    if (indeks < 0 || indeks >= m_panele.size() - 1)
        return;
    const qreal poczatek = m_panele.at(indeks).poczatek;
    const qreal kraniec = koniecPanelaZa(indeks) - dividerThickness();
    qreal najmniej = poczatek;
    qreal najwiecej = kraniec;
    qreal p = wzdluzOsi(punkt) - m_odstepOdRozdzielnika;
    if (m_delegat) {
        najmniej = m_delegat->splitViewConstrainMinCoordinateOfSubviewAt(this, najmniej, indeks);
        najwiecej = m_delegat->splitViewConstrainMaxCoordinateOfSubviewAt(this, najwiecej, indeks);
        p = m_delegat->splitViewConstrainSplitPositionOfSubviewAt(this, p, indeks);
    }
    // Past a limit the divider stops, until the pointer is more than halfway from the limit to
    // the edge of a pane that may collapse: then that pane collapses.
    if (p > najwiecej)
        p = mozeSieZwinac(indeks + 1) && p >= (najwiecej + kraniec) / 2 ? koniecPanelaZa(indeks) : najwiecej;
    if (p < najmniej)
        p = mozeSieZwinac(indeks) && p <= (poczatek + najmniej) / 2 ? poczatek : najmniej;
    setPosition(p, indeks);
}

void SplitView::drawDividerInRect(QPainter &malarz, const QRectF &prostokat)
{
    malarz.fillRect(prostokat, dividerColor());
}

void SplitView::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    for (int i = 0; i < m_panele.size() - 1; ++i) {
        const QRectF prostokat = dividerRect(i);
        if (!prostokat.isEmpty())
            drawDividerInRect(malarz, prostokat);
    }
}

void SplitView::resizeEvent(QResizeEvent *zdarzenie)
{
    m_wZmianieRozmiaru = true;
    if (m_delegat)
        m_delegat->splitViewResizeSubviewsWithOldSize(this, zdarzenie->oldSize());
    else
        dopasujPanele();
    m_wZmianieRozmiaru = false;
    uloz();
    zglosZmiane();
}
