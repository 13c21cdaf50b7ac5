#include "PortfolioLocationChecks.h"

#include "SetupWizardService.h"

#include "Platform/FileAttributes.h"
#include "Platform/FileOperations.h"
#include "Platform/Paths.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/SynchronousSheet.h"

#include <QCoreApplication>

namespace {

QString trChecks(const char *tekst)
{
    return QCoreApplication::translate("PortfolioLocationChecks", tekst);
}

qsizetype componentCount(const QString &sciezka)
{
    return Paths::clean(sciezka).split(QLatin1Char('/'), Qt::SkipEmptyParts).size();
}

constexpr int useInsideLocation = Alert::firstButton + 1;

} // namespace

PortfolioLocationChecks::Finding PortfolioLocationChecks::firstThatHolds(const SetupWizardService &service,
                                                                         const QString &url, const QString &currentBase)
{
    if (service.czyUrlWLibrary(url))
        return {Check::InsideLibrary, {}};
    const QString portfolio = SetupWizardService::urlForTarrowindPortfolioForURL(url);
    const QString current = currentBase.isEmpty() ? QString()
                                                  : SetupWizardService::urlForTarrowindPortfolioForURL(currentBase);
    // A place that is not on disk in the spelling given was typed: in either spelling it names the current one.
    if (!current.isEmpty()
        && (Paths::equal(portfolio, current)
            || (!FileOperations::exists(url)
                && Paths::nfc(Paths::clean(portfolio)) == Paths::nfc(Paths::clean(current)))))
        return {Check::CurrentLocation, {}};
    const QString enclosing = service.fragmentBedacyUrlemDoPortfolio(url);
    if (!enclosing.isEmpty() && componentCount(enclosing) < componentCount(url))
        return {Check::InsidePortfolio, enclosing};
    if (FileAttributes::typeIdentifier(portfolio) == FileAttributes::typDowiazania)
        return {Check::AliasNamedTarrowind, {}};
    if (FileOperations::exists(portfolio) && !FileOperations::isFolder(portfolio))
        return {Check::FileNamedTarrowind, {}};
    return {};
}

void PortfolioLocationChecks::fillAlert(Alert &alert, const Finding &finding, Wording wording)
{
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    switch (finding.check) {
    case Check::None:
        return;
    case Check::InsideLibrary:
        alert.setMessageText(trChecks("Can\u2019t use location inside of ~/.config, ~/.local or ~/.cache."));
        alert.setInformativeText(
            trChecks("Please choose location outside of ~/.config, ~/.local or ~/.cache directory."));
        alert.addButtonWithTitle(trChecks("Choose another location"));
        break;
    case Check::CurrentLocation:
        alert.setMessageText(trChecks("Please choose different location"));
        alert.addButtonWithTitle(trChecks("Choose"));
        break;
    case Check::InsidePortfolio:
        alert.setAlertStyle(Alert::AlertStyle::Critical);
        alert.setMessageText(trChecks("You\u2019ve selected location inside a portfolio."));
        alert.setInformativeText(
            (wording == Wording::Wizard
                 ? trChecks("You\u2019ve selected location inside existing portfolio:\n %1\n\n We strongly suggest you "
                            "select this exact directory (or enclosing directory) to avoid duplication of portfolio "
                            "directory structures.")
                 : trChecks("You\u2019ve selected location inside existing portfolio:\n %1\n\nWe strongly suggest you "
                            "select this exact directory (or enclosing directory)to avoid duplication of portfolio "
                            "directory structures."))
                .arg(finding.enclosingPortfolio));
        alert.addButtonWithTitle(trChecks("Choose another location"));
        alert.addButtonWithTitle(trChecks("Use inside location"));
        break;
    case Check::AliasNamedTarrowind:
        alert.setMessageText(trChecks("Link named 'Tarrowind' exists in this location. Select different location"));
        alert.addButtonWithTitle(trChecks("Choose"));
        break;
    case Check::FileNamedTarrowind:
        alert.setMessageText(trChecks("File named 'Tarrowind' exists in this location. Choose another location"));
        alert.addButtonWithTitle(trChecks("Choose"));
        break;
    }
    alert.addButtonWithTitle(trChecks("Cancel"));
}

PortfolioLocationChecks::Verdict PortfolioLocationChecks::verdict(const Finding &finding, int answer)
{
    if (finding.check == Check::None)
        return Verdict::Usable;
    if (answer == Alert::firstButton)
        return Verdict::ChooseAgain;
    if (finding.check == Check::InsidePortfolio && answer == useInsideLocation)
        return Verdict::Usable;
    return Verdict::Refused;
}

PortfolioLocationChecks::Verdict PortfolioLocationChecks::check(const SetupWizardService &service, const QString &url,
                                                                QWidget *okno, Wording wording,
                                                                const QString &currentBase)
{
    const Finding finding = firstThatHolds(service, url, currentBase);
    if (finding.check == Check::None)
        return Verdict::Usable;
    Alert alert;
    fillAlert(alert, finding, wording);
    return verdict(finding, SynchronousSheet::runModalSheetForWindow(alert, okno));
}
