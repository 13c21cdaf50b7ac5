#include "FolderChooser.h"

#include "FileDialogFolderChooser.h"
#include "ReplaceableSingleton.h"

using Choosers = ReplaceableSingleton<FolderChooser, FileDialogFolderChooser>;

FolderChooser &FolderChooser::current()
{
    return Choosers::current();
}

FolderChooser *FolderChooser::replace(FolderChooser *chooser)
{
    return Choosers::replace(chooser);
}
