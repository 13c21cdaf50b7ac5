#pragma once

#include <QString>

// Paths are absolute QStrings without a trailing separator, in their on-disk spelling.
// Comparisons, hashes and containment use that spelling too: Linux keeps names as bytes, so two
// names that differ only in Unicode normalisation are two items. Only names a user types fold (nfc).
namespace Paths {

QString join(const QString &folder, const QString &name);
QString parent(const QString &path);
QString lastComponent(const QString &path);
QString extension(const QString &path);
// Drops trailing separators ("/" stays "/") and collapses "//".
QString clean(const QString &path);
// The composed form of a name a user typed or dropped, to find its item in either spelling.
QString nfc(const QString &text);
// True when `inner` equals `outer` or lies below it, compared component-wise.
bool contains(const QString &outer, const QString &inner);
bool equal(const QString &a, const QString &b);
// True when the name round-trips through the file-name encoding unchanged.
bool isEncodable(const QByteArray &rawName);
// A name typed by the user for a new or renamed item: not empty, ".", "..", no "/" or NUL,
// and one the file-name encoding keeps as it is.
bool isValidItemName(const QString &name);

} // namespace Paths
