#pragma once

#include <Qt>

class QDragMoveEvent;
class QDropEvent;

// How every drop place of the program answers Qt's drag events, whoever decides the operation.
namespace OdpowiedzNaPrzeciaganie {

// What the drag's source hears while the drag hovers a place whose drop would carry out
// `operacja`; answers what it heard. Another program's source hears Copy, or a refusal when it
// offers no Copy: over X11 it keeps this answer as the drop's result, and would delete files
// on hearing Move that we move only later. Our own windows' sources delete nothing and hear
// the operation. A drag of files entering a refusing place is still taken, with no action (the
// source hears the refusal): Qt sends the moves that follow only to a widget that took the entry,
// so a drag entering over a refusing row, as one from the list itself does over its own row,
// would never reach the row that takes it.
Qt::DropAction odpowiedzPodczasPrzeciagania(QDragMoveEvent *zdarzenie, Qt::DropAction operacja);
// What the drag's source hears of a drop: Copy for a drop carried out, whatever was done to
// the files, so that no source deletes what it thinks moved; else refused.
void odpowiedzZrodlu(QDropEvent *zdarzenie, bool przyjety);

} // namespace OdpowiedzNaPrzeciaganie
