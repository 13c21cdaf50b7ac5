#include "Bookmark.h"

#include "FolderListing.h"
#include "Paths.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <sys/stat.h>

namespace {

struct Tozsamosc
{
    quint64 urzadzenie = 0;
    quint64 wezel = 0;
};

std::optional<Tozsamosc> tozsamosc(const QString &sciezka)
{
    struct stat info;
    if (stat(QFile::encodeName(sciezka).constData(), &info) != 0)
        return std::nullopt;
    return Tozsamosc{quint64(info.st_dev), quint64(info.st_ino)};
}

std::optional<QString> szukajW(const QString &katalog, const Tozsamosc &szukana)
{
    if (katalog.isEmpty())
        return std::nullopt;
    const FolderListing::Wynik lista = FolderListing::list(katalog);
    for (const FolderListing::Wpis &wpis : lista.wpisy) {
        if (!wpis.celToKatalog)
            continue;
        const auto znaleziona = tozsamosc(wpis.sciezka);
        if (znaleziona && znaleziona->urzadzenie == szukana.urzadzenie && znaleziona->wezel == szukana.wezel)
            return wpis.sciezka;
    }
    return std::nullopt;
}

void bladNieZnaleziono(BladOperacji *blad, const QString &sciezka)
{
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaPosix), ENOENT,
                        QStringLiteral("The bookmark could not be resolved."),
                        QStringLiteral("The folder \u201C%1\u201D couldn\u2019t be found.").arg(Paths::lastComponent(sciezka)));
}

} // namespace

std::optional<QByteArray> Bookmark::dataForPath(const QString &sciezka, BladOperacji *blad)
{
    const QString czysta = Paths::clean(sciezka);
    const auto id = tozsamosc(czysta);
    if (!id) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("The bookmark could not be made."), czysta);
        return std::nullopt;
    }
    QJsonObject zapis;
    zapis.insert(QStringLiteral("path"), czysta);
    zapis.insert(QStringLiteral("device"), QString::number(id->urzadzenie));
    zapis.insert(QStringLiteral("inode"), QString::number(id->wezel));
    return QJsonDocument(zapis).toJson(QJsonDocument::Compact);
}

std::optional<QString> Bookmark::resolve(const QByteArray &dane, BladOperacji *blad)
{
    const QJsonObject zapis = QJsonDocument::fromJson(dane).object();
    const QString sciezka = zapis.value(QStringLiteral("path")).toString();
    if (sciezka.isEmpty()) {
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaPosix), EINVAL,
                            QStringLiteral("The bookmark could not be resolved."),
                            QStringLiteral("The bookmark data is damaged."));
        return std::nullopt;
    }
    struct stat info;
    if (stat(QFile::encodeName(sciezka).constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return sciezka;

    const Tozsamosc szukana{zapis.value(QStringLiteral("device")).toString().toULongLong(),
                            zapis.value(QStringLiteral("inode")).toString().toULongLong()};
    const QString rodzic = Paths::parent(sciezka);
    if (auto znaleziona = szukajW(rodzic, szukana))
        return znaleziona;
    if (auto znaleziona = szukajW(Paths::parent(rodzic), szukana))
        return znaleziona;
    bladNieZnaleziono(blad, sciezka);
    return std::nullopt;
}
