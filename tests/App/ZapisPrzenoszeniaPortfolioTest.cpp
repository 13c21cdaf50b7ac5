#include "App/ZapisPrzenoszeniaPortfolio.h"
#include "Model/SpecKatalog.h"
#include "Platform/UserDefaults.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Where things stood on disk and in the settings when the program was killed.
struct StanPoZabiciu
{
    const char *nazwa;
    bool zrodloJest;
    bool celJest;
    enum { Zrodlo, Cel, Brak, Inne } zapisane;
    enum { Zrodlem, Celem, Innym } oczekiwane; // the location after the start
    const char *informacja;                    // the alert's informative text; none: no alert
};

class RozstrzygnieciePrzenoszenia : public ::testing::TestWithParam<StanPoZabiciu>
{
protected:
    QString tekst(const char *wzor) const
    {
        return QString::fromUtf8(wzor)
            .replace(QStringLiteral("%S"), zrodlo)
            .replace(QStringLiteral("%D"), cel)
            .replace(QStringLiteral("%P"), dir.sciezka(QStringLiteral("nowe")));
    }

    KatalogTestowy dir;
    QString zrodlo = dir.sciezka(QStringLiteral("stare/Tarrowind"));
    QString cel = dir.sciezka(QStringLiteral("nowe/Tarrowind"));
    QString inne = dir.sciezka(QStringLiteral("inne/Tarrowind"));
};

} // namespace

TEST_P(RozstrzygnieciePrzenoszenia, TheStartStoresTheMovedPortfolioOnlyWhereItStandsAndTheUserNamedNoOther)
{
    const StanPoZabiciu &s = GetParam();
    zrobPortfolio(dir.katalog(QStringLiteral("inne")), 1);
    if (s.zrodloJest)
        zrobPortfolio(dir.katalog(QStringLiteral("stare")), 2);
    if (s.celJest)
        zrobPortfolio(dir.katalog(QStringLiteral("nowe")), 2);
    else
        dir.katalog(QStringLiteral("nowe"));
    const QString zapisane = s.zapisane == StanPoZabiciu::Zrodlo ? zrodlo
                             : s.zapisane == StanPoZabiciu::Cel  ? cel
                             : s.zapisane == StanPoZabiciu::Inne ? inne
                                                                 : QString();
    if (!zapisane.isEmpty()) {
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(zapisane));
    }
    ASSERT_TRUE(ZapisPrzenoszeniaPortfolio::zapisz(zrodlo, cel));
    SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();

    const std::optional<Alert> alert = ZapisPrzenoszeniaPortfolio::dokonczPrzerwane();
    EXPECT_EQ(alert ? alert->informativeText() : QString(), s.informacja ? tekst(s.informacja) : QString());
    SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
    const bool zapisana = SpecKatalog::sharedSpecKatalog()->czyJestUstawionyUrlBazowy_1_2();
    const QString po = zapisana ? SpecKatalog::sharedSpecKatalog()->urlKorzenia() : QString();
    EXPECT_EQ(po, s.oczekiwane == StanPoZabiciu::Celem ? cel : s.oczekiwane == StanPoZabiciu::Innym ? inne : zapisane);
    EXPECT_FALSE(UserDefaults::standard().hasStoredValue(QStringLiteral("PortfolioMove.underWay")));
    EXPECT_FALSE(ZapisPrzenoszeniaPortfolio::dokonczPrzerwane().has_value()) << "settled once";
}

INSTANTIATE_TEST_SUITE_P(
    ZapisPrzenoszeniaPortfolio, RozstrzygnieciePrzenoszenia,
    ::testing::Values(
        StanPoZabiciu{"TheWizardsMoveBeforeAnyLocationWasStored", false, true, StanPoZabiciu::Brak,
                      StanPoZabiciu::Celem, "The move was complete: your portfolio is now in \u201C%D\u201D."},
        StanPoZabiciu{"KilledAfterTheStoreBeforeTheRecordWent", false, true, StanPoZabiciu::Cel, StanPoZabiciu::Celem,
                      nullptr},
        StanPoZabiciu{"KilledAfterTheStoreWhileTheOldPlaceWasEmptied", true, true, StanPoZabiciu::Cel,
                      StanPoZabiciu::Celem,
                      "Your portfolio was moved to \u201C%D\u201D, but its old folder \u201C%S\u201D was not emptied. "
                      "What is left there was not removed."},
        StanPoZabiciu{"TheUserChoseAnotherPortfolioSince", false, true, StanPoZabiciu::Inne, StanPoZabiciu::Innym,
                      nullptr},
        StanPoZabiciu{
            "KilledWhileCopying", true, false, StanPoZabiciu::Zrodlo, StanPoZabiciu::Zrodlem,
            "Nothing was moved: your portfolio stays in \u201C%S\u201D. The incomplete copy in \u201C%P\u201D "
            "is removed."},
        StanPoZabiciu{"NeitherPlaceHoldsIt", false, false, StanPoZabiciu::Brak, StanPoZabiciu::Zrodlem, nullptr}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });
