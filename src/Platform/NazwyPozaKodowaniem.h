#pragma once

#include "FolderListing.h"
#include "ZgloszoneKatalogi.h"

#include <QObject>
#include <QString>

// Names that a QString cannot carry (not valid in the file-name encoding) stay on disk and travel
// with their folder, but no list can show them. A reading for the user hands the count of such
// names here, and each folder is told once per run to whoever listens: the program's window.
// Readings run on the main thread and on the pool (the outline's) alike; the listener hears on its own thread.
class NazwyPozaKodowaniem : public QObject
{
    Q_OBJECT
public:
    static NazwyPozaKodowaniem &instance();

    // Once per folder, known by its identity where it has one: renamed or moved, it is the same folder.
    void zglos(const QString &katalog, const FolderListing::Identity &tozsamosc, int ile);
    // The text the user reads for one folder.
    static QString wiadomosc(const QString &katalog, int ile);
    // Forgets the folders told of, so that every folder is told again (tests, whose folders go between cases and
    // whose new folders may take the identities of the old ones).
    void zapomnijZgloszone();

signals:
    void katalogZNazwamiPozaKodowaniem(const QString &katalog, int ile);

private:
    ZgloszoneKatalogi m_zgloszone;
};
