#pragma once

#include <QString>

// Paths are absolute QStrings without a trailing separator, in their on-disk spelling.
// Comparisons, hashes and containment use the NFC form: Linux keeps names as bytes.
namespace Paths {

QString join(const QString &folder, const QString &name);
QString parent(const QString &path);
QString lastComponent(const QString &path);
QString extension(const QString &path);
// Drops trailing separators ("/" stays "/") and collapses "//".
QString clean(const QString &path);
QString nfc(const QString &text);
// True when the text holds ASCII only, which is its own NFC form.
bool isAscii(QStringView text);
// True when `inner` equals `outer` or lies below it, compared component-wise in NFC.
bool contains(const QString &outer, const QString &inner);
bool equal(const QString &a, const QString &b);
// True when the name round-trips through the file-name encoding unchanged.
bool isEncodable(const QByteArray &rawName);
// A name typed by the user for a new or renamed item: not empty, ".", "..", no "/" or NUL,
// and one the file-name encoding keeps as it is.
bool isValidItemName(const QString &name);

} // namespace Paths
