#include "ZgloszoneKatalogi.h"

#include <QMutexLocker>

bool ZgloszoneKatalogi::pierwszyRaz(const QString &katalog, const FolderListing::Identity &tozsamosc)
{
    const QString klucz = tozsamosc.known() ? QStringLiteral("%1:%2").arg(tozsamosc.device).arg(tozsamosc.inode)
                                            : katalog;
    const QMutexLocker blokada(&m_blokada);
    if (m_klucze.contains(klucz))
        return false;
    m_klucze.insert(klucz);
    return true;
}

void ZgloszoneKatalogi::zapomnij()
{
    const QMutexLocker blokada(&m_blokada);
    m_klucze.clear();
}
