#include "WizardMigrationViewController.h"

#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <climits>

WizardMigrationViewController::WizardMigrationViewController(QObject *rodzic)
    : QObject(rodzic)
{
}

void WizardMigrationViewController::awakeFromNib()
{
    m_wizardMigrationState = MigrationUndefined;
    m_nieokreslony = true;
    if (progressIndicator) {
        progressIndicator->setTextVisible(false);
        progressIndicator->setRange(0, 1);
        progressIndicator->setValue(0);
    }
    if (progressLabel)
        progressLabel->clear();
}

void WizardMigrationViewController::setMigrationState(int stan)
{
    switch (stan) {
    case MigrationInProgress:
        migrationInProgress();
        break;
    case MigrationFinished:
        migrationFinished();
        break;
    case MigrationFailed:
        migrationFailed();
        break;
    default:
        migrationUndefined();
        break;
    }
    m_wizardMigrationState = stan;
}

void WizardMigrationViewController::zerujWskaznik()
{
    if (progressIndicator && !(progressIndicator->minimum() == 0 && progressIndicator->maximum() == 0))
        progressIndicator->setValue(0);
}

void WizardMigrationViewController::migrationInProgress()
{
    if (messageLabel)
        messageLabel->setText(tr("Tarrowind is moving your portfolio, please wait..."));
    zerujWskaznik();
}

void WizardMigrationViewController::migrationFinished()
{
    if (messageLabel)
        messageLabel->setText(tr("Portfolio has been migrated."));
}

void WizardMigrationViewController::migrationFailed()
{
    if (messageLabel)
        messageLabel->setText(tr("Migration failed."));
}

void WizardMigrationViewController::migrationUndefined()
{
    if (messageLabel)
        messageLabel->clear();
    if (progressLabel)
        progressLabel->clear();
    zerujWskaznik();
}

void WizardMigrationViewController::updateProgressWithObjectsMovedTotalObjectsToMove(qint64 przeniesione, qint64 razem)
{
    const bool znane = przeniesione != -1 && razem != -1;
    if (znane && m_nieokreslony)
        m_nieokreslony = false;
    else if (m_nieokreslony && progressIndicator)
        progressIndicator->setRange(0, 0); // a busy bar: activity without a measure
    if (!znane)
        return;
    const qint64 pokazane = std::min(przeniesione, razem);
    if (progressIndicator) {
        // A bar of range 0..0 would turn into a busy bar; an empty move is shown as an empty bar.
        progressIndicator->setRange(0, int(std::clamp<qint64>(razem, 1, INT_MAX)));
        progressIndicator->setValue(int(std::clamp<qint64>(pokazane, 0, INT_MAX)));
    }
    if (progressLabel)
        progressLabel->setText(tr("%1 of %2 moved").arg(pokazane).arg(razem));
}

SetupWizardService::MigrateBlock WizardMigrationViewController::raportyMigracji(Koniec koniec)
{
    QPointer<WizardMigrationViewController> ja(this);
    return [ja, koniec = std::move(koniec)](bool zakonczone, const std::optional<BladOperacji> &blad,
                                            qint64 przeniesione, qint64 razem) {
        if (ja)
            ja->updateProgressWithObjectsMovedTotalObjectsToMove(przeniesione, razem);
        if (zakonczone)
            koniec(blad);
    };
}
