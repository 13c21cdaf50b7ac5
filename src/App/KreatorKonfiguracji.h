#pragma once

#include <functional>

// The set-up wizard as the start-up sees it.
class KreatorKonfiguracji
{
public:
    virtual ~KreatorKonfiguracji() = default;

    // YES when no portfolio location is stored and resolvable.
    virtual bool czyPokazacKreatorKonfiguracji() = 0;
    // Shows the wizard; once it ends, `zakonczenie` learns whether a usable portfolio came of it.
    virtual void pokazKreatorKonfiguracji(std::function<void(bool sukces)> zakonczenie) = 0;
    // Asked while the wizard is shown, before the program quits: NO refuses, once the user has
    // been told why.
    virtual bool applicationShouldTerminate() = 0;
};
