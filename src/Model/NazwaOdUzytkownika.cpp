#include "NazwaOdUzytkownika.h"

#include "Potok.h"
#include "SpecKatalog.h"

#include "Platform/FolderListing.h"
#include "Platform/Paths.h"

#include <cerrno>

namespace {

QString przyczynaZastrzezonej(const QString &nazwa)
{
    return QStringLiteral("The name \u201C%1\u201D is reserved for a flow\u2019s own folders.").arg(nazwa);
}

} // namespace

bool NazwaOdUzytkownika::sprawdz(const QString &nazwa, Rodzaj rodzaj, const QString &opis, BladOperacji *blad)
{
    const auto odmow = [&](const QString &przyczyna) {
        BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL, opis, przyczyna);
        return false;
    };
    // A hidden item would be made on disk but skipped by every listing.
    if (!Paths::isValidItemName(nazwa) || (rodzaj != rnElement && nazwa.startsWith(QLatin1Char('.'))))
        return odmow(QStringLiteral("The name \u201C%1\u201D can\u2019t be used.").arg(nazwa));
    if (rodzaj == rnFasolka && jestZastrzezona(nazwa))
        return odmow(przyczynaZastrzezonej(nazwa));
    return true;
}

bool NazwaOdUzytkownika::jestZastrzezona(const QString &nazwa)
{
    const QString szukana = Paths::nfc(nazwa);
    for (int kod : {SpecKatalog::rkInkubacja, SpecKatalog::rkOczekujace, SpecKatalog::rkNieaktywne,
                    SpecKatalog::rkGotowe, SpecKatalog::rkZrobione, SpecKatalog::rkRzeczyPotoku}) {
        if (szukana == SpecKatalog::ostatniKomponentSciezki(kod))
            return true;
    }
    return false;
}

bool NazwaOdUzytkownika::mozeLezecW(const QString &nazwa, const QString &katalog, const QString &opis,
                                    BladOperacji *blad)
{
    if (!jestZastrzezona(nazwa) || Potok::odczytajRodzajPotokuDlaURLa(katalog) == Potok::rpBrak)
        return true;
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EINVAL, opis,
                        przyczynaZastrzezonej(nazwa));
    return false;
}

bool NazwaOdUzytkownika::istniejeWJakiejsPisowni(const QString &sciezka, const QString &pomijana)
{
    const QString nazwa = Paths::nfc(Paths::lastComponent(sciezka));
    const QString wlasna = Paths::clean(pomijana);
    for (const FolderListing::Wpis &wpis : FolderListing::list(Paths::parent(sciezka)).wpisy) {
        if (Paths::nfc(wpis.nazwa) == nazwa && wpis.sciezka != wlasna)
            return true;
    }
    return false;
}
