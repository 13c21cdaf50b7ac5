#include "PolozenieArkuszy.h"

#include <QChildEvent>
#include <QEvent>

PolozenieArkuszy::PolozenieArkuszy(QWidget *okno, std::function<QRect(QWidget *arkusz)> ramka, QObject *wlasciciel)
    : QObject(wlasciciel)
    , m_okno(okno)
    , m_ramka(std::move(ramka))
{
    okno->installEventFilter(this);
}

bool PolozenieArkuszy::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (obiekt == m_okno) {
        // A sheet is made as a child of the window and watched from then on.
        if (zdarzenie->type() == QEvent::ChildAdded) {
            QObject *dziecko = static_cast<QChildEvent *>(zdarzenie)->child();
            if (dziecko->isWidgetType())
                dziecko->installEventFilter(this);
        }
        return false;
    }
    if (zdarzenie->type() == QEvent::Show || zdarzenie->type() == QEvent::Resize) {
        auto *arkusz = qobject_cast<QWidget *>(obiekt);
        if (arkusz && arkusz->isWindow() && arkusz->windowModality() == Qt::WindowModal && m_okno
            && arkusz->parentWidget() == m_okno && (zdarzenie->type() == QEvent::Show || arkusz->isVisible()))
            umiesc(arkusz);
    }
    return false;
}

void PolozenieArkuszy::umiesc(QWidget *arkusz)
{
    const QRect ramka = m_ramka(arkusz);
    arkusz->move(ramka.x() + (ramka.width() - arkusz->width()) / 2, ramka.y());
}
