#pragma once

#include "OfertaPrzeniesieniaAplikacji.h"
#include "PrzeniesienieDoAplikacji.h"

// The start-up's offer made for real: an AppImage started from elsewhere asks to move itself
// to where applications live.
class OfertaPrzeniesieniaAppImage : public OfertaPrzeniesieniaAplikacji
{
public:
    explicit OfertaPrzeniesieniaAppImage(
        PrzeniesienieDoAplikacji::Otoczenie otoczenie = PrzeniesienieDoAplikacji::Otoczenie::systemowe())
        : m_otoczenie(std::move(otoczenie))
    {
    }

    bool zaproponujPrzeniesienie() override
    {
        return PrzeniesienieDoAplikacji::offerMoveToApplicationsFolder(m_otoczenie);
    }

private:
    PrzeniesienieDoAplikacji::Otoczenie m_otoczenie;
};
