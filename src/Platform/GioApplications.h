#pragma once

#include <QString>

// The one place that talks to GIO; its headers stay out of every other file because they
// use names that Qt defines as keywords.
class GioApplications
{
public:
    // Launches the desktop's default application for the file; NO when there is none or it failed.
    static bool launchDefaultForPath(const QString &path);
};
