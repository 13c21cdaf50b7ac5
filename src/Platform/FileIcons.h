#pragma once

#include <QIcon>
#include <QString>

// The icon of a file as the desktop shows it: the icon theme's icon for its MIME type,
// then the platform theme's, then one of our own bundled images, so there is always one.
class FileIcons
{
public:
    static QIcon iconForFile(const QString &path);
    // Our own images, used when no theme knows the type.
    static QIcon fallbackIcon(const QString &path);
};
