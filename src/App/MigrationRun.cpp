#include "MigrationRun.h"

#include "PortfolioOperationAlerts.h"
#include "SetupWizardService.h"
#include "WizardMigrationViewController.h"
#include "ZapisPrzenoszeniaPortfolio.h"

#include "Platform/DelayedOperations.h"
#include "Platform/FileOperations.h"
#include "Platform/Opoznienia.h"
#include "Platform/Paths.h"
#include "Platform/Ui/Alert.h"

MigrationRun::MigrationRun(QObject *wlasciciel, WizardMigrationViewController *widok, SetupWizardService *serwis,
                           Kroki kroki)
    : QObject(wlasciciel)
    , m_widok(widok)
    , m_serwis(serwis)
    , m_kroki(std::move(kroki))
{
}

QPointer<MigrationRun> MigrationRun::rozpocznij(QObject *wlasciciel, WizardMigrationViewController *widok,
                                                SetupWizardService *serwis, Kroki kroki, const QString &zrodlo,
                                                const QString &cel)
{
    QPointer<MigrationRun> przebieg(new MigrationRun(wlasciciel, widok, serwis, std::move(kroki)));
    przebieg->ustawStan(WizardMigrationViewController::MigrationInProgress);
    auto koniec = [przebieg](const std::optional<BladOperacji> &blad) {
        if (przebieg)
            przebieg->zakoncz(blad);
    };
    if (!serwis || !widok)
        return przebieg;
    // Recorded before anything moves, so that the start after a kill can settle the move. A name
    // taken at the new place fails the move at once, and is never taken for the moved portfolio.
    const QString portfolio = SetupWizardService::urlForTarrowindPortfolioForURL(zrodlo);
    const QString nowePortfolio = Paths::join(Paths::clean(cel), Paths::lastComponent(portfolio));
    BladOperacji blad;
    if (!portfolio.isEmpty() && !cel.isEmpty() && !FileOperations::exists(nowePortfolio)
        && !ZapisPrzenoszeniaPortfolio::zapisz(portfolio, nowePortfolio, &blad)) {
        przebieg->zakoncz(blad);
        return przebieg;
    }
    serwis->migratePortfolioFromURLToURLWithBlock(zrodlo, cel, widok->raportyMigracji(koniec),
                                                  &ZapisPrzenoszeniaPortfolio::oznaczKopie);
    return przebieg;
}

void MigrationRun::zakoncz(const std::optional<BladOperacji> &blad)
{
    if (m_zakonczona)
        return;
    m_zakonczona = true;
    if (!blad) {
        udana();
        return;
    }
    // Nothing moved: the start after a kill has nothing to settle.
    ZapisPrzenoszeniaPortfolio::usun();
    const BladOperacji przyczyna = *blad;
    poSekundach(m_kroki.sekundyPrzedBledem, [this, przyczyna] { nieudana(przyczyna); });
}

void MigrationRun::udana()
{
    // Read before the owner re-points the program, which may raise alerts of its own.
    const QString pozostawione = m_serwis ? m_serwis->migrationLeftoversFolder() : QString();
    bool przyjete = false;
    if (!wykonaj([krok = m_kroki.przyjmijPortfolio, &przyjete] { przyjete = krok(); }))
        return;
    if (!przyjete) {
        // The move stays recorded: the next start stores the location this one could not.
        ustawStan(WizardMigrationViewController::MigrationUndefined);
        deleteLater();
        return;
    }
    // What stayed in the old folder is told before the record goes: a start after a kill tells it.
    if (!pozostawione.isEmpty()) {
        Alert alert = PortfolioOperationAlerts::itemsStayedInOldPortfolio(pozostawione);
        if (!wykonaj([krok = m_kroki.pokazPozostawione, &alert] { krok(alert); }))
            return;
    }
    ZapisPrzenoszeniaPortfolio::usun();
    poSekundach(Opoznienia::biezace().koniecMigracji, [this] {
        ustawStan(WizardMigrationViewController::MigrationFinished);
        poSekundach(m_kroki.sekundyUkonczenia, [this] {
            if (wykonaj(m_kroki.udana))
                deleteLater();
        });
    });
}

void MigrationRun::nieudana(const BladOperacji &blad)
{
    const bool anulowana = blad.kod == SetupWizardService::statusCancelled;
    if (anulowana) {
        ustawStan(WizardMigrationViewController::MigrationUndefined);
    } else {
        ustawStan(WizardMigrationViewController::MigrationFailed);
        Alert alert = PortfolioOperationAlerts::migrationError(blad);
        if (!wykonaj([krok = m_kroki.pokazBlad, &alert] { krok(alert); }))
            return;
    }
    if (wykonaj(m_kroki.nieudana))
        deleteLater();
}

void MigrationRun::ustawStan(int stan)
{
    if (m_widok)
        m_widok->setMigrationState(stan);
}

void MigrationRun::poSekundach(double sekundy, std::function<void()> krok)
{
    if (sekundy > 0)
        DelayedOperations::addOperationAfterDelayWithBlock(sekundy, this, std::move(krok));
    else
        krok();
}

bool MigrationRun::wykonaj(const std::function<void()> &krok)
{
    QPointer<MigrationRun> ja(this);
    const std::function<void()> kopia = krok;
    kopia();
    return ja;
}
