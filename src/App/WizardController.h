#pragma once

#include "Platform/Ui/ViewController.h"

#include <QPointer>

class Alert;
class QPushButton;
class QStackedWidget;
class SetupAndMigrationWizard;
class SetupWizardService;
class WizardLocationViewsController;
class WizardMigrationViewController;

// Runs the wizard's pages: moves between them, lets the user choose a folder and checks it,
// and carries out the operation on the portfolio.
class WizardController : public ViewController
{
    Q_OBJECT

public:
    explicit WizardController(QObject *rodzic = nullptr);

    // Outlets, set by the wizard's resource.
    QPointer<QStackedWidget> tabView;
    QPointer<WizardLocationViewsController> wizardLocationViewsController;
    QPointer<WizardMigrationViewController> wizardMigrationViewController;
    QPointer<SetupWizardService> setupWizardService;
    QPointer<QWidget> startView;
    QPointer<QWidget> chooseLocationView;
    QPointer<QWidget> operateView;
    QPointer<QWidget> migrationView;
    QPointer<QWidget> doneView;
    QPointer<QPushButton> cancelButton;

    SetupAndMigrationWizard *wizard() const { return m_wizard; }
    void setWizard(SetupAndMigrationWizard *wizard) { m_wizard = wizard; }

    // Selects the page only when the page view holds it.
    void selectTabViewItem(QWidget *strona);
    void tabViewDidSelectTabViewItem(QWidget *strona);

    void moveToChooseLocationView(QObject *nadawca);
    void backToStartView(QObject *nadawca);
    void wybierzSciezkeDlaPortfolio(QObject *nadawca);
    void operateOnPortfolio(QObject *nadawca);
    void useOrCreatePortfolio();
    void migratePortfolio();
    void cancelMigration(QObject *nadawca);
    void zacznijUzywacTarrowind(QObject *nadawca);

    // YES from the start of a create, use or migrate until its outcome is shown.
    bool czyOperacjaTrwa() const { return m_operacjaTrwa; }

private:
    void sprawdzWybranaLokalizacje(const QString &url);
    void przyjmijLokalizacje(const QString &url);
    bool zapiszLokalizacje();
    void ustawOperacjeTrwa(bool trwa);
    int pokazAlert(Alert &alert);
    QWidget *oknoKreatora() const;

    QPointer<SetupAndMigrationWizard> m_wizard;
    bool m_operacjaTrwa = false;
};
