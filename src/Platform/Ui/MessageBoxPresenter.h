#pragma once

#include "AlertPresenter.h"

// The alerts the user sees: a QMessageBox run in a nested event loop, as a window-modal sheet
// when a window is given.
class MessageBoxPresenter : public AlertPresenter
{
public:
    int present(Alert &alert, QWidget *okno) override;
};
