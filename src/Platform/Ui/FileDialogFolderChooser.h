#pragma once

#include "FolderChooser.h"

// A file dialog that shows folders only, window-modal on the window it is given.
class FileDialogFolderChooser : public FolderChooser
{
public:
    void wybierz(QWidget *okno, const Prosba &prosba, Zakonczenie zakonczenie) override;
};
