#pragma once

#include "PortfolioLocationChecks.h"

#include "Platform/Ui/Responder.h"

#include <QPointer>
#include <QString>

#include <optional>

class ChangePortfolioLocationPanel;
class ElidingLabel;
class KontrolerAkcjeNaMenuGlownym;
class PreferencesWindowController;
class QCheckBox;
class QLabel;
class QPushButton;
class SetupWizardService;
class WizardMigrationViewController;
class Alert;

// Moves the program to another portfolio location from the Preferences window: lets the user
// choose a folder, checks it, says in a sheet what will happen, creates, takes into use or moves
// the portfolio, stores the new location, re-points the bean database and opens a browser window.
// From its start to its end no other browser window may open.
class ChangePortfolioLocationController : public Responder
{
    Q_OBJECT

public:
    enum OperateButtonStatus {
        StatusCreate = 1,       // nothing at the chosen place, outside the current base, no move wanted
        StatusCreateInside = 2, // nothing there, inside the current base: never moved into itself
        StatusUse = 3,          // a portfolio there, no move wanted
        StatusUseInstead = 4,   // a portfolio there, a move wanted: it is used, the current one stays
        StatusMigrate = 5,      // nothing there, outside, a move wanted
    };

    // The panel is owned by the Preferences window, its parent.
    explicit ChangePortfolioLocationController(ChangePortfolioLocationPanel *panel, QObject *rodzic = nullptr);
    ~ChangePortfolioLocationController() override;

    // Outlets, set by the Preferences window's resource.
    QPointer<SetupWizardService> setupWizardService;
    QPointer<WizardMigrationViewController> wizardMigrationViewController;
    QPointer<PreferencesWindowController> preferencesWindowController;
    QPointer<KontrolerAkcjeNaMenuGlownym> kontrolerAkcjeNaMenuGlownym;
    QPointer<ElidingLabel> currentPortfolioLocationLabel;
    QPointer<ElidingLabel> selectedPortfolioLocationLabel;
    QPointer<ElidingLabel> messageLabel;
    QPointer<QCheckBox> shouldMigratePortfolioCheckbox;
    QPointer<QPushButton> operateButton;
    QPointer<QPushButton> cancelButton;
    QPointer<QLabel> resultLabel;

    ChangePortfolioLocationPanel *panel() const;
    QWidget *preferencesWindow() const { return m_preferencesWindow; }
    void setPreferencesWindow(QWidget *okno) { m_preferencesWindow = okno; }

    bool shouldMigratePortfolio() const { return m_shouldMigratePortfolio; }
    void setShouldMigratePortfolio(bool przeniesc);
    int operateButtonStatus() const { return m_operateButtonStatus; }
    QString currentPortfolioLocationURL() const { return m_currentPortfolioLocationURL; }
    QString selectedPortfolioLocationURL() const { return m_selectedPortfolioLocationURL; }

    // The change begins once the browser windows are closed; until it ends none may open again.
    void beginChange();
    bool czyZmianaTrwa() const { return m_zmianaTrwa; }
    // From the operate button until the outcome is shown.
    bool czyOperacjaTrwa() const { return m_operacjaTrwa; }
    bool czyMigracjaTrwa() const { return m_operacjaTrwa && m_migracja; }

    // An empty argument keeps the current location known.
    void showOpenPanelandChangeCurrentLocation(const QString &biezacyUrl);
    void changePortfolioLocation(QObject *nadawca);
    bool canUseSelectedURL(const QString &url);
    void openPanel();
    void hidePanel();
    void closeChangePortfolioLocationPanel(QObject *nadawca);

    void updateUI();
    void updateOperateButtonStatus();
    void updateOperateButtonTitle();
    void updateCheckbox();
    void updateMessageLabel();
    void updateResultLabelAfterChangingLocation();

    void makeOperationOnPortfolio(QObject *nadawca);
    void useOrCreatePortfolio();
    void migratePortfolio();
    void cancelMigrationPortfolio(QObject *nadawca);
    // Stores the new portfolio folder and re-points the graph at it. NO, after saying so, when the
    // location could not be stored: then nothing is re-pointed.
    bool updateBazaFasolekAfterOperation();

private:
    PortfolioLocationChecks::Verdict sprawdzLokalizacje(const QString &url);
    void katalogWybrany(const std::optional<QString> &katalog);
    // Shows the alert on the Preferences window with the sheet out of the way; NO when this
    // controller went away meanwhile.
    bool pokazAlertZamiastArkusza(Alert &alert);
    void ustawOperacjeTrwa(bool trwa, bool migracja = false);
    void zakonczMigracjeBledem();
    void zakonczPomyslnie();
    void zakonczZmiane(bool pomyslnie);

    QPointer<ChangePortfolioLocationPanel> m_panel;
    QPointer<QWidget> m_preferencesWindow;
    bool m_shouldMigratePortfolio = true;
    int m_operateButtonStatus = StatusUseInstead;
    QString m_currentPortfolioLocationURL;
    QString m_selectedPortfolioLocationURL;
    bool m_zmianaTrwa = false;
    bool m_operacjaTrwa = false;
    bool m_migracja = false;
};
