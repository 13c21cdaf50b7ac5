#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include <sys/stat.h>

// The names in the folder, in order, by raw bytes; none when it cannot be listed.
std::vector<QByteArray> nazwyWKatalogu(const QByteArray &katalog);

// Every entry below the folder, depth first in name order, by raw bytes: names that are no
// valid UTF-8 are followed too.
void przejdzDrzewo(const QByteArray &katalog, const std::function<void(const QByteArray &, const struct stat &)> &dla);

// The bytes of a file, or "-> target" of a link.
QByteArray trescWpisu(const QByteArray &sciezka, const struct stat &info);

// Everything under a folder, hidden items too: each relative path with its kind, mode, size and
// a hash of its bytes (a link with its target), so that two trees can be compared byte for byte.
// With `zWezlami` each line carries the inode as well: an item taken away and made again shows.
QStringList migawkaKatalogu(const QString &katalog, bool zWezlami = false);
