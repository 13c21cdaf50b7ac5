#pragma once

class Alert;
class QWidget;

// Alerts attached to a window, for code that needs the answer before it goes on.
class SynchronousSheet
{
public:
    // Shows the alert as a sheet on the window, waits for a button and answers 1000 + its index.
    // Deliveries held by the modal gate wait meanwhile. Without a window the alert is
    // application-modal.
    static int runModalSheetForWindow(Alert &alert, QWidget *okno);
    // The same on the main window: the last activated visible one.
    static int runModalSheet(Alert &alert);
};
