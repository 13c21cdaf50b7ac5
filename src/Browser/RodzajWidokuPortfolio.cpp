#include "RodzajWidokuPortfolio.h"

#include <array>

namespace {

struct OpisRodzaju
{
    const char *item;
    const char *stala;
};

constexpr std::array<OpisRodzaju, 7> opisyRodzajow{{
    {"kWidokNieokreslony", "rwpWidokNieokreslony"},
    {"WidokPobranychRzeczy", "rwpWidokPobranychRzeczy"},
    {"WidokBibliotekiMatRef", "rwpWidokBibliotekiMatRef"},
    {"WidokWszystkieFasolki", "rwpWidokWszystkieFasolki"},
    {"WidokPotoku", "rwpWidokPotoku"},
    {"WidokFasolki", "rwpWidokFasolki"},
    {"WidokArchiwum", "rwpWidokArchiwum"},
}};

bool czyZnanyRodzaj(RodzajWidokuPortfolio rodzaj)
{
    return rodzaj >= 0 && rodzaj < RodzajWidokuPortfolio(opisyRodzajow.size());
}

} // namespace

QString itemDlaRodzajuWidoku(RodzajWidokuPortfolio rodzaj)
{
    return czyZnanyRodzaj(rodzaj) ? QString::fromLatin1(opisyRodzajow[rodzaj].item) : QString();
}

QString nazwaStalejRodzajuWidoku(RodzajWidokuPortfolio rodzaj)
{
    return czyZnanyRodzaj(rodzaj) ? QString::fromLatin1(opisyRodzajow[rodzaj].stala) : QString();
}
