#pragma once

#include "BladOperacji.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A record of a folder's path, device and inode. Resolving finds the folder at its path,
// or, when it was renamed in place, the folder with the same device and inode in the
// recorded parent or grandparent.
class Bookmark
{
public:
    static std::optional<QByteArray> dataForPath(const QString &sciezka, BladOperacji *blad = nullptr);
    static std::optional<QString> resolve(const QByteArray &dane, BladOperacji *blad = nullptr);
};
