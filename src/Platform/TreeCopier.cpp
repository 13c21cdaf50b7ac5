#include "TreeCopier.h"

#include "FileOperations.h"
#include "Konsola.h"
#include "Paths.h"
#include "UchwytKatalogu.h"
#include "UchwytPliku.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

QString nazwa(const QByteArray &sciezka)
{
    return QFile::decodeName(sciezka);
}

QByteArray dolacz(const QByteArray &katalog, const char *nazwaWpisu)
{
    return katalog + '/' + nazwaWpisu;
}

bool przemianujBezZastepowania(const QByteArray &z, const QByteArray &na)
{
    return renameat2(AT_FDCWD, z.constData(), AT_FDCWD, na.constData(), RENAME_NOREPLACE) == 0;
}

// Puts an entry taken aside back under its name; when another item took that name meanwhile,
// under a visible name beside it, so nothing of either is lost.
QByteArray odlozZPowrotem(const QByteArray &odlozony, const QByteArray &sciezka)
{
    if (przemianujBezZastepowania(odlozony, sciezka))
        return sciezka;
    for (int numer = 1; errno == EEXIST && numer < 1000; ++numer) {
        const QByteArray inna = sciezka + " (kept" + (numer > 1 ? ' ' + QByteArray::number(numer) : QByteArray()) + ')';
        if (przemianujBezZastepowania(odlozony, inna))
            return inna;
    }
    return odlozony;
}

std::vector<QByteArray> wpisyKatalogu(const QByteArray &sciezka, int *numerBledu)
{
    std::vector<QByteArray> wpisy;
    const UchwytKatalogu katalog(opendir(sciezka.constData()));
    if (!katalog.otwarty()) {
        *numerBledu = errno;
        return wpisy;
    }
    errno = 0;
    while (dirent *wpis = readdir(katalog.strumien())) {
        if (qstrcmp(wpis->d_name, ".") == 0 || qstrcmp(wpis->d_name, "..") == 0)
            continue;
        wpisy.emplace_back(wpis->d_name);
    }
    *numerBledu = errno;
    return wpisy;
}

void kopiujAtrybutyUzytkownika(const QByteArray &zrodlo, const QByteArray &cel)
{
    // Only user.* attributes travel; security and system namespaces belong to the volume.
    const ssize_t dlugosc = llistxattr(zrodlo.constData(), nullptr, 0);
    if (dlugosc <= 0)
        return;
    QByteArray nazwy(dlugosc, '\0');
    const ssize_t odczytane = llistxattr(zrodlo.constData(), nazwy.data(), size_t(nazwy.size()));
    if (odczytane <= 0)
        return;
    for (const QByteArray &atrybut : nazwy.left(odczytane).split('\0')) {
        if (!atrybut.startsWith("user."))
            continue;
        const ssize_t rozmiar = lgetxattr(zrodlo.constData(), atrybut.constData(), nullptr, 0);
        if (rozmiar < 0)
            continue;
        QByteArray wartosc(rozmiar, '\0');
        const ssize_t wczytane =
            lgetxattr(zrodlo.constData(), atrybut.constData(), wartosc.data(), size_t(wartosc.size()));
        if (wczytane >= 0)
            lsetxattr(cel.constData(), atrybut.constData(), wartosc.constData(), size_t(wczytane), 0);
    }
}

void kopiujCzasy(const QByteArray &cel, const struct stat &info)
{
    const timespec czasy[2] = {info.st_atim, info.st_mtim};
    utimensat(AT_FDCWD, cel.constData(), czasy, AT_SYMLINK_NOFOLLOW);
}

// A folder this layer removes entries from may be read-only: its owner opens it first.
bool otworzDoUsuwania(const QByteArray &katalog, mode_t tryb)
{
    return (tryb & S_IRWXU) != S_IRWXU && chmod(katalog.constData(), (tryb & 07777) | S_IRWXU) == 0;
}

TreeCopier::CopiedHook &hakUsunietychZDrzewa()
{
    static TreeCopier::CopiedHook hak;
    return hak;
}

// Removes the entry `wpis` of the open folder `katalog` with all it holds; the entry `ostatni` of a
// folder goes only once all else in it is gone. Works on bytes, so names outside the file-name
// encoding go too, and never follows a link: a link goes as a link, and a folder swapped for a link
// meanwhile is not entered.
bool usunWpisZKatalogu(int katalog, const QByteArray &wpis, const QByteArray &sciezka, BladOperacji *blad,
                       const QByteArray &ostatni = {})
{
    const auto niepowodzenie = [&](int numerBledu) {
        BladOperacji::zErrno(blad, numerBledu, QStringLiteral("Could not remove the item."), nazwa(sciezka));
        return false;
    };
    struct stat info;
    if (fstatat(katalog, wpis.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return niepowodzenie(errno);
    const auto usunieto = [&] {
        if (const TreeCopier::CopiedHook &hak = hakUsunietychZDrzewa())
            hak(nazwa(sciezka));
        return true;
    };
    if (!S_ISDIR(info.st_mode))
        return unlinkat(katalog, wpis.constData(), 0) == 0 ? usunieto() : niepowodzenie(errno);
    // A read-only folder this layer made is opened by its owner first.
    if ((info.st_mode & S_IRWXU) != S_IRWXU)
        fchmodat(katalog, wpis.constData(), (info.st_mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
    bool ok = true;
    {
        UchwytPliku wnetrze(openat(katalog, wpis.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!wnetrze.otwarty())
            return niepowodzenie(errno);
        const UchwytKatalogu strumien = UchwytKatalogu::zDeskryptora(wnetrze);
        if (!strumien.otwarty())
            return niepowodzenie(errno);
        std::vector<QByteArray> wpisy;
        bool jestOstatni = false;
        while (dirent *biezacy = readdir(strumien.strumien())) {
            if (!ostatni.isEmpty() && ostatni == biezacy->d_name)
                jestOstatni = true;
            else if (qstrcmp(biezacy->d_name, ".") != 0 && qstrcmp(biezacy->d_name, "..") != 0)
                wpisy.emplace_back(biezacy->d_name);
        }
        for (const QByteArray &wewnatrz : wpisy)
            ok = usunWpisZKatalogu(strumien.deskryptor(), wewnatrz, dolacz(sciezka, wewnatrz.constData()), blad) && ok;
        if (!ok)
            return false;
        if (jestOstatni
            && !usunWpisZKatalogu(strumien.deskryptor(), ostatni, dolacz(sciezka, ostatni.constData()), blad))
            return false;
    }
    // Closed before the folder itself goes.
    if (unlinkat(katalog, wpis.constData(), AT_REMOVEDIR) != 0)
        return niepowodzenie(errno);
    return usunieto();
}

TreeCopier::CopiedHook &hakSkopiowanych()
{
    static TreeCopier::CopiedHook hak;
    return hak;
}

TreeCopier::CopiedHook &hakUsunietych()
{
    static TreeCopier::CopiedHook hak;
    return hak;
}

} // namespace

void TreeCopier::setCopiedHookForTests(CopiedHook hook)
{
    hakSkopiowanych() = std::move(hook);
}

void TreeCopier::setRemovedHookForTests(CopiedHook hook)
{
    hakUsunietych() = std::move(hook);
}

void TreeCopier::setTreeRemovedHookForTests(CopiedHook hook)
{
    hakUsunietychZDrzewa() = std::move(hook);
}

TreeCopier::TreeCopier(const std::atomic<bool> *cancel, Progress progress)
    : m_cancel(cancel)
    , m_progress(std::move(progress))
{
}

bool TreeCopier::copy(const QString &zrodlo, const QString &cel, BladOperacji *blad, const QString &celDlaUzytkownika)
{
    if (Paths::contains(zrodlo, cel)) {
        BladOperacji::ustaw(
            blad, QString::fromLatin1(BladOperacji::domenaPosix), EINVAL, QStringLiteral("Could not copy the item."),
            QStringLiteral("\u201C%1\u201D can\u2019t be copied into itself.").arg(Paths::lastComponent(zrodlo)));
        return false;
    }
    m_copied = {};
    m_cancelled = false;
    m_copiedSource = QFile::encodeName(zrodlo);
    m_copiedEntries.clear();
    m_folderModes.clear();
    const QByteArray celB = QFile::encodeName(cel);
    m_copiedTarget = celB;
    m_shownTarget = celDlaUzytkownika.isEmpty() ? cel : celDlaUzytkownika;
    struct stat info;
    if (lstat(celB.constData(), &info) == 0) {
        BladOperacji::zErrno(blad, EEXIST, QStringLiteral("Could not copy the item."), m_shownTarget);
        return false;
    }
    m_createdTarget = false;
    // A cancel that comes while the last item is copied still counts: the copy is not complete yet.
    if (copyItem(m_copiedSource, celB, blad) && !checkCancel(blad)) {
        applyFolderModes();
        return true;
    }
    // Nothing of a failed copy counts as copied, so nothing of its source may go.
    m_copiedEntries.clear();
    // Only what this copy made goes: an item another program put there meanwhile stays.
    if (m_createdTarget)
        removeTree(cel);
    return false;
}

void TreeCopier::applyFolderModes()
{
    // Innermost first, so a read-only folder is never in the way of one inside it.
    for (const auto &[katalog, tryb] : m_folderModes)
        chmod(katalog.constData(), tryb);
    m_folderModes.clear();
}

bool TreeCopier::checkCancel(BladOperacji *blad)
{
    if (m_cancel && m_cancel->load()) {
        m_cancelled = true;
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaPosix), ECANCELED,
                            QStringLiteral("The copy was cancelled."), QStringLiteral("The operation was cancelled."));
        return true;
    }
    return false;
}

// Only the copy's root may carry a temporary name; every item inside has its source's name.
QString TreeCopier::destinationName(const QByteArray &cel) const
{
    return cel == m_copiedTarget ? m_shownTarget : nazwa(cel);
}

void TreeCopier::reportItem(const QByteArray &zrodlo, const struct stat &info, std::uint64_t bajty)
{
    m_copiedEntries.insert(zrodlo, CopiedEntry{info.st_dev, info.st_ino, mode_t(info.st_mode & S_IFMT), info.st_nlink,
                                               info.st_size, info.st_mtim, info.st_ctim});
    if (const CopiedHook &hak = hakSkopiowanych())
        hak(nazwa(zrodlo));
    m_copied.bytes += bajty;
    m_copied.items += 1;
    if (m_progress)
        m_progress(m_copied);
}

bool TreeCopier::copyItem(const QByteArray &zrodlo, const QByteArray &cel, BladOperacji *blad)
{
    if (checkCancel(blad))
        return false;
    struct stat info;
    if (lstat(zrodlo.constData(), &info) != 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), nazwa(zrodlo));
        return false;
    }
    if (S_ISLNK(info.st_mode))
        return copyLink(zrodlo, cel, info, blad);
    if (S_ISDIR(info.st_mode))
        return copyFolder(zrodlo, cel, info, blad);
    if (S_ISREG(info.st_mode))
        return copyFile(zrodlo, cel, info, blad);
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaPosix), ENOTSUP,
                        QStringLiteral("Could not copy the item."),
                        QStringLiteral("\u201C%1\u201D is not a file or folder that can be copied.")
                            .arg(Paths::lastComponent(nazwa(zrodlo))));
    return false;
}

bool TreeCopier::copyFile(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &lstatInfo,
                          BladOperacji *blad)
{
    UchwytPliku we(open(zrodlo.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    // The file as it was opened, before a byte is read: a later write changes what is recorded.
    struct stat info = lstatInfo;
    if (!we.otwarty() || fstat(we.deskryptor(), &info) != 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), nazwa(zrodlo));
        return false;
    }
    UchwytPliku wy(open(cel.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!wy.otwarty()) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), destinationName(cel));
        return false;
    }
    m_createdTarget = true;
    off_t rozmiar = 0;
    bool ok = copyContents(we.deskryptor(), wy.deskryptor(), zrodlo, cel, &rozmiar, blad);
    we.zamknij();
    if (!wy.zamknij() && ok) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), destinationName(cel));
        ok = false;
    }
    if (!ok) {
        unlink(cel.constData());
        return false;
    }
    chmod(cel.constData(), info.st_mode & 07777);
    kopiujAtrybutyUzytkownika(zrodlo, cel);
    kopiujCzasy(cel, info);
    reportItem(zrodlo, info, std::uint64_t(rozmiar));
    return true;
}

bool TreeCopier::copyContents(int we, int wy, const QByteArray &zrodlo, const QByteArray &cel, off_t *rozmiar,
                              BladOperacji *blad)
{
    // A clone shares the blocks, holes included, and costs nothing; most file systems refuse it.
    bool ok = ioctl(wy, FICLONE, we) == 0;
    // Otherwise only the runs of data are copied, so the holes between them stay holes.
    for (off_t poczatek = 0; !ok;) {
        const off_t dane = lseek(we, poczatek, SEEK_DATA);
        if (dane < 0 && errno == ENXIO)
            break;
        if (dane < 0 && errno != EINVAL) {
            BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), nazwa(zrodlo));
            return false;
        }
        // A file system that cannot tell holes holds one run of data to the end.
        const off_t koniec = dane < 0 ? -1 : lseek(we, dane, SEEK_HOLE);
        if (dane >= 0 && koniec < 0) {
            BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), nazwa(zrodlo));
            return false;
        }
        const off_t odczytane = copyRun(we, wy, dane < 0 ? poczatek : dane, koniec, zrodlo, cel, blad);
        if (odczytane < 0)
            return false;
        // The file ended early: it shrank while it was copied.
        if (koniec < 0 || odczytane < koniec)
            break;
        poczatek = koniec;
    }
    // The size as it is now: a trailing hole is made by the size alone.
    *rozmiar = lseek(we, 0, SEEK_END);
    if (*rozmiar < 0 || ftruncate(wy, *rozmiar) != 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), destinationName(cel));
        return false;
    }
    return true;
}

off_t TreeCopier::copyRun(int we, int wy, off_t od, off_t koniec, const QByteArray &zrodlo, const QByteArray &cel,
                          BladOperacji *blad)
{
    // Bounded steps, so that a cancel is seen within a fraction of the progress interval.
    constexpr off_t krok = 1 << 20;
    std::unique_ptr<char[]> bufor;
    bool wJadrze = true;
    off_t pozycja = od;
    while (koniec < 0 || pozycja < koniec) {
        const size_t ile = size_t(koniec < 0 ? krok : std::min(krok, koniec - pozycja));
        ssize_t n;
        if (wJadrze) {
            off_t wejscie = pozycja;
            off_t wyjscie = pozycja;
            n = copy_file_range(we, &wejscie, wy, &wyjscie, ile, 0);
            // Across file systems, or where the kernel cannot: the same run through a buffer. An
            // end it reports is checked there too, so that a file system answering 0 loses nothing.
            if (n == 0 || (n < 0 && (errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP || errno == ENOSYS))) {
                wJadrze = false;
                continue;
            }
        } else {
            if (!bufor)
                bufor.reset(new char[krok]);
            n = pread(we, bufor.get(), ile, pozycja);
            for (ssize_t zapisane = 0; n > 0 && zapisane < n;) {
                const ssize_t m = pwrite(wy, bufor.get() + zapisane, size_t(n - zapisane), pozycja + zapisane);
                if (m < 0 && errno != EINTR) {
                    BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), destinationName(cel));
                    return -1;
                }
                zapisane += std::max<ssize_t>(m, 0);
            }
        }
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            // A full, read-only or quota-bound volume is the copy's; anything else the source's.
            const bool celu = errno == ENOSPC || errno == EDQUOT || errno == EROFS || errno == EFBIG;
            BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."),
                                 celu ? destinationName(cel) : nazwa(zrodlo));
            return -1;
        }
        pozycja += n;
        if (checkCancel(blad))
            return -1;
    }
    return pozycja;
}

bool TreeCopier::copyFolder(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info,
                            BladOperacji *blad)
{
    if (mkdir(cel.constData(), 0700) != 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), destinationName(cel));
        return false;
    }
    m_createdTarget = true;
    int numerBledu = 0;
    const std::vector<QByteArray> wpisy = wpisyKatalogu(zrodlo, &numerBledu);
    if (numerBledu != 0) {
        BladOperacji::zErrno(blad, numerBledu, QStringLiteral("Could not copy the item."), nazwa(zrodlo));
        return false;
    }
    for (const QByteArray &wpis : wpisy) {
        if (!copyItem(dolacz(zrodlo, wpis.constData()), dolacz(cel, wpis.constData()), blad))
            return false;
    }
    m_folderModes.emplace_back(cel, info.st_mode & 07777);
    kopiujAtrybutyUzytkownika(zrodlo, cel);
    kopiujCzasy(cel, info);
    reportItem(zrodlo, info, 0);
    return true;
}

bool TreeCopier::copyLink(const QByteArray &zrodlo, const QByteArray &cel, const struct stat &info, BladOperacji *blad)
{
    QByteArray cellinku(PATH_MAX, '\0');
    const ssize_t n = readlink(zrodlo.constData(), cellinku.data(), size_t(cellinku.size()));
    if (n < 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), nazwa(zrodlo));
        return false;
    }
    cellinku.truncate(n);
    if (symlink(cellinku.constData(), cel.constData()) != 0) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not copy the item."), destinationName(cel));
        return false;
    }
    m_createdTarget = true;
    kopiujCzasy(cel, info);
    reportItem(zrodlo, info, 0);
    return true;
}

TreeCopier::Size TreeCopier::measure(const QString &sciezka)
{
    Size rozmiar;
    std::vector<QByteArray> doOdwiedzenia{QFile::encodeName(sciezka)};
    while (!doOdwiedzenia.empty()) {
        const QByteArray biezaca = doOdwiedzenia.back();
        doOdwiedzenia.pop_back();
        struct stat info;
        if (lstat(biezaca.constData(), &info) != 0)
            continue;
        rozmiar.items += 1;
        if (S_ISREG(info.st_mode))
            rozmiar.bytes += std::uint64_t(info.st_size);
        if (!S_ISDIR(info.st_mode))
            continue;
        int numerBledu = 0;
        for (const QByteArray &wpis : wpisyKatalogu(biezaca, &numerBledu))
            doOdwiedzenia.push_back(dolacz(biezaca, wpis.constData()));
    }
    return rozmiar;
}

bool TreeCopier::isUnchanged(const QByteArray &zrodlo, const struct stat &info) const
{
    const auto wpis = m_copiedEntries.constFind(zrodlo);
    if (wpis == m_copiedEntries.cend() || wpis->device != info.st_dev || wpis->inode != info.st_ino
        || wpis->type != (info.st_mode & S_IFMT))
        return false;
    // A folder's times change with every entry; its entries answer for it.
    if (S_ISDIR(info.st_mode))
        return true;
    const bool takieSame = wpis->size == info.st_size && wpis->modified.tv_sec == info.st_mtim.tv_sec
                           && wpis->modified.tv_nsec == info.st_mtim.tv_nsec;
    // Removing one name of a file with several changes the others' status time: for those the
    // contents' time answers alone.
    return takieSame
           && (wpis->links > 1
               || (wpis->statusChanged.tv_sec == info.st_ctim.tv_sec
                   && wpis->statusChanged.tv_nsec == info.st_ctim.tv_nsec));
}

bool TreeCopier::removeCopiedItem(const QByteArray &sciezka, Leftovers *leftovers) const
{
    struct stat info;
    if (lstat(sciezka.constData(), &info) != 0) {
        // Gone meanwhile: nothing there to keep.
        if (errno == ENOENT)
            return true;
        leftovers->append({sciezka, errno});
        return false;
    }
    if (!isUnchanged(sciezka, info)) {
        leftovers->append({sciezka, 0});
        return false;
    }
    if (!S_ISDIR(info.st_mode))
        return removeCopiedFile(sciezka, info, leftovers);
    const bool otwarty = otworzDoUsuwania(sciezka, info.st_mode);
    int numerBledu = 0;
    bool wszystkoUsuniete = true;
    for (const QByteArray &wpis : wpisyKatalogu(sciezka, &numerBledu))
        wszystkoUsuniete = removeCopiedItem(dolacz(sciezka, wpis.constData()), leftovers) && wszystkoUsuniete;
    // A folder that stays only for what stays inside it is not named itself.
    bool zostaje = numerBledu != 0;
    if (numerBledu == 0 && wszystkoUsuniete) {
        if (rmdir(sciezka.constData()) == 0)
            return true;
        zostaje = true;
        // Not empty: something was written into it after it was read.
        numerBledu = errno == ENOTEMPTY || errno == EEXIST ? 0 : errno;
    }
    if (otwarty)
        chmod(sciezka.constData(), info.st_mode & 07777);
    if (zostaje)
        leftovers->append({sciezka, numerBledu});
    return false;
}

bool TreeCopier::removeCopiedFile(const QByteArray &sciezka, const struct stat &sprawdzony, Leftovers *leftovers) const
{
    // Taken aside under a hidden name first, and removed only when what was taken aside is still
    // the file found unchanged: an editor that renamed a new version over the name in between
    // keeps it. The rename itself changes the status time, so the contents' time answers here.
    const QByteArray odlozony = QFile::encodeName(FileOperations::hiddenTemporarySibling(nazwa(sciezka)));
    if (!przemianujBezZastepowania(sciezka, odlozony)) {
        int numerBledu = errno;
        if (numerBledu == ENOENT)
            return true;
        // A file system without the no-replace rename: removed in place, as checked.
        if (numerBledu == EINVAL || numerBledu == ENOSYS) {
            if (unlink(sciezka.constData()) == 0)
                return true;
            numerBledu = errno;
        }
        leftovers->append({sciezka, numerBledu});
        return false;
    }
    struct stat info;
    const bool tenSam = lstat(odlozony.constData(), &info) == 0 && info.st_dev == sprawdzony.st_dev
                        && info.st_ino == sprawdzony.st_ino && info.st_size == sprawdzony.st_size
                        && info.st_mtim.tv_sec == sprawdzony.st_mtim.tv_sec
                        && info.st_mtim.tv_nsec == sprawdzony.st_mtim.tv_nsec;
    if (tenSam && unlink(odlozony.constData()) == 0) {
        if (const CopiedHook &hak = hakUsunietych())
            hak(nazwa(sciezka));
        return true;
    }
    const int numerBledu = tenSam ? errno : 0;
    leftovers->append({odlozZPowrotem(odlozony, sciezka), numerBledu});
    return false;
}

QList<TreeCopier::Leftover> TreeCopier::removeCopiedSource()
{
    Leftovers zostaly;
    if (!m_copiedSource.isEmpty()) {
        // An original that cannot leave its folder stays whole rather than emptied: what stays is
        // then still what the user had, beside the complete copy.
        const qsizetype ukosnik = m_copiedSource.lastIndexOf('/');
        const QByteArray rodzic = ukosnik > 0 ? m_copiedSource.left(ukosnik) : QByteArray("/");
        if (access(rodzic.constData(), W_OK | X_OK) != 0)
            zostaly.append({m_copiedSource, errno});
        else
            removeCopiedItem(m_copiedSource, &zostaly);
    }
    QList<Leftover> wynik;
    QStringList sciezki;
    for (const auto &[sciezka, numerBledu] : std::as_const(zostaly)) {
        wynik.append({nazwa(sciezka), numerBledu});
        sciezki << nazwa(sciezka);
    }
    if (!sciezki.isEmpty())
        drukujLinie(QStringLiteral("Uwaga: w %1 zostały rzeczy zapisane w czasie przenoszenia albo nieusuwalne: %2"),
                    nazwa(m_copiedSource), sciezki);
    return wynik;
}

QString TreeCopier::removalFailure(const QList<Leftover> &leftovers)
{
    for (const Leftover &pozostawiony : leftovers) {
        if (pozostawiony.error == 0)
            continue;
        BladOperacji blad;
        BladOperacji::zErrno(&blad, pozostawiony.error, QStringLiteral("Could not remove the item."),
                             pozostawiony.path);
        return blad.przyczyna;
    }
    return {};
}

bool TreeCopier::writtenMeanwhile(const QList<Leftover> &leftovers)
{
    return std::any_of(leftovers.begin(), leftovers.end(),
                       [](const Leftover &pozostawiony) { return pozostawiony.error == 0; });
}

bool TreeCopier::removeTree(const QString &sciezka, BladOperacji *blad)
{
    const QByteArray sciezkaB = QFile::encodeName(Paths::clean(sciezka));
    const qsizetype ukosnik = sciezkaB.lastIndexOf('/');
    const QByteArray rodzic = ukosnik > 0 ? sciezkaB.left(ukosnik) : QByteArray(ukosnik == 0 ? "/" : ".");
    const UchwytPliku katalog(open(rodzic.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!katalog.otwarty()) {
        BladOperacji::zErrno(blad, errno, QStringLiteral("Could not remove the item."), sciezka);
        return false;
    }
    return usunWpisZKatalogu(katalog.deskryptor(), sciezkaB.mid(ukosnik + 1), sciezkaB, blad);
}

bool TreeCopier::removeEntry(int katalog, const QString &nazwaWpisu, const QString &sciezka, const QByteArray &ostatni,
                             BladOperacji *blad)
{
    return usunWpisZKatalogu(katalog, QFile::encodeName(nazwaWpisu), QFile::encodeName(sciezka), blad, ostatni);
}
