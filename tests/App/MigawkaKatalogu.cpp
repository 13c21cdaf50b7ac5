#include "MigawkaKatalogu.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

std::map<std::string, std::string> migawkaKatalogu(const QString &katalog)
{
    std::map<std::string, std::string> wynik;
    QDirIterator it(katalog, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sciezka = it.next();
        const std::string wzgledna = sciezka.mid(katalog.size() + 1).toStdString();
        const QByteArray zakodowana = QFile::encodeName(sciezka);
        struct stat info;
        if (lstat(zakodowana.constData(), &info) != 0) {
            wynik[wzgledna] = "?";
            continue;
        }
        const std::string tryb = QString::number(info.st_mode & 07777, 8).toStdString();
        if (S_ISLNK(info.st_mode)) {
            char cel[4096];
            const ssize_t dlugosc = readlink(zakodowana.constData(), cel, sizeof cel);
            wynik[wzgledna] = "link -> " + std::string(cel, size_t(std::max<ssize_t>(dlugosc, 0)));
        } else if (S_ISDIR(info.st_mode)) {
            wynik[wzgledna] = "dir " + tryb;
        } else {
            QFile plik(sciezka);
            plik.open(QIODevice::ReadOnly);
            wynik[wzgledna] = "file " + tryb + " " + std::to_string(info.st_size) + " "
                              + QCryptographicHash::hash(plik.readAll(), QCryptographicHash::Sha1).toHex().toStdString();
        }
    }
    return wynik;
}

QString zrobPortfolio(const QString &katalog, int liczbaFasolek, int rozmiarPliku)
{
    const QString portfolio = katalog + QStringLiteral("/Tarrowind");
    const QString potok = portfolio + QStringLiteral("/All Beans/_Main_Flow");
    QDir().mkpath(potok + QStringLiteral("/_Done"));
    QDir().mkpath(portfolio + QStringLiteral("/Archived Beans/_Main_Flow"));
    for (int i = 0; i < liczbaFasolek; ++i) {
        const QString fasolka = potok + QStringLiteral("/fasolka %1").arg(i);
        QDir().mkpath(fasolka);
        QFile plik(fasolka + QStringLiteral("/notatki.txt"));
        plik.open(QIODevice::WriteOnly);
        plik.write(QByteArray(rozmiarPliku, char('a' + i % 26)));
    }
    QFile skrypt(potok + QStringLiteral("/_Done/skrypt.sh"));
    skrypt.open(QIODevice::WriteOnly);
    skrypt.write("#!/bin/sh\necho gotowe\n");
    skrypt.close();
    chmod(QFile::encodeName(skrypt.fileName()).constData(), 0755);
    QFile::link(QStringLiteral("fasolka 0"), potok + QStringLiteral("/skrot"));
    return portfolio;
}
