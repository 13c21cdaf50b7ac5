#include "App/MigrationRun.h"
#include "App/SetupWizardService.h"
#include "App/WizardMigrationViewController.h"

#include "Platform/Ui/Alert.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

namespace {

using W = WizardMigrationViewController;

struct PrzebiegMigracji
{
    const char *nazwa;
    enum { Udany, NieprzyjetyPrzezWlasciciela, ZajetaNazwa, NieDoRozpoczecia, Anulowany } rodzaj;
    bool wlascicielOdchodziPrzyAlercie;
    // Every step the owner saw, with the progress view's state at that moment.
    QStringList kroki;
    int stanNaKoniec;
    bool zrodloZostaje;
};

class PrzebiegiMigracji : public ::testing::TestWithParam<PrzebiegMigracji>
{
};

} // namespace

// The run ends once, through the owner's steps in their order, whether the move succeeds, fails,
// is cancelled or is not taken; when the owner goes inside an alert nothing follows it.
TEST_P(PrzebiegiMigracji, EndsOnceThroughTheOwnersStepsInTheirOrder)
{
    const PrzebiegMigracji &p = GetParam();
    KatalogTestowy dir;
    std::unique_ptr<QTemporaryDir> inny;
    if (p.rodzaj == PrzebiegMigracji::Anulowany
        && !(inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka())))
        GTEST_SKIP() << "no second file system at /dev/shm";
    const QString zrodlo = dir.katalog(QStringLiteral("stara baza"));
    const QString portfolio = zrobPortfolio(zrodlo, p.rodzaj == PrzebiegMigracji::Anulowany ? 300 : 3);
    const QString cel = inny ? inny->path() : dir.katalog(QStringLiteral("cel"));
    if (p.rodzaj == PrzebiegMigracji::ZajetaNazwa)
        dir.plik(QStringLiteral("cel/Tarrowind"), "cudzy");

    auto wlasciciel = std::make_unique<QObject>();
    SetupWizardService serwis;
    W widok;
    QStringList kroki;
    const auto zapisz = [&](const QString &krok) {
        kroki << krok + QStringLiteral(" [%1]").arg(widok.wizardMigrationState());
    };
    const auto alert = [&](const QString &krok, Alert &a) {
        zapisz(krok + QLatin1Char(' ') + a.messageText());
        if (p.wlascicielOdchodziPrzyAlercie)
            wlasciciel.reset();
    };
    MigrationRun::Kroki k;
    k.przyjmijPortfolio = [&] {
        zapisz(QStringLiteral("przyjmij"));
        return p.rodzaj != PrzebiegMigracji::NieprzyjetyPrzezWlasciciela;
    };
    k.pokazPozostawione = [&](Alert &a) { alert(QStringLiteral("pozostawione"), a); };
    k.pokazBlad = [&](Alert &a) { alert(QStringLiteral("blad"), a); };
    k.udana = [&] { zapisz(QStringLiteral("udana")); };
    k.nieudana = [&] { zapisz(QStringLiteral("nieudana")); };
    k.sekundyPrzedBledem = 0.05;
    k.sekundyUkonczenia = 0.05;

    const QPointer<MigrationRun> przebieg = MigrationRun::rozpocznij(
        wlasciciel.get(), &widok, &serwis, std::move(k),
        p.rodzaj == PrzebiegMigracji::NieDoRozpoczecia ? QStringLiteral("wzgledna") : zrodlo, cel);
    if (p.rodzaj == PrzebiegMigracji::Anulowany)
        serwis.cancelMigrationProcess();
    EXPECT_TRUE(kroki.isEmpty()) << "with a pause before the failure nothing ends inside the start";
    // The run goes at its end, so no step can follow.
    ASSERT_TRUE(QTest::qWaitFor([&] { return przebieg.isNull(); }, 20000))
        << kroki.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(kroki, p.kroki) << kroki.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(widok.wizardMigrationState(), p.stanNaKoniec);
    EXPECT_EQ(QFileInfo::exists(portfolio), p.zrodloZostaje);
    EXPECT_FALSE(serwis.czyMigracjaTrwa());
}

INSTANTIATE_TEST_SUITE_P(
    MigrationRun, PrzebiegiMigracji,
    ::testing::Values(
        PrzebiegMigracji{"ASuccessIsTakenThenShownFinishedThenDone",
                         PrzebiegMigracji::Udany,
                         false,
                         {QStringLiteral("przyjmij [1]"), QStringLiteral("udana [2]")},
                         W::MigrationFinished,
                         false},
        PrzebiegMigracji{"ALocationTheOwnerCouldNotTakeClearsTheView",
                         PrzebiegMigracji::NieprzyjetyPrzezWlasciciela,
                         false,
                         {QStringLiteral("przyjmij [1]")},
                         W::MigrationUndefined,
                         false},
        PrzebiegMigracji{"AFailedMoveShowsItsAlertThenEnds",
                         PrzebiegMigracji::ZajetaNazwa,
                         false,
                         {QStringLiteral("blad Migration error occured [3]"), QStringLiteral("nieudana [3]")},
                         W::MigrationFailed,
                         true},
        PrzebiegMigracji{"AMoveThatCannotStartEndsTheSameWay",
                         PrzebiegMigracji::NieDoRozpoczecia,
                         false,
                         {QStringLiteral("blad Migration error occured [3]"), QStringLiteral("nieudana [3]")},
                         W::MigrationFailed,
                         true},
        PrzebiegMigracji{"ACancelIsNoFailureAndHasNoAlert",
                         PrzebiegMigracji::Anulowany,
                         false,
                         {QStringLiteral("nieudana [0]")},
                         W::MigrationUndefined,
                         true},
        PrzebiegMigracji{"AnOwnerGoneDuringTheErrorAlertGetsNoFurtherStep",
                         PrzebiegMigracji::ZajetaNazwa,
                         true,
                         {QStringLiteral("blad Migration error occured [3]")},
                         W::MigrationFailed,
                         true}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });
