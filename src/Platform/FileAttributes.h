#pragma once

#include <QDateTime>
#include <QString>

// What the file system tells about one item, without opening it. The item itself is
// looked at (lstat): a symbolic link is a link, whatever it points to.
class FileAttributes
{
public:
    static inline const QString typFolderu = QStringLiteral("inode/directory");
    static inline const QString typTekstu = QStringLiteral("text/plain");
    static inline const QString typDowiazania = QStringLiteral("inode/symlink");

    // The MIME type: "inode/..." for folders, links and special files, otherwise by name
    // alone (no content sniffing, so listing a folder never opens its files). Empty when
    // nothing is there.
    static QString typeIdentifier(const QString &path);
    // The same for an item whose file type (the S_IFMT bits of lstat) is known already.
    static QString typeIdentifierForFileType(const QString &path, quint32 fileType);
    // The MIME type of a regular file by its name alone.
    static QString typeByName(const QString &path);
    // When the item was put where it lies: the status-change time, which a move sets.
    // Invalid when nothing is there.
    static QDateTime dateAdded(const QString &path);
    // When the content last changed, for a link that of what it points to. Invalid when
    // nothing is there.
    static QDateTime dateModified(const QString &path);
};
