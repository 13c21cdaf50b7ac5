#include "SynchronousSheet.h"

#include "AlertPresenter.h"
#include "Platform/ModalGate.h"
#include "WindowRegistry.h"

#include <QWidget>

int SynchronousSheet::runModalSheetForWindow(Alert &alert, QWidget *okno)
{
    ModalGate::Raise brama;
    return AlertPresenter::current().present(alert, okno ? okno->window() : nullptr);
}

int SynchronousSheet::runModalSheet(Alert &alert)
{
    return runModalSheetForWindow(alert, WindowRegistry::instance().mainWindow());
}
