#include "ZapisPrzenoszeniaPortfolio.h"

#include "PortfolioOperationAlerts.h"

#include "Model/SpecKatalog.h"
#include "Platform/FileOperations.h"
#include "Platform/Konsola.h"
#include "Platform/Paths.h"
#include "Platform/UserDefaults.h"

#include <QCoreApplication>

namespace {

const QString kluczZapisuPrzenoszenia = QStringLiteral("PortfolioMove.underWay");
const QString kluczZrodla = QStringLiteral("from");
const QString kluczCelu = QStringLiteral("to");

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

} // namespace

bool ZapisPrzenoszeniaPortfolio::zapisz(const QString &portfolio, const QString &nowePortfolio)
{
    UserDefaults &ustawienia = UserDefaults::standard();
    ustawienia.setObject(kluczZapisuPrzenoszenia,
                         QVariantMap{{kluczZrodla, Paths::clean(portfolio)}, {kluczCelu, Paths::clean(nowePortfolio)}});
    if (ustawienia.synchronize())
        return true;
    ustawienia.removeObject(kluczZapisuPrzenoszenia);
    return false;
}

void ZapisPrzenoszeniaPortfolio::usun()
{
    UserDefaults &ustawienia = UserDefaults::standard();
    if (!ustawienia.hasStoredValue(kluczZapisuPrzenoszenia))
        return;
    ustawienia.removeObject(kluczZapisuPrzenoszenia);
    ustawienia.synchronize();
}

std::optional<Alert> ZapisPrzenoszeniaPortfolio::dokonczPrzerwane()
{
    const QVariantMap zapis = UserDefaults::standard().dictionaryForKey(kluczZapisuPrzenoszenia);
    if (zapis.isEmpty())
        return std::nullopt;
    const QString zrodlo = zapis.value(kluczZrodla).toString();
    const QString cel = zapis.value(kluczCelu).toString();
    const bool zrodloZostalo = !zrodlo.isEmpty() && FileOperations::exists(zrodlo);
    SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
    const QString zapisane = spec->czyJestUstawionyUrlBazowy_1_2() ? spec->urlKorzenia() : QString();
    // A location chosen since (after a move whose location could not be stored) is the user's later word.
    if (!zapisane.isEmpty() && !Paths::equal(zapisane, zrodlo) && !Paths::equal(zapisane, cel)) {
        usun();
        return std::nullopt;
    }
    if (cel.isEmpty() || !FileOperations::isFolderNoFollow(cel)) {
        // Killed while it copied: the hidden copy goes with the other copies of killed moves.
        usun();
        drukujLinie(QStringLiteral("Przerwane przenoszenie portfolio do %1 cofnięte; portfolio zostaje w %2"), cel,
                    zrodlo);
        if (!zrodloZostalo)
            return std::nullopt;
        return przerwanePrzenoszenie(trZapis("Nothing was moved: your portfolio stays in \u201C%1\u201D. The "
                                             "incomplete copy in \u201C%2\u201D is removed.")
                                         .arg(zrodlo, Paths::parent(cel)));
    }
    const bool juzZapisane = Paths::equal(zapisane, cel);
    if (!juzZapisane && !spec->setUrlBazowy(cel)) {
        // The record stays for the next start; this one opens what the settings still name.
        return PortfolioOperationAlerts::couldNotStoreLocation(cel);
    }
    usun();
    drukujLinie(QStringLiteral("Przerwane przenoszenie portfolio dokończone: portfolio jest w %1"), cel);
    if (zrodloZostalo)
        return przerwanePrzenoszenie(trZapis("Your portfolio was moved to \u201C%1\u201D, but its old folder "
                                             "\u201C%2\u201D was not emptied. What is left there was not removed.")
                                         .arg(cel, zrodlo));
    if (!juzZapisane)
        return przerwanePrzenoszenie(
            trZapis("The move was complete: your portfolio is now in \u201C%1\u201D.").arg(cel));
    return std::nullopt;
}
