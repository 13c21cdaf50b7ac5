#include "KreatorKonfiguracjiAplikacji.h"

#include "SetupAndMigrationWizard.h"

bool KreatorKonfiguracjiAplikacji::czyPokazacKreatorKonfiguracji()
{
    return SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji();
}

void KreatorKonfiguracjiAplikacji::pokazKreatorKonfiguracji(std::function<void(bool sukces)> zakonczenie)
{
    SetupAndMigrationWizard::pokazKreatorKonfiguracji(std::move(zakonczenie));
}

bool KreatorKonfiguracjiAplikacji::applicationShouldTerminate()
{
    SetupAndMigrationWizard *kreator = SetupAndMigrationWizard::biezacyKreator();
    return !kreator || kreator->applicationShouldTerminate();
}
