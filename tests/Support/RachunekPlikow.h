#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// The account of files below a base folder: the bytes it must hold, by hash. When every file
// carries bytes of its own, a file lost, duplicated or changed anywhere below it shows, wherever
// the program moved it.
class RachunekPlikow
{
public:
    explicit RachunekPlikow(QString baza)
        : m_baza(std::move(baza))
    {
    }

    // Writes `tresc` into a new or emptied file and counts it.
    bool zapisz(const QByteArray &sciezka, const QByteArray &tresc);
    // Gives every file below `katalog` bytes of its own, made by `nowaTresc`.
    bool nadajWlasneTresci(const QString &katalog, const std::function<QByteArray()> &nowaTresc);
    // Bytes that appeared (or with a negative count left) on purpose, at `gdzie`.
    void dolicz(const QByteArray &tresc, const QString &gdzie, int ile = 1);
    // Deletes `sciezka` and everything below it, as another program would, and writes off exactly what it deleted:
    // the program may move a file out of the tree, or into it, meanwhile.
    void usunDrzewo(const QString &sciezka);
    // Folders outside the base folder whose files count too (the Trash a walk sends files to).
    void liczTakzeW(const QString &katalog) { m_katalogiPozaBaza << katalog; }
    // Copies made on purpose (a duplicate, a drop that copies) raise the count of their bytes to
    // what is found, never above.
    void przyjmijKopie();
    // The files lost, the copies or changed bytes and hidden leftovers below the base folder, as
    // lines for a failure; empty when the folder holds exactly the account.
    QString roznica() const;

private:
    void usunWpis(const QByteArray &sciezka);
    // Every file below the base folder and the folders counted beside it, by hash.
    void zliczPliki(QHash<QByteArray, int> &znalezione, QHash<QByteArray, QString> &polozenie,
                    QStringList &ukryte) const;

    QString m_baza;
    QStringList m_katalogiPozaBaza;
    QHash<QByteArray, int> m_oczekiwane;
    QHash<QByteArray, QString> m_opisy;
};
