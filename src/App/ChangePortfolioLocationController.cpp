#include "ChangePortfolioLocationController.h"

#include "ChangePortfolioLocationPanel.h"
#include "MigrationRun.h"
#include "PortfolioOperationAlerts.h"
#include "PreferencesWindowController.h"
#include "SetupWizardService.h"
#include "WizardMigrationViewController.h"

#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Model/AnalizatorUrlaModelu.h"
#include "Model/BazaFasolek.h"
#include "Model/SpecKatalog.h"
#include "Platform/DelayedOperations.h"
#include "Platform/FileOperations.h"
#include "Platform/Opoznienia.h"
#include "Platform/Paths.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/FolderChooser.h"
#include "Platform/Ui/SynchronousSheet.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Widgets/ElidingLabel.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>

namespace {

// What the sheet says for each operate-button status, 1 to 5.
struct TekstyStatusu
{
    const char *tytul;
    const char *wiadomosc;
    const char *wynik;
};

const char *const utworz = QT_TR_NOOP("Create portfolio");
const char *const utworzWiadomosc = QT_TR_NOOP("Tarrowind will create new portfolio in this location.");
const char *const utworzWynik = QT_TR_NOOP("Portfolio has been created.");
const char *const uzyj = QT_TR_NOOP("Use portfolio");
const char *const uzyjWiadomosc = QT_TR_NOOP("Tarrowind has found portfolio in this location and will use it.");
const char *const uzyjWynik = QT_TR_NOOP("New portfolio location has been set. This portfolio is now in use.");

const TekstyStatusu tabelaStatusow[] = {
    {utworz, utworzWiadomosc, utworzWynik},
    {utworz, utworzWiadomosc, utworzWynik},
    {uzyj, uzyjWiadomosc, uzyjWynik},
    {uzyj, uzyjWiadomosc, uzyjWynik},
    {QT_TR_NOOP("Migrate portfolio"), QT_TR_NOOP("Tarrowind is ready to start migration."),
     QT_TR_NOOP("Portfolio has been migrated.")},
};

const TekstyStatusu *tekstyStatusu(int status)
{
    if (status < ChangePortfolioLocationController::StatusCreate
        || status > ChangePortfolioLocationController::StatusMigrate)
        return nullptr;
    return &tabelaStatusow[status - ChangePortfolioLocationController::StatusCreate];
}

} // namespace

ChangePortfolioLocationController::ChangePortfolioLocationController(ChangePortfolioLocationPanel *panel,
                                                                     QObject *rodzic)
    : Responder(rodzic)
    , m_panel(panel)
{
    if (m_panel)
        m_panel->setWindowController(this);
    addHandler(Akcja::changePortfolioLocation, [this](QObject *nadawca) { changePortfolioLocation(nadawca); });
    addHandler(Akcja::closeChangePortfolioLocationPanel,
               [this](QObject *nadawca) { closeChangePortfolioLocationPanel(nadawca); });
    addHandler(Akcja::makeOperationOnPortfolio, [this](QObject *nadawca) { makeOperationOnPortfolio(nadawca); });
    addHandler(Akcja::cancelMigrationPortfolio, [this](QObject *nadawca) { cancelMigrationPortfolio(nadawca); });
}

ChangePortfolioLocationController::~ChangePortfolioLocationController() = default;

ChangePortfolioLocationPanel *ChangePortfolioLocationController::panel() const
{
    return m_panel;
}

void ChangePortfolioLocationController::setShouldMigratePortfolio(bool przeniesc)
{
    m_shouldMigratePortfolio = przeniesc;
    updateUI();
}

void ChangePortfolioLocationController::beginChange()
{
    m_zmianaTrwa = true;
    if (kontrolerAkcjeNaMenuGlownym)
        kontrolerAkcjeNaMenuGlownym->setCanOpenNewWindow(false);
}

void ChangePortfolioLocationController::zakonczZmiane(bool pomyslnie)
{
    if (!m_zmianaTrwa)
        return;
    m_zmianaTrwa = false;
    if (kontrolerAkcjeNaMenuGlownym)
        kontrolerAkcjeNaMenuGlownym->setCanOpenNewWindow(true);
    // Every browser window was closed for the change; without one the user could not get back.
    if (pomyslnie || WindowRegistry::instance().windowsOfType<BrowserWindow>().isEmpty())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
}

void ChangePortfolioLocationController::showOpenPanelandChangeCurrentLocation(const QString &biezacyUrl)
{
    if (!biezacyUrl.isEmpty())
        m_currentPortfolioLocationURL = Paths::clean(biezacyUrl);
    hidePanel();

    FolderChooser::Request prosba;
    prosba.prompt = tr("Choose directory");
    prosba.message = tr("Choose new location for Tarrowind portfolio");
    prosba.canCreateDirectories = true;
    prosba.startFolder = !m_selectedPortfolioLocationURL.isEmpty()
                                 && FileOperations::exists(m_selectedPortfolioLocationURL)
                             ? m_selectedPortfolioLocationURL
                             : m_currentPortfolioLocationURL;
    QPointer<ChangePortfolioLocationController> ja(this);
    FolderChooser::current().choose(m_preferencesWindow, prosba, [ja](const std::optional<QString> &katalog) {
        if (!ja)
            return;
        DelayedOperations::addOperationAfterDelayWithBlock(Opoznienia::biezace().poZakonczeniuKlikniecia, ja,
                                                           [ja, katalog] { ja->katalogWybrany(katalog); });
    });
}

void ChangePortfolioLocationController::katalogWybrany(const std::optional<QString> &katalog)
{
    QPointer<ChangePortfolioLocationController> ja(this);
    if (katalog) {
        const auto werdykt = sprawdzLokalizacje(*katalog);
        if (!ja || werdykt == PortfolioLocationChecks::Verdict::ChooseAgain)
            return;
        if (werdykt == PortfolioLocationChecks::Verdict::Usable) {
            m_selectedPortfolioLocationURL = Paths::clean(*katalog);
            if (setupWizardService)
                setupWizardService->setUrlBazowy(m_selectedPortfolioLocationURL);
            openPanel();
            return;
        }
    }
    if (!m_currentPortfolioLocationURL.isEmpty() && !m_selectedPortfolioLocationURL.isEmpty())
        openPanel();
    else
        zakonczZmiane(false);
}

void ChangePortfolioLocationController::changePortfolioLocation(QObject *)
{
    if (!m_operacjaTrwa)
        showOpenPanelandChangeCurrentLocation({});
}

PortfolioLocationChecks::Verdict ChangePortfolioLocationController::sprawdzLokalizacje(const QString &url)
{
    if (!setupWizardService)
        return PortfolioLocationChecks::Verdict::Refused;
    QPointer<ChangePortfolioLocationController> ja(this);
    const auto werdykt = PortfolioLocationChecks::check(*setupWizardService, url, m_preferencesWindow,
                                                        PortfolioLocationChecks::Wording::ChangeOfLocation,
                                                        m_currentPortfolioLocationURL);
    if (ja && werdykt == PortfolioLocationChecks::Verdict::ChooseAgain)
        showOpenPanelandChangeCurrentLocation({});
    return werdykt;
}

bool ChangePortfolioLocationController::canUseSelectedURL(const QString &url)
{
    return sprawdzLokalizacje(url) == PortfolioLocationChecks::Verdict::Usable;
}

void ChangePortfolioLocationController::openPanel()
{
    if (!m_panel)
        return;
    m_panel->selectTabViewItem(m_panel->changeLocationTab);
    updateUI();
    if (!m_panel->isVisible())
        m_panel->open();
}

void ChangePortfolioLocationController::hidePanel()
{
    if (m_panel && m_panel->isVisible())
        m_panel->hide();
}

void ChangePortfolioLocationController::closeChangePortfolioLocationPanel(QObject *)
{
    // The outcome of a running operation is still to be shown on the sheet; a quit waits for it too.
    if (m_operacjaTrwa) {
        if (m_migracja) {
            Alert alert = PortfolioOperationAlerts::migrationInProgress();
            SynchronousSheet::runModalSheetForWindow(alert, m_panel);
        }
        return;
    }
    hidePanel();
    m_currentPortfolioLocationURL.clear();
    m_selectedPortfolioLocationURL.clear();
    zakonczZmiane(false);
}

void ChangePortfolioLocationController::updateUI()
{
    if (currentPortfolioLocationLabel)
        currentPortfolioLocationLabel->setText(
            SetupWizardService::pathToTarrowindPortfolioForURL(m_currentPortfolioLocationURL));
    const bool osiagalny = !m_selectedPortfolioLocationURL.isEmpty()
                           && FileOperations::exists(m_selectedPortfolioLocationURL);
    if (selectedPortfolioLocationLabel)
        selectedPortfolioLocationLabel->setText(
            osiagalny ? SetupWizardService::pathToTarrowindPortfolioForURL(m_selectedPortfolioLocationURL) : QString());
    if (!osiagalny) {
        if (operateButton)
            operateButton->setEnabled(false);
        if (shouldMigratePortfolioCheckbox)
            shouldMigratePortfolioCheckbox->setEnabled(false);
        return;
    }
    updateOperateButtonStatus();
}

void ChangePortfolioLocationController::updateOperateButtonStatus()
{
    if (operateButton)
        operateButton->setEnabled(!m_operacjaTrwa);
    if (shouldMigratePortfolioCheckbox)
        shouldMigratePortfolioCheckbox->setEnabled(false);
    if (setupWizardService && setupWizardService->czyPortfolioJuzIstnieje()) {
        m_operateButtonStatus = m_shouldMigratePortfolio ? StatusUseInstead : StatusUse;
    } else {
        m_operateButtonStatus = m_shouldMigratePortfolio ? StatusMigrate : StatusCreate;
        if (AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(m_selectedPortfolioLocationURL,
                                                            m_currentPortfolioLocationURL))
            m_operateButtonStatus = StatusCreateInside;
    }
    updateOperateButtonTitle();
    updateCheckbox();
    updateMessageLabel();
}

void ChangePortfolioLocationController::updateOperateButtonTitle()
{
    if (const TekstyStatusu *teksty = tekstyStatusu(m_operateButtonStatus); teksty && operateButton)
        operateButton->setText(tr(teksty->tytul));
}

void ChangePortfolioLocationController::updateCheckbox()
{
    if (!shouldMigratePortfolioCheckbox)
        return;
    const bool wybor = m_operateButtonStatus == StatusCreate || m_operateButtonStatus == StatusMigrate;
    shouldMigratePortfolioCheckbox->setChecked(wybor && m_shouldMigratePortfolio);
    shouldMigratePortfolioCheckbox->setEnabled(wybor);
}

void ChangePortfolioLocationController::updateMessageLabel()
{
    if (const TekstyStatusu *teksty = tekstyStatusu(m_operateButtonStatus); teksty && messageLabel)
        messageLabel->setText(tr(teksty->wiadomosc));
}

void ChangePortfolioLocationController::updateResultLabelAfterChangingLocation()
{
    if (const TekstyStatusu *teksty = tekstyStatusu(m_operateButtonStatus); teksty && resultLabel)
        resultLabel->setText(tr(teksty->wynik));
}

void ChangePortfolioLocationController::ustawOperacjeTrwa(bool trwa, bool migracja)
{
    m_operacjaTrwa = trwa;
    m_migracja = trwa && migracja;
    if (operateButton)
        operateButton->setEnabled(!trwa);
}

void ChangePortfolioLocationController::makeOperationOnPortfolio(QObject *)
{
    if (m_operacjaTrwa || !setupWizardService || m_selectedPortfolioLocationURL.isEmpty())
        return;
    if (m_operateButtonStatus == StatusMigrate)
        migratePortfolio();
    else
        useOrCreatePortfolio();
}

bool ChangePortfolioLocationController::pokazAlertZamiastArkusza(Alert &alert)
{
    QPointer<ChangePortfolioLocationController> ja(this);
    hidePanel();
    SynchronousSheet::runModalSheetForWindow(alert, m_preferencesWindow);
    return ja;
}

void ChangePortfolioLocationController::useOrCreatePortfolio()
{
    ustawOperacjeTrwa(true);
    if (m_panel) {
        m_panel->selectTabViewItem(m_panel->useOrCreateProgressTab);
        if (m_panel->useOrCreateProgressIndicator)
            m_panel->useOrCreateProgressIndicator->setRange(0, 0);
    }
    const QString portfolio = SetupWizardService::urlForTarrowindPortfolioForURL(m_selectedPortfolioLocationURL);
    QPointer<ChangePortfolioLocationController> ja(this);
    setupWizardService->useOrCreatePortfolioWithBlock([ja, portfolio](bool ok, const BladOperacji &blad) {
        if (!ja)
            return;
        if (ok) {
            if (ja->updateBazaFasolekAfterOperation())
                DelayedOperations::addOperationAfterDelayWithBlock(Opoznienia::biezace().zamknieciePoUtworzeniu, ja,
                                                                   [ja] { ja->zakonczPomyslnie(); });
            return;
        }
        ja->ustawOperacjeTrwa(false);
        Alert alert = PortfolioOperationAlerts::couldNotCreatePortfolio(blad, portfolio);
        if (ja->pokazAlertZamiastArkusza(alert))
            ja->openPanel();
    });
}

void ChangePortfolioLocationController::migratePortfolio()
{
    // Its progress view takes the move's reports.
    if (!wizardMigrationViewController)
        return;
    ustawOperacjeTrwa(true, true);
    if (m_panel)
        m_panel->selectTabViewItem(m_panel->migrationTab);
    if (cancelButton)
        cancelButton->setEnabled(true);

    MigrationRun::Kroki kroki;
    kroki.przyjmijPortfolio = [this] { return updateBazaFasolekAfterOperation(); };
    kroki.pokazPozostawione = [this](Alert &alert) { SynchronousSheet::runModalSheetForWindow(alert, m_panel); };
    kroki.pokazBlad = [this](Alert &alert) { pokazAlertZamiastArkusza(alert); };
    kroki.udana = [this] { zakonczPomyslnie(); };
    kroki.nieudana = [this] { zakonczMigracjeBledem(); };
    // The progress stays a moment before a failure is shown; the done tab says "migrated" itself.
    kroki.sekundyPrzedBledem = Opoznienia::biezace().koniecMigracji;
    MigrationRun::rozpocznij(this, wizardMigrationViewController, setupWizardService, std::move(kroki),
                             m_currentPortfolioLocationURL, m_selectedPortfolioLocationURL);
}

void ChangePortfolioLocationController::zakonczMigracjeBledem()
{
    ustawOperacjeTrwa(false);
    openPanel();
    if (cancelButton)
        cancelButton->setEnabled(true);
}

void ChangePortfolioLocationController::cancelMigrationPortfolio(QObject *)
{
    if (cancelButton)
        cancelButton->setEnabled(false);
    if (setupWizardService)
        setupWizardService->cancelMigrationProcess();
}

bool ChangePortfolioLocationController::updateBazaFasolekAfterOperation()
{
    if (m_selectedPortfolioLocationURL.isEmpty())
        return true;
    const QString nowe = SetupWizardService::urlForTarrowindPortfolioForURL(m_selectedPortfolioLocationURL);
    if (Paths::equal(SetupWizardService::urlForTarrowindPortfolioForURL(m_currentPortfolioLocationURL), nowe))
        return true;
    if (!SpecKatalog::sharedSpecKatalog()->setUrlBazowy(nowe)) {
        // Claiming success would leave the next start without its portfolio.
        ustawOperacjeTrwa(false);
        Alert alert = PortfolioOperationAlerts::couldNotStoreLocation(nowe);
        if (pokazAlertZamiastArkusza(alert))
            openPanel();
        return false;
    }
    BazaFasolek::sharedBazaFasolek()->updateBazaFasolekAfterUrlBazowyChange();
    return true;
}

void ChangePortfolioLocationController::zakonczPomyslnie()
{
    ustawOperacjeTrwa(false);
    if (preferencesWindowController)
        preferencesWindowController->updateUI();
    if (m_panel) {
        if (m_panel->useOrCreateProgressIndicator)
            m_panel->useOrCreateProgressIndicator->setRange(0, 1);
        updateResultLabelAfterChangingLocation();
        m_panel->selectTabViewItem(m_panel->doneTab);
    }
    zakonczZmiane(true);
    if (m_preferencesWindow) {
        m_preferencesWindow->raise();
        m_preferencesWindow->activateWindow();
    }
}
