#include "FileAttributes.h"

#include <QFile>
#include <QMimeDatabase>

#include <sys/stat.h>

QString FileAttributes::typeIdentifier(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    switch (info.st_mode & S_IFMT) {
    case S_IFDIR:
        return typFolderu;
    case S_IFLNK:
        return typDowiazania;
    case S_IFIFO:
        return QStringLiteral("inode/fifo");
    case S_IFSOCK:
        return QStringLiteral("inode/socket");
    case S_IFCHR:
        return QStringLiteral("inode/chardevice");
    case S_IFBLK:
        return QStringLiteral("inode/blockdevice");
    default:
        break;
    }
    static const QMimeDatabase bazaTypow;
    return bazaTypow.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
}

QDateTime FileAttributes::dateAdded(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const qint64 milisekundy = qint64(info.st_ctim.tv_sec) * 1000 + info.st_ctim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(milisekundy, Qt::UTC);
}
