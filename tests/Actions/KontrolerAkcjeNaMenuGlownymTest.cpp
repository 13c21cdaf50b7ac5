#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Browser/KartaFasolki.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A bean tab whose outline could open the new-folder popover, counting the times it is asked to.
class KartaFasolkiZKatalogiem : public KartaFasolki
{
public:
    bool czyMoznaWyswietlicDymekNowyKatalog() const override { return true; }
    void wyswietlDymekNowyKatalog() override { ++wyswietlenia; }
    int wyswietlenia = 0;
};

} // namespace

TEST(MenuGlowne, ThePreviewItemsFollowThePanel)
{
    KontrolerAkcjeNaMenuGlownym kontroler;
    PozycjaMenu pokaz(QStringLiteral("Show"), Akcja::pokazPanelSzybkiegoPrzegladu);
    PozycjaMenu ukryj(QStringLiteral("Hide"), Akcja::ukryjPanelSzybkiegoPrzegladu);
    PozycjaMenu przelacz(QString(), Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu);
    const struct { Akcja polecenie; bool widoczny; bool pokazWlaczona, ukryjWlaczona, ukryjUkryta; QString tytul; } przypadki[] = {
        {Akcja::ukryjPanelSzybkiegoPrzegladu, false, true, false, true, QStringLiteral("Quick Look")},
        {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, true, false, true, false, QStringLiteral("Close Quick Look")},
        {Akcja::pokazPanelSzybkiegoPrzegladu, true, false, true, false, QStringLiteral("Close Quick Look")},
        {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, false, true, false, true, QStringLiteral("Quick Look")},
        {Akcja::pokazPanelSzybkiegoPrzegladu, true, false, true, false, QStringLiteral("Close Quick Look")},
        {Akcja::ukryjPanelSzybkiegoPrzegladu, false, true, false, true, QStringLiteral("Quick Look")},
    };
    for (const auto &p : przypadki) {
        kontroler.performAction(p.polecenie, nullptr);
        const QString opis = nazwaSelektora(p.polecenie);
        EXPECT_EQ(PanelSzybkiegoPrzegladu::wspolny()->isVisible(), p.widoczny) << qPrintable(opis);
        EXPECT_EQ(kontroler.validateUserInterfaceItem(ElementInterfejsu(&pokaz)), p.pokazWlaczona) << qPrintable(opis);
        EXPECT_EQ(kontroler.validateUserInterfaceItem(ElementInterfejsu(&ukryj)), p.ukryjWlaczona) << qPrintable(opis);
        EXPECT_EQ(ukryj.isHidden(), p.ukryjUkryta) << qPrintable(opis);
        EXPECT_FALSE(pokaz.isHidden());
        EXPECT_TRUE(kontroler.validateUserInterfaceItem(ElementInterfejsu(&przelacz)));
        EXPECT_EQ(przelacz.text(), p.tytul) << qPrintable(opis);
    }
}

TEST(MenuGlowne, ThePopoverCommandsAskTheMainWindowsSelectedTab)
{
    WindowRegistry::instance();
    KontrolerAkcjeNaMenuGlownym kontroler;
    const Akcja dymki[] = {Akcja::wyswietlDymekNowaFasolka, Akcja::wyswietlDymekNowyPotok, Akcja::wyswietlDymekNowyKatalog};
    for (Akcja akcja : dymki) {
        EXPECT_FALSE(kontroler.validateUserInterfaceItem(ElementInterfejsu(akcja))) << "no window";
        kontroler.performAction(akcja, nullptr);
    }
    EXPECT_FALSE(kontroler.validateUserInterfaceItem(ElementInterfejsu(Akcja::nowaKartaPortfolio))) << "not in the table";

    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(nullptr);
    auto *karta = static_cast<KartaFasolkiZKatalogiem *>(
        przegladarka->addTabContents(std::make_unique<KartaFasolkiZKatalogiem>()));
    ASSERT_EQ(KartaFasolki::wybranaKartaFasolki(), karta);
    EXPECT_FALSE(kontroler.validateUserInterfaceItem(ElementInterfejsu(Akcja::wyswietlDymekNowaFasolka)));
    EXPECT_FALSE(kontroler.validateUserInterfaceItem(ElementInterfejsu(Akcja::wyswietlDymekNowyPotok)));
    EXPECT_TRUE(kontroler.validateUserInterfaceItem(ElementInterfejsu(Akcja::wyswietlDymekNowyKatalog)));
    kontroler.performAction(Akcja::wyswietlDymekNowyKatalog, nullptr);
    EXPECT_EQ(karta->wyswietlenia, 1);

    przegladarka->nowaKartaPortfolio();
    EXPECT_EQ(KartaFasolki::wybranaKartaFasolki(), nullptr);
    EXPECT_TRUE(kontroler.validateUserInterfaceItem(ElementInterfejsu(Akcja::wyswietlDymekNowyPotok)));
    EXPECT_FALSE(kontroler.validateUserInterfaceItem(ElementInterfejsu(Akcja::wyswietlDymekNowyKatalog)));
}
