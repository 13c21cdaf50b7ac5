#include "WizardController.h"

#include "MigrationRun.h"
#include "PortfolioLocationChecks.h"
#include "PortfolioOperationAlerts.h"
#include "SetupAndMigrationWizard.h"
#include "SetupWizardService.h"
#include "WizardLocationViewsController.h"
#include "WizardMigrationViewController.h"

#include "Model/SpecKatalog.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Opoznienia.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/FolderChooser.h"
#include "Platform/Ui/SynchronousSheet.h"

#include <QPushButton>
#include <QStackedWidget>

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
        const double opoznienie = Opoznienia::biezace().sprawdzenieWybranegoKatalogu;
        DelayedOperations::addOperationAfterDelayWithBlock(opoznienie, ja, [ja, wybrany] {
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
    const auto werdykt = PortfolioLocationChecks::check(*setupWizardService, url, oknoKreatora(),
                                                        PortfolioLocationChecks::Wording::Wizard);
    if (!ja || !setupWizardService)
        return;
    if (werdykt == PortfolioLocationChecks::Verdict::ChooseAgain)
        wybierzSciezkeDlaPortfolio(nullptr);
    else if (werdykt == PortfolioLocationChecks::Verdict::Usable)
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
    Alert alert = PortfolioOperationAlerts::couldNotStoreLocation(urlBazowy);
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
        Alert alert = PortfolioOperationAlerts::couldNotCreatePortfolio(blad, portfolio);
        ja->pokazAlert(alert);
        if (ja)
            ja->selectTabViewItem(ja->operateView);
    });
}

void WizardController::migratePortfolio()
{
    // Its progress view takes the move's reports.
    if (!wizardMigrationViewController)
        return;
    ustawOperacjeTrwa(true);
    selectTabViewItem(migrationView);

    QPointer<WizardController> ja(this);
    MigrationRun::Kroki kroki;
    kroki.przyjmijPortfolio = [this, ja] {
        if (!zapiszLokalizacje()) {
            if (ja) {
                ustawOperacjeTrwa(false);
                if (cancelButton)
                    cancelButton->setEnabled(true);
            }
            return false;
        }
        // The build may raise an alert of its own, during which the wizard can go.
        SetupAndMigrationWizard::przygotujBazeFasolek();
        return true;
    };
    kroki.pokazPozostawione = [this](Alert &alert) { pokazAlert(alert); };
    kroki.pokazBlad = [this](Alert &alert) { pokazAlert(alert); };
    kroki.udana = [this] {
        ustawOperacjeTrwa(false);
        selectTabViewItem(doneView);
    };
    kroki.nieudana = [this] {
        ustawOperacjeTrwa(false);
        selectTabViewItem(operateView);
        if (cancelButton)
            cancelButton->setEnabled(true);
    };
    // The finished state shows a second on the progress page before the done page.
    kroki.sekundyUkonczenia = Opoznienia::biezace().przejscieDoOstatniejStrony;
    MigrationRun::rozpocznij(this, wizardMigrationViewController, setupWizardService, std::move(kroki),
                             SetupWizardService::urlPortfolioWPiaskownicy(), setupWizardService->urlBazowy());
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
