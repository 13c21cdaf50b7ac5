#pragma once

#include <QString>

class Alert;
class QWidget;
class SetupWizardService;

// The checks a folder chosen for the portfolio must pass, shared by the set-up wizard and the
// change of location. The first check that holds is the one the user is told about.
class PortfolioLocationChecks
{
public:
    enum class Check {
        None,
        InsideLibrary,
        CurrentLocation, // only when a location is being changed
        InsidePortfolio,
        AliasNamedTarrowind,
        FileNamedTarrowind,
    };
    // The two callers word the inside-a-portfolio warning a little differently.
    enum class Wording { Wizard, ChangeOfLocation };
    enum class Verdict { Usable, ChooseAgain, Refused };

    struct Finding
    {
        Check check = Check::None;
        QString enclosingPortfolio; // for InsidePortfolio: the portfolio the folder lies in
    };

    // `currentBase` is the base folder in use; empty in the wizard, where there is none.
    static Finding firstThatHolds(const SetupWizardService &service, const QString &url,
                                  const QString &currentBase = {});
    static void fillAlert(Alert &alert, const Finding &finding, Wording wording);
    // What the answer to the finding's alert means; "Use inside location" accepts the folder
    // whatever else would have been said about it.
    static Verdict verdict(const Finding &finding, int answer);

    // Runs the checks and, when one holds, its alert as a sheet on the window.
    static Verdict check(const SetupWizardService &service, const QString &url, QWidget *okno, Wording wording,
                         const QString &currentBase = {});
};
