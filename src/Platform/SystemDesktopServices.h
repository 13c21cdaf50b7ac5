#pragma once

#include "DesktopServices.h"

// The desktop's own services: GIO (then Qt) to open, the file manager's D-Bus interface
// org.freedesktop.FileManager1 to reveal and to show folders, with a folder opened through
// GIO when no file manager answers.
class SystemDesktopServices : public DesktopServices
{
public:
    bool openInDefaultApplication(const QString &path, BladOperacji *blad = nullptr) override;
    bool openWithApplication(const QString &path, const QString &desktopId, BladOperacji *blad = nullptr) override;
    // Asynchronous, as is the next: the file manager may take a while to start, the caller never waits.
    void revealInFileManager(const QString &path) override;
    void openFolderInFileManager(const QString &folder, const QStringList &selected) override;

    static inline const QString fileManagerService = QStringLiteral("org.freedesktop.FileManager1");
    static inline const QString fileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");

private:
    // Calls ShowItems or ShowFolders with the items' URIs; on failure opens `fallbackFolder`.
    static void askFileManager(const QString &method, const QStringList &paths, const QString &fallbackFolder);
};
