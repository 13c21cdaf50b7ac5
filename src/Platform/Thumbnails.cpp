#include "Thumbnails.h"

#include "FileIcons.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QUrl>

#include <sys/stat.h>

namespace {

const char *const folderyRozmiarow[] = {"xx-large", "x-large", "large", "normal"};

QString uriPliku(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

QImage zObrazu(const QString &path, int maxSide)
{
    QImageReader czytnik(path);
    if (!czytnik.canRead())
        return {};
    czytnik.setAutoTransform(true);
    const QSize rozmiar = czytnik.size();
    if (rozmiar.isValid() && (rozmiar.width() > maxSide || rozmiar.height() > maxSide))
        czytnik.setScaledSize(rozmiar.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
    return czytnik.read();
}

QImage zIkony(const QString &path, int maxSide)
{
    const QIcon ikona = FileIcons::iconForFile(path);
    QSize najwiekszy;
    for (const QSize &rozmiar : ikona.availableSizes()) {
        if (rozmiar.width() <= maxSide && rozmiar.height() <= maxSide && rozmiar.width() > najwiekszy.width())
            najwiekszy = rozmiar;
    }
    if (!najwiekszy.isValid())
        najwiekszy = QSize(qMin(maxSide, 256), qMin(maxSide, 256));
    return ikona.pixmap(najwiekszy).toImage();
}

} // namespace

QString Thumbnails::cachePath(const QString &path, const QString &sizeFolder)
{
    QString baza = qEnvironmentVariable("XDG_CACHE_HOME");
    if (baza.isEmpty())
        baza = QDir::homePath() + QStringLiteral("/.cache");
    const QByteArray skrot = QCryptographicHash::hash(uriPliku(path).toUtf8(), QCryptographicHash::Md5).toHex();
    return baza + QStringLiteral("/thumbnails/") + sizeFolder + QLatin1Char('/') + QString::fromLatin1(skrot)
           + QStringLiteral(".png");
}

QImage Thumbnails::cachedThumbnail(const QString &path)
{
    struct stat info;
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    for (const char *folder : folderyRozmiarow) {
        QImage miniatura(cachePath(path, QString::fromLatin1(folder)));
        if (miniatura.isNull())
            continue;
        // A thumbnail made before the file last changed shows something else; one that does not
        // say when it was made cannot be trusted, as the cache's rules require the time.
        bool odczytany = false;
        const qint64 czas = miniatura.text(QStringLiteral("Thumb::MTime")).toLongLong(&odczytany);
        if (!odczytany || czas != qint64(info.st_mtim.tv_sec))
            continue;
        return miniatura;
    }
    return {};
}

QImage Thumbnails::thumbnailForFile(const QString &path, int maxSide)
{
    QImage miniatura = zObrazu(path, maxSide);
    if (miniatura.isNull())
        miniatura = cachedThumbnail(path);
    if (miniatura.isNull())
        return zIkony(path, maxSide);
    if (miniatura.width() > maxSide || miniatura.height() > maxSide)
        miniatura = miniatura.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return miniatura;
}
