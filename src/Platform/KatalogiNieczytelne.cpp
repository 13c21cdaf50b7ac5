#include "KatalogiNieczytelne.h"

#include "FolderListing.h"

KatalogiNieczytelne &KatalogiNieczytelne::instance()
{
    static KatalogiNieczytelne powiadamiacz;
    return powiadamiacz;
}

void KatalogiNieczytelne::zglos(const QString &katalog, const BladOperacji &blad)
{
    // Every re-read of the folder fails again; the user is told of it once.
    if (!m_zgloszone.pierwszyRaz(katalog, FolderListing::identityOf(katalog)))
        return;
    emit katalogNieczytelny(katalog, blad.przyczyna);
}

QString KatalogiNieczytelne::wiadomosc(const QString &katalog, const QString &przyczyna)
{
    const QString tekst = QStringLiteral("The contents of \u201C%1\u201D cannot be read.").arg(katalog);
    return przyczyna.isEmpty() ? tekst : tekst + QLatin1Char(' ') + przyczyna;
}

void KatalogiNieczytelne::zapomnijZgloszone()
{
    m_zgloszone.zapomnij();
}
