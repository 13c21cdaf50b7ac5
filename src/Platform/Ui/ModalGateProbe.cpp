#include "ModalGateProbe.h"

#include "Platform/ModalGate.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

void ModalGateProbe::install()
{
    static ModalGateProbe *sonda = nullptr;
    if (sonda)
        return;
    sonda = new ModalGateProbe;
    ModalGate::setModalWidgetProbe([] { return QApplication::activeModalWidget() || QApplication::activePopupWidget(); });
    qApp->installEventFilter(sonda);
}

bool ModalGateProbe::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (zdarzenie->type() != QEvent::Hide)
        return false;
    auto *widget = qobject_cast<QWidget *>(obiekt);
    if (!widget || !widget->isWindow())
        return false;
    if (widget->isModal() || widget->windowType() == Qt::Popup) {
        // Qt forgets the modal widget or popup only after its hide event.
        QMetaObject::invokeMethod(&ModalGate::instance(), [] { ModalGate::notifyProbeChanged(); }, Qt::QueuedConnection);
    }
    return false;
}
