#pragma once

#include <QImage>
#include <QString>

// A picture of a file at most `maxSide` pixels on its longer side: the image itself for
// readable images, else the freedesktop thumbnail cache, else the file's icon.
class Thumbnails
{
public:
    static QImage thumbnailForFile(const QString &path, int maxSide);
    // The freedesktop cache entry for the file, when one is there and its Thumb::MTime is the
    // file's modification time.
    static QImage cachedThumbnail(const QString &path);
    // Where the cache keeps the thumbnail of `path` in one size folder ("normal", "large", ...).
    static QString cachePath(const QString &path, const QString &sizeFolder);
};
