#pragma once

#include "BladOperacji.h"

#include <QString>
#include <QStringList>

#include <memory>

// What the desktop does with a file for us: open it with its application, show it in the
// file manager. One replaceable instance, so tests record the calls instead of launching.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Opens the item with the application the desktop associates with its type. NO, with the reason in
    // `blad`, when no application is set for the type or the application could not start.
    virtual bool openInDefaultApplication(const QString &path, BladOperacji *blad = nullptr) = 0;
    // Opens the item with the application of a desktop entry; a failure is written to the console
    // and its reason given in `blad`.
    virtual bool openWithApplication(const QString &path, const QString &desktopId, BladOperacji *blad = nullptr) = 0;
    // Shows the item selected in a file-manager window.
    virtual void revealInFileManager(const QString &path) = 0;
    // Opens the folder in the file manager, with the items of `selected` (inside it) selected,
    // in their order.
    virtual void openFolderInFileManager(const QString &folder, const QStringList &selected) = 0;

    static DesktopServices *shared();
    // Installs another instance; nullptr brings back the system's services.
    static void setShared(std::unique_ptr<DesktopServices> services);
};
