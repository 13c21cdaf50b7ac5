#pragma once

class Browser;
class QMimeData;
class QPoint;
class TabContents;
class TabMimeData;

// What a dragged tab does: move within its strip, move to another window's strip, or tear off
// into a window of its own. Strips only translate mouse and drop events into these calls.
class TabDragController
{
public:
    TabDragController() = delete;

    // The live tab of this process that `data` carries, or nullptr.
    static TabContents *draggedTab(const QMimeData *data);
    static bool canDropTab(const QMimeData *data, const Browser *target);

    // Puts the tab into `target`'s strip before the tab now at `insertionIndex` (0..count, the
    // gap the drop fell into) and makes it active. Another browser's window comes to the front;
    // the window the tab left closes when it was its last tab.
    static bool moveTab(TabContents *contents, Browser *target, int insertionIndex);

    // Gives the tab a window of its own with its top-left corner at `windowTopLeft`. A tab that
    // is alone in its window only moves that window. Returns the browser now holding the tab.
    static Browser *tearOffTab(TabContents *contents, const QPoint &windowTopLeft);

    // The end of a drag out of a strip: a drop noted by a strip moves the tab there; a drag
    // that ended over nothing tears the tab off; a cancelled one changes nothing.
    static Browser *finishDrag(const TabMimeData &data, bool cancelled, const QPoint &tearOffTopLeft);
};
