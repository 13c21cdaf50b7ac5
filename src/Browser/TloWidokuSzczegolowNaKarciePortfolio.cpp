#include "TloWidokuSzczegolowNaKarciePortfolio.h"

#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int lewy = 3;
constexpr int gorny = 3;
constexpr int prawy = 6;
constexpr int dolny = 6;

} // namespace

TloWidokuSzczegolowNaKarciePortfolio::TloWidokuSzczegolowNaKarciePortfolio(QWidget *rodzic)
    : QWidget(rodzic)
{
    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(lewy, gorny, prawy, dolny);
    uklad->setSpacing(0);
}

QRectF TloWidokuSzczegolowNaKarciePortfolio::ramkaWidokuSzczegolow() const
{
    return QRectF(lewy, gorny, width() - lewy - prawy, height() - gorny - dolny);
}

void TloWidokuSzczegolowNaKarciePortfolio::awakeFromNib()
{
    if (m_widokSzczegolow)
        layout()->addWidget(m_widokSzczegolow);
}

void TloWidokuSzczegolowNaKarciePortfolio::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    narysujTloWidokuSzczegolow(malarz);
}

void TloWidokuSzczegolowNaKarciePortfolio::narysujTloWidokuSzczegolow(QPainter &malarz)
{
    const QRectF panel = ramkaWidokuSzczegolow();
    QPainterPath ksztalt;
    ksztalt.addRect(panel);
    m_cien.draw(malarz, ksztalt, QPointF(0, 0), 3.0, QColor::fromRgbF(0, 0, 0, 0.6));
    malarz.fillPath(ksztalt, Qt::white);

    // Two lines under the panel's top edge, 1.5 and 3.5 points down, each one point thick.
    const QColor linia = QColor::fromRgbF(0, 0, 0, 0.06);
    for (qreal odGory : {1.5, 3.5})
        malarz.fillRect(QRectF(panel.left(), panel.top() + odGory - 0.5, panel.width(), 1.0), linia);
}
