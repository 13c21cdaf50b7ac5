#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A real temporary folder for model tests, with small helpers to lay out files.
class KatalogTestowy
{
public:
    KatalogTestowy();

    QString sciezka() const { return m_katalog.path(); }
    QString sciezka(const QString &wzgledna) const;

    // Creates the file (and its folders) with the given bytes; returns its path.
    QString plik(const QString &wzgledna, const QByteArray &tresc = "tresc");
    QString katalog(const QString &wzgledna);

    static QByteArray czytaj(const QString &sciezka);
    static bool istnieje(const QString &sciezka);
    // What a symbolic link holds, as it was written; empty for anything else.
    static QByteArray celDowiazania(const QString &sciezka);

    // A fresh folder on /dev/shm when that is another file system than `wzgledem`'s; null
    // where there is no such second file system.
    static std::unique_ptr<QTemporaryDir> katalogNaInnymSystemiePlikow(const QString &wzgledem);

private:
    QTemporaryDir m_katalog;
};
