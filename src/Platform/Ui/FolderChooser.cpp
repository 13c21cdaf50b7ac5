#include "FolderChooser.h"

#include "FileDialogFolderChooser.h"
#include "ReplaceableSingleton.h"

using Choosers = ReplaceableSingleton<FolderChooser, FileDialogFolderChooser>;

FolderChooser &FolderChooser::biezacy()
{
    return Choosers::current();
}

FolderChooser *FolderChooser::ustaw(FolderChooser *chooser)
{
    return Choosers::replace(chooser);
}
