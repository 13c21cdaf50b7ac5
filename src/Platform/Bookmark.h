#pragma once

#include "BladOperacji.h"
#include "FolderListing.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// A record of a folder's path, device, inode and birth time. Resolving finds the folder at its
// path, or, when it was renamed in place, the folder with the same device and inode in the
// recorded parent or grandparent. Inode numbers are reused, so such a folder is taken only when
// its birth time agrees; where no birth time can be compared, only when `confirm` accepts it.
class Bookmark
{
public:
    struct Identity
    {
        FolderListing::Identity node;
        std::optional<qint64> birth; // nanoseconds since the epoch; not every file system keeps it
    };
    using Confirmation = std::function<bool(const QString &folder)>;

    static std::optional<QByteArray> dataForPath(const QString &sciezka, BladOperacji *blad = nullptr);
    static std::optional<QString> resolve(const QByteArray &dane, const Confirmation &confirm = {},
                                          BladOperacji *blad = nullptr);
    // The folder at the path as a record names it (links followed); nothing when it cannot be read.
    static std::optional<Identity> identity(const QString &sciezka);

    // Tests stand in for the file system's answer about a path (a reused inode, a missing birth
    // time); nullopt from the hook means "nothing there". An empty hook removes it.
    using LookupHook = std::function<std::optional<Identity>(const QString &sciezka)>;
    static void setLookupHookForTests(LookupHook hook);
};
