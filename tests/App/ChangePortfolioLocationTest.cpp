#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/ChangePortfolioLocationController.h"
#include "App/ChangePortfolioLocationPanel.h"
#include "App/PreferencesWindowController.h"
#include "App/TarrowindAppDelegate.h"
#include "Browser/OknaTarrowind.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Platform/TreeCopier.h"
#include "Platform/Ui/ModalGateProbe.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Platform/UserDefaults.h"
#include "Support/CzasyOczekiwania.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int czasOperacjiMs = 15000;

// A running program on a real portfolio with one browser window and the Preferences window open.
class ZmianaLokalizacji : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        // As the start-up does: what holds the move's reports back is then the program's own.
        ModalGateProbe::install();
        staraBaza = dir.katalog(QStringLiteral("stara baza"));
        starePortfolio = zrobPortfolio(staraBaza, 6);
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(staraBaza));
        BazaFasolek::sharedBazaFasolek();
        delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
        delegat.applicationDidFinishLaunching();
        delegat.otworzPreferencje(nullptr);
        preferencje = delegat.kontrolerOknaPreferencji();
        zmiana = preferencje->changePortfolioLocationController;
    }

    void TearDown() override { TreeCopier::setCopiedHookForTests({}); }

    ChangePortfolioLocationPanel &panel() { return *zmiana->panel(); }
    QString karta() { return panel().tabView->currentWidget()->objectName(); }
    template <typename T = QPushButton>
    T *w(const char *nazwa)
    {
        return panel().findChild<T *>(QLatin1String(nazwa));
    }
    QString tekst(const char *nazwa) { return panel().findChild<QLabel *>(QLatin1String(nazwa))->text(); }

    // From the Preferences window's button to the sheet that says what will happen.
    void wybierz(const QString &katalog)
    {
        wybor.dodajOdpowiedz(katalog);
        const qsizetype pytania = wybor.wpisy().size();
        preferencje->openChangePortfolioLocationPanel(nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return wybor.wpisy().size() > pytania; }, 5000));
        // The sheet, the chooser once more, or the change given up.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return panel().isVisible() || wybor.wpisy().size() > pytania + 1 || !zmiana->czyZmianaTrwa(); },
            5000));
    }
    void czekajNaKarte(const char *nazwa)
    {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return panel().isVisible() && karta() == QLatin1String(nazwa); }, czasOperacjiMs))
            << karta().toStdString();
    }
    QString korzenGrafu() { return BazaFasolek::sharedBazaFasolek()->katalog()->plikowyURL(); }
    QStringList komunikaty()
    {
        QStringList wynik;
        for (const auto &wpis : alerty.wpisy())
            wynik << wpis.alert.messageText();
        return wynik;
    }

    NagrywarkaAlertow alerty;
    NagrywarkaWyboruKatalogu wybor;
    KatalogTestowy dir;
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    PreferencesWindowController *preferencje = nullptr;
    QPointer<ChangePortfolioLocationController> zmiana;
    QString staraBaza;
    QString starePortfolio;
};

struct Sprawdzenie
{
    const char *nazwa;
    std::function<QString(KatalogTestowy &, const QString &staraBaza)> przygotuj; // answers the folder chosen
    int odpowiedz;
    QString komunikat; // empty: no alert
    bool przyjety;
};

class SprawdzeniaLokalizacji : public ZmianaLokalizacji, public ::testing::WithParamInterface<Sprawdzenie>
{
};

} // namespace

TEST_P(SprawdzeniaLokalizacji, TheFirstCheckThatHoldsDecides)
{
    const Sprawdzenie &s = GetParam();
    const QString katalog = s.przygotuj(dir, staraBaza);
    alerty.dodajOdpowiedz(Alert::firstButton); // "Close windows"
    alerty.dodajOdpowiedz(s.odpowiedz);
    wybierz(katalog);
    QStringList oczekiwane{
        QStringLiteral("Tarrowind needs to close its opened windows before changing portfolio location.")};
    if (!s.komunikat.isEmpty())
        oczekiwane << s.komunikat;
    EXPECT_EQ(komunikaty(), oczekiwane);
    EXPECT_EQ(panel().isVisible(), s.przyjety);
    EXPECT_EQ(zmiana->selectedPortfolioLocationURL(), s.przyjety ? katalog : QString());
    // The first button of a refusing alert opens the chooser again.
    EXPECT_EQ(wybor.wpisy().size(), !s.przyjety && s.odpowiedz == Alert::firstButton ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    ZmianaLokalizacji, SprawdzeniaLokalizacji,
    ::testing::Values(
        Sprawdzenie{"LibraryBeforeInsideAPortfolio",
                    [](KatalogTestowy &, const QString &) {
                        const QString katalog = QDir::homePath() + QStringLiteral("/.local/share/Tarrowind/projekty");
                        QDir().mkpath(katalog);
                        return katalog;
                    },
                    Alert::firstButton + 1,
                    QStringLiteral("Can\u2019t use location inside of ~/.config, ~/.local or ~/.cache."), false},
        Sprawdzenie{"TheCurrentPlace", [](KatalogTestowy &, const QString &baza) { return baza; }, Alert::firstButton,
                    QStringLiteral("Please choose different location"), false},
        Sprawdzenie{
            "TheCurrentPortfolioFolderItself",
            [](KatalogTestowy &, const QString &baza) -> QString { return baza + QStringLiteral("/Tarrowind"); },
            Alert::firstButton + 1, QStringLiteral("Please choose different location"), false},
        Sprawdzenie{"ADecomposedSpellingOfTheCurrentPlace",
                    [](KatalogTestowy &d, const QString &) {
                        const QString nfc = d.katalog(QStringLiteral("Caf\u00e9"));
                        zrobPortfolio(nfc, 1);
                        EXPECT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(nfc));
                        return d.sciezka(QStringLiteral("Cafe\u0301"));
                    },
                    Alert::firstButton + 1, QStringLiteral("Please choose different location"), false},
        Sprawdzenie{"UseInsideLocationOverridesAFileInTheWay",
                    [](KatalogTestowy &d, const QString &) {
                        d.plik(QStringLiteral("inne/Tarrowind/All Beans/Tarrowind"));
                        return d.sciezka(QStringLiteral("inne/Tarrowind/All Beans"));
                    },
                    Alert::firstButton + 1, QStringLiteral("You\u2019ve selected location inside a portfolio."), true},
        Sprawdzenie{
            "InsideAPortfolioCancelled",
            [](KatalogTestowy &d, const QString &) { return d.katalog(QStringLiteral("inne/Tarrowind/All Beans")); },
            Alert::firstButton + 2, QStringLiteral("You\u2019ve selected location inside a portfolio."), false},
        Sprawdzenie{"ALinkNamedTarrowindBeforeAFile",
                    [](KatalogTestowy &d, const QString &) {
                        const QString katalog = d.katalog(QStringLiteral("z linkiem"));
                        QFile::link(d.katalog(QStringLiteral("gdzies")), katalog + QStringLiteral("/Tarrowind"));
                        return katalog;
                    },
                    Alert::firstButton + 1,
                    QStringLiteral("Link named 'Tarrowind' exists in this location. Select different location"), false},
        Sprawdzenie{"AFileNamedTarrowindChooseAgain",
                    [](KatalogTestowy &d, const QString &) {
                        d.plik(QStringLiteral("z plikiem/Tarrowind"));
                        return d.sciezka(QStringLiteral("z plikiem"));
                    },
                    Alert::firstButton,
                    QStringLiteral("File named 'Tarrowind' exists in this location. Choose another location"), false},
        Sprawdzenie{"AnEmptyFolder",
                    [](KatalogTestowy &d, const QString &) { return d.katalog(QStringLiteral("pusty")); },
                    Alert::firstButton, QString(), true}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

namespace {

struct Stan
{
    const char *nazwa;
    bool portfolioNaMiejscu;
    bool wewnatrz;
    bool przeniesc;
    int status;
    const char *tytul;
    bool poleWlaczone;
    const char *wiadomosc;
};

class StatusyPrzycisku : public ZmianaLokalizacji, public ::testing::WithParamInterface<Stan>
{
};

} // namespace

TEST_P(StatusyPrzycisku, TitleCheckboxAndMessageFollowThePlaceAndTheWish)
{
    const Stan &s = GetParam();
    const QString katalog = s.wewnatrz ? dir.katalog(QStringLiteral("stara baza/nowa"))
                                       : dir.katalog(QStringLiteral("nowa"));
    if (s.portfolioNaMiejscu)
        QDir().mkpath(katalog + QStringLiteral("/Tarrowind"));
    zmiana->setShouldMigratePortfolio(s.przeniesc);
    wybierz(katalog);
    ASSERT_TRUE(panel().isVisible());
    EXPECT_EQ(zmiana->operateButtonStatus(), s.status);
    EXPECT_EQ(w("operateButton")->text(), QLatin1String(s.tytul));
    EXPECT_EQ(w<QCheckBox>("shouldMigratePortfolioCheckbox")->isEnabled(), s.poleWlaczone);
    EXPECT_EQ(w<QCheckBox>("shouldMigratePortfolioCheckbox")->isChecked(), s.poleWlaczone && s.przeniesc);
    EXPECT_EQ(tekst("messageLabel"), QLatin1String(s.wiadomosc));
    EXPECT_EQ(tekst("currentPortfolioLocationLabel"), starePortfolio);
    EXPECT_EQ(tekst("selectedPortfolioLocationLabel"), katalog + QStringLiteral("/Tarrowind"));
}

INSTANTIATE_TEST_SUITE_P(
    ZmianaLokalizacji, StatusyPrzycisku,
    ::testing::Values(Stan{"CreateElsewhere", false, false, false, 1, "Create portfolio", true,
                           "Tarrowind will create new portfolio in this location."},
                      Stan{"CreateInsideEvenWhenMovingIsWanted", false, true, true, 2, "Create portfolio", false,
                           "Tarrowind will create new portfolio in this location."},
                      Stan{"UseTheOneThere", true, false, false, 3, "Use portfolio", false,
                           "Tarrowind has found portfolio in this location and will use it."},
                      Stan{"UseTheOneThereInsteadOfMoving", true, false, true, 4, "Use portfolio", false,
                           "Tarrowind has found portfolio in this location and will use it."},
                      Stan{"Migrate", false, false, true, 5, "Migrate portfolio", true,
                           "Tarrowind is ready to start migration."}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

namespace {

struct Operacja
{
    const char *nazwa;
    bool przeniesc;
    bool naInnymSystemiePlikow;
    const char *wynik;
};

class Operacje : public ZmianaLokalizacji, public ::testing::WithParamInterface<Operacja>
{
};

} // namespace

TEST_P(Operacje, StoreTheNewPortfolioRepointTheGraphAndOpenOneWindow)
{
    const Operacja &o = GetParam();
    std::unique_ptr<QTemporaryDir> inny;
    if (o.naInnymSystemiePlikow && !(inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka())))
        GTEST_SKIP() << "no second file system at /dev/shm";
    const QString cel = inny ? inny->path() : dir.katalog(QStringLiteral("nowe miejsce"));
    const QString nowePortfolio = cel + QStringLiteral("/Tarrowind");
    const auto przed = migawkaKatalogu(starePortfolio);
    zmiana->setShouldMigratePortfolio(o.przeniesc);
    wybierz(cel);
    ASSERT_TRUE(panel().isVisible());
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());

    w("operateButton")->click();
    EXPECT_FALSE(w("operateButton")->isEnabled()) << "the operation runs once";
    czekajNaKarte("doneTab");
    EXPECT_EQ(tekst("resultLabel"), QLatin1String(o.wynik));
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlBazowy(), nowePortfolio);
    EXPECT_EQ(korzenGrafu(), nowePortfolio + QStringLiteral("/All Beans"));
    EXPECT_EQ(preferencje->portfolioLocationLabel->text(), nowePortfolio);
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
    EXPECT_TRUE(menu.canOpenNewWindow());
    if (o.przeniesc) {
        EXPECT_FALSE(QFileInfo::exists(starePortfolio));
        EXPECT_EQ(migawkaKatalogu(nowePortfolio), przed);
    } else {
        EXPECT_EQ(migawkaKatalogu(starePortfolio), przed);
        EXPECT_TRUE(QFileInfo(nowePortfolio + QStringLiteral("/All Beans")).isDir());
    }
    EXPECT_EQ(komunikaty().size(), 1) << komunikaty().join(QLatin1Char('|')).toStdString();

    w("doneCloseButton")->click();
    EXPECT_FALSE(panel().isVisible());
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    ZmianaLokalizacji, Operacje,
    ::testing::Values(Operacja{"CreateElsewhere", false, false, "Portfolio has been created."},
                      Operacja{"MigrateOnOneFileSystem", true, false, "Portfolio has been migrated."},
                      Operacja{"MigrateAcrossFileSystems", true, true, "Portfolio has been migrated."}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

namespace {

struct Niepowodzenie
{
    const char *nazwa;
    enum { ZajetaNazwa, Anulowanie, NieudanyZapis } rodzaj;
    const char *alert; // the alert after "Close windows", or none
};

class Niepowodzenia : public ZmianaLokalizacji, public ::testing::WithParamInterface<Niepowodzenie>
{
};

} // namespace

TEST_P(Niepowodzenia, StoreNothingRepointNothingKeepTheSourceWholeAndBringAWindowBack)
{
    const Niepowodzenie &n = GetParam();
    const auto inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka());
    if (n.rodzaj == Niepowodzenie::Anulowanie) {
        if (!inny)
            GTEST_SKIP() << "no second file system at /dev/shm";
        zrobPortfolio(staraBaza, 300);
    }
    zmiana->setShouldMigratePortfolio(n.rodzaj != Niepowodzenie::NieudanyZapis);
    const auto przed = migawkaKatalogu(starePortfolio);
    wybierz(n.rodzaj == Niepowodzenie::Anulowanie ? inny->path() : dir.katalog(QStringLiteral("cel")));
    ASSERT_TRUE(panel().isVisible());
    if (n.rodzaj == Niepowodzenie::ZajetaNazwa)
        dir.plik(QStringLiteral("cel/Tarrowind"), "cudzy"); // something takes the name meanwhile
    if (n.rodzaj == Niepowodzenie::NieudanyZapis) {
        // A folder where the settings file should be: the location cannot be written.
        QFile::remove(UserDefaults::standard().fileName());
        ASSERT_TRUE(QDir().mkpath(UserDefaults::standard().fileName()));
    }

    w("operateButton")->click();
    if (n.rodzaj == Niepowodzenie::Anulowanie)
        w("cancelButton")->click();
    czekajNaKarte("changeLocationTab");
    przeczekajCisze();
    EXPECT_EQ(karta(), QStringLiteral("changeLocationTab")) << "no done tab";
    EXPECT_EQ(komunikaty().mid(1), n.alert ? QStringList{QLatin1String(n.alert)} : QStringList());
    EXPECT_EQ(migawkaKatalogu(starePortfolio), przed);
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlBazowy(), staraBaza);
    EXPECT_EQ(korzenGrafu(), starePortfolio + QStringLiteral("/All Beans"));
    EXPECT_TRUE(w("operateButton")->isEnabled());
    EXPECT_TRUE(w("cancelButton")->isEnabled());
    EXPECT_FALSE(menu.canOpenNewWindow()) << "the sheet still offers the choice";

    w("closeButton")->click();
    EXPECT_EQ(widoczneOknaPrzegladarki().size(), 1) << "nothing else would bring one back";
    EXPECT_TRUE(menu.canOpenNewWindow());
}

INSTANTIATE_TEST_SUITE_P(ZmianaLokalizacji, Niepowodzenia,
                         ::testing::Values(Niepowodzenie{"AFailedMove", Niepowodzenie::ZajetaNazwa,
                                                         "Migration error occured"},
                                           Niepowodzenie{"ACancelledCopy", Niepowodzenie::Anulowanie, nullptr},
                                           Niepowodzenie{"ALocationThatCannotBeStored", Niepowodzenie::NieudanyZapis,
                                                         "Could not store the portfolio location."}),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

TEST_F(ZmianaLokalizacji, AFileWrittenIntoTheSourceDuringACrossDeviceCopySurvives)
{
    const auto inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka());
    if (!inny)
        GTEST_SKIP() << "no second file system at /dev/shm";
    const QString fasolka = starePortfolio + QStringLiteral("/All Beans/_Main_Flow/fasolka 2");
    const QString nowy = fasolka + QStringLiteral("/zapisany w trakcie.txt");
    // Written into a bean folder the copy has already passed, as an editor's autosave would.
    std::atomic<bool> fasolkaSkopiowana = false;
    std::atomic<bool> zapisany = false;
    TreeCopier::setCopiedHookForTests([&](const QString &zrodlo) {
        if (zrodlo == fasolka + QStringLiteral("/notatki.txt")) {
            fasolkaSkopiowana = true;
        } else if (fasolkaSkopiowana && !zrodlo.startsWith(fasolka) && !zapisany.exchange(true)) {
            QFile plik(nowy);
            if (plik.open(QIODevice::WriteOnly))
                plik.write("autosave");
        }
    });
    // A kill while the user reads of them must leave the move to be told at the next start.
    const QString zapisPrzenoszenia = QStringLiteral("PortfolioMove.underWay");
    bool zapisPrzyAlercie = false;
    alerty.podCzasAlertu(
        [&](const Alert &) { zapisPrzyAlercie = UserDefaults::standard().hasStoredValue(zapisPrzenoszenia); });
    wybierz(inny->path());
    w("operateButton")->click();
    czekajNaKarte("doneTab");
    ASSERT_TRUE(zapisany);
    EXPECT_EQ(KatalogTestowy::czytaj(nowy), QByteArray("autosave"));
    EXPECT_TRUE(komunikaty().contains(QStringLiteral("Some items stayed in the old portfolio folder.")));
    EXPECT_TRUE(zapisPrzyAlercie);
    EXPECT_FALSE(UserDefaults::standard().hasStoredValue(zapisPrzenoszenia));
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlBazowy(), inny->path() + QStringLiteral("/Tarrowind"));
}

TEST_F(ZmianaLokalizacji, DuringAChangeNoWindowOpensAndNothingClosesTheLastWindowOrQuits)
{
    wybierz(dir.katalog(QStringLiteral("cel")));
    EXPECT_FALSE(menu.canOpenNewWindow());
    zmiana->hidePanel();
    preferencje->window()->hide();
    ASSERT_TRUE(WindowRegistry::instance().visibleWindows().isEmpty());
    delegat.applicationShouldHandleReopenHasVisibleWindows(false);
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty()) << "a second launch must not show a portfolio being moved";
    preferencje->showWindow();
    zmiana->openPanel();

    w("operateButton")->click();
    ASSERT_TRUE(zmiana->czyMigracjaTrwa());
    EXPECT_FALSE(preferencje->window()->close());
    QApplication::closeAllWindows();
    EXPECT_TRUE(preferencje->window()->isVisible());
    EXPECT_EQ(komunikaty().mid(1),
              (QStringList{QStringLiteral("Migration is in progress."), QStringLiteral("Migration is in progress.")}));
    zmiana->makeOperationOnPortfolio(nullptr);
    czekajNaKarte("doneTab");
    EXPECT_TRUE(preferencje->window()->close());
}

TEST_F(ZmianaLokalizacji, DuringAMigrationQuitIsRefusedOnTheChangeSheetAndOnceItEndsQuitEndsTheProgram)
{
    wybierz(dir.katalog(QStringLiteral("cel")));
    w("operateButton")->click();
    ASSERT_TRUE(zmiana->czyMigracjaTrwa());
    // No browser window, hence no menu bar, exists now: the key lives on the sheet, the active window.
    const auto aktywujArkusz = [this] {
        // The offscreen platform leaves the Preferences window active under its sheet.
        QApplication::setActiveWindow(&panel());
        return QTest::qWaitForWindowActive(&panel());
    };
    ASSERT_TRUE(aktywujArkusz());
    QTest::keyClick(&panel(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(komunikaty().mid(1), QStringList{QStringLiteral("Migration is in progress.")});
    EXPECT_EQ(alerty.wpisy().last().okno, &panel());
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Dziala);
    EXPECT_TRUE(preferencje->window()->isVisible());
    // The session manager asks the same question, and now only.
    EXPECT_TRUE(delegat.czyZakonczenieMozeBycOdmowione());

    czekajNaKarte("doneTab");
    EXPECT_FALSE(delegat.czyZakonczenieMozeBycOdmowione());
    ASSERT_TRUE(aktywujArkusz());
    QTest::keyClick(&panel(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Konczenie);
    // The quit asked of the application object is undone for the tests after this one in the process.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}
