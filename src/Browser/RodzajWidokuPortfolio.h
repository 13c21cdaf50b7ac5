#pragma once

#include <QString>

#include <cstdint>

// What a portfolio tab's details area shows. A flow and a bean are shown by the object itself,
// never by the names of kinds 4 and 5.
using RodzajWidokuPortfolio = std::int32_t;

constexpr RodzajWidokuPortfolio rwpWidokNieokreslony = 0;
constexpr RodzajWidokuPortfolio rwpWidokPobranychRzeczy = 1;
constexpr RodzajWidokuPortfolio rwpWidokBibliotekiMatRef = 2;
constexpr RodzajWidokuPortfolio rwpWidokWszystkieFasolki = 3;
constexpr RodzajWidokuPortfolio rwpWidokPotoku = 4;
constexpr RodzajWidokuPortfolio rwpWidokFasolki = 5;
constexpr RodzajWidokuPortfolio rwpWidokArchiwum = 6;

// The four views shown by name; the navigation bar's nodes carry the same names.
namespace NazwyWidokow {
inline const QString pobraneRzeczy = QStringLiteral("WidokPobranychRzeczy");
inline const QString bibliotekaMatRef = QStringLiteral("WidokBibliotekiMatRef");
inline const QString wszystkieFasolki = QStringLiteral("WidokWszystkieFasolki");
inline const QString archiwum = QStringLiteral("WidokArchiwum");
} // namespace NazwyWidokow

// Kind to its item name; empty for a value outside 0 to 6.
QString itemDlaRodzajuWidoku(RodzajWidokuPortfolio rodzaj);
// Kind to its constant's name, for diagnostics; empty for a value outside 0 to 6.
QString nazwaStalejRodzajuWidoku(RodzajWidokuPortfolio rodzaj);
