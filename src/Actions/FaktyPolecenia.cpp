#include "FaktyPolecenia.h"

#include "JakoElement.h"

#include "Model/BytSystemuPlikow.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"

#include <algorithm>

namespace {

using F = FaktyPolecenia;

constexpr std::uint32_t zWidokiem = F::archiwum | F::bazaFasolek | F::bibliotekaMatRef | F::pobraneRzeczy | F::potok;

// A command in no row is disabled: among them the new-item popovers, whose predicates their
// controller does not offer yet, and the four flow commands that nothing here performs.
constexpr F::Regula regulyPolecenElementow[] = {
    {Akcja::otworzFasolkeNaKarciePortfolio, F::fasolkaZKatalogiem | F::jedenElement},
    {Akcja::noweOknoZKartaFasolki, F::fasolkaZKatalogiem | F::jedenElement},
    {Akcja::nowaKartaFasolki, F::fasolkaZKatalogiem | F::jedenElement},
    {Akcja::otworzBytyElementowWDomyslnychAplikacjach, F::fasolkaZPlikiem, 0, 0, F::fasolkaZPlikiem},
    {Akcja::otworzBytElementuWProgramie, F::jedenElement, 0, F::fasolkaZKatalogiem},
    {Akcja::pokazElementWFinderze, F::jedenElement},
    {Akcja::otworzElementyWFinderze, 0,
     F::archiwum | F::archiwumPotoku | F::bazaFasolek | F::bibliotekaMatRef | F::fasolkaZKatalogiem | F::pobraneRzeczy
         | F::potok},
    // Only an item that has a view of its own opens one.
    {Akcja::nowaKartaPortfolioZWidokiemElementu, F::jedenElement, zWidokiem},
    {Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, F::jedenElement, zWidokiem},
    {Akcja::pokazPanelSzybkiegoPrzegladu, F::jakisElement | F::panelNiewidoczny, 0, 0, F::panelNiewidoczny},
    {Akcja::ukryjPanelSzybkiegoPrzegladu, F::panelWidoczny, 0, 0, F::panelWidoczny},
    {Akcja::opakujFasolkePlikowaWKatalog, F::fasolkaZPlikiem | F::jedenElement},
    {Akcja::wypakujZawartoscFasolkiZKatalogu, F::fasolkaZKatalogiem | F::jedenElement},
    {Akcja::duplikujFasolki, F::fasolka},
    {Akcja::przeniesFasolkiDoPotoku, F::fasolka},
    {Akcja::moveToTrash, F::fasolka},
    {Akcja::pokazFasolkeWPotoku, F::fasolkaWPotoku | F::jedenElement},
    {Akcja::akcjaPrzejdzDoPotoku, F::potok | F::jedenElement},
    {Akcja::wyswietlPozaTabelaMenuPodreczneStatusu, F::fasolka},
    {Akcja::inkubujFasolki, F::fasolka},
    {Akcja::aktywujFasolki, F::fasolka},
    {Akcja::oznaczFasolkiJakoOczekujace, F::fasolka},
    {Akcja::deaktywujFasolki, F::fasolka},
    {Akcja::oznaczFasolkiJakoGotowe, F::fasolka},
    {Akcja::oznaczFasolkiJakoUkonczone, F::fasolka},
    {Akcja::archiwizujFasolki, F::fasolka},
    {Akcja::reaktywujFasolke, F::fasolka},
    {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu},
};

const F::Regula *regulaDla(Akcja akcja)
{
    const auto *koniec = std::end(regulyPolecenElementow);
    const auto *regula = std::find_if(std::begin(regulyPolecenElementow), koniec,
                                      [akcja](const F::Regula &r) { return r.akcja == akcja; });
    return regula == koniec ? nullptr : regula;
}

std::uint32_t faktyElementu(QObject *element)
{
    if (Fasolka *f = jakoFasolka(element))
        return F::fasolka | (f->jestZKatalogiem() ? F::fasolkaZKatalogiem : 0u)
               | (f->jestZPlikiem() ? F::fasolkaZPlikiem : 0u) | (f->potok() ? F::fasolkaWPotoku : 0u);
    if (jakoPotok(element))
        return F::potok;
    if (jakoArchiwum(element))
        return F::archiwum;
    if (jakoArchiwumPotoku(element))
        return F::archiwumPotoku;
    if (jakoBazaFasolek(element))
        return F::bazaFasolek;
    if (jakoBibliotekaMatRef(element))
        return F::bibliotekaMatRef;
    if (jakoPobraneRzeczy(element))
        return F::pobraneRzeczy;
    return 0;
}

} // namespace

FaktyPolecenia FaktyPolecenia::zbierz(const QList<QObject *> &elementy)
{
    std::uint32_t fakty = PanelSzybkiegoPrzegladu::istnieje() && PanelSzybkiegoPrzegladu::widoczny() ? panelWidoczny
                                                                                                     : panelNiewidoczny;
    if (elementy.size() == 1)
        fakty |= jedenElement;
    if (!elementy.isEmpty())
        fakty |= jakisElement;
    for (QObject *element : elementy)
        fakty |= faktyElementu(element);
    return FaktyPolecenia(fakty);
}

bool FaktyPolecenia::wlaczona(Akcja akcja) const
{
    const Regula *regula = regulaDla(akcja);
    return regula && maWszystkie(regula->wszystkie) && (!regula->ktorykolwiek || (m_fakty & regula->ktorykolwiek))
           && !(m_fakty & regula->zaden);
}

std::optional<bool> FaktyPolecenia::ukryta(Akcja akcja) const
{
    const Regula *regula = regulaDla(akcja);
    if (!regula || !regula->widocznaGdy)
        return std::nullopt;
    return !maWszystkie(regula->widocznaGdy);
}
