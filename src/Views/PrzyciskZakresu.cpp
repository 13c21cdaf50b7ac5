#include "PrzyciskZakresu.h"

#include <QMenu>
#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

PrzyciskZakresu::PrzyciskZakresu(const QString &tytul, QWidget *rodzic)
    : QPushButton(tytul, rodzic)
{
    setCheckable(true);
    // A click leaves the focus on the list, whose selection the Bean menu and its keys act on.
    setFocusPolicy(Qt::NoFocus);
}

void PrzyciskZakresu::mousePressEvent(QMouseEvent *zdarzenie)
{
    if (zdarzenie->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(zdarzenie);
        return;
    }
    const QRect obszar = rect();
    if (m_menu && zdarzenie->position().x() >= obszar.x() + obszar.width() - szerokoscStrefyMenu) {
        zdarzenie->accept();
        m_menu->exec(mapToGlobal(QPoint(0, obszar.y() + obszar.height() + 2)));
        return;
    }
    if (isChecked()) {
        zdarzenie->accept();
        return;
    }
    QPushButton::mousePressEvent(zdarzenie);
}

void PrzyciskZakresu::paintEvent(QPaintEvent *zdarzenie)
{
    QPushButton::paintEvent(zdarzenie);
    if (!m_menu)
        return;
    QStylePainter malarz(this);
    QStyleOption opcja;
    opcja.initFrom(this);
    const int bok = 7;
    opcja.rect = QRect(width() - szerokoscStrefyMenu + (szerokoscStrefyMenu - bok) / 2, (height() - bok) / 2, bok, bok);
    malarz.drawPrimitive(QStyle::PE_IndicatorArrowDown, opcja);
}

QSize PrzyciskZakresu::sizeHint() const
{
    const QSize rozmiar = QPushButton::sizeHint();
    return m_menu ? QSize(rozmiar.width() + szerokoscStrefyMenu, rozmiar.height()) : rozmiar;
}
