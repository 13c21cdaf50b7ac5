#include "WidokDolnegoPaskaIkon.h"

#include "LiniaKreskowana.h"

#include <QHBoxLayout>
#include <QPainter>

WidokDolnegoPaskaIkon::WidokDolnegoPaskaIkon(QWidget *rodzic)
    : QWidget(rodzic)
{
    auto *uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 3, 0, 0);
    uklad->setSpacing(0);
}

QHBoxLayout *WidokDolnegoPaskaIkon::ukladPrzyciskow() const
{
    return static_cast<QHBoxLayout *>(layout());
}

void WidokDolnegoPaskaIkon::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    // Everything but a 2-point band at the top, which the dotted lines share with the desk.
    malarz.fillRect(QRectF(0, 2, width(), height() - 2), QColor::fromHsvF(104.0 / 360.0, 0.01, 0.94, 1.0));
    LiniaKreskowana::rysujSeparatorPaskaIkonOd(malarz, QPointF(0, 3), width());
}
