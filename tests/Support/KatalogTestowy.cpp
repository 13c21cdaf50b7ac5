#include "KatalogTestowy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

KatalogTestowy::KatalogTestowy()
    : m_katalog(QDir::homePath() + QStringLiteral("/katalog-XXXXXX"))
{
}

QString KatalogTestowy::sciezka(const QString &wzgledna) const
{
    return m_katalog.path() + QLatin1Char('/') + wzgledna;
}

QString KatalogTestowy::plik(const QString &wzgledna, const QByteArray &tresc)
{
    const QString pelna = sciezka(wzgledna);
    QDir().mkpath(QFileInfo(pelna).path());
    QFile f(pelna);
    if (f.open(QIODevice::WriteOnly))
        f.write(tresc);
    return pelna;
}

QString KatalogTestowy::katalog(const QString &wzgledna)
{
    const QString pelna = sciezka(wzgledna);
    QDir().mkpath(pelna);
    return pelna;
}

QByteArray KatalogTestowy::czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool KatalogTestowy::istnieje(const QString &sciezka)
{
    return QFileInfo::exists(sciezka) || QFileInfo(sciezka).isSymLink();
}

QByteArray KatalogTestowy::celDowiazania(const QString &sciezka)
{
    char cel[4096];
    const ssize_t n = readlink(QFile::encodeName(sciezka).constData(), cel, sizeof cel);
    return n > 0 ? QByteArray(cel, n) : QByteArray();
}

std::unique_ptr<QTemporaryDir> KatalogTestowy::katalogNaInnymSystemiePlikow(const QString &wzgledem)
{
    struct stat shm, tutaj;
    if (stat("/dev/shm", &shm) != 0 || stat(QFile::encodeName(wzgledem).constData(), &tutaj) != 0
        || shm.st_dev == tutaj.st_dev)
        return nullptr;
    auto katalog = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/tarrowind-XXXXXX"));
    return katalog->isValid() ? std::move(katalog) : nullptr;
}
