#pragma once

#include <QString>

class SetupAndMigrationWizard;

// The widget trees of the wizard's three resources, "FirstRunWizard", "UsePortfolioWizard" and
// "MigrationWizard": one window with a page view of five pages, the set-up service and the page
// controllers, wired to one another and to their owner, the wizard.
class WizardResources
{
public:
    // NO for an unknown name; the owner is left without a window.
    static bool zaladuj(const QString &nazwaZasobu, SetupAndMigrationWizard *wlasciciel);

    static constexpr int szerokoscOkna = 700;
    static constexpr int wysokoscOkna = 480;
};
