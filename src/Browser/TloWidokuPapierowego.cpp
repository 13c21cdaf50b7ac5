#include "TloWidokuPapierowego.h"

#include "Platform/ObrazyAplikacji.h"
#include "Platform/WindowAnchoredTexture.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr qreal promienNaroznika = 10.0;

} // namespace

TloWidokuPapierowego::TloWidokuPapierowego(QWidget *rodzic)
    : QWidget(rodzic)
{
    auto *uklad = new QVBoxLayout(this);
    uklad->setSpacing(0);
}

void TloWidokuPapierowego::zmienIOdswiez(double &pole, double wartosc)
{
    pole = wartosc;
    update();
}

void TloWidokuPapierowego::setPromienCienia(double promien)
{
    zmienIOdswiez(m_promienCienia, promien);
}

void TloWidokuPapierowego::setPrzesuniecieCienia(double przesuniecie)
{
    zmienIOdswiez(m_przesuniecieCienia, przesuniecie);
}

void TloWidokuPapierowego::setMarginesWidoku(double margines)
{
    zmienIOdswiez(m_marginesWidoku, margines);
}

void TloWidokuPapierowego::setMarginesGornyWidoku(double margines)
{
    zmienIOdswiez(m_marginesGornyWidoku, margines);
}

void TloWidokuPapierowego::setWidokSzczegolow(QWidget *widok)
{
    m_widokSzczegolow = widok;
    update();
}

QRectF TloWidokuPapierowego::ramkaWidokuSzczegolow() const
{
    const double m = m_marginesWidoku;
    const double t = m_marginesGornyWidoku;
    return QRectF(m, t, width() - 2 * m, height() - m - t);
}

void TloWidokuPapierowego::ustawRamkeWidokuSzczegolow()
{
    if (!m_widokSzczegolow)
        return;
    const int m = qRound(m_marginesWidoku);
    layout()->setContentsMargins(m, qRound(m_marginesGornyWidoku), m, m);
    layout()->addWidget(m_widokSzczegolow);
}

void TloWidokuPapierowego::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    narysujKarton(malarz);
}

void TloWidokuPapierowego::narysujKarton(QPainter &malarz)
{
    // Built with y upward from the bottom edge, as the sheet was designed, then turned over once.
    const double m = m_marginesWidoku;
    const double t = m_marginesGornyWidoku;
    const double w = width();
    const double h = height();
    // Both shapes turn the same way; under the winding rule their overlap stays filled, where the
    // default odd-even rule would cut it out.
    QPainterPath odDolu;
    odDolu.setFillRule(Qt::WindingFill);
    odDolu.addRoundedRect(QRectF(m, m, w - 2 * m, h - m - t), promienNaroznika, promienNaroznika);
    odDolu.addRect(QRectF(m, m, w - 2 * m, promienNaroznika));
    const QPainterPath karton = QTransform(1, 0, 0, -1, 0, h).map(odDolu);

    malarz.setRenderHint(QPainter::Antialiasing);
    const double s = m_przesuniecieCienia;
    m_cien.draw(malarz, karton, QPointF(s, s), m_promienCienia, Qt::black);
    WindowAnchoredTexture::fill(malarz, karton, ObrazyAplikacji::obraz(QStringLiteral("KartonProjektu")),
                                mapTo(window(), QPoint(0, 0)));
}
