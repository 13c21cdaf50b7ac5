#include "NazwyPozaKodowaniem.h"

NazwyPozaKodowaniem &NazwyPozaKodowaniem::instance()
{
    static NazwyPozaKodowaniem powiadamiacz;
    return powiadamiacz;
}

void NazwyPozaKodowaniem::zglos(const QString &katalog, const FolderListing::Identity &tozsamosc, int ile)
{
    if (ile <= 0)
        return;
    // Every re-read of the folder finds them again; the user is told of it once.
    if (!m_zgloszone.pierwszyRaz(katalog, tozsamosc))
        return;
    emit katalogZNazwamiPozaKodowaniem(katalog, ile);
}

QString NazwyPozaKodowaniem::wiadomosc(const QString &katalog, int ile)
{
    return ile == 1 ? QStringLiteral("\u201C%1\u201D holds 1 item whose name Tarrowind cannot show.").arg(katalog)
                    : QStringLiteral("\u201C%1\u201D holds %2 items whose names Tarrowind cannot show.")
                          .arg(katalog)
                          .arg(ile);
}

void NazwyPozaKodowaniem::zapomnijZgloszone()
{
    m_zgloszone.zapomnij();
}
