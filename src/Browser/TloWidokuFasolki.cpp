#include "TloWidokuFasolki.h"

#include <QPainter>

TloWidokuFasolki::TloWidokuFasolki(QWidget *rodzic)
    : QWidget(rodzic)
{
}

void TloWidokuFasolki::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    m_rysownik.rysujKarteTlaWidokuFasolki(malarz, this);
}
