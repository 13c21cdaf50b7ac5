#pragma once

#include "KreatorKonfiguracji.h"

// The start-up's view of the real set-up and migration wizard.
class KreatorKonfiguracjiAplikacji : public KreatorKonfiguracji
{
public:
    bool czyPokazacKreatorKonfiguracji() override;
    void pokazKreatorKonfiguracji(std::function<void(bool sukces)> zakonczenie) override;
    bool applicationShouldTerminate() override;
};
