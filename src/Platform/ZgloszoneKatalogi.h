#pragma once

#include "FolderListing.h"

#include <QMutex>
#include <QSet>
#include <QString>

// The folders a notice was already given for, known by their identity where they have one: renamed or
// moved, a folder is the same one. Readings run on the main thread and on the pool alike.
class ZgloszoneKatalogi
{
public:
    // YES only the first time a folder is given.
    bool pierwszyRaz(const QString &katalog, const FolderListing::Identity &tozsamosc);
    void zapomnij();

private:
    QMutex m_blokada;
    QSet<QString> m_klucze;
};
