#include "FolderChooser.h"

#include "FileDialogFolderChooser.h"

namespace {

FolderChooser *&zastepca()
{
    static FolderChooser *chooser = nullptr;
    return chooser;
}

} // namespace

FolderChooser &FolderChooser::biezacy()
{
    static FileDialogFolderChooser dialog;
    return zastepca() ? *zastepca() : dialog;
}

FolderChooser *FolderChooser::ustaw(FolderChooser *chooser)
{
    FolderChooser *poprzedni = zastepca();
    zastepca() = chooser;
    return poprzedni;
}
