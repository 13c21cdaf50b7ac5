#pragma once

#include "BladOperacji.h"
#include "ZgloszoneKatalogi.h"

#include <QObject>
#include <QString>

// A folder whose contents cannot be read (no permission, a failing disk) shows as empty wherever a list shows it.
// A reading for the user hands such a folder here, and each folder is told once per run to whoever listens: the
// program's window. Readings run on the main thread and on the pool alike; the listener hears on its own thread.
class KatalogiNieczytelne : public QObject
{
    Q_OBJECT
public:
    static KatalogiNieczytelne &instance();

    // Once per folder, known by its identity where it has one: renamed or moved, it is the same folder.
    void zglos(const QString &katalog, const BladOperacji &blad);
    // The text the user reads for one folder.
    static QString wiadomosc(const QString &katalog, const QString &przyczyna);
    // Forgets the folders told of (tests, whose folders go between cases).
    void zapomnijZgloszone();

signals:
    void katalogNieczytelny(const QString &katalog, const QString &przyczyna);

private:
    ZgloszoneKatalogi m_zgloszone;
};
