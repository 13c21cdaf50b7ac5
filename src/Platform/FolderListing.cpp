#include "FolderListing.h"

#include "Konsola.h"
#include "Paths.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool jestUkryta(const char *nazwa)
{
    return nazwa[0] == '.';
}

} // namespace

FolderListing::Wynik FolderListing::list(const QString &katalog)
{
    Wynik wynik;
    const QByteArray sciezkaB = QFile::encodeName(katalog);
    DIR *dir = opendir(sciezkaB.constData());
    if (!dir) {
        const int numerBledu = errno;
        wynik.stan = (numerBledu == ENOENT || numerBledu == ENOTDIR) ? Stan::Brak : Stan::Blad;
        BladOperacji::zErrno(&wynik.blad, numerBledu, QStringLiteral("Could not read the folder."), katalog);
        return wynik;
    }
    const int fd = dirfd(dir);
    errno = 0;
    while (dirent *wpis = readdir(dir)) {
        if (jestUkryta(wpis->d_name))
            continue;
        const QByteArray surowa(wpis->d_name);
        if (!Paths::isEncodable(surowa)) {
            drukujLinie(QStringLiteral("Błąd: pomijam nazwę spoza kodowania nazw plików w %1: %2"), katalog,
                        QString::fromLatin1(surowa.toPercentEncoding()));
            continue;
        }
        Wpis w;
        w.nazwa = QFile::decodeName(surowa);
        w.sciezka = Paths::join(katalog, w.nazwa);
        w.klucz = Paths::nfc(w.sciezka);
        unsigned char typ = wpis->d_type;
        if (typ == DT_UNKNOWN) {
            struct stat info;
            if (fstatat(fd, wpis->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                typ = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
        }
        w.toKatalog = typ == DT_DIR;
        w.toDowiazanie = typ == DT_LNK;
        w.celToKatalog = w.toKatalog;
        if (w.toDowiazanie) {
            struct stat info;
            w.celToKatalog = fstatat(fd, wpis->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        wynik.wpisy.append(std::move(w));
        errno = 0;
    }
    const int numerBledu = errno;
    closedir(dir);
    if (numerBledu != 0) {
        wynik.wpisy.clear();
        wynik.stan = Stan::Blad;
        BladOperacji::zErrno(&wynik.blad, numerBledu, QStringLiteral("Could not read the folder."), katalog);
        return wynik;
    }
    wynik.stan = Stan::Odczytany;
    return wynik;
}

bool FolderListing::hasVisibleEntry(const QString &katalog)
{
    DIR *dir = opendir(QFile::encodeName(katalog).constData());
    if (!dir)
        return false;
    bool znaleziony = false;
    while (dirent *wpis = readdir(dir)) {
        if (!jestUkryta(wpis->d_name)) {
            znaleziony = true;
            break;
        }
    }
    closedir(dir);
    return znaleziony;
}
