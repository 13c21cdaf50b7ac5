#include "WidokZFokusemEdytora.h"

#include <QPainter>

namespace {

constexpr qreal wysuniecieRamkiFokusu = 4.0;
constexpr qreal wciecieObwodkiFokusu = 2.0;
constexpr qreal promienObwodkiFokusu = 3.0;
constexpr qreal gruboscObwodkiFokusu = 3.0;

} // namespace

WidokZFokusemEdytora::WidokZFokusemEdytora(QWidget *rodzic)
    : QWidget(rodzic)
{
}

void WidokZFokusemEdytora::setCzyRysowacFokusEdytora(bool rysowac)
{
    if (rysowac == m_czyRysowacFokusEdytora)
        return;
    m_czyRysowacFokusEdytora = rysowac;
    update(ramkaFokusu().toAlignedRect());
}

QRectF WidokZFokusemEdytora::ramkaFokusu() const
{
    if (!m_widokPrzewijany)
        return {};
    return QRectF(m_widokPrzewijany->geometry())
        .adjusted(-wysuniecieRamkiFokusu, -wysuniecieRamkiFokusu, wysuniecieRamkiFokusu, wysuniecieRamkiFokusu);
}

void WidokZFokusemEdytora::paintEvent(QPaintEvent *)
{
    if (!m_czyRysowacFokusEdytora || !m_widokPrzewijany)
        return;
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setPen(QPen(QColor::fromHsvF(100 / 360.0, 0.5, 0.5, 0.3), gruboscObwodkiFokusu));
    malarz.setBrush(Qt::NoBrush);
    const QRectF obwodka = ramkaFokusu().adjusted(wciecieObwodkiFokusu, wciecieObwodkiFokusu, -wciecieObwodkiFokusu,
                                                  -wciecieObwodkiFokusu);
    malarz.drawRoundedRect(obwodka, promienObwodkiFokusu, promienObwodkiFokusu);
}
