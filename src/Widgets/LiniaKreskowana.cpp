#include "LiniaKreskowana.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr qreal dlugoscKreski = 1.0;
constexpr qreal okresKresek = 3.0;

QColor biel(qreal jasnosc)
{
    return QColor::fromRgbF(jasnosc, jasnosc, jasnosc, 1.0);
}

// The aliased drawing of a line family: no smoothing, put back afterwards.
class BezWygladzania
{
public:
    explicit BezWygladzania(QPainter &malarz)
        : m_malarz(malarz)
    {
        m_malarz.save();
        m_malarz.setRenderHint(QPainter::Antialiasing, false);
    }
    ~BezWygladzania() { m_malarz.restore(); }

private:
    QPainter &m_malarz;
};

} // namespace

LiniaKreskowana::LiniaKreskowana(const QRect &ramka, int rodzaj, QWidget *rodzic)
    : QWidget(rodzic)
    , m_rodzajLinii(rodzaj)
{
    setGeometry(ramka);
}

QRectF LiniaKreskowana::pasLinii(qreal x, qreal y, qreal dlugosc, qreal grubosc)
{
    // Centred on y, then snapped down onto the grid of its own thickness: a line at a whole y
    // lies just above it, one at a half point covers that point's row.
    const qreal gora = std::floor((y - grubosc / 2) / grubosc + 1e-9) * grubosc;
    return QRectF(x, gora, dlugosc, grubosc);
}

void LiniaKreskowana::rysujKreski(QPainter &malarz, const QRectF &pas, qreal faza, const QColor &kolor)
{
    // Phase 2 starts two points into the 1-on, 2-off pattern: the first dot comes one point in.
    const qreal poczatek = std::fmod(okresKresek - std::fmod(faza, okresKresek), okresKresek);
    for (qreal x = pas.left() + poczatek; x < pas.right(); x += okresKresek)
        malarz.fillRect(QRectF(x, pas.top(), std::min(dlugoscKreski, pas.right() - x), pas.height()), kolor);
}

void LiniaKreskowana::rysujLinieNadNaglowkiemOd(QPainter &malarz, const QPointF &p, qreal dlugosc)
{
    BezWygladzania aliasowane(malarz);
    const QRectF pas = pasLinii(p.x(), p.y(), dlugosc);
    malarz.fillRect(pas, biel(0.95));
    rysujKreski(malarz, pas, 0, biel(0.82));
}

void LiniaKreskowana::rysujSeparatorNaglowkaOd(QPainter &malarz, const QPointF &p, qreal dlugosc)
{
    BezWygladzania aliasowane(malarz);
    rysujKreski(malarz, pasLinii(p.x(), p.y() - 2, dlugosc), 0, biel(0.82));
    malarz.fillRect(pasLinii(p.x(), p.y() - 1, dlugosc), biel(0.9));
    rysujKreski(malarz, pasLinii(p.x(), p.y(), dlugosc), 2, biel(0.82));
}

void LiniaKreskowana::rysujSeparatorWierszaTabeliOd(QPainter &malarz, const QPointF &p, qreal dlugosc, qreal skala)
{
    BezWygladzania aliasowane(malarz);
    const qreal grubosc = 1.0 / (skala > 0 ? skala : 1.0);
    rysujKreski(malarz, pasLinii(p.x(), p.y(), dlugosc, grubosc), 0, biel(0.78));
}

void LiniaKreskowana::rysujSeparatorPaskaIkonOd(QPainter &malarz, const QPointF &p, qreal dlugosc)
{
    BezWygladzania aliasowane(malarz);
    rysujKreski(malarz, pasLinii(p.x(), p.y() - 2, dlugosc), 0, biel(0.78));
    rysujKreski(malarz, pasLinii(p.x(), p.y() - 1, dlugosc), 2, biel(0.78));
    rysujKreski(malarz, pasLinii(p.x(), p.y(), dlugosc), 2, biel(0.78));
}

void LiniaKreskowana::paintEvent(QPaintEvent *)
{
    if (m_rodzajLinii != rodzajSeparatorNaglowka)
        return;
    // From the view's bottom-left corner, so the three lines fill its three rows.
    QPainter malarz(this);
    rysujSeparatorNaglowkaOd(malarz, QPointF(0, height()), width());
}
