#pragma once

#include "FolderChooser.h"

// A file dialog that shows folders only, window-modal on the window it is given.
class FileDialogFolderChooser : public FolderChooser
{
public:
    void choose(QWidget *okno, const Request &prosba, Completion zakonczenie) override;
};
