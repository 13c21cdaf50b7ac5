#include "FolderChooser.h"

#include "FileDialogFolderChooser.h"

namespace {

FolderChooser *&zastepcaWyboru()
{
    static FolderChooser *chooser = nullptr;
    return chooser;
}

} // namespace

FolderChooser &FolderChooser::biezacy()
{
    static FileDialogFolderChooser dialog;
    return zastepcaWyboru() ? *zastepcaWyboru() : dialog;
}

FolderChooser *FolderChooser::ustaw(FolderChooser *chooser)
{
    FolderChooser *poprzedni = zastepcaWyboru();
    zastepcaWyboru() = chooser;
    return poprzedni;
}
