#include "PreferencesWindowController.h"

#include "ChangePortfolioLocationController.h"
#include "ChangePortfolioLocationPanel.h"
#include "PortfolioOperationAlerts.h"
#include "PreferencesResources.h"
#include "SetupWizardService.h"

#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Model/SpecKatalog.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Opoznienia.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/SynchronousSheet.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QEvent>
#include <QLineEdit>

PreferencesWindowController::PreferencesWindowController(QObject *rodzic)
    : Responder(rodzic)
{
    addHandler(Akcja::openChangePortfolioLocationPanel,
               [this](QObject *nadawca) { openChangePortfolioLocationPanel(nadawca); });
    PreferencesResources::zaladuj(this);
    windowDidLoad();
}

PreferencesWindowController::~PreferencesWindowController()
{
    // The widgets go before the controllers that point at them.
    m_okno.reset();
}

void PreferencesWindowController::setWindow(QWidget *okno)
{
    m_okno.reset(okno);
    if (m_okno)
        m_okno->installEventFilter(this);
}

bool PreferencesWindowController::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (obiekt == m_okno.get() && zdarzenie->type() == QEvent::Close && !windowShouldClose()) {
        zdarzenie->ignore();
        return true;
    }
    if (obiekt == m_okno.get() && zdarzenie->type() == QEvent::ActivationChange && m_okno->isActiveWindow())
        windowDidBecomeKey();
    return Responder::eventFilter(obiekt, zdarzenie);
}

void PreferencesWindowController::setKontrolerAkcjeNaMenuGlownym(KontrolerAkcjeNaMenuGlownym *kontroler)
{
    if (changePortfolioLocationController)
        changePortfolioLocationController->kontrolerAkcjeNaMenuGlownym = kontroler;
}

void PreferencesWindowController::showWindow()
{
    if (!m_okno)
        return;
    m_okno->setWindowState(m_okno->windowState() & ~Qt::WindowMinimized);
    m_okno->show();
    m_okno->raise();
    m_okno->activateWindow();
}

void PreferencesWindowController::windowDidLoad()
{
    updateUI();
}

void PreferencesWindowController::updateUI()
{
    if (!portfolioLocationLabel)
        return;
    const QString sciezka =
        SetupWizardService::pathToTarrowindPortfolioForURL(SpecKatalog::sharedSpecKatalog()->urlBazowy());
    portfolioLocationLabel->setText(sciezka);
    portfolioLocationLabel->setToolTip(sciezka);
}

void PreferencesWindowController::openChangePortfolioLocationPanel(QObject *)
{
    // Once the button's own click has ended.
    DelayedOperations::addOperationAfterDelayWithBlock(Opoznienia::biezace().poZakonczeniuKlikniecia, this,
                                                       [this] { zmienLokalizacje(); });
}

void PreferencesWindowController::zmienLokalizacje()
{
    if (!changePortfolioLocationController || changePortfolioLocationController->czyZmianaTrwa())
        return;
    if (!browserWindows().isEmpty()) {
        Alert alert;
        alert.setMessageText(tr("Tarrowind needs to close its opened windows before changing portfolio location."));
        alert.addButtonWithTitle(tr("Close windows"));
        alert.addButtonWithTitle(tr("Cancel"));
        QPointer<PreferencesWindowController> ja(this);
        const int odpowiedz = SynchronousSheet::runModalSheetForWindow(alert, m_okno.get());
        if (!ja || !changePortfolioLocationController || odpowiedz != Alert::firstButton)
            return;
    }
    changePortfolioLocationController->beginChange();
    closeBrowserWindows();
    changePortfolioLocationController->showOpenPanelandChangeCurrentLocation(
        SpecKatalog::sharedSpecKatalog()->urlBazowy());
}

QList<BrowserWindow *> PreferencesWindowController::browserWindows() const
{
    QList<BrowserWindow *> widoczne;
    for (BrowserWindow *okno : WindowRegistry::instance().windowsOfType<BrowserWindow>()) {
        if (WindowRegistry::isShown(okno))
            widoczne.append(okno);
    }
    return widoczne;
}

void PreferencesWindowController::closeBrowserWindows()
{
    for (BrowserWindow *okno : WindowRegistry::instance().windowsOfType<BrowserWindow>())
        okno->close();
}

void PreferencesWindowController::windowDidBecomeKey()
{
    if (changePortfolioLocationController)
        changePortfolioLocationController->updateUI();
}

void PreferencesWindowController::sheetDidEnd()
{
    updateUI();
}

bool PreferencesWindowController::windowShouldClose()
{
    if (!changePortfolioLocationController)
        return true;
    if (!changePortfolioLocationController->czyOperacjaTrwa()) {
        // The sheet does not outlive its window; a change left unfinished ends with it.
        changePortfolioLocationController->closeChangePortfolioLocationPanel(m_okno.get());
        return true;
    }
    if (czyMigracjaTrwa())
        powiedzZeMigracjaTrwa();
    return false;
}

bool PreferencesWindowController::applicationShouldTerminate()
{
    if (!czyMigracjaTrwa())
        return true;
    powiedzZeMigracjaTrwa();
    return false;
}

bool PreferencesWindowController::czyMigracjaTrwa() const
{
    return changePortfolioLocationController && changePortfolioLocationController->czyMigracjaTrwa();
}

void PreferencesWindowController::powiedzZeMigracjaTrwa()
{
    ChangePortfolioLocationPanel *arkusz =
        changePortfolioLocationController ? changePortfolioLocationController->panel() : nullptr;
    Alert alert = PortfolioOperationAlerts::migrationInProgress();
    SynchronousSheet::runModalSheetForWindow(alert, arkusz && arkusz->isVisible() ? static_cast<QWidget *>(arkusz)
                                                                                  : m_okno.get());
}
