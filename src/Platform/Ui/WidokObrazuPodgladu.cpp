#include "WidokObrazuPodgladu.h"

#include <QPainter>

WidokObrazuPodgladu::WidokObrazuPodgladu(QWidget *rodzic)
    : QWidget(rodzic)
{
}

void WidokObrazuPodgladu::setObraz(const QImage &obraz)
{
    m_obraz = obraz;
    update();
}

void WidokObrazuPodgladu::paintEvent(QPaintEvent *)
{
    if (m_obraz.isNull())
        return;
    QSize rozmiar = m_obraz.size();
    if (rozmiar.width() > width() || rozmiar.height() > height())
        rozmiar.scale(size(), Qt::KeepAspectRatio);
    QRect obszar(QPoint(), rozmiar);
    obszar.moveCenter(rect().center());
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::SmoothPixmapTransform);
    malarz.drawImage(obszar, m_obraz);
}
