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
    ModalGate::setModalWidgetProbe([] {
        // A sheet opened on one window (the change of location, a folder chooser) runs no loop of its own and
        // holds nothing back, or a move whose progress it shows would never end; an alert run as a sheet raises
        // the gate itself. A window-modal widget without a window blocks them all.
        const QWidget *modalne = QApplication::activeModalWidget();
        const bool calyProgram = modalne
                                 && (modalne->windowModality() == Qt::ApplicationModal || !modalne->parentWidget());
        return calyProgram || QApplication::activePopupWidget();
    });
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
        QMetaObject::invokeMethod(
            &ModalGate::instance(), [] { ModalGate::notifyProbeChanged(); }, Qt::QueuedConnection);
    }
    return false;
}
