#include "KatalogiNieczytelne.h"

#include "FolderListing.h"

#include <QMutexLocker>

KatalogiNieczytelne &KatalogiNieczytelne::instance()
{
    static KatalogiNieczytelne powiadamiacz;
    return powiadamiacz;
}

void KatalogiNieczytelne::zglos(const QString &katalog, const BladOperacji &blad)
{
    // Every re-read of the folder fails again; the user is told of it once.
    const FolderListing::Identity tozsamosc = FolderListing::identityOf(katalog);
    const QString klucz = tozsamosc.known() ? QStringLiteral("%1:%2").arg(tozsamosc.device).arg(tozsamosc.inode)
                                            : katalog;
    {
        const QMutexLocker blokada(&m_blokada);
        if (m_zgloszoneKatalogi.contains(klucz))
            return;
        m_zgloszoneKatalogi.insert(klucz);
    }
    emit katalogNieczytelny(katalog, blad.przyczyna);
}

QString KatalogiNieczytelne::wiadomosc(const QString &katalog, const QString &przyczyna)
{
    const QString tekst = QStringLiteral("The contents of \u201C%1\u201D cannot be read.").arg(katalog);
    return przyczyna.isEmpty() ? tekst : tekst + QLatin1Char(' ') + przyczyna;
}

void KatalogiNieczytelne::zapomnijZgloszone()
{
    const QMutexLocker blokada(&m_blokada);
    m_zgloszoneKatalogi.clear();
}
