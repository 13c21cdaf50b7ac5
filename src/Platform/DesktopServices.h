#pragma once

#include <QString>

#include <memory>

// What the desktop does with a file for us: open it with its application, show it in the
// file manager. One replaceable instance, so tests record the calls instead of launching.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Opens the item with the application the desktop associates with its type.
    virtual bool openInDefaultApplication(const QString &path) = 0;
    // Shows the item selected in a file-manager window.
    virtual void revealInFileManager(const QString &path) = 0;

    static DesktopServices *shared();
    // Installs another instance; nullptr brings back the system's services.
    static void setShared(std::unique_ptr<DesktopServices> services);
};
