#pragma once

#include "DesktopServices.h"

// The desktop's own services: GIO (then Qt) to open, the file manager's D-Bus interface
// org.freedesktop.FileManager1 to reveal, with the parent folder opened when no file
// manager answers.
class SystemDesktopServices : public DesktopServices
{
public:
    bool openInDefaultApplication(const QString &path) override;
    // Asynchronous: the file manager may take a while to start, the caller never waits.
    void revealInFileManager(const QString &path) override;

    static inline const QString fileManagerService = QStringLiteral("org.freedesktop.FileManager1");
    static inline const QString fileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");
};
