#include "MigawkaKatalogu.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

std::vector<QByteArray> nazwyWKatalogu(const QByteArray &katalog)
{
    std::vector<QByteArray> nazwy;
    DIR *dir = opendir(katalog.constData());
    if (!dir)
        return nazwy;
    while (const dirent *e = readdir(dir)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            nazwy.emplace_back(e->d_name);
    }
    closedir(dir);
    std::sort(nazwy.begin(), nazwy.end());
    return nazwy;
}

void przejdzDrzewo(const QByteArray &katalog, const std::function<void(const QByteArray &, const struct stat &)> &dla)
{
    const std::vector<QByteArray> nazwy = nazwyWKatalogu(katalog);
    for (const QByteArray &nazwa : nazwy) {
        const QByteArray sciezka = katalog + '/' + nazwa;
        struct stat info;
        if (lstat(sciezka.constData(), &info) != 0)
            continue;
        dla(sciezka, info);
        if (S_ISDIR(info.st_mode))
            przejdzDrzewo(sciezka, dla);
    }
}

QByteArray trescWpisu(const QByteArray &sciezka, const struct stat &info)
{
    if (S_ISLNK(info.st_mode)) {
        QByteArray cel(4096, '\0');
        const ssize_t n = readlink(sciezka.constData(), cel.data(), size_t(cel.size()));
        return "-> " + cel.left(n < 0 ? 0 : n);
    }
    const int fd = ::open(sciezka.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "<unreadable>";
    QByteArray wynik;
    char bufor[65536];
    for (ssize_t n; (n = ::read(fd, bufor, sizeof bufor)) > 0;)
        wynik.append(bufor, n);
    ::close(fd);
    return wynik;
}

QStringList migawkaKatalogu(const QString &katalog, bool zWezlami)
{
    QStringList wynik;
    const QByteArray korzen = QFile::encodeName(katalog);
    przejdzDrzewo(korzen, [&](const QByteArray &sciezka, const struct stat &info) {
        QString linia = QString::fromLatin1(sciezka.mid(korzen.size()).toPercentEncoding("/ ")) + QLatin1Char(' ')
                        + QString::number(info.st_mode & 07777, 8);
        if (S_ISDIR(info.st_mode))
            linia += QStringLiteral(" dir");
        else if (S_ISLNK(info.st_mode))
            linia += QStringLiteral(" link ") + QString::fromLatin1(trescWpisu(sciezka, info).toPercentEncoding("/ "));
        else
            linia += QStringLiteral(" file %1 %2")
                         .arg(qint64(info.st_size))
                         .arg(QString::fromLatin1(
                             QCryptographicHash::hash(trescWpisu(sciezka, info), QCryptographicHash::Sha1).toHex()));
        if (zWezlami)
            linia += QStringLiteral(" inode %1").arg(quint64(info.st_ino));
        wynik << linia;
    });
    return wynik;
}
