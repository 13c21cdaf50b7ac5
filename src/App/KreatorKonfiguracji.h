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
};
