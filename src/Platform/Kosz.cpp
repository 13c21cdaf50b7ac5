#include "Kosz.h"

#include "FileOperations.h"
#include "Paths.h"
#include "UchwytPliku.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A clash on every try up to here is no longer a clash worth another name.
constexpr int najwiecejNazwWKoszu = 10000;

QString przyczynaZErrno(int numerBledu, const QString &sciezka)
{
    BladOperacji blad;
    BladOperacji::zErrno(&blad, numerBledu, {}, sciezka);
    return blad.przyczyna;
}

// The mount the path lies on; the nearest existing folder above stands for one not made yet.
QString korzenWoluminu(QString sciezka)
{
    while (!FileOperations::isFolder(sciezka) && Paths::parent(sciezka) != sciezka)
        sciezka = Paths::parent(sciezka);
    const QStorageInfo wolumin(sciezka);
    return wolumin.isValid() ? wolumin.rootPath() : QString();
}

// A folder of the Trash, made 0700 when missing, that must be a real folder the user may write into; through a link
// only where `zaDowiazaniem` (the home Trash is the user's own to place). NO with the reason.
bool folderKosza(const QString &sciezka, bool zaDowiazaniem, QString *przeszkoda)
{
    const QByteArray s = QFile::encodeName(sciezka);
    if (mkdir(s.constData(), 0700) != 0 && errno != EEXIST) {
        *przeszkoda = przyczynaZErrno(errno, Paths::parent(sciezka));
        return false;
    }
    struct stat info;
    if ((zaDowiazaniem ? stat(s.constData(), &info) : lstat(s.constData(), &info)) != 0) {
        *przeszkoda = przyczynaZErrno(errno, sciezka);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *przeszkoda = QStringLiteral("\u201C%1\u201D is not a folder.").arg(Paths::lastComponent(sciezka));
        return false;
    }
    if (access(s.constData(), W_OK | X_OK) != 0) {
        *przeszkoda = przyczynaZErrno(errno, sciezka);
        return false;
    }
    return true;
}

bool koszGotowy(const QString &kosz, bool zaDowiazaniem, QString *przeszkoda)
{
    return folderKosza(kosz, zaDowiazaniem, przeszkoda)
           && folderKosza(Paths::join(kosz, QStringLiteral("files")), false, przeszkoda)
           && folderKosza(Paths::join(kosz, QStringLiteral("info")), false, przeszkoda);
}

bool koszDomowyGotowy(const QString &katalogDanych, const QString &kosz, QString *przeszkoda)
{
    // A path relative to nothing would put the Trash into whatever folder the program was started in.
    if (!QDir::isAbsolutePath(katalogDanych)) {
        *przeszkoda = QStringLiteral("Its path is not absolute.");
        return false;
    }
    // A fresh account may have no data folder yet.
    BladOperacji blad;
    if (!FileOperations::createFolder(katalogDanych, true, &blad)) {
        *przeszkoda = blad.przyczyna;
        return false;
    }
    return koszGotowy(kosz, true, przeszkoda);
}

// On a volume others write to, a Trash folder someone else made is theirs to empty or to take items out of.
bool koszWlasny(const QString &kosz)
{
    for (const QString &folder :
         {kosz, Paths::join(kosz, QStringLiteral("files")), Paths::join(kosz, QStringLiteral("info"))}) {
        struct stat info;
        if (lstat(QFile::encodeName(folder).constData(), &info) != 0 || info.st_uid != getuid())
            return false;
    }
    return true;
}

// The volume's shared ".Trash/<uid>", used only when ".Trash" is a real folder with the sticky bit (never a link:
// anyone could have placed it), else the user's own ".Trash-<uid>"; each only when the user owns it; empty when
// neither can be used.
QString koszWoluminu(const QString &korzen)
{
    const QString uid = QString::number(getuid());
    const QString wspolny = Paths::join(korzen, QStringLiteral(".Trash"));
    QString przeszkoda;
    struct stat info;
    if (lstat(QFile::encodeName(wspolny).constData(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX)
        && koszGotowy(Paths::join(wspolny, uid), false, &przeszkoda) && koszWlasny(Paths::join(wspolny, uid)))
        return Paths::join(wspolny, uid);
    const QString wlasny = Paths::join(korzen, QStringLiteral(".Trash-") + uid);
    return koszGotowy(wlasny, false, &przeszkoda) && koszWlasny(wlasny) ? wlasny : QString();
}

// The item's path as its info file records it: absolute for the home Trash, below the volume's top for a volume's
// own (`korzen` empty for the home Trash); percent-encoded.
QByteArray sciezkaWInformacji(const QString &sciezka, const QString &korzen)
{
    const QString rodzic = QFileInfo(Paths::parent(sciezka)).canonicalFilePath();
    QString zapisana = rodzic.isEmpty() ? sciezka : Paths::join(rodzic, Paths::lastComponent(sciezka));
    if (!korzen.isEmpty() && Paths::contains(korzen, zapisana) && !Paths::equal(korzen, zapisana))
        zapisana = zapisana.mid(korzen.endsWith(QLatin1Char('/')) ? korzen.size() : korzen.size() + 1);
    return QFile::encodeName(zapisana).toPercentEncoding("/");
}

// The number goes before the first dot past a leading one.
QString nazwaWKoszu(const QString &nazwa, int numer)
{
    if (numer == 1)
        return nazwa;
    const qsizetype kropka = nazwa.indexOf(QLatin1Char('.'), 1);
    const QString przyrostek = QLatin1Char('.') + QString::number(numer);
    if (kropka < 0)
        return nazwa + przyrostek;
    return nazwa.left(kropka) + przyrostek + nazwa.mid(kropka);
}

// A new info file, on the disk before the item moves: it reserves the name. NO with errno set, and nothing left.
bool zapiszInformacje(const QString &plik, const QByteArray &tresc)
{
    const QByteArray p = QFile::encodeName(plik);
    UchwytPliku info(open(p.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!info.otwarty())
        return false;
    int numerBledu = info.zapiszCalosc(tresc) ? 0 : errno;
    if (!numerBledu && fsync(info.deskryptor()) != 0)
        numerBledu = errno;
    if (!numerBledu && !info.zamknij())
        numerBledu = errno;
    if (!numerBledu)
        return true;
    info.zamknij();
    unlink(p.constData());
    errno = numerBledu;
    return false;
}

void bezKoszaNaWoluminie(const QString &nazwa, const QString &opis, BladOperacji *blad)
{
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EXDEV, opis,
                        QStringLiteral("\u201C%1\u201D cannot be moved to the Trash because its volume has no Trash "
                                       "that Tarrowind can use. It stays where it was.")
                            .arg(nazwa));
}

bool wrzucDoKosza(const QString &sciezka, const QString &kosz, const QByteArray &zapisanaSciezka, const QString &opis,
                  BladOperacji *blad)
{
    const QByteArray tresc = "[Trash Info]\nPath=" + zapisanaSciezka + "\nDeletionDate="
                             + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1()
                             + '\n';
    const QString nazwa = Paths::lastComponent(sciezka);
    for (int numer = 1; numer <= najwiecejNazwWKoszu; ++numer) {
        const QString wKoszu = nazwaWKoszu(nazwa, numer);
        const QString info = Paths::join(kosz, QStringLiteral("info/") + wKoszu + QStringLiteral(".trashinfo"));
        if (!zapiszInformacje(info, tresc)) {
            if (errno == EEXIST)
                continue;
            // The info file's name is the item's and ten bytes more: the item's own name is what the user can change.
            if (errno == ENAMETOOLONG)
                BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), ENAMETOOLONG, opis,
                                    QStringLiteral("\u201C%1\u201D cannot be moved to the Trash because its name is "
                                                   "too long for the Trash. It stays where it was.")
                                        .arg(nazwa));
            else
                BladOperacji::zErrno(blad, errno, opis, info);
            return false;
        }
        // rename(2) takes a link as it is, never what it points to.
        int numerBledu = 0;
        if (FileOperations::renameNoReplace(sciezka, Paths::join(kosz, QStringLiteral("files/") + wKoszu), &numerBledu))
            return true;
        // The item stayed: its info file would tell of a deletion that never happened.
        unlink(QFile::encodeName(info).constData());
        if (numerBledu == EEXIST)
            continue;
        if (numerBledu == EXDEV)
            bezKoszaNaWoluminie(nazwa, opis, blad);
        else
            BladOperacji::zErrno(blad, numerBledu, opis, sciezka);
        return false;
    }
    BladOperacji::zErrno(blad, EEXIST, opis, nazwa, kosz);
    return false;
}

} // namespace

bool Kosz::przenies(const QString &sciezka, const QString &katalogDanych, BladOperacji *blad)
{
    const QString element = Paths::clean(sciezka);
    const QString nazwa = Paths::lastComponent(element);
    const QString opis = QStringLiteral("Could not move \u201C%1\u201D to the Trash.").arg(nazwa);
    struct stat info;
    if (lstat(QFile::encodeName(element).constData(), &info) != 0) {
        BladOperacji::zErrno(blad, errno, opis, element);
        return false;
    }
    const QString domowy = Paths::join(katalogDanych, QStringLiteral("Trash"));
    const QString korzen = korzenWoluminu(Paths::parent(element));
    if (!QDir::isAbsolutePath(katalogDanych) || korzen == korzenWoluminu(domowy)) {
        QString przeszkoda;
        if (!koszDomowyGotowy(katalogDanych, domowy, &przeszkoda)) {
            BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), ENOTDIR, opis,
                                QStringLiteral("\u201C%1\u201D cannot be moved to the Trash because the Trash folder "
                                               "\u201C%2\u201D cannot be used. %3 It stays where it was.")
                                    .arg(nazwa, domowy, przeszkoda));
            return false;
        }
        return wrzucDoKosza(element, domowy, sciezkaWInformacji(element, {}), opis, blad);
    }
    const QString kosz = koszWoluminu(korzen);
    if (kosz.isEmpty()) {
        bezKoszaNaWoluminie(nazwa, opis, blad);
        return false;
    }
    return wrzucDoKosza(element, kosz, sciezkaWInformacji(element, korzen), opis, blad);
}
