#pragma once

#include "Platform/BladOperacji.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class Alert;
class SetupWizardService;
class WizardMigrationViewController;

// One move of the portfolio, from its start to its one end, as the wizard and the change of
// location both run it. The progress view takes the reports and shows the state; the final
// report ends the run once, by its owner's steps, and then the run goes. Each step may spin an
// alert's loop in which the owner goes: the run, its child, goes with it and nothing follows.
class MigrationRun : public QObject
{
    Q_OBJECT

public:
    // What the owner does at each point of the end, in this order.
    struct Kroki
    {
        // After a successful move: stores the new location and builds on it. NO when it could
        // not (it has said so and left the operation); the view is then cleared.
        std::function<bool()> przyjmijPortfolio;
        // The alert that items written during the move stayed in the old folder.
        std::function<void(Alert &alert)> pokazPozostawione;
        // The alert of a failed move (a cancel has none).
        std::function<void(Alert &alert)> pokazBlad;
        // The operation is over: the done page, or back to where it can be started again.
        std::function<void()> udana;
        std::function<void()> nieudana;
        // How long the progress stays before a failure is shown; 0: at once.
        double sekundyPrzedBledem = 0;
        // How long "finished" shows on the progress view before `udana`; 0: at once.
        double sekundyUkonczenia = 0;
    };

    // Shows the move in progress and starts it; the run is a child of `wlasciciel`. A move that
    // cannot start ends the run inside this call.
    static QPointer<MigrationRun> rozpocznij(QObject *wlasciciel, WizardMigrationViewController *widok,
                                             SetupWizardService *serwis, Kroki kroki, const QString &zrodlo,
                                             const QString &cel);

private:
    MigrationRun(QObject *wlasciciel, WizardMigrationViewController *widok, SetupWizardService *serwis, Kroki kroki);

    void zakoncz(const std::optional<BladOperacji> &blad);
    void udana();
    void nieudana(const BladOperacji &blad);
    void ustawStan(int stan);
    // Runs `krok` now or after `sekundy`, within the run's life.
    void poSekundach(double sekundy, std::function<void()> krok);
    // Runs an owner's step from a copy, since the owner and with it the run may go inside it;
    // NO when they did.
    bool wykonaj(const std::function<void()> &krok);

    QPointer<WizardMigrationViewController> m_widok;
    QPointer<SetupWizardService> m_serwis;
    Kroki m_kroki;
    bool m_zakonczona = false;
};
