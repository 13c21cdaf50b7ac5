#include "ZapisPrzenoszeniaPortfolio.h"

#include "PortfolioOperationAlerts.h"

#include "Model/SpecKatalog.h"
#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/UserDefaults.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

const QString kluczZapisuPrzenoszenia = QStringLiteral("PortfolioMove.underWay");
const QString kluczZrodla = QStringLiteral("from");
const QString kluczCelu = QStringLiteral("to");
// Numbers as strings, as a bookmark keeps them: the settings would round large ones.
const QString kluczWezlaKopii = QStringLiteral("copyInode");
const QString kluczNarodzinKopii = QStringLiteral("copyBirth");

QString trZapis(const char *tekst)
{
    return QCoreApplication::translate("ZapisPrzenoszeniaPortfolio", tekst);
}

Alert przerwanePrzenoszenie(const QString &informacja)
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(trZapis("The move of your portfolio was interrupted."));
    alert.setInformativeText(informacja);
    alert.addButtonWithTitle(trZapis("Ok"));
    return alert;
}

bool zapiszNaDysku(const QVariantMap &zapis, BladOperacji *blad)
{
    UserDefaults &ustawienia = UserDefaults::standard();
    const QVariant poprzedni = ustawienia.hasStoredValue(kluczZapisuPrzenoszenia)
                                   ? ustawienia.objectForKey(kluczZapisuPrzenoszenia)
                                   : QVariant();
    ustawienia.setObject(kluczZapisuPrzenoszenia, zapis);
    if (ustawienia.synchronize())
        return true;
    // What is on disk stays the record.
    if (poprzedni.isValid())
        ustawienia.setObject(kluczZapisuPrzenoszenia, poprzedni);
    else
        ustawienia.removeObject(kluczZapisuPrzenoszenia);
    BladOperacji::ustaw(blad, QString::fromLatin1(BladOperacji::domenaAplikacji), EIO,
                        QStringLiteral("Could not move the portfolio."),
                        QStringLiteral("Tarrowind could not record the move in its settings file \u201C%1\u201D.")
                            .arg(ustawienia.fileName()));
    return false;
}

// Whether the folder at the new place is the copy the move marked. The inode and the birth time
// survive the rename into place; the device number is left out, as some file systems are given
// another at each mount. Where either side has no birth time, the inode alone decides.
bool toOznaczonaKopia(const QVariantMap &zapis, const QString &cel)
{
    bool jestWezel = false;
    const quint64 wezel = zapis.value(kluczWezlaKopii).toString().toULongLong(&jestWezel);
    if (!jestWezel || cel.isEmpty() || !FileOperations::isFolderNoFollow(cel))
        return false;
    const std::optional<Bookmark::Identity> znaleziony = Bookmark::identity(cel);
    if (!znaleziony || znaleziony->node.inode != wezel)
        return false;
    bool jestNarodziny = false;
    const qint64 narodziny = zapis.value(kluczNarodzinKopii).toString().toLongLong(&jestNarodziny);
    return !jestNarodziny || !znaleziony->birth || *znaleziony->birth == narodziny;
}

} // namespace

bool ZapisPrzenoszeniaPortfolio::zapisz(const QString &portfolio, const QString &nowePortfolio, BladOperacji *blad)
{
    return zapiszNaDysku({{kluczZrodla, Paths::clean(portfolio)}, {kluczCelu, Paths::clean(nowePortfolio)}}, blad);
}

bool ZapisPrzenoszeniaPortfolio::oznaczKopie(const Bookmark::Identity &kopia, BladOperacji *blad)
{
    QVariantMap zapis = UserDefaults::standard().dictionaryForKey(kluczZapisuPrzenoszenia);
    // A move nobody recorded is settled by nobody.
    if (zapis.isEmpty())
        return true;
    zapis.insert(kluczWezlaKopii, QString::number(kopia.node.inode));
    if (kopia.birth)
        zapis.insert(kluczNarodzinKopii, QString::number(*kopia.birth));
    else
        zapis.remove(kluczNarodzinKopii);
    return zapiszNaDysku(zapis, blad);
}

void ZapisPrzenoszeniaPortfolio::usun()
{
    UserDefaults &ustawienia = UserDefaults::standard();
    if (!ustawienia.hasStoredValue(kluczZapisuPrzenoszenia))
        return;
    ustawienia.removeObject(kluczZapisuPrzenoszenia);
    ustawienia.synchronize();
}

void ZapisPrzenoszeniaPortfolio::dokonczPrzerwane(const Powiedz &powiedz)
{
    const QVariantMap zapis = UserDefaults::standard().dictionaryForKey(kluczZapisuPrzenoszenia);
    if (zapis.isEmpty())
        return;
    const QString zrodlo = zapis.value(kluczZrodla).toString();
    const QString cel = zapis.value(kluczCelu).toString();
    const bool zrodloZostalo = !zrodlo.isEmpty() && FileOperations::exists(zrodlo);
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    const QString zapisane = spec->czyJestUstawionyUrlBazowy_1_2() ? spec->urlKorzenia() : QString();
    const bool juzZapisane = Paths::equal(zapisane, cel);
    // A location chosen since (after a move whose location could not be stored) is the user's later word.
    if (!zapisane.isEmpty() && !Paths::equal(zapisane, zrodlo) && !juzZapisane) {
        usun();
        return;
    }
    if (!toOznaczonaKopia(zapis, cel)) {
        // Killed before its copy took the new place: whatever stands there is not the portfolio, and
        // the hidden copy goes with the other copies of killed moves. A folder there that the user
        // took into use since is the user's later word.
        if (juzZapisane || !zrodloZostalo) {
            usun();
            return;
        }
        drukujLinie(QStringLiteral("Przerwane przenoszenie portfolio do %1 cofnięte; portfolio zostaje w %2"), cel,
                    zrodlo);
        Alert alert = przerwanePrzenoszenie(trZapis("Nothing was moved: your portfolio stays in \u201C%1\u201D. The "
                                                    "incomplete copy in \u201C%2\u201D is removed.")
                                                .arg(zrodlo, Paths::parent(cel)));
        if (powiedz(alert))
            usun();
        return;
    }
    if (!juzZapisane) {
        if (!spec->setUrlBazowy(cel)) {
            // The record stays for the next start; this one opens what the settings still name.
            Alert alert = PortfolioOperationAlerts::couldNotStoreLocation(cel);
            powiedz(alert);
            return;
        }
        drukujLinie(QStringLiteral("Przerwane przenoszenie portfolio dokończone: portfolio jest w %1"), cel);
    }
    // The record lives until the user has heard the end of the move, even once the location is stored.
    Alert alert = zrodloZostalo
                      ? przerwanePrzenoszenie(trZapis("Your portfolio was moved to \u201C%1\u201D, but its old "
                                                      "folder \u201C%2\u201D was not emptied. What is left there was "
                                                      "not removed.")
                                                  .arg(cel, zrodlo))
                      : przerwanePrzenoszenie(
                          trZapis("The move was complete: your portfolio is now in \u201C%1\u201D.").arg(cel));
    if (powiedz(alert))
        usun();
}
