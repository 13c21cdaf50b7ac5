#include "TloKarty.h"

#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"

#include <QPainter>
#include <QVBoxLayout>

TloKarty::TloKarty(QWidget *rodzic)
    : QWidget(rodzic)
{
    auto *uklad = new QVBoxLayout(this);
    uklad->setSpacing(0);
    // The details view's frame, turned from the card's upright coordinates into Qt's.
    uklad->setContentsMargins(12, 0, 11, 12);
}

void TloKarty::setRodzajKarty(std::int32_t rodzaj)
{
    m_rodzajKarty = rodzaj;
    update();
}

void TloKarty::ustawWidokSzczegolow()
{
    if (m_widokSzczegolow)
        layout()->addWidget(m_widokSzczegolow);
}

void TloKarty::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    const auto *kontroler = qobject_cast<KontrolerOknaPrzegladarkiTarrowind *>(
        BrowserWindowController::browserWindowControllerForView(this));
    if (kontroler) {
        // The same desk as the window's own, lying where the window's lies.
        malarz.drawImage(-QPointF(mapTo(window(), QPoint(0, 0))), kontroler->backgroundImage());
    }
    m_rysownik.rysujDolKarty(malarz, m_rodzajKarty, this);
}
