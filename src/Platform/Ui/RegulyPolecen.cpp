#include "RegulyPolecen.h"

#include "ElementInterfejsu.h"
#include "PozycjaMenu.h"

#include <algorithm>

const RegulaPolecenia *RegulyPolecen::regula(std::span<const RegulaPolecenia> reguly, Akcja akcja)
{
    const auto znaleziona =
        std::find_if(reguly.begin(), reguly.end(), [akcja](const RegulaPolecenia &r) { return r.akcja == akcja; });
    return znaleziona == reguly.end() ? nullptr : &*znaleziona;
}

bool RegulyPolecen::zastosuj(const RegulaPolecenia &regula, std::uint32_t fakty, const ElementInterfejsu &element)
{
    const auto maWszystkie = [fakty](std::uint32_t wymagane) { return (fakty & wymagane) == wymagane; };
    if (PozycjaMenu *pozycja = element.pozycjaMenu(); pozycja && regula.widocznaGdy)
        pozycja->setHidden(!maWszystkie(regula.widocznaGdy));
    return maWszystkie(regula.wlaczonaGdy);
}
