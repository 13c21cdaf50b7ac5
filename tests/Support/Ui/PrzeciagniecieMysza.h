#pragma once

#include <QPoint>

class QWindow;

// A left-button drag as the window system delivers it: press at `skad`, moves in a few steps,
// release at `dokad`, in the window's coordinates. Events queued on the way are handled after
// every step, so that layouts the drag sets off are in place before the next move.
void przeciagnijMysza(QWindow *okno, QPoint skad, QPoint dokad);
