#pragma once

#include "Platform/Ui/Akcja.h"

#include <QList>

#include <cstdint>
#include <optional>

class QObject;

// What the items of one command are, gathered in one pass, and the one table that says from
// these facts whether each item command is enabled and whether its menu item shows.
class FaktyPolecenia
{
public:
    enum Fakt : std::uint32_t {
        jedenElement = 1u << 0,
        jakisElement = 1u << 1,
        fasolka = 1u << 2,
        fasolkaZKatalogiem = 1u << 3,
        fasolkaZPlikiem = 1u << 4,
        potok = 1u << 5,
        archiwum = 1u << 6,
        archiwumPotoku = 1u << 7,
        bazaFasolek = 1u << 8,
        bibliotekaMatRef = 1u << 9,
        pobraneRzeczy = 1u << 10,
        panelWidoczny = 1u << 11,
        panelNiewidoczny = 1u << 12,
        // A bean that lies in a flow: an archived one lies in a flow archive instead.
        fasolkaWPotoku = 1u << 13,
    };

    // One row: enabled when every fact of `wszystkie` holds, one of `ktorykolwiek` (when any is
    // named) and none of `zaden`; a menu item is hidden unless every fact of `widocznaGdy` holds.
    struct Regula
    {
        Akcja akcja;
        std::uint32_t wszystkie = 0;
        std::uint32_t ktorykolwiek = 0;
        std::uint32_t zaden = 0;
        std::uint32_t widocznaGdy = 0;
    };

    // The panel's facts ask whether it exists before whether it shows: never makes it.
    static FaktyPolecenia zbierz(const QList<QObject *> &elementy);

    bool wlaczona(Akcja akcja) const;
    // Whether a menu item of the command hides; none when its row has no such rule.
    std::optional<bool> ukryta(Akcja akcja) const;

private:
    explicit FaktyPolecenia(std::uint32_t fakty)
        : m_fakty(fakty)
    {
    }
    bool maWszystkie(std::uint32_t fakty) const { return (m_fakty & fakty) == fakty; }

    std::uint32_t m_fakty;
};
