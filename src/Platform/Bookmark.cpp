#include "Bookmark.h"

#include "Paths.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

const QString kluczSciezki = QStringLiteral("path");
const QString kluczUrzadzenia = QStringLiteral("device");
const QString kluczWezla = QStringLiteral("inode");
const QString kluczNarodzin = QStringLiteral("birth");

Bookmark::LookupHook &hakTozsamosci()
{
    static Bookmark::LookupHook hak;
    return hak;
}

// A folder found by device and inode alone may be a new one that took a deleted folder's inode.
bool toTenSamKatalog(const QString &sciezka, const Bookmark::Identity &znaleziona,
                     const std::optional<qint64> &zapisaneNarodziny, const Bookmark::Confirmation &potwierdz)
{
    if (zapisaneNarodziny && znaleziona.birth)
        return *zapisaneNarodziny == *znaleziona.birth;
    return potwierdz && potwierdz(sciezka);
}

std::optional<QString> szukajW(const QString &katalog, const Bookmark::Identity &szukana,
                               const Bookmark::Confirmation &potwierdz)
{
    if (katalog.isEmpty())
        return std::nullopt;
    const FolderListing::Wynik lista = FolderListing::list(katalog);
    for (const FolderListing::Wpis &wpis : lista.wpisy) {
        if (!wpis.celToKatalog)
            continue;
        const auto znaleziona = Bookmark::identity(wpis.sciezka);
        // One folder at a time holds an inode: a refused match ends the search.
        if (znaleziona && znaleziona->node == szukana.node)
            return toTenSamKatalog(wpis.sciezka, *znaleziona, szukana.birth, potwierdz) ? std::optional(wpis.sciezka)
                                                                                        : std::nullopt;
    }
    return std::nullopt;
}

void bladNieZnaleziono(BladOperacji *blad, const QString &sciezka)
{
    BladOperacji::ustaw(
        blad, QString::fromLatin1(BladOperacji::domenaPosix), ENOENT,
        QStringLiteral("The bookmark could not be resolved."),
        QStringLiteral("The folder \u201C%1\u201D couldn\u2019t be found.").arg(Paths::lastComponent(sciezka)));
}

} // namespace

// Follows links, as the stored path does: only folders are looked up.
std::optional<Bookmark::Identity> Bookmark::identity(const QString &sciezka)
{
    if (const LookupHook &hak = hakTozsamosci())
        return hak(sciezka);
    struct statx info;
    if (statx(AT_FDCWD, QFile::encodeName(sciezka).constData(), 0, STATX_INO | STATX_BTIME, &info) != 0)
        return std::nullopt;
    // Encoded as st_dev is, so records made from stat still match.
    Identity wynik{{quint64(makedev(info.stx_dev_major, info.stx_dev_minor)), info.stx_ino}, std::nullopt};
    if (info.stx_mask & STATX_BTIME)
        wynik.birth = qint64(info.stx_btime.tv_sec) * 1000000000 + info.stx_btime.tv_nsec;
    return wynik;
}

void Bookmark::setLookupHookForTests(LookupHook hook)
{
    hakTozsamosci() = std::move(hook);
}

std::optional<QByteArray> Bookmark::dataForPath(const QString &sciezka, BladOperacji *blad)
{
    const QString czysta = Paths::clean(sciezka);
    const auto id = identity(czysta);
    if (!id) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("The bookmark could not be made."), czysta);
        return std::nullopt;
    }
    // Numbers as strings: JSON numbers are doubles and would round large inodes.
    QJsonObject zapis;
    zapis.insert(kluczSciezki, czysta);
    zapis.insert(kluczUrzadzenia, QString::number(id->node.device));
    zapis.insert(kluczWezla, QString::number(id->node.inode));
    if (id->birth)
        zapis.insert(kluczNarodzin, QString::number(*id->birth));
    return QJsonDocument(zapis).toJson(QJsonDocument::Compact);
}

std::optional<QString> Bookmark::resolve(const QByteArray &dane, const Confirmation &confirm, BladOperacji *blad)
{
    const QJsonObject zapis = QJsonDocument::fromJson(dane).object();
    const QString sciezka = zapis.value(kluczSciezki).toString();
    if (sciezka.isEmpty()) {
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaPosix), EINVAL,
                            QStringLiteral("The bookmark could not be resolved."),
                            QStringLiteral("The bookmark data is damaged."));
        return std::nullopt;
    }
    struct stat info;
    if (stat(QFile::encodeName(sciezka).constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return sciezka;

    // A record made before birth times were kept has none: it is resolved under `confirm` alone.
    Identity szukana{
        {zapis.value(kluczUrzadzenia).toString().toULongLong(), zapis.value(kluczWezla).toString().toULongLong()},
        std::nullopt};
    bool jestNarodziny = false;
    const qint64 narodziny = zapis.value(kluczNarodzin).toString().toLongLong(&jestNarodziny);
    if (jestNarodziny)
        szukana.birth = narodziny;
    const QString rodzic = Paths::parent(sciezka);
    if (auto znaleziona = szukajW(rodzic, szukana, confirm))
        return znaleziona;
    if (auto znaleziona = szukajW(Paths::parent(rodzic), szukana, confirm))
        return znaleziona;
    bladNieZnaleziono(blad, sciezka);
    return std::nullopt;
}
