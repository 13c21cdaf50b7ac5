#pragma once

#include "Akcja.h"

#include <cstdint>
#include <optional>
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
    // Applies the element's row: whether its command is enabled, hiding its menu item as the row
    // says; none when no row names the command.
    static std::optional<bool> zastosuj(std::span<const RegulaPolecenia> reguly, std::uint32_t fakty,
                                        const ElementInterfejsu &element);
};
