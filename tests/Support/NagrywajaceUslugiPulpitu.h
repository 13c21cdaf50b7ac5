#pragma once

#include "Platform/DesktopServices.h"

#include <QStringList>

#include <optional>

// Desktop services that launch nothing and write each call down as one line:
// "open <path>", "openWith <path> <desktop ID>", "reveal <path>", "folder <folder> [<selected>, ...]".
// Told to, it answers every open with a failure, as when no application can open the item.
class NagrywajaceUslugiPulpitu : public DesktopServices
{
public:
    explicit NagrywajaceUslugiPulpitu(QStringList *wywolania)
        : m_wywolania(wywolania)
    {
    }

    bool openInDefaultApplication(const QString &path, BladOperacji *blad = nullptr) override
    {
        *m_wywolania << QStringLiteral("open ") + path;
        return odpowiedz(blad);
    }
    bool openWithApplication(const QString &path, const QString &desktopId, BladOperacji *blad = nullptr) override
    {
        *m_wywolania << QStringLiteral("openWith %1 %2").arg(path, desktopId);
        return odpowiedz(blad);
    }
    void revealInFileManager(const QString &path) override { *m_wywolania << QStringLiteral("reveal ") + path; }
    void openFolderInFileManager(const QString &folder, const QStringList &selected) override
    {
        *m_wywolania << QStringLiteral("folder %1 [%2]").arg(folder, selected.join(QStringLiteral(", ")));
    }

    void odmawiajOtwarcia(const BladOperacji &blad) { m_odmowa = blad; }

private:
    bool odpowiedz(BladOperacji *blad) const
    {
        if (m_odmowa && blad)
            *blad = *m_odmowa;
        return !m_odmowa;
    }

    QStringList *m_wywolania;
    std::optional<BladOperacji> m_odmowa;
};
