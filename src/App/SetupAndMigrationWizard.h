#pragma once

#include "Platform/Ui/Responder.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>

class SetupWizardService;
class WizardController;
class WizardWindow;
class QWidget;

// The set-up wizard's window controller. It tells the start-up whether the wizard must run,
// picks one of three flows, loads the flow's window, draws its wooden background, refuses to
// end while a migration runs, and reports the outcome through a completion block.
class SetupAndMigrationWizard : public Responder
{
    Q_OBJECT

public:
    enum WizardFlow {
        FirstRunWizardFlow = 0,
        UsePortfolioWizardFlow = 1, // a base folder of the older format is stored
        MigrationWizardFlow = 2,    // a portfolio lies in the sandbox container
    };

    // YES when the user starts using the portfolio (its location is stored and the bean
    // database exists); NO when the user quits the wizard or closes its window.
    using CompletionBlock = std::function<void(bool sukces)>;

    // YES when no location in the current format is stored and resolvable.
    static bool czyPokazacKreatorKonfiguracji();
    static int selectWizardFlow();
    // A new wizard loaded from the flow's resource; nullptr for a value outside 0 to 2.
    static std::unique_ptr<SetupAndMigrationWizard> wizardWithWizardFlow(int flow);
    // Makes the wizard for selectWizardFlow, keeps it as the one wizard of the process (replacing
    // an earlier one) and brings its window to the front.
    static void pokazKreatorKonfiguracji(CompletionBlock zakonczenie);
    static SetupAndMigrationWizard *biezacyKreator();

    // Builds the bean database once the portfolio is in place; tests may watch the moment
    // through a replacement.
    static void setPrzygotowanieBazyFasolek(std::function<void()> przygotowanie);
    static void przygotujBazeFasolek();

    // Loads the named resource: "FirstRunWizard", "UsePortfolioWizard" or "MigrationWizard".
    explicit SetupAndMigrationWizard(const QString &nazwaZasobu, QObject *rodzic = nullptr);
    ~SetupAndMigrationWizard() override;

    // Outlets, set by the resource.
    QPointer<SetupWizardService> setupWizardService;
    QPointer<WizardController> wizardController;
    // Takes the window over.
    void setWindow(WizardWindow *okno);
    WizardWindow *window() const { return m_okno.get(); }

    int wizardFlow() const { return m_wizardFlow; }
    void setWizardFlow(int flow) { m_wizardFlow = flow; }
    void setWizardCompletionBlock(CompletionBlock blok) { m_wizardCompletionBlock = std::move(blok); }

    void showWindow();
    // Ends the wizard with the outcome, unless a migration runs: then it says so and stays.
    void finishWizard(bool sukces);
    void zamknijTarrowind(QObject *nadawca);
    void abortMigrationAlert();
    bool czyMigracjaTrwa() const;

    void setBackgroundBitmap();
    // The background of a window of `rozmiar` points at `skala` pixels per point, with the white
    // page drawn under `ramkaStron`.
    static QImage obrazTla(const QSize &rozmiar, qreal skala, const QRect &ramkaStron);

    // How much lower than proposed a sheet attaches.
    static constexpr int przesuniecieArkusza = 12;
    // Where a sheet goes: the proposed frame (the window's top edge, across its width, in screen
    // coordinates), lowered.
    QRect windowWillPositionSheetUsingRect(QWidget *arkusz, const QRect &proponowana) const;

    void windowDidLoad();
    void windowDidChangeBackingProperties();
    void windowDidBecomeKey();
    bool windowShouldClose();
    // The start-up asks this while the wizard is shown; NO refuses the quit.
    bool applicationShouldTerminate();

private:
    void zakoncz(bool sukces);

    int m_wizardFlow = FirstRunWizardFlow;
    CompletionBlock m_wizardCompletionBlock;
    std::unique_ptr<WizardWindow> m_okno;
};
