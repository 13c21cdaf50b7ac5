#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Browser/KartaFasolki.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <gtest/gtest.h>

namespace {

// A bean tab whose outline could open the new-folder popover, counting the times it is asked to.
struct KartaFasolkiZKatalogiem : KartaFasolki
{
    bool czyMoznaWyswietlicDymekNowyKatalog() const override { return true; }
    void wyswietlDymekNowyKatalog() override { ++wyswietlenia; }
    int wyswietlenia = 0;
};

} // namespace

TEST(MenuGlowne, ThePreviewItemsFollowThePanel)
{
    KontrolerAkcjeNaMenuGlownym kontroler;
    PozycjaMenu pokaz({}, Akcja::pokazPanelSzybkiegoPrzegladu), ukryj({}, Akcja::ukryjPanelSzybkiegoPrzegladu),
        przelacz({}, Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu);
    // Each command, then whether the panel shows; the show item is enabled, the hide item hidden, when it does not.
    const std::pair<Akcja, bool> przypadki[] = {
        {Akcja::ukryjPanelSzybkiegoPrzegladu, false}, {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, true},
        {Akcja::pokazPanelSzybkiegoPrzegladu, true},  {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, false},
        {Akcja::pokazPanelSzybkiegoPrzegladu, true},  {Akcja::ukryjPanelSzybkiegoPrzegladu, false},
    };
    for (const auto &[polecenie, widoczny] : przypadki) {
        SCOPED_TRACE(qPrintable(nazwaSelektora(polecenie)));
        kontroler.performAction(polecenie, nullptr);
        EXPECT_EQ(PanelSzybkiegoPrzegladu::wspolny()->isVisible(), widoczny);
        EXPECT_EQ(kontroler.validateUserInterfaceItem(ElementInterfejsu(&pokaz)), !widoczny);
        EXPECT_EQ(kontroler.validateUserInterfaceItem(ElementInterfejsu(&ukryj)), widoczny);
        EXPECT_EQ(ukryj.isHidden(), !widoczny);
        EXPECT_TRUE(kontroler.validateUserInterfaceItem(ElementInterfejsu(&przelacz)));
        EXPECT_EQ(przelacz.text().remove(QLatin1Char('&')), widoczny ? "Close Quick Look" : "Quick Look");
    }
    EXPECT_FALSE(pokaz.isHidden());
}

TEST(MenuGlowne, ThePopoverCommandsAskTheMainWindowsSelectedTab)
{
    KontrolerAkcjeNaMenuGlownym kontroler;
    PrzegladarkaTarrowind *przegladarka = nullptr;
    KartaFasolkiZKatalogiem *karta = nullptr; // selected in the second case
    const Akcja dymki[] = {Akcja::wyswietlDymekNowaFasolka, Akcja::wyswietlDymekNowyPotok,
                           Akcja::wyswietlDymekNowyKatalog};
    const struct
    {
        const char *stan;
        std::function<void()> przygotuj;
        bool wlaczone[3];
    } przypadki[] = {
        {"no window", [] {}, {false, false, false}},
        {"bean tab",
         [&] {
             przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(nullptr);
             karta = static_cast<KartaFasolkiZKatalogiem *>(
                 przegladarka->addTabContents(std::make_unique<KartaFasolkiZKatalogiem>()));
         },
         {false, false, true}},
        // The portfolio tab opens on the remembered main flow, whose view takes new beans and folders.
        {"portfolio tab", [&] { przegladarka->nowaKartaPortfolio(); }, {true, true, true}},
    };
    for (const auto &p : przypadki) {
        p.przygotuj();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(kontroler.validateUserInterfaceItem(ElementInterfejsu(dymki[i])), p.wlaczone[i])
                << p.stan << " " << i;
            kontroler.performAction(dymki[i], nullptr);
        }
    }
    EXPECT_EQ(karta->wyswietlenia, 1) << "asked while its tab was selected";
}
