#include "App/ZapisPrzenoszeniaPortfolio.h"
#include "Model/SpecKatalog.h"
#include "Platform/Bookmark.h"
#include "Platform/UserDefaults.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Where things stood on disk and in the settings when the program was killed.
struct StanPoZabiciu
{
    const char *nazwa;
    bool zrodloJest;
    enum { Nic, Nasz, Obcy } celJest; // the folder at the new place: none, the move's copy, another program's
    bool oznaczonaGdzieIndziej;       // the mark names a copy that never took the new place
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

    // One start's settling; `widziane` answers whether the user saw the alert to the end.
    QStringList rozstrzygnij(bool widziane)
    {
        SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
        QStringList alerty;
        ZapisPrzenoszeniaPortfolio::dokonczPrzerwane([&](Alert &alert) {
            alerty << alert.informativeText();
            return widziane;
        });
        return alerty;
    }

    QString lokalizacja()
    {
        SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
        SpecKatalog *spec = SpecKatalog::sharedSpecKatalog();
        return spec->czyJestUstawionyUrlBazowy_1_2() ? spec->urlKorzenia() : QString();
    }

    static bool zapisTrwa()
    {
        return UserDefaults::standard().hasStoredValue(QStringLiteral("PortfolioMove.underWay"));
    }

    KatalogTestowy dir;
    QString zrodlo = dir.sciezka(QStringLiteral("stare/Tarrowind"));
    QString cel = dir.sciezka(QStringLiteral("nowe/Tarrowind"));
    QString inne = dir.sciezka(QStringLiteral("inne/Tarrowind"));
};

} // namespace

TEST_P(RozstrzygnieciePrzenoszenia, TheStartAdoptsOnlyTheMovesMarkedCopyAndTellsUntilTheUserSawIt)
{
    const StanPoZabiciu &s = GetParam();
    zrobPortfolio(dir.katalog(QStringLiteral("inne")), 1);
    zrobPortfolio(dir.katalog(QStringLiteral("stare")), 2);
    if (s.celJest == StanPoZabiciu::Nic)
        dir.katalog(QStringLiteral("nowe"));
    else
        zrobPortfolio(dir.katalog(QStringLiteral("nowe")), s.celJest == StanPoZabiciu::Nasz ? 4 : 1);
    const QString zapisane = s.zapisane == StanPoZabiciu::Zrodlo ? zrodlo
                             : s.zapisane == StanPoZabiciu::Cel  ? cel
                             : s.zapisane == StanPoZabiciu::Inne ? inne
                                                                 : QString();
    if (!zapisane.isEmpty()) {
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(zapisane));
    }
    // Renamed away, or emptied to the end.
    if (!s.zrodloJest) {
        ASSERT_TRUE(QDir(zrodlo).removeRecursively());
    }
    ASSERT_TRUE(ZapisPrzenoszeniaPortfolio::zapisz(zrodlo, cel));
    const QString kopia = s.oznaczonaGdzieIndziej
                              ? dir.katalog(QStringLiteral("nowe/.tarrowind-0123456789abcdef.tmp/copy"))
                          : s.celJest == StanPoZabiciu::Nasz ? cel
                                                             : QString();
    if (!kopia.isEmpty()) {
        const std::optional<Bookmark::Identity> znak = Bookmark::identity(kopia);
        ASSERT_TRUE(znak.has_value());
        ASSERT_TRUE(ZapisPrzenoszeniaPortfolio::oznaczKopie(*znak));
    }
    const QStringList dysk = migawkaKatalogu(dir.sciezka());
    const QStringList oczekiwaneAlerty = s.informacja ? QStringList{tekst(s.informacja)} : QStringList{};
    // A stored old place that is gone names no location.
    const QString oczekiwana = s.oczekiwane == StanPoZabiciu::Celem   ? cel
                               : s.oczekiwane == StanPoZabiciu::Innym ? inne
                               : s.zrodloJest                         ? zapisane
                                                                      : QString();

    // Killed, or ended, while the alert was up: the location may be stored, the telling is not done.
    EXPECT_EQ(rozstrzygnij(false), oczekiwaneAlerty);
    EXPECT_EQ(lokalizacja(), oczekiwana);
    EXPECT_EQ(zapisTrwa(), s.informacja != nullptr);

    EXPECT_EQ(rozstrzygnij(true), oczekiwaneAlerty) << "told again at the next start";
    EXPECT_EQ(lokalizacja(), oczekiwana);
    EXPECT_FALSE(zapisTrwa());
    EXPECT_TRUE(rozstrzygnij(true).isEmpty()) << "told once it was seen";
    EXPECT_EQ(migawkaKatalogu(dir.sciezka()), dysk) << "the settling touches nothing on disk";
}

INSTANTIATE_TEST_SUITE_P(
    ZapisPrzenoszeniaPortfolio, RozstrzygnieciePrzenoszenia,
    ::testing::Values(
        StanPoZabiciu{"TheWizardsMoveBeforeAnyLocationWasStored", false, StanPoZabiciu::Nasz, false,
                      StanPoZabiciu::Brak, StanPoZabiciu::Celem,
                      "The move was complete: your portfolio is now in \u201C%D\u201D."},
        StanPoZabiciu{"KilledAfterARenameBeforeTheStore", false, StanPoZabiciu::Nasz, false, StanPoZabiciu::Zrodlo,
                      StanPoZabiciu::Celem, "The move was complete: your portfolio is now in \u201C%D\u201D."},
        StanPoZabiciu{"KilledAfterTheStoreBeforeTheRecordWent", false, StanPoZabiciu::Nasz, false, StanPoZabiciu::Cel,
                      StanPoZabiciu::Celem, "The move was complete: your portfolio is now in \u201C%D\u201D."},
        StanPoZabiciu{"KilledBeforeTheStoreWhileTheOldPlaceWasEmptied", true, StanPoZabiciu::Nasz, false,
                      StanPoZabiciu::Zrodlo, StanPoZabiciu::Celem,
                      "Your portfolio was moved to \u201C%D\u201D, but its old folder \u201C%S\u201D was not emptied. "
                      "What is left there was not removed."},
        StanPoZabiciu{"KilledAfterTheStoreWhileTheOldPlaceWasEmptied", true, StanPoZabiciu::Nasz, false,
                      StanPoZabiciu::Cel, StanPoZabiciu::Celem,
                      "Your portfolio was moved to \u201C%D\u201D, but its old folder \u201C%S\u201D was not emptied. "
                      "What is left there was not removed."},
        StanPoZabiciu{"TheUserChoseAnotherPortfolioSince", false, StanPoZabiciu::Nasz, false, StanPoZabiciu::Inne,
                      StanPoZabiciu::Innym, nullptr},
        StanPoZabiciu{
            "KilledWhileCopying", true, StanPoZabiciu::Nic, false, StanPoZabiciu::Zrodlo, StanPoZabiciu::Zrodlem,
            "Nothing was moved: your portfolio stays in \u201C%S\u201D. The incomplete copy in \u201C%P\u201D "
            "is removed."},
        StanPoZabiciu{
            "KilledAfterTheMarkBeforeTheRename", true, StanPoZabiciu::Nic, true, StanPoZabiciu::Zrodlo,
            StanPoZabiciu::Zrodlem,
            "Nothing was moved: your portfolio stays in \u201C%S\u201D. The incomplete copy in \u201C%P\u201D "
            "is removed."},
        StanPoZabiciu{
            "AnotherProgramsFolderAtTheNewPlaceAfterAKillWhileCopying", true, StanPoZabiciu::Obcy, false,
            StanPoZabiciu::Zrodlo, StanPoZabiciu::Zrodlem,
            "Nothing was moved: your portfolio stays in \u201C%S\u201D. The incomplete copy in \u201C%P\u201D "
            "is removed."},
        StanPoZabiciu{
            "AnotherProgramsFolderWhereTheMarkedCopyWasToGo", true, StanPoZabiciu::Obcy, true, StanPoZabiciu::Zrodlo,
            StanPoZabiciu::Zrodlem,
            "Nothing was moved: your portfolio stays in \u201C%S\u201D. The incomplete copy in \u201C%P\u201D "
            "is removed."},
        StanPoZabiciu{"AnotherProgramsFolderTheUserTookIntoUseSince", true, StanPoZabiciu::Obcy, false,
                      StanPoZabiciu::Cel, StanPoZabiciu::Celem, nullptr},
        StanPoZabiciu{"AnotherProgramsFolderAndTheOldPlaceGone", false, StanPoZabiciu::Obcy, false,
                      StanPoZabiciu::Zrodlo, StanPoZabiciu::Zrodlem, nullptr},
        StanPoZabiciu{"NeitherPlaceHoldsIt", false, StanPoZabiciu::Nic, false, StanPoZabiciu::Brak,
                      StanPoZabiciu::Zrodlem, nullptr}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });
