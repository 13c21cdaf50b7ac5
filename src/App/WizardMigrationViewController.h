#pragma once

#include "SetupWizardService.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QLabel;
class QProgressBar;

// The migration page: the state of a migration in words and its progress.
class WizardMigrationViewController : public QObject
{
    Q_OBJECT

public:
    enum WizardMigrationState {
        MigrationUndefined = 0,  // before a migration, after a cancelled one
        MigrationInProgress = 1, // the wizard refuses to close or quit
        MigrationFinished = 2,
        MigrationFailed = 3,
    };

    explicit WizardMigrationViewController(QObject *rodzic = nullptr);

    // Outlets, set by the wizard's resource.
    QPointer<QProgressBar> progressIndicator;
    QPointer<QLabel> progressLabel;
    QPointer<QLabel> messageLabel;

    void awakeFromNib();

    int wizardMigrationState() const { return m_wizardMigrationState; }
    // Shows the state, then stores it.
    void setMigrationState(int stan);

    // -1 for either count: nothing is known yet, the indicator only shows activity.
    void updateProgressWithObjectsMovedTotalObjectsToMove(qint64 przeniesione, qint64 razem);
    bool czyWskaznikNieokreslony() const { return m_nieokreslony; }

    // The block a migration reports to: every report moves the progress on, and the final one
    // goes on to `koniec` with its error, none when the move succeeded.
    using Koniec = std::function<void(const std::optional<BladOperacji> &blad)>;
    SetupWizardService::MigrateBlock raportyMigracji(Koniec koniec);

private:
    void migrationInProgress();
    void migrationFinished();
    void migrationFailed();
    void migrationUndefined();
    void zerujWskaznik();

    int m_wizardMigrationState = MigrationUndefined;
    bool m_nieokreslony = true;
};
