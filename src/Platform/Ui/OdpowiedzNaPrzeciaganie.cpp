#include "OdpowiedzNaPrzeciaganie.h"

#include <QDropEvent>
#include <QMimeData>

namespace OdpowiedzNaPrzeciaganie {

Qt::DropAction odpowiedzPodczasPrzeciagania(QDragMoveEvent *zdarzenie, Qt::DropAction operacja)
{
    Qt::DropAction odpowiedz = operacja;
    if (operacja != Qt::IgnoreAction && !zdarzenie->source())
        odpowiedz = zdarzenie->possibleActions().testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::IgnoreAction;
    const bool wejscieZPlikami = zdarzenie->type() == QEvent::DragEnter && zdarzenie->mimeData()
                                 && zdarzenie->mimeData()->hasUrls();
    if (odpowiedz == Qt::IgnoreAction && wejscieZPlikami) {
        zdarzenie->setDropAction(Qt::IgnoreAction);
        zdarzenie->accept();
    } else if (odpowiedz == Qt::IgnoreAction) {
        zdarzenie->ignore();
    } else {
        zdarzenie->setDropAction(odpowiedz);
        zdarzenie->accept();
    }
    return odpowiedz;
}

void odpowiedzZrodlu(QDropEvent *zdarzenie, bool przyjety)
{
    // A source that offers no Copy hears that the drop was refused, which it cannot misread; a
    // refused drop is answered as refused, so the drag goes back.
    if (przyjety && zdarzenie->possibleActions().testFlag(Qt::CopyAction)) {
        zdarzenie->setDropAction(Qt::CopyAction);
        zdarzenie->accept();
    } else {
        zdarzenie->setDropAction(Qt::IgnoreAction);
        zdarzenie->ignore();
    }
}

} // namespace OdpowiedzNaPrzeciaganie
