#include "InformacjaOPrzeciaganiu.h"

#include <QDropEvent>
#include <QMimeData>

InformacjaOPrzeciaganiu InformacjaOPrzeciaganiu::zZdarzenia(const QDropEvent &zdarzenie)
{
    InformacjaOPrzeciaganiu informacja;
    const QMimeData *dane = zdarzenie.mimeData();
    if (dane && dane->hasUrls())
        informacja.urle = dane->urls();
    informacja.akcjeZrodla = zdarzenie.possibleActions();
    informacja.klawisze = zdarzenie.modifiers();
    return informacja;
}

Qt::DropActions InformacjaOPrzeciaganiu::draggingSourceOperationMask() const
{
    const bool ctrl = klawisze.testFlag(Qt::ControlModifier);
    const bool shift = klawisze.testFlag(Qt::ShiftModifier);
    if (ctrl && shift)
        return akcjeZrodla & Qt::LinkAction;
    if (ctrl)
        return akcjeZrodla & Qt::CopyAction;
    if (shift)
        return akcjeZrodla & Qt::MoveAction;
    return akcjeZrodla;
}
