#include "RegulyPolecen.h"

#include "ElementInterfejsu.h"
#include "PozycjaMenu.h"

#include <algorithm>

std::optional<bool> RegulyPolecen::zastosuj(std::span<const RegulaPolecenia> reguly, std::uint32_t fakty,
                                            const ElementInterfejsu &element)
{
    const auto regula = std::find_if(reguly.begin(), reguly.end(),
                                     [&element](const RegulaPolecenia &r) { return r.akcja == element.akcja(); });
    if (regula == reguly.end())
        return std::nullopt;
    const auto maWszystkie = [fakty](std::uint32_t wymagane) { return (fakty & wymagane) == wymagane; };
    if (PozycjaMenu *pozycja = element.pozycjaMenu(); pozycja && regula->widocznaGdy)
        pozycja->setHidden(!maWszystkie(regula->widocznaGdy));
    return maWszystkie(regula->wlaczonaGdy);
}
