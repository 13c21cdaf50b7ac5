#include "PortfolioOperationAlerts.h"

#include "Platform/BladOperacji.h"
#include "Platform/UserDefaults.h"

#include <QCoreApplication>

namespace {

QString trAlerts(const char *tekst)
{
    return QCoreApplication::translate("PortfolioOperationAlerts", tekst);
}

Alert critical(const QString &wiadomosc, const QString &informacja)
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Critical);
    alert.setMessageText(wiadomosc);
    alert.setInformativeText(informacja);
    alert.addButtonWithTitle(trAlerts("Ok"));
    return alert;
}

// What went wrong, for an alert's informative text: the summary and, when known, the reason.
QString describe(const BladOperacji &blad)
{
    if (blad.przyczyna.isEmpty())
        return blad.opis;
    if (blad.opis.isEmpty())
        return blad.przyczyna;
    return blad.opis + QLatin1Char(' ') + blad.przyczyna;
}

} // namespace

namespace PortfolioOperationAlerts {

Alert couldNotStoreLocation(const QString &urlBazowy)
{
    return critical(trAlerts("Could not store the portfolio location."),
                    trAlerts("Tarrowind could not record \u201C%1\u201D in its settings file \u201C%2\u201D.")
                        .arg(urlBazowy, UserDefaults::standard().fileName()));
}

Alert couldNotCreatePortfolio(const BladOperacji &blad, const QString &portfolio)
{
    return critical(blad.przyczyna, trAlerts("Could not create portfolio at path '%1'").arg(portfolio));
}

Alert migrationError(const BladOperacji &blad)
{
    return critical(trAlerts("Migration error occured"), describe(blad));
}

Alert itemsStayedInOldPortfolio(const QString &katalog)
{
    Alert alert = critical(trAlerts("Some items stayed in the old portfolio folder."),
                           trAlerts("Items written into the portfolio while it moved were not moved with it. "
                                    "They stay in \u201C%1\u201D.")
                               .arg(katalog));
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    return alert;
}

Alert portfolioNotFound(const QString &portfolio, const BladOperacji &blad)
{
    return critical(blad.przyczyna,
                    trAlerts("The portfolio was at \u201C%1\u201D. Another program moved or deleted it, and Tarrowind "
                             "cannot find where it went. Nothing was created in its place: move the folder back, or "
                             "choose its new location in Preferences.")
                        .arg(portfolio));
}

Alert migrationInProgress()
{
    Alert alert;
    alert.setMessageText(trAlerts("Migration is in progress."));
    alert.setInformativeText(trAlerts("You have to wait for finish this process or press cancel to abort."));
    alert.addButtonWithTitle(trAlerts("Ok"));
    return alert;
}

} // namespace PortfolioOperationAlerts
