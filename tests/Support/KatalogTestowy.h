#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

private:
    QTemporaryDir m_katalog;
};
