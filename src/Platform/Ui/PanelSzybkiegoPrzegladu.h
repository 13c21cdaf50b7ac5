#pragma once

#include <QWidget>

// The one preview panel: a tool window that shows the previews of the items of the focused
// list. It never takes the focus from the window whose items it shows. Main thread only.
class PanelSzybkiegoPrzegladu : public QWidget
{
    Q_OBJECT

public:
    // The panel; the first call makes it, hidden.
    static PanelSzybkiegoPrzegladu *wspolny();
    // Whether the panel has been made; never makes it.
    static bool istnieje();

    // Shown in front, the active window staying active.
    void pokaz();
    void ukryj();

private:
    PanelSzybkiegoPrzegladu();
};
