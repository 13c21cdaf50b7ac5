#pragma once

// The offer to move the application to where applications belong, as the start-up sees it.
class OfertaPrzeniesieniaAplikacji
{
public:
    virtual ~OfertaPrzeniesieniaAplikacji() = default;

    // Makes the offer when it applies; YES when the program now runs again from its new place,
    // so this run must end.
    virtual bool zaproponujPrzeniesienie() = 0;
};
