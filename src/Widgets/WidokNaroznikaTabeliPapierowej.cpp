#include "WidokNaroznikaTabeliPapierowej.h"

#include <QPainter>

WidokNaroznikaTabeliPapierowej::WidokNaroznikaTabeliPapierowej(QWidget *rodzic)
    : QWidget(rodzic)
{
}

void WidokNaroznikaTabeliPapierowej::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    m_komorkaNaglowkaTabeli.drawWithFrame(malarz, rect(), this);
}
