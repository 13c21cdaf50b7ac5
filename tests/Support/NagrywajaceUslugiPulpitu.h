#pragma once

#include "Platform/DesktopServices.h"

#include <QStringList>

// Desktop services that launch nothing and write each call down as one line:
// "open <path>", "openWith <path> <desktop ID>", "reveal <path>", "folder <folder> [<selected>, ...]".
class NagrywajaceUslugiPulpitu : public DesktopServices
{
public:
    explicit NagrywajaceUslugiPulpitu(QStringList *wywolania)
        : m_wywolania(wywolania)
    {
    }

    bool openInDefaultApplication(const QString &path) override
    {
        *m_wywolania << QStringLiteral("open ") + path;
        return true;
    }
    bool openWithApplication(const QString &path, const QString &desktopId) override
    {
        *m_wywolania << QStringLiteral("openWith %1 %2").arg(path, desktopId);
        return true;
    }
    void revealInFileManager(const QString &path) override { *m_wywolania << QStringLiteral("reveal ") + path; }
    void openFolderInFileManager(const QString &folder, const QStringList &selected) override
    {
        *m_wywolania << QStringLiteral("folder %1 [%2]").arg(folder, selected.join(QStringLiteral(", ")));
    }

private:
    QStringList *m_wywolania;
};
