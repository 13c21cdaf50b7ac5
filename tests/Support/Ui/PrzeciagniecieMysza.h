#pragma once

#include <QPoint>

#include <functional>

class QWindow;

// A left-button drag as the window system delivers it: press at `skad`, moves in a few steps,
// release at `dokad`, in the window's coordinates. Events queued on the way are handled between
// the steps, so that layouts the drag sets off are in place before the next move. A drag of files
// that the moves start runs its own loop on a real X server, and the steps go on inside it; under
// the offscreen platform such a drag ends at once. `nadCelem` runs over `dokad` before the release.
void przeciagnijMysza(QWindow *okno, QPoint skad, QPoint dokad, const std::function<void()> &nadCelem = {});
