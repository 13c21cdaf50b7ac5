#include "FileOperations.h"

#include "Paths.h"
#include "TemporaryCopy.h"
#include "TreeCopier.h"
#include "UchwytPliku.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString opisPrzeniesienia = QStringLiteral("Could not move the item.");

bool lstatOk(const QString &sciezka, struct stat *info)
{
    return lstat(QFile::encodeName(sciezka).constData(), info) == 0;
}

// A name too long or already taken is the destination's: a rename names the name typed, not the old one.
const QString &nazwanyWBledzie(int numerBledu, const QString &zrodlo, const QString &cel)
{
    return numerBledu == ENAMETOOLONG || numerBledu == EEXIST ? cel : zrodlo;
}

} // namespace

QString FileOperations::hiddenTemporarySibling(const QString &cel)
{
    return Paths::join(
        Paths::parent(cel),
        QStringLiteral(".tarrowind-%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
}

bool FileOperations::exists(const QString &sciezka)
{
    struct stat info;
    return lstatOk(sciezka, &info);
}

bool FileOperations::isFolder(const QString &sciezka)
{
    struct stat info;
    return stat(QFile::encodeName(sciezka).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileOperations::isFolderNoFollow(const QString &sciezka)
{
    struct stat info;
    return lstatOk(sciezka, &info) && S_ISDIR(info.st_mode);
}

bool FileOperations::renameNoReplace(const QString &zrodlo, const QString &cel, int *numerBledu)
{
    const QByteArray z = QFile::encodeName(zrodlo);
    const QByteArray c = QFile::encodeName(cel);
    if (renameat2(AT_FDCWD, z.constData(), AT_FDCWD, c.constData(), RENAME_NOREPLACE) == 0)
        return true;
    *numerBledu = errno;
    const bool flagaNieobslugiwana = (errno == EINVAL && !Paths::contains(zrodlo, cel)) || errno == ENOSYS;
    if (!flagaNieobslugiwana)
        return false;

    // A file system without the no-replace flag: a hard link fails on a clash by itself.
    struct stat info;
    if (lstat(z.constData(), &info) != 0) {
        *numerBledu = errno;
        return false;
    }
    if (!S_ISDIR(info.st_mode) && link(z.constData(), c.constData()) == 0) {
        unlink(z.constData());
        return true;
    }
    if (!S_ISDIR(info.st_mode) && errno == EEXIST) {
        *numerBledu = EEXIST;
        return false;
    }
    struct stat celInfo;
    if (lstat(c.constData(), &celInfo) == 0) {
        *numerBledu = EEXIST;
        return false;
    }
    if (rename(z.constData(), c.constData()) == 0)
        return true;
    *numerBledu = errno;
    return false;
}

bool FileOperations::moveNoReplace(const QString &zrodlo, const QString &cel, BladOperacji *blad,
                                   QList<TreeCopier::Leftover> *leftovers)
{
    if (leftovers)
        leftovers->clear();
    struct stat info;
    if (!lstatOk(zrodlo, &info)) {
        BladOperacji::zErrno(blad, errno, opisPrzeniesienia, zrodlo);
        return false;
    }
    if (Paths::contains(zrodlo, cel) && !Paths::equal(zrodlo, cel)) {
        BladOperacji::ustaw(
            blad, QString::fromLatin1(BladOperacji::domenaPosix), EINVAL, opisPrzeniesienia,
            QStringLiteral("\u201C%1\u201D can\u2019t be moved into itself.").arg(Paths::lastComponent(zrodlo)));
        return false;
    }
    int numerBledu = 0;
    if (renameNoReplace(zrodlo, cel, &numerBledu))
        return true;
    if (numerBledu == EXDEV)
        return moveAcrossDevices(zrodlo, cel, blad, leftovers);
    BladOperacji::zErrno(blad, numerBledu, opisPrzeniesienia, nazwanyWBledzie(numerBledu, zrodlo, cel),
                         Paths::parent(cel));
    return false;
}

bool FileOperations::moveAcrossDevices(const QString &zrodlo, const QString &cel, BladOperacji *blad,
                                       QList<TreeCopier::Leftover> *leftovers)
{
    if (exists(cel)) {
        BladOperacji::zErrno(blad, EEXIST, opisPrzeniesienia, cel, Paths::parent(cel));
        return false;
    }
    TemporaryCopy::removeAbandonedIn(Paths::parent(cel));
    TemporaryCopy tymczasowa(cel);
    TreeCopier kopiarka;
    if (!tymczasowa.make(blad) || !kopiarka.copy(zrodlo, tymczasowa.copyPath(), blad, cel))
        return false;
    int numerBledu = 0;
    if (!tymczasowa.placeCopy(&numerBledu)) {
        BladOperacji::zErrno(blad, numerBledu, opisPrzeniesienia, nazwanyWBledzie(numerBledu, zrodlo, cel),
                             Paths::parent(cel));
        return false;
    }
    // The whole copy is in place; what changed in the source meanwhile stays there.
    const QList<TreeCopier::Leftover> zostaly = kopiarka.removeCopiedSource();
    if (leftovers)
        *leftovers = zostaly;
    return true;
}

bool FileOperations::copyNoReplace(const QString &zrodlo, const QString &cel, BladOperacji *blad)
{
    TreeCopier kopiarka;
    return kopiarka.copy(zrodlo, cel, blad);
}

bool FileOperations::createFolder(const QString &sciezka, bool zPosrednimi, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not create the folder.");
    const QString czysta = Paths::clean(sciezka);
    if (!zPosrednimi) {
        if (mkdir(QFile::encodeName(czysta).constData(), 0777) == 0)
            return true;
        BladOperacji::zErrno(blad, errno, opis, czysta);
        return false;
    }
    if (isFolder(czysta))
        return true;
    const QString rodzic = Paths::parent(czysta);
    if (!rodzic.isEmpty() && rodzic != czysta && !isFolder(rodzic) && !createFolder(rodzic, true, blad))
        return false;
    if (mkdir(QFile::encodeName(czysta).constData(), 0777) == 0 || (errno == EEXIST && isFolder(czysta)))
        return true;
    BladOperacji::zErrno(blad, errno, opis, czysta);
    return false;
}

bool FileOperations::writeTextAtomically(const QString &sciezka, const QString &tekst, BladOperacji *blad)
{
    const QString opis = QStringLiteral("Could not save the text.");
    // A new file gets the usual 0666 less the umask, applied by the kernel at creation; a
    // replaced file keeps its own permissions.
    struct stat info;
    const bool zachowajTryb = lstatOk(sciezka, &info) && S_ISREG(info.st_mode);
    QByteArray wzor;
    UchwytPliku plik;
    for (int proba = 0; !plik.otwarty() && proba < 16; ++proba) {
        wzor = QFile::encodeName(hiddenTemporarySibling(sciezka));
        plik = UchwytPliku(open(wzor.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!plik.otwarty() && errno != EEXIST)
            break;
    }
    if (!plik.otwarty()) {
        BladOperacji::zErrno(blad, errno, opis, sciezka);
        return false;
    }
    bool ok = plik.zapiszCalosc(tekst.toUtf8());
    int numerBledu = ok ? 0 : errno;
    const int deskryptor = plik.deskryptor();
    if (ok && ((zachowajTryb && fchmod(deskryptor, info.st_mode & 07777) != 0) || fsync(deskryptor) != 0)) {
        numerBledu = errno;
        ok = false;
    }
    if (!plik.zamknij() && ok) {
        numerBledu = errno;
        ok = false;
    }
    if (ok && rename(wzor.constData(), QFile::encodeName(sciezka).constData()) != 0) {
        numerBledu = errno;
        ok = false;
    }
    if (!ok) {
        unlink(wzor.constData());
        BladOperacji::zErrno(blad, numerBledu, opis, sciezka);
    }
    return ok;
}

std::optional<QString> FileOperations::readText(const QString &sciezka, BladOperacji *blad)
{
    // Opened here, not by QFile, so the alert gets the system's own reason.
    UchwytPliku uchwyt(open(QFile::encodeName(sciezka).constData(), O_RDONLY | O_CLOEXEC));
    int numerBledu = uchwyt.otwarty() ? 0 : errno;
    struct stat info;
    if (numerBledu == 0 && fstat(uchwyt.deskryptor(), &info) != 0)
        numerBledu = errno;
    else if (numerBledu == 0 && S_ISDIR(info.st_mode))
        numerBledu = EISDIR;
    QFile plik;
    if (numerBledu == 0 && !plik.open(uchwyt.deskryptor(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        numerBledu = EIO;
    if (numerBledu != 0) {
        BladOperacji::zErrno(blad, numerBledu, QStringLiteral("Could not read the text."), sciezka);
        return std::nullopt;
    }
    // The file closes it from now on.
    uchwyt.oddaj();
    return decodeText(plik.readAll());
}

QString FileOperations::decodeText(const QByteArray &dane)
{
    const auto kodowanie = QStringConverter::encodingForData(dane).value_or(QStringConverter::Utf8);
    QStringDecoder dekoder(kodowanie);
    return dekoder.decode(dane);
}

bool FileOperations::removeEmptyFolder(const QString &sciezka, BladOperacji *blad)
{
    if (rmdir(QFile::encodeName(sciezka).constData()) == 0)
        return true;
    BladOperacji::zErrno(blad, errno, QStringLiteral("Could not remove the folder."), sciezka);
    return false;
}

bool FileOperations::removeFile(const QString &sciezka, BladOperacji *blad)
{
    if (unlink(QFile::encodeName(sciezka).constData()) == 0)
        return true;
    BladOperacji::zErrno(blad, errno, QStringLiteral("Could not remove the file."), sciezka);
    return false;
}
