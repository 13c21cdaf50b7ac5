#include "FileAttributes.h"

#include <QFile>
#include <QHash>
#include <QMimeDatabase>

#include <sys/stat.h>

QString FileAttributes::typeIdentifier(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return typeIdentifierForFileType(path, info.st_mode & S_IFMT);
}

QString FileAttributes::typeIdentifierForFileType(const QString &path, quint32 fileType)
{
    switch (fileType) {
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
    return typeByName(path);
}

QString FileAttributes::typeByName(const QString &path)
{
    // Matching a name against the MIME globs costs far more than the listing that found it,
    // and a portfolio repeats a few endings thousands of times: remember the answer per ending.
    // A name without a dot is matched whole (literal globs such as "Makefile").
    const qsizetype ukosnik = path.lastIndexOf(QLatin1Char('/'));
    const QStringView nazwa = QStringView(path).mid(ukosnik + 1);
    const qsizetype kropka = nazwa.indexOf(QLatin1Char('.'), 1);
    const QString klucz = kropka > 0 ? nazwa.mid(kropka).toString() : nazwa.toString();
    thread_local QHash<QString, QString> typyPoZakonczeniu;
    if (auto it = typyPoZakonczeniu.constFind(klucz); it != typyPoZakonczeniu.constEnd())
        return *it;
    static const QMimeDatabase bazaTypow;
    const QString typ = bazaTypow.mimeTypeForFile(nazwa.toString(), QMimeDatabase::MatchExtension).name();
    if (typyPoZakonczeniu.size() > 4096)
        typyPoZakonczeniu.clear();
    typyPoZakonczeniu.insert(klucz, typ);
    return typ;
}

QDateTime FileAttributes::dateAdded(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const qint64 milisekundy = qint64(info.st_ctim.tv_sec) * 1000 + info.st_ctim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(milisekundy, Qt::UTC);
}

QDateTime FileAttributes::dateModified(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const qint64 milisekundy = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(milisekundy, Qt::UTC);
}
