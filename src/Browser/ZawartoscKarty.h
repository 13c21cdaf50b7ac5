#pragma once

#include "Browser/TabKit/TabContents.h"

#include <cstdint>

// The base of every tab of the program. Its kind tells the strip and the cards which textures
// and edges to draw: 0 until the tab has made its controller, 1 a bean tab, 2 a portfolio tab.
class ZawartoscKarty : public TabContents
{
    Q_OBJECT

public:
    static constexpr std::int32_t rodzajNieokreslony = 0;
    static constexpr std::int32_t rodzajKartaFasolki = 1;
    static constexpr std::int32_t rodzajKartaPortfolio = 2;

    ZawartoscKarty() = default;

    std::int32_t rodzajKarty() const { return m_rodzajKarty; }
    void setRodzajKarty(std::int32_t rodzaj) { m_rodzajKarty = rodzaj; }

private:
    std::int32_t m_rodzajKarty = rodzajNieokreslony;
};
