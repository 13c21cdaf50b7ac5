#pragma once

#include "ZawartoscKarty.h"

#include <memory>

class KontrolerKartyPortfolio;

// The contents of a portfolio tab: it makes and owns the tab's controller and gives the tab its
// first title, icon and view.
class KartaPortfolio : public ZawartoscKarty
{
    Q_OBJECT

public:
    KartaPortfolio();
    ~KartaPortfolio() override;

    KontrolerKartyPortfolio *kontrolerKartyPortfolio() const { return m_kontrolerKartyPortfolio.get(); }

private:
    void stworzKontrolerKartyPortfolio();

    std::unique_ptr<KontrolerKartyPortfolio> m_kontrolerKartyPortfolio;
};
