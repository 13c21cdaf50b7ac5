#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QPushButton;
class SetupWizardService;
class WizardController;

// Fills the location pages' labels and the operate button by the wizard's flow and the chosen
// operation, and opens the folders those pages name.
class WizardLocationViewsController : public QObject
{
    Q_OBJECT

public:
    explicit WizardLocationViewsController(QObject *rodzic = nullptr);

    // Outlets, set by the wizard's resource.
    QPointer<WizardController> wizardController;
    QPointer<SetupWizardService> setupWizardService;
    QPointer<QLabel> chooseLocationViewBasepath1Label;
    QPointer<QLabel> operateViewMessageLabel;
    QPointer<QLabel> operateViewBasepath1Label;
    QPointer<QLabel> operateViewBasepath2Label;
    QPointer<QPushButton> operateButton;

    void updateView();
    void updateOperateButton();
    void updateFirstRunViews();
    void updateUsePortfolioViews();
    void updateMigrationViews();

    // Each opens its folder in the file manager, and does nothing while the folder is unknown.
    void pokazSciezkeBazowa_1_1_WFinderze(QObject *nadawca);
    void pokazSciezkeDlaPortfolioWFinderze(QObject *nadawca);
    void pokazPortfolioWPiaskownicyWFinderze(QObject *nadawca);
    void pokazSciezkeCeluMigracjiWFinderze(QObject *nadawca);

private:
    void ustawWiadomosc(const QString &tekst);
    void ustawSciezkiStarejLokalizacji(const QString &sciezka);
    static void otworzKatalog(const QString &sciezka);
};
