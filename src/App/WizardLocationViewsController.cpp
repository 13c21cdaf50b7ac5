#include "WizardLocationViewsController.h"

#include "Model/BytSystemuPlikow.h"

#include "SetupAndMigrationWizard.h"
#include "SetupWizardService.h"
#include "WizardController.h"

#include <QLabel>
#include <QPushButton>

WizardLocationViewsController::WizardLocationViewsController(QObject *rodzic)
    : QObject(rodzic)
{
}

void WizardLocationViewsController::updateView()
{
    updateOperateButton();
    if (operateViewBasepath2Label && setupWizardService)
        operateViewBasepath2Label->setText(setupWizardService->sciezkaUrlaBazowegoDoWyswietlenia());
    const SetupAndMigrationWizard *wizard = wizardController ? wizardController->wizard() : nullptr;
    switch (wizard ? wizard->wizardFlow() : -1) {
    case SetupAndMigrationWizard::FirstRunWizardFlow:
        updateFirstRunViews();
        break;
    case SetupAndMigrationWizard::UsePortfolioWizardFlow:
        updateUsePortfolioViews();
        break;
    case SetupAndMigrationWizard::MigrationWizardFlow:
        updateMigrationViews();
        break;
    default:
        break;
    }
}

void WizardLocationViewsController::updateOperateButton()
{
    if (!operateButton || !setupWizardService)
        return;
    QString tytul;
    bool wlaczony = false;
    switch (setupWizardService->operationOnPortfolio()) {
    case SetupWizardService::OperationCreate:
        tytul = tr("Create portfolio");
        wlaczony = true;
        break;
    case SetupWizardService::OperationUse:
        tytul = tr("Use portfolio");
        wlaczony = true;
        break;
    case SetupWizardService::OperationMigrate:
        tytul = tr("Migrate portfolio");
        wlaczony = true;
        break;
    case SetupWizardService::OperationConflict:
        tytul = tr("Migrate portfolio");
        break;
    default:
        break;
    }
    // A second click while the operation runs must not start it twice.
    if (wizardController && wizardController->czyOperacjaTrwa())
        wlaczony = false;
    operateButton->setText(tytul);
    operateButton->setEnabled(wlaczony);
}

void WizardLocationViewsController::ustawWiadomosc(const QString &tekst)
{
    if (operateViewMessageLabel)
        operateViewMessageLabel->setText(tekst);
}

void WizardLocationViewsController::ustawSciezkiStarejLokalizacji(const QString &sciezka)
{
    if (chooseLocationViewBasepath1Label)
        chooseLocationViewBasepath1Label->setText(sciezka);
    if (operateViewBasepath1Label)
        operateViewBasepath1Label->setText(sciezka);
}

void WizardLocationViewsController::updateFirstRunViews()
{
    if (!setupWizardService)
        return;
    if (setupWizardService->operationOnPortfolio() == SetupWizardService::OperationUse)
        ustawWiadomosc(tr("Tarrowind has found portfolio in this location and will use it."));
    else
        ustawWiadomosc(QString());
}

void WizardLocationViewsController::updateUsePortfolioViews()
{
    if (!setupWizardService)
        return;
    switch (setupWizardService->operationOnPortfolio()) {
    case SetupWizardService::OperationCreate:
        ustawWiadomosc(tr("Tarrowind didn't found portfolio in this location and will create new one."));
        break;
    case SetupWizardService::OperationUse:
        ustawWiadomosc(tr("Tarrowind has found portfolio in this location and will use it."));
        break;
    default:
        ustawWiadomosc(QString());
        break;
    }
    const QString starsza = setupWizardService->urlSciezkiBazowej_1_1_zUstawien();
    if (!starsza.isEmpty())
        ustawSciezkiStarejLokalizacji(starsza);
}

void WizardLocationViewsController::updateMigrationViews()
{
    if (!setupWizardService)
        return;
    const int operacja = setupWizardService->operationOnPortfolio();
    switch (operacja) {
    case SetupWizardService::OperationCreate:
        ustawWiadomosc(tr("There are no portfolios in either location. Tarrowind will create new one."));
        break;
    case SetupWizardService::OperationUse:
        ustawWiadomosc(tr("Tarrowind has found portfolio only in new location and will use it."));
        break;
    case SetupWizardService::OperationMigrate:
        ustawWiadomosc(tr("Tarrowind is ready to start migration..."));
        break;
    case SetupWizardService::OperationConflict:
        ustawWiadomosc(tr("Sorry, can\u2019t migrate portfolio.\nAnother portfolio already exists in destination "
                          "location. Please resolve this conflict manually using the file manager. Merge contents "
                          "of those portfolios or delete one of them. Then return to this window."));
        break;
    default:
        ustawWiadomosc(QString());
        break;
    }
    if (operateViewMessageLabel) {
        QPalette paleta = operateViewMessageLabel->palette();
        paleta.setColor(QPalette::WindowText,
                        operacja == SetupWizardService::OperationConflict ? QColor(Qt::red) : QColor(Qt::black));
        operateViewMessageLabel->setPalette(paleta);
    }
    if (SetupWizardService::czyIstniejePortfolioWPiaskownicy())
        ustawSciezkiStarejLokalizacji(SetupWizardService::urlPortfolioWPiaskownicy());
    if (setupWizardService->czyUstawionyUrlBazowy() && operateViewBasepath2Label)
        operateViewBasepath2Label->setText(setupWizardService->urlPortfolioTarrowind());
}

void WizardLocationViewsController::otworzKatalog(const QString &sciezka)
{
    if (!sciezka.isEmpty())
        BytSystemuPlikow::otworzUrlWDomyslnejAplikacji(sciezka);
}

void WizardLocationViewsController::pokazSciezkeBazowa_1_1_WFinderze(QObject *)
{
    if (setupWizardService && setupWizardService->czyUrlSciezkiBazowej_1_1_JuzIstnieje())
        otworzKatalog(setupWizardService->urlSciezkiBazowej_1_1_zUstawien());
}

void WizardLocationViewsController::pokazSciezkeDlaPortfolioWFinderze(QObject *)
{
    if (setupWizardService)
        otworzKatalog(setupWizardService->urlBazowy());
}

void WizardLocationViewsController::pokazPortfolioWPiaskownicyWFinderze(QObject *)
{
    otworzKatalog(SetupWizardService::urlPortfolioWPiaskownicy());
}

void WizardLocationViewsController::pokazSciezkeCeluMigracjiWFinderze(QObject *)
{
    if (setupWizardService)
        otworzKatalog(setupWizardService->urlBazowy());
}
