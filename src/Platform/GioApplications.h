#pragma once

#include "BladOperacji.h"

#include <QIcon>
#include <QList>
#include <QString>

#include <optional>

// The one place that talks to GIO; its headers stay out of every other file because they
// use names that Qt defines as keywords. GIO is the desktop's registry of applications.
class GioApplications
{
public:
    struct Application
    {
        QString desktopId;
        QString displayName;
        QIcon icon;
    };

    // Why a file did not open, the code of a failure's `blad`.
    enum PowodNieotwarcia { pnNieznanyTyp = 1, pnBrakAplikacji, pnNieUruchomiona };

    // Launches the desktop's default application for the file; NO when its type cannot be read, there is no
    // application for it or the application failed, with which of the three in `blad`.
    static bool launchDefaultForPath(const QString &path, BladOperacji *blad = nullptr);
    // Launches the application of the desktop entry with the file; a failure, a missing entry
    // included, is written to the console and answers NO with its reason in `blad`.
    static bool launchWithApplication(const QString &path, const QString &desktopId, BladOperacji *blad = nullptr);

    // The default application for the MIME type, when the desktop names one.
    static std::optional<Application> defaultForType(const QString &mimeType);
    // Every other application registered for the type, in GIO's order, the default left out.
    static QList<Application> othersForType(const QString &mimeType);
    // A key of the application's desktop entry, localised first; null when the entry or the
    // key is missing.
    static QString desktopEntryValue(const QString &desktopId, const QString &key);
};
