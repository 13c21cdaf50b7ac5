#pragma once

#include "Akcja.h"

#include <cstdint>
#include <span>

class ElementInterfejsu;

// One row of a responder's command table, over facts it gathers once per validation: the
// command is enabled when every fact of `wlaczonaGdy` holds; a row that names `widocznaGdy`
// also hides its menu item unless every one of those holds.
struct RegulaPolecenia
{
    Akcja akcja;
    std::uint32_t wlaczonaGdy = 0;
    std::uint32_t widocznaGdy = 0;
};

class RegulyPolecen
{
public:
    // The row of `akcja`; nullptr when no row names it.
    static const RegulaPolecenia *regula(std::span<const RegulaPolecenia> reguly, Akcja akcja);
    // Whether the row's command is enabled by `fakty`, hiding the element's menu item as the row says.
    static bool zastosuj(const RegulaPolecenia &regula, std::uint32_t fakty, const ElementInterfejsu &element);
};
