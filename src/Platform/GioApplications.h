#pragma once

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

    // Launches the desktop's default application for the file; NO when there is none or it failed.
    static bool launchDefaultForPath(const QString &path);
    // Launches the application of the desktop entry with the file; a failure, a missing entry
    // included, is written to the console and answers NO.
    static bool launchWithApplication(const QString &path, const QString &desktopId);

    // The default application for the MIME type, when the desktop names one.
    static std::optional<Application> defaultForType(const QString &mimeType);
    // Every other application registered for the type, in GIO's order, the default left out.
    static QList<Application> othersForType(const QString &mimeType);
    // A key of the application's desktop entry, localised first; null when the entry or the
    // key is missing.
    static QString desktopEntryValue(const QString &desktopId, const QString &key);
};
