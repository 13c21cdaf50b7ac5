#include "WizardController.h"

#include "SetupAndMigrationWizard.h"
#include "SetupWizardService.h"
#include "WizardLocationViewsController.h"
#include "WizardMigrationViewController.h"

#include "Model/SpecKatalog.h"
#include "Platform/DelayedOperations.h"
#include "Platform/FileAttributes.h"
#include "Platform/FileOperations.h"
#include "Platform/Paths.h"
#include "Platform/UserDefaults.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/FolderChooser.h"
#include "Platform/Ui/SynchronousSheet.h"

#include <QPushButton>
#include <QStackedWidget>

namespace {

qsizetype liczbaKomponentow(const QString &sciezka)
{
    return Paths::clean(sciezka).split(QLatin1Char('/'), Qt::SkipEmptyParts).size();
}

// What went wrong, for an alert's informative text: the summary and, when known, the reason.
QString opisBledu(const BladOperacji &blad)
{
    if (blad.przyczyna.isEmpty())
        return blad.opis;
    if (blad.opis.isEmpty())
        return blad.przyczyna;
    return blad.opis + QLatin1Char(' ') + blad.przyczyna;
}

} // namespace

WizardController::WizardController(QObject *rodzic)
    : ViewController(rodzic)
{
    addHandler(Akcja::moveToChooseLocationView, [this](QObject *nadawca) { moveToChooseLocationView(nadawca); });
    addHandler(Akcja::backToStartView, [this](QObject *nadawca) { backToStartView(nadawca); });
    addHandler(Akcja::wybierzSciezkeDlaPortfolio, [this](QObject *nadawca) { wybierzSciezkeDlaPortfolio(nadawca); });
    addHandler(Akcja::operateOnPortfolio, [this](QObject *nadawca) { operateOnPortfolio(nadawca); });
    addHandler(Akcja::cancelMigration, [this](QObject *nadawca) { cancelMigration(nadawca); });
    addHandler(Akcja::zacznijUzywacTarrowind, [this](QObject *nadawca) { zacznijUzywacTarrowind(nadawca); });
}

QWidget *WizardController::oknoKreatora() const
{
    return tabView ? tabView->window() : nullptr;
}

int WizardController::pokazAlert(Alert &alert)
{
    return SynchronousSheet::runModalSheetForWindow(alert, oknoKreatora());
}

void WizardController::selectTabViewItem(QWidget *strona)
{
    if (tabView && strona && tabView->indexOf(strona) >= 0)
        tabView->setCurrentWidget(strona);
}

void WizardController::tabViewDidSelectTabViewItem(QWidget *)
{
    if (wizardLocationViewsController)
        wizardLocationViewsController->updateView();
}

void WizardController::moveToChooseLocationView(QObject *)
{
    if (setupWizardService && setupWizardService->czyUstawionyUrlBazowy())
        selectTabViewItem(operateView);
    else
        selectTabViewItem(chooseLocationView);
}

void WizardController::backToStartView(QObject *)
{
    selectTabViewItem(startView);
}

void WizardController::wybierzSciezkeDlaPortfolio(QObject *)
{
    // The running operation stores the folder it was started with; no other may be chosen meanwhile.
    if (m_operacjaTrwa)
        return;
    FolderChooser::Request prosba;
    prosba.prompt = tr("Select");
    prosba.message = tr("Choose a place to put your portfolio.\nIf not already present, a directory named "
                        "'Tarrowind' will be created inside the directory you select.\nThe preferred Tarrowind "
                        "location is your Home or Documents directory.");
    prosba.canCreateDirectories = true;
    prosba.startFolder = setupWizardService && setupWizardService->czyUstawionyUrlBazowy()
                                 ? setupWizardService->urlBazowy()
                                 : SpecKatalog::sharedSpecKatalog()->urlBazowy();
    QPointer<WizardController> ja(this);
    FolderChooser::current().choose(oknoKreatora(), prosba, [ja](const std::optional<QString> &katalog) {
        if (!ja || !katalog)
            return;
        const QString wybrany = *katalog;
        DelayedOperations::addOperationAfterDelayWithBlock(0.5, ja, [ja, wybrany] {
            if (ja)
                ja->sprawdzWybranaLokalizacje(wybrany);
        });
    });
}

void WizardController::sprawdzWybranaLokalizacje(const QString &url)
{
    // A choice whose checks come due after the operate button was pressed is stale: the operation
    // runs on the folder the page showed, and storing another would leave the portfolio behind.
    if (!setupWizardService || m_operacjaTrwa)
        return;
    // An alert's loop may replace the wizard; nothing of it is touched once it is gone.
    QPointer<WizardController> ja(this);
    // The first check that fails shows its alert and ends the checking.
    if (setupWizardService->czyUrlWLibrary(url)) {
        Alert alert;
        alert.setAlertStyle(Alert::AlertStyle::Warning);
        alert.setMessageText(tr("Can\u2019t use location inside of Library."));
        alert.setInformativeText(tr("Please choose location outside of Library directory."));
        alert.addButtonWithTitle(tr("Choose another location"));
        alert.addButtonWithTitle(tr("Cancel"));
        if (pokazAlert(alert) == Alert::firstButton && ja)
            wybierzSciezkeDlaPortfolio(nullptr);
        return;
    }

    const QString portfolioNadrzedne = setupWizardService->fragmentBedacyUrlemDoPortfolio(url);
    if (!portfolioNadrzedne.isEmpty() && liczbaKomponentow(portfolioNadrzedne) < liczbaKomponentow(url)) {
        Alert alert;
        alert.setAlertStyle(Alert::AlertStyle::Critical);
        alert.setMessageText(tr("You\u2019ve selected location inside a portfolio."));
        alert.setInformativeText(tr("You\u2019ve selected location inside existing portfolio:\n %1\n\n We strongly "
                                    "suggest you select this exact directory (or enclosing directory) to avoid "
                                    "duplication of portfolio directory structures.")
                                     .arg(portfolioNadrzedne));
        alert.addButtonWithTitle(tr("Choose another location"));
        alert.addButtonWithTitle(tr("Use inside location"));
        alert.addButtonWithTitle(tr("Cancel"));
        const int odpowiedz = pokazAlert(alert);
        if (!ja)
            return;
        if (odpowiedz == Alert::firstButton)
            wybierzSciezkeDlaPortfolio(nullptr);
        else if (odpowiedz == Alert::firstButton + 1)
            przyjmijLokalizacje(url);
        return;
    }

    const QString portfolio = SetupWizardService::urlForTarrowindPortfolioForURL(url);
    QString wiadomosc;
    if (FileAttributes::typeIdentifier(portfolio) == FileAttributes::typDowiazania)
        wiadomosc = tr("Alias named 'Tarrowind' exists in this location. Select different location");
    else if (FileOperations::exists(portfolio) && !FileOperations::isFolder(portfolio))
        wiadomosc = tr("File named 'Tarrowind' exists in this location. Choose another location");
    if (!wiadomosc.isEmpty()) {
        Alert alert;
        alert.setAlertStyle(Alert::AlertStyle::Warning);
        alert.setMessageText(wiadomosc);
        alert.addButtonWithTitle(tr("Choose"));
        alert.addButtonWithTitle(tr("Cancel"));
        if (pokazAlert(alert) == Alert::firstButton && ja)
            wybierzSciezkeDlaPortfolio(nullptr);
        return;
    }
    przyjmijLokalizacje(url);
}

void WizardController::przyjmijLokalizacje(const QString &url)
{
    setupWizardService->setUrlBazowy(url);
    setupWizardService->setOperationOnPortfolio(setupWizardService->selectOperationOnPortfolio());
    selectTabViewItem(operateView);
    if (wizardLocationViewsController)
        wizardLocationViewsController->updateView();
}

void WizardController::ustawOperacjeTrwa(bool trwa)
{
    m_operacjaTrwa = trwa;
    if (wizardLocationViewsController)
        wizardLocationViewsController->updateOperateButton();
}

void WizardController::operateOnPortfolio(QObject *)
{
    if (!setupWizardService || m_operacjaTrwa)
        return;
    switch (setupWizardService->operationOnPortfolio()) {
    case SetupWizardService::OperationCreate:
    case SetupWizardService::OperationUse:
        useOrCreatePortfolio();
        break;
    case SetupWizardService::OperationMigrate:
        migratePortfolio();
        break;
    default:
        break;
    }
}

bool WizardController::zapiszLokalizacje()
{
    const QString urlBazowy = setupWizardService->urlBazowy();
    if (SpecKatalog::sharedSpecKatalog()->setUrlBazowy(urlBazowy))
        return true;
    // Without the stored location the next start would not find the portfolio: never claim success.
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Critical);
    alert.setMessageText(tr("Could not store the portfolio location."));
    alert.setInformativeText(tr("Tarrowind could not record \u201C%1\u201D in its settings file \u201C%2\u201D.")
                                 .arg(urlBazowy, UserDefaults::standard().fileName()));
    alert.addButtonWithTitle(tr("Ok"));
    QPointer<WizardController> ja(this);
    pokazAlert(alert);
    if (!ja || !setupWizardService)
        return false;
    setupWizardService->setOperationOnPortfolio(setupWizardService->selectOperationOnPortfolio());
    selectTabViewItem(operateView);
    if (wizardLocationViewsController)
        wizardLocationViewsController->updateView();
    return false;
}

void WizardController::useOrCreatePortfolio()
{
    ustawOperacjeTrwa(true);
    const QString portfolio = setupWizardService->urlPortfolioTarrowind();
    QPointer<WizardController> ja(this);
    setupWizardService->useOrCreatePortfolioWithBlock([ja, portfolio](bool ok, const BladOperacji &blad) {
        if (!ja)
            return;
        ja->ustawOperacjeTrwa(false);
        if (ok) {
            if (!ja->zapiszLokalizacje())
                return;
            // The build may raise an alert of its own, during which the wizard can go.
            SetupAndMigrationWizard::przygotujBazeFasolek();
            if (!ja)
                return;
            ja->selectTabViewItem(ja->doneView);
            return;
        }
        Alert alert;
        alert.setAlertStyle(Alert::AlertStyle::Critical);
        alert.setMessageText(blad.przyczyna);
        alert.setInformativeText(tr("Could not create portfolio at path '%1'").arg(portfolio));
        alert.addButtonWithTitle(tr("Ok"));
        ja->pokazAlert(alert);
        if (ja)
            ja->selectTabViewItem(ja->operateView);
    });
}

void WizardController::migratePortfolio()
{
    ustawOperacjeTrwa(true);
    if (wizardMigrationViewController)
        wizardMigrationViewController->setMigrationState(WizardMigrationViewController::MigrationInProgress);
    selectTabViewItem(migrationView);

    QPointer<WizardController> ja(this);
    auto raport = [ja](bool zakonczone, const std::optional<BladOperacji> &blad, qint64 przeniesione, qint64 razem) {
        if (!ja)
            return;
        if (ja->wizardMigrationViewController)
            ja->wizardMigrationViewController->updateProgressWithObjectsMovedTotalObjectsToMove(przeniesione, razem);
        if (!zakonczone)
            return;
        if (!blad) {
            if (!ja->zapiszLokalizacje()) {
                if (!ja)
                    return;
                ja->ustawOperacjeTrwa(false);
                if (ja->wizardMigrationViewController)
                    ja->wizardMigrationViewController->setMigrationState(WizardMigrationViewController::MigrationUndefined);
                if (ja->cancelButton)
                    ja->cancelButton->setEnabled(true);
                return;
            }
            SetupAndMigrationWizard::przygotujBazeFasolek();
            if (!ja || !ja->pokazPozostawioneWStarymPortfolio())
                return;
            DelayedOperations::addOperationAfterDelayWithBlock(2.0, ja, [ja] {
                if (ja->wizardMigrationViewController)
                    ja->wizardMigrationViewController->setMigrationState(WizardMigrationViewController::MigrationFinished);
                DelayedOperations::addOperationAfterDelayWithBlock(1.0, ja, [ja] {
                    ja->ustawOperacjeTrwa(false);
                    ja->selectTabViewItem(ja->doneView);
                });
            });
            return;
        }
        ja->ustawOperacjeTrwa(false);
        if (blad->kod != SetupWizardService::statusCancelled) {
            if (ja->wizardMigrationViewController)
                ja->wizardMigrationViewController->setMigrationState(WizardMigrationViewController::MigrationFailed);
            Alert alert;
            alert.setAlertStyle(Alert::AlertStyle::Critical);
            alert.setMessageText(tr("Migration error occured"));
            alert.setInformativeText(opisBledu(*blad));
            alert.addButtonWithTitle(tr("Ok"));
            ja->pokazAlert(alert);
        } else if (ja->wizardMigrationViewController) {
            ja->wizardMigrationViewController->setMigrationState(WizardMigrationViewController::MigrationUndefined);
        }
        if (!ja)
            return;
        ja->selectTabViewItem(ja->operateView);
        if (ja->cancelButton)
            ja->cancelButton->setEnabled(true);
    };
    setupWizardService->migratePortfolioFromURLToURLWithBlock(SetupWizardService::urlPortfolioWPiaskownicy(),
                                                              setupWizardService->urlBazowy(), raport);
}

bool WizardController::pokazPozostawioneWStarymPortfolio()
{
    const QString katalog = setupWizardService ? setupWizardService->migrationLeftoversFolder() : QString();
    if (katalog.isEmpty())
        return true;
    QPointer<WizardController> ja(this);
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(tr("Some items stayed in the old portfolio folder."));
    alert.setInformativeText(tr("Items written into the portfolio while it moved were not moved with it. "
                                "They stay in \u201C%1\u201D.")
                                 .arg(katalog));
    alert.addButtonWithTitle(tr("Ok"));
    pokazAlert(alert);
    return ja;
}

void WizardController::cancelMigration(QObject *)
{
    if (cancelButton)
        cancelButton->setEnabled(false);
    if (setupWizardService)
        setupWizardService->cancelMigrationProcess();
}

void WizardController::zacznijUzywacTarrowind(QObject *)
{
    if (setupWizardService && setupWizardService->czyUstawionyUrlBazowy() && m_wizard)
        m_wizard->finishWizard(true);
}
