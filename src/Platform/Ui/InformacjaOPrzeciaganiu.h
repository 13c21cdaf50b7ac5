#pragma once

#include <QList>
#include <QUrl>

class QDropEvent;

// What a drop place needs to know of a drag, read at once from Qt's event: the dragged URLs,
// the actions the source offers and the keys held.
struct InformacjaOPrzeciaganiu
{
    QList<QUrl> urle;
    Qt::DropActions akcjeZrodla;
    Qt::KeyboardModifiers klawisze;

    // Drag enter and drag move events are drop events too.
    static InformacjaOPrzeciaganiu zZdarzenia(const QDropEvent &zdarzenie);

    // The source's actions narrowed by the keys: Ctrl copies, Shift moves, both link.
    Qt::DropActions draggingSourceOperationMask() const;
};
