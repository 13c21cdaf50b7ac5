#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/ChangePortfolioLocationController.h"
#include "App/ChangePortfolioLocationPanel.h"
#include "App/PreferencesWindowController.h"
#include "App/TarrowindAppDelegate.h"
#include "App/ZapisPrzenoszeniaPortfolio.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Platform/ModalGate.h"
#include "Platform/TreeCopier.h"
#include "Platform/Ui/ModalGateProbe.h"
#include "Platform/UserDefaults.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/ProcesDziecka.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"
#include "Support/Ui/StartProgramu.h"

#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>

namespace {

constexpr char zmiennaFazy[] = "TARROWIND_TEST_FAZA_PRZENOSZENIA";
constexpr char zmiennaCelu[] = "TARROWIND_TEST_CEL_PRZENOSZENIA";
// Copied or removed items before the kill: well inside a portfolio of many beans.
constexpr int elementowPrzedZabiciem = 60;

enum class Faza { Kopiowanie, PrzedZapisem, Usuwanie };

QString hiddenTemporaries(const QString &katalog)
{
    return QDir(katalog)
        .entryList({QStringLiteral(".tarrowind-*")}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
        .join(QLatin1Char(' '));
}

} // namespace

// The child: the running program with its Preferences window, moving the stored portfolio into the folder given,
// until the parent kills it at the phase given.
TEST(PrzerwanaZmianaLokalizacjiWDziecku, DISABLED_MovesThePortfolioUntilKilled)
{
    ASSERT_TRUE(ProcesDziecka::jestemDzieckiem());
    const Faza faza = Faza(qEnvironmentVariableIntValue(zmiennaFazy));
    const QString cel = qEnvironmentVariable(zmiennaCelu);
    const QString starePortfolio = SpecKatalog::sharedSpecKatalog()->urlKorzenia();
    NagrywarkaAlertow alerty;
    NagrywarkaWyboruKatalogu wybor;
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    ModalGateProbe::install();
    BazaFasolek::sharedBazaFasolek();
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    delegat.applicationDidFinishLaunching();
    delegat.otworzPreferencje(nullptr);
    PreferencesWindowController *preferencje = delegat.kontrolerOknaPreferencji();
    QPointer<ChangePortfolioLocationController> zmiana = preferencje->changePortfolioLocationController;
    zmiana->setShouldMigratePortfolio(true);
    wybor.dodajOdpowiedz(cel);
    preferencje->openChangePortfolioLocationPanel(nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return zmiana->panel()->isVisible(); }, 10000));

    std::atomic<int> elementy = 0;
    const auto zabijPoKilku = [&](const QString &) {
        if (++elementy == elementowPrzedZabiciem)
            ProcesDziecka::zglosGotowoscICzekajNaSmierc();
    };
    if (faza == Faza::Kopiowanie)
        TreeCopier::setCopiedHookForTests(zabijPoKilku);
    else if (faza == Faza::Usuwanie)
        TreeCopier::setRemovedHookForTests(zabijPoKilku);
    // The move's end waits while an alert is up: everything moved, nothing stored yet.
    std::optional<ModalGate::Raise> wstrzymanie;
    if (faza == Faza::PrzedZapisem)
        wstrzymanie.emplace();
    zmiana->panel()->findChild<QPushButton *>(QStringLiteral("operateButton"))->click();
    if (faza == Faza::PrzedZapisem) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !QFileInfo::exists(starePortfolio) && QFileInfo(cel + QStringLiteral("/Tarrowind")).isDir(); },
            30000));
        ProcesDziecka::zglosGotowoscICzekajNaSmierc();
    }
    QTest::qWait(60000);
    FAIL() << "not killed";
}

// The next start as a child, killed while its alert says what became of the move.
TEST(PrzerwanaZmianaLokalizacjiWDziecku, DISABLED_StartsUntilKilledWhileTheAlertIsUp)
{
    ASSERT_TRUE(ProcesDziecka::jestemDzieckiem());
    NagrywarkaAlertow alerty;
    alerty.podCzasAlertu([](const Alert &alert) {
        if (alert.messageText() == QLatin1String("The move of your portfolio was interrupted."))
            ProcesDziecka::zglosGotowoscICzekajNaSmierc();
    });
    std::unique_ptr<UruchomienieProgramu> uruchomienie;
    BrowserWindow *okno = nullptr;
    uruchomProgram(uruchomienie, okno);
    FAIL() << "the start said nothing of the move";
}

namespace {

struct Przerwanie
{
    const char *nazwa;
    Faza faza;
    bool naInnymSystemiePlikow;
    bool przeniesione; // the new place is the portfolio now
    // Another program's portfolio of one bean made at the new place before the kill.
    bool obcyWCelu;
    // The next start killed too, while its alert is up.
    bool zabityPrzyAlercie;
    // The alert's informative text, from the old and the new portfolio folder and the folder chosen.
    std::function<QString(const QString &stare, const QString &nowe, const QString &cel)> informacja;
};

class PrzerwanaZmianaLokalizacji : public ::testing::TestWithParam<Przerwanie>
{
protected:
    void SetUp() override
    {
        if (GetParam().naInnymSystemiePlikow) {
            inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka());
            if (!inny)
                GTEST_SKIP() << "no second file system at /dev/shm";
        }
        staraBaza = dir.katalog(QStringLiteral("stara baza"));
        starePortfolio = zrobPortfolio(staraBaza, 100);
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(staraBaza));
        cel = inny ? inny->path() : dir.katalog(QStringLiteral("nowe miejsce"));
        nowePortfolio = cel + QStringLiteral("/Tarrowind");
    }

    void TearDown() override { zatrzymajProgram(uruchomienie); }

    QStringList alertyPrzerwania() const
    {
        QStringList wynik;
        for (const auto &wpis : alerty.wpisy()) {
            if (wpis.alert.messageText() == QLatin1String("The move of your portfolio was interrupted."))
                wynik << wpis.alert.informativeText();
        }
        return wynik;
    }

    KatalogTestowy dir;
    std::unique_ptr<QTemporaryDir> inny;
    QString staraBaza;
    QString starePortfolio;
    QString cel;
    QString nowePortfolio;
    NagrywarkaAlertow alerty;
    std::unique_ptr<UruchomienieProgramu> uruchomienie;
    BrowserWindow *okno = nullptr;
};

} // namespace

TEST_P(PrzerwanaZmianaLokalizacji, TheNextStartOpensOneCompletePortfolioAndSaysWhatBecameOfTheMove)
{
    const Przerwanie &p = GetParam();
    const QStringList przed = migawkaKatalogu(starePortfolio);
    {
        ProcesDziecka dziecko(
            QStringLiteral("PrzerwanaZmianaLokalizacjiWDziecku.DISABLED_MovesThePortfolioUntilKilled"),
            {{QString::fromLatin1(zmiennaFazy), QString::number(int(p.faza))},
             {QString::fromLatin1(zmiennaCelu), cel}});
        ASSERT_TRUE(dziecko.czekajNaGotowosc(60000)) << dziecko.wyjscie().toStdString();
        if (p.obcyWCelu) {
            zrobPortfolio(cel, 1);
        }
        dziecko.zabij();
    }
    const QStringList obcy = p.obcyWCelu ? migawkaKatalogu(nowePortfolio) : QStringList();
    if (p.zabityPrzyAlercie) {
        ProcesDziecka start(
            QStringLiteral("PrzerwanaZmianaLokalizacjiWDziecku.DISABLED_StartsUntilKilledWhileTheAlertIsUp"), {});
        ASSERT_TRUE(start.czekajNaGotowosc(60000)) << start.wyjscie().toStdString();
        start.zabij();
        ASSERT_TRUE(UserDefaults::standard().synchronize());
        EXPECT_TRUE(UserDefaults::standard().hasStoredValue(QStringLiteral("PortfolioMove.underWay")))
            << "what the killed start had to tell is still recorded";
    }
    if (p.faza == Faza::Usuwanie) {
        ASSERT_TRUE(QFileInfo::exists(starePortfolio)) << "killed halfway through emptying the old place";
    }

    // The next start reads what the killed program left in the settings.
    UserDefaults::standard().synchronize();
    SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    uruchomProgram(uruchomienie, okno);
    if (HasFatalFailure())
        return;

    const QString portfolio = p.przeniesione ? nowePortfolio : starePortfolio;
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlKorzenia(), portfolio);
    EXPECT_EQ(BazaFasolek::sharedBazaFasolek()->katalog()->plikowyURL(), portfolio + QStringLiteral("/All Beans"));
    EXPECT_EQ(migawkaKatalogu(portfolio), przed) << "one complete portfolio";
    EXPECT_EQ(alertyPrzerwania(), QStringList{p.informacja(starePortfolio, nowePortfolio, cel)});
    EXPECT_TRUE(QTest::qWaitFor([&] { return hiddenTemporaries(cel).isEmpty(); }, 10000))
        << hiddenTemporaries(cel).toStdString();
    if (p.obcyWCelu) {
        EXPECT_EQ(migawkaKatalogu(nowePortfolio), obcy) << "another program's folder is left as it was";
    } else if (!p.przeniesione) {
        EXPECT_FALSE(QFileInfo::exists(nowePortfolio));
    }
    EXPECT_FALSE(UserDefaults::standard().hasStoredValue(QStringLiteral("PortfolioMove.underWay")));

    // Settled once: a start after it says nothing more.
    zatrzymajProgram(uruchomienie);
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    const qsizetype alertow = alerty.wpisy().size();
    uruchomProgram(uruchomienie, okno);
    EXPECT_EQ(alerty.wpisy().size(), alertow);
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlKorzenia(), portfolio);
}

namespace {

// What the next start says, from the old and the new portfolio folder and the folder chosen.
QString nicNiePrzeniesiono(const QString &stare, const QString &, const QString &cel)
{
    return QStringLiteral("Nothing was moved: your portfolio stays in \u201C%1\u201D. The incomplete copy in "
                          "\u201C%2\u201D is removed.")
        .arg(stare, cel);
}

QString staregoNieOprozniono(const QString &stare, const QString &nowe, const QString &)
{
    return QStringLiteral("Your portfolio was moved to \u201C%1\u201D, but its old folder \u201C%2\u201D was not "
                          "emptied. What is left there was not removed.")
        .arg(nowe, stare);
}

QString przeniesiono(const QString &, const QString &nowe, const QString &)
{
    return QStringLiteral("The move was complete: your portfolio is now in \u201C%1\u201D.").arg(nowe);
}

} // namespace

INSTANTIATE_TEST_SUITE_P(ZabiciePodczasPrzenoszenia, PrzerwanaZmianaLokalizacji,
                         ::testing::Values(Przerwanie{"WhileCopying", Faza::Kopiowanie, true, false, false, false,
                                                      nicNiePrzeniesiono},
                                           Przerwanie{"WhileTheOldPlaceIsEmptied", Faza::Usuwanie, true, true, false,
                                                      false, staregoNieOprozniono},
                                           Przerwanie{"AfterACopyBeforeTheLocationIsStored", Faza::PrzedZapisem, true,
                                                      true, false, false, przeniesiono},
                                           Przerwanie{"AfterARenameBeforeTheLocationIsStored", Faza::PrzedZapisem,
                                                      false, true, false, false, przeniesiono},
                                           Przerwanie{"WhileCopyingWithAnotherProgramsFolderAtTheNewPlace",
                                                      Faza::Kopiowanie, true, false, true, false, nicNiePrzeniesiono},
                                           Przerwanie{"WhileCopyingThenWhileTheNextStartsAlertIsUp", Faza::Kopiowanie,
                                                      true, false, false, true, nicNiePrzeniesiono},
                                           Przerwanie{"WhileTheOldPlaceIsEmptiedThenWhileTheNextStartsAlertIsUp",
                                                      Faza::Usuwanie, true, true, false, true, staregoNieOprozniono},
                                           Przerwanie{"AfterARenameThenWhileTheNextStartsAlertIsUp", Faza::PrzedZapisem,
                                                      false, true, false, true, przeniesiono}),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

// The desktop's log-out while the start's alert of an interrupted move is up: the program quits without opening its
// window, and the start after it tells again.
TEST(PrzerwanaZmianaLokalizacjiPrzyWylogowaniu, AnAlertClosedByTheQuitIsToldAgainAtTheNextStart)
{
    KatalogTestowy dir;
    const QString staraBaza = dir.katalog(QStringLiteral("stara baza"));
    const QString starePortfolio = zrobPortfolio(staraBaza, 3);
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(staraBaza));
    const QString cel = dir.katalog(QStringLiteral("nowe miejsce"));
    ASSERT_TRUE(ZapisPrzenoszeniaPortfolio::zapisz(starePortfolio, cel + QStringLiteral("/Tarrowind")));
    SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
    const auto zapisTrwa = [] {
        return UserDefaults::standard().hasStoredValue(QStringLiteral("PortfolioMove.underWay"));
    };

    NagrywarkaAlertow alerty;
    auto uruchomienie = std::make_unique<UruchomienieProgramu>();
    alerty.podCzasAlertu([&](const Alert &) {
        raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return uruchomienie->delegat().stan() == TarrowindAppDelegate::Stan::Konczenie; }, 5000));
    });
    uruchomienie->delegat().applicationDidFinishLaunching();
    ASSERT_EQ(alerty.wpisy().size(), 1);
    const QString informacja = alerty.wpisy().constFirst().alert.informativeText();
    EXPECT_TRUE(informacja.startsWith(QStringLiteral("Nothing was moved"))) << informacja.toStdString();
    EXPECT_EQ(PrzegladarkaTarrowind::glownaPrzegladarka(), nullptr) << "no window on the way out";
    EXPECT_TRUE(zapisTrwa());
    // The quit asked of the application object is undone for what follows in this process.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    alerty.podCzasAlertu({});
    zatrzymajProgram(uruchomienie);

    BrowserWindow *okno = nullptr;
    uruchomProgram(uruchomienie, okno);
    ASSERT_EQ(alerty.wpisy().size(), 2);
    EXPECT_EQ(alerty.wpisy().at(1).alert.informativeText(), informacja);
    EXPECT_FALSE(zapisTrwa());
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlKorzenia(), starePortfolio);
    zatrzymajProgram(uruchomienie);
}
