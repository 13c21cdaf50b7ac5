#include "FolderListing.h"

#include "Konsola.h"
#include "Paths.h"
#include "UchwytKatalogu.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FolderListing::FaultHook &hakBledow()
{
    static FolderListing::FaultHook hak;
    return hak;
}

bool jestUkryta(const char *nazwa)
{
    return nazwa[0] == '.';
}

bool jestKropkaLubDwie(const char *nazwa)
{
    return std::strcmp(nazwa, ".") == 0 || std::strcmp(nazwa, "..") == 0;
}

bool jestAscii(QByteArrayView bajty)
{
    unsigned char suma = 0;
    for (const char bajt : bajty)
        suma |= static_cast<unsigned char>(bajt);
    return suma < 0x80;
}

// opendir with the test hook in front of it; errno tells why it failed.
UchwytKatalogu otworz(const QString &katalog)
{
    if (const FolderListing::FaultHook &hak = hakBledow()) {
        if (const std::optional<int> numerBledu = hak(katalog)) {
            errno = *numerBledu;
            return UchwytKatalogu();
        }
    }
    return UchwytKatalogu(opendir(QFile::encodeName(katalog).constData()));
}

// A folder that is not there is empty; one that cannot be read otherwise is a failure, with its reason in `blad`.
bool bladOdczytu(int numerBledu, const QString &katalog, BladOperacji *blad)
{
    if (numerBledu == ENOENT || numerBledu == ENOTDIR)
        return false;
    BladOperacji::zErrno(blad, numerBledu, QStringLiteral("Could not read the folder."), katalog);
    return true;
}

} // namespace

void FolderListing::setFaultHookForTests(FaultHook hook)
{
    hakBledow() = std::move(hook);
}

FolderListing::Identity FolderListing::identityOf(const QString &katalog)
{
    struct stat info;
    if (stat(QFile::encodeName(katalog).constData(), &info) != 0)
        return {};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

FolderListing::Wynik FolderListing::list(const QString &katalog, bool zUkrytymi)
{
    return lista(katalog, zUkrytymi, 0, nullptr);
}

FolderListing::Wynik FolderListing::list(const QString &katalog, qsizetype ile,
                                         const std::function<qsizetype(const QList<Wpis> &)> &czesc)
{
    return lista(katalog, false, ile, czesc);
}

FolderListing::Wynik FolderListing::lista(const QString &katalog, bool zUkrytymi, qsizetype ile,
                                          const std::function<qsizetype(const QList<Wpis> &)> &czesc)
{
    Wynik wynik;
    const UchwytKatalogu dir = otworz(katalog);
    if (!dir.otwarty()) {
        wynik.stan = bladOdczytu(errno, katalog, &wynik.blad) ? Stan::Blad : Stan::Brak;
        return wynik;
    }
    const int fd = dir.deskryptor();
    struct stat wlasny;
    if (fstat(fd, &wlasny) == 0)
        wynik.identity = {quint64(wlasny.st_dev), quint64(wlasny.st_ino)};
    const QString przedrostek = katalog.endsWith(QLatin1Char('/')) ? katalog : katalog + QLatin1Char('/');
    qsizetype nastepnaCzesc = ile;
    for (;;) {
        // Only readdir's own errno tells a failed read from the end of the folder.
        errno = 0;
        const dirent *wpis = readdir(dir.strumien());
        if (!wpis)
            break;
        if (jestUkryta(wpis->d_name) && (!zUkrytymi || jestKropkaLubDwie(wpis->d_name)))
            continue;
        Wpis w;
        w.identity = {wynik.identity.device, quint64(wpis->d_ino)};
        const QByteArrayView surowa(wpis->d_name);
        if (jestAscii(surowa)) {
            // ASCII decodes to itself: the common case, kept cheap.
            w.nazwa = QString::fromLatin1(surowa);
        } else {
            const QByteArray bajty = surowa.toByteArray();
            w.nazwa = QFile::decodeName(bajty);
            if (QFile::encodeName(w.nazwa) != bajty) {
                drukujLinie(QStringLiteral("Błąd: pomijam nazwę spoza kodowania nazw plików w %1: %2"), katalog,
                            QString::fromLatin1(bajty.toPercentEncoding()));
                ++wynik.pominieteNazwy;
                continue;
            }
        }
        w.sciezka = przedrostek + w.nazwa;
        if (wpis->d_type != DT_UNKNOWN) {
            w.rodzaj = DTTOIF(wpis->d_type);
        } else {
            struct stat info;
            if (fstatat(fd, wpis->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                w.rodzaj = info.st_mode & S_IFMT;
        }
        w.toKatalog = S_ISDIR(w.rodzaj);
        w.toDowiazanie = S_ISLNK(w.rodzaj);
        w.celToKatalog = w.toKatalog;
        if (w.toDowiazanie) {
            struct stat info;
            w.celToKatalog = fstatat(fd, wpis->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        wynik.wpisy.append(std::move(w));
        if (czesc && ile > 0 && wynik.wpisy.size() == nastepnaCzesc) {
            ile = czesc(wynik.wpisy);
            nastepnaCzesc += ile;
        }
    }
    const int numerBledu = errno;
    if (numerBledu != 0) {
        wynik.wpisy.clear();
        wynik.pominieteNazwy = 0;
        wynik.stan = Stan::Blad;
        BladOperacji::zErrno(&wynik.blad, numerBledu, QStringLiteral("Could not read the folder."), katalog);
        return wynik;
    }
    wynik.stan = Stan::Odczytany;
    return wynik;
}

UchwytPliku FolderListing::openFolder(const QString &katalog)
{
    return UchwytPliku(open(QFile::encodeName(katalog).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

bool FolderListing::hasVisibleEntry(const UchwytPliku &rodzic, const QString &katalog, BladOperacji *blad)
{
    if (hakBledow() || !rodzic.otwarty())
        return hasVisibleEntry(katalog, blad);
    const QString nazwa = katalog.mid(katalog.lastIndexOf(QLatin1Char('/')) + 1);
    const UchwytPliku plik(
        openat(rodzic.deskryptor(), QFile::encodeName(nazwa).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!plik.otwarty()) {
        bladOdczytu(errno, katalog, blad);
        return false;
    }
    // A few entries at a time, read straight into the stack: most folders answer with the first.
    alignas(dirent64) char bufor[2048];
    for (;;) {
        const ssize_t przeczytane = getdents64(plik.deskryptor(), bufor, sizeof bufor);
        if (przeczytane < 0)
            bladOdczytu(errno, katalog, blad);
        if (przeczytane <= 0)
            return false;
        for (ssize_t i = 0; i < przeczytane;) {
            const auto *wpis = reinterpret_cast<const dirent64 *>(bufor + i);
            if (!jestUkryta(wpis->d_name) && (jestAscii(wpis->d_name) || Paths::isEncodable(QByteArray(wpis->d_name))))
                return true;
            i += wpis->d_reclen;
        }
    }
}

bool FolderListing::hasVisibleEntry(const QString &katalog, BladOperacji *blad)
{
    const UchwytKatalogu dir = otworz(katalog);
    if (!dir.otwarty()) {
        bladOdczytu(errno, katalog, blad);
        return false;
    }
    for (;;) {
        errno = 0;
        const dirent *wpis = readdir(dir.strumien());
        if (!wpis) {
            if (errno != 0)
                bladOdczytu(errno, katalog, blad);
            return false;
        }
        // The same entries as a listing counts, so a folder is a leaf exactly when it lists empty.
        if (!jestUkryta(wpis->d_name) && (jestAscii(wpis->d_name) || Paths::isEncodable(QByteArray(wpis->d_name))))
            return true;
    }
}
