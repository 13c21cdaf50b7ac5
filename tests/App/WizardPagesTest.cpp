#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/KreatorKonfiguracjiAplikacji.h"
#include "App/SetupAndMigrationWizard.h"
#include "App/SetupWizardService.h"
#include "App/TarrowindAppDelegate.h"
#include "App/UruchomienieProgramu.h"
#include "App/WizardController.h"
#include "App/WizardMigrationViewController.h"
#include "App/WizardWindow.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Platform/Ui/WindowRegistry.h"

#include "KreatorTestowy.h"
#include "Model/SpecKatalog.h"
#include "Platform/UserDefaults.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/NagrywarkaWyboruKatalogu.h"

#include "Model/BazaFasolek.h"
#include "Model/Potok.h"
#include "Support/CzasyOczekiwania.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QWindow>

#include <functional>

using namespace KreatorTestowy;

namespace {

const QString wiadomoscWyboru = QStringLiteral(
    "Choose a place to put your portfolio.\nIf not already present, a directory named 'Tarrowind' will be created "
    "inside the directory you select.\nThe preferred Tarrowind location is your Home or Documents directory.");

class StronyKreatora : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetupAndMigrationWizard::setPrzygotowanieBazyFasolek([this] {
            ++przygotowaniaBazy;
            lokalizacjaPrzyPrzygotowaniu = zapisanaLokalizacja();
            oknaPrzyPrzygotowaniu = int(widoczneOknaPrzegladarki().size());
            BazaFasolek::sharedBazaFasolek();
        });
    }

    SetupAndMigrationWizard &uruchom()
    {
        SetupAndMigrationWizard::pokazKreatorKonfiguracji([this](bool sukces) { wyniki.append(sukces); });
        return *SetupAndMigrationWizard::biezacyKreator();
    }

    // From the start page through the chooser to the checks, which run 0.5 s after it closed.
    void wybierz(SetupAndMigrationWizard &kreator, const QString &katalog)
    {
        if (strona(kreator) == QLatin1String("startView"))
            przycisk(kreator, "continueButton")->click();
        wybor.dodajOdpowiedz(katalog);
        przycisk(kreator, strona(kreator) == QLatin1String("operateView") ? "changeLocationButton" : "chooseButton")
            ->click();
    }

    bool czekajNaAlert(int ile = 1)
    {
        return QTest::qWaitFor([&] { return alerty.wpisy().size() >= ile; }, 5000);
    }

    QString zapisanaLokalizacja() const
    {
        return UserDefaults::standard()
            .dictionaryForKey(QLatin1String(SpecKatalog::kluczUrlaBazowego))
            .value(QStringLiteral("path"))
            .toString();
    }

    NagrywarkaAlertow alerty;
    NagrywarkaWyboruKatalogu wybor;
    KatalogTestowy dir;
    QList<bool> wyniki;
    int przygotowaniaBazy = 0;
    QString lokalizacjaPrzyPrzygotowaniu;
    int oknaPrzyPrzygotowaniu = -1;
};

} // namespace

// The one first run in process: from the start-up through every page to the first window.
TEST_F(StronyKreatora, FirstRunThroughTheStartUpCreatesAndStoresThePortfolioAndThenOpensOneWindow)
{
    WindowRegistry::instance();
    KontrolerAkcjeNaMenuGlownym menu;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&menu);
    delegat.setKreatorKonfiguracji(std::make_unique<KreatorKonfiguracjiAplikacji>());
    delegat.applicationDidFinishLaunching();
    SetupAndMigrationWizard &kreator = *SetupAndMigrationWizard::biezacyKreator();
    ASSERT_EQ(kreator.wizardFlow(), SetupAndMigrationWizard::FirstRunWizardFlow);
    EXPECT_TRUE(kreator.window()->isVisible());
    EXPECT_FALSE(menu.canOpenNewWindow());
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty());
    EXPECT_EQ(strona(kreator), QStringLiteral("startView"));
    przycisk(kreator, "continueButton")->click();
    EXPECT_EQ(strona(kreator), QStringLiteral("chooseLocationView"));

    const QString baza = dir.katalog(QStringLiteral("Moje projekty"));
    wybor.dodajOdpowiedz(baza);
    przycisk(kreator, "chooseButton")->click();
    ASSERT_EQ(wybor.wpisy().size(), 1);
    EXPECT_EQ(wybor.wpisy().at(0).prosba.prompt, QStringLiteral("Select"));
    EXPECT_EQ(wybor.wpisy().at(0).prosba.message, wiadomoscWyboru);
    EXPECT_TRUE(wybor.wpisy().at(0).prosba.canCreateDirectories);
    EXPECT_EQ(wybor.wpisy().at(0).prosba.startFolder, QDir::homePath()) << "nothing stored: the home folder";
    EXPECT_EQ(wybor.wpisy().at(0).okno, kreator.window());

    EXPECT_EQ(strona(kreator), QStringLiteral("chooseLocationView")) << "the checks wait a moment";
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    EXPECT_TRUE(alerty.wpisy().isEmpty());
    EXPECT_EQ(kreator.setupWizardService->urlBazowy(), baza);
    EXPECT_EQ(kreator.setupWizardService->operationOnPortfolio(), SetupWizardService::OperationCreate);
    QPushButton *operuj = przycisk(kreator, "operateButton");
    EXPECT_EQ(operuj->text(), QStringLiteral("Create portfolio"));
    EXPECT_TRUE(operuj->isEnabled());
    EXPECT_EQ(tekst(kreator, "operateViewMessageLabel"), QString());
    EXPECT_EQ(tekst(kreator, "operateViewBasepath2Label"), baza + QStringLiteral("/Tarrowind"));

    operuj->click();
    EXPECT_FALSE(operuj->isEnabled()) << "no second start while the first runs";
    EXPECT_EQ(strona(kreator), QStringLiteral("operateView")) << "the page waits for the answer";
    ASSERT_TRUE(czekajNaStrone(kreator, "doneView"));

    EXPECT_TRUE(QFileInfo(baza + QStringLiteral("/Tarrowind")).isDir());
    EXPECT_EQ(zapisanaLokalizacja(), baza);
    EXPECT_FALSE(SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji());
    EXPECT_EQ(SpecKatalog::sharedSpecKatalog()->urlBazowy(), baza);
    EXPECT_EQ(przygotowaniaBazy, 1);
    EXPECT_EQ(lokalizacjaPrzyPrzygotowaniu, baza) << "the database is built only once the location is stored";
    EXPECT_EQ(oknaPrzyPrzygotowaniu, 0);
    ASSERT_NE(BazaFasolek::sharedBazaFasolek()->potokGlowny(), nullptr);
    EXPECT_EQ(BazaFasolek::sharedBazaFasolek()->potokGlowny()->nazwa(), QStringLiteral("Main Flow"));
    EXPECT_TRUE(QFileInfo(baza + QStringLiteral("/Tarrowind/All Beans/_Main_Flow")).isDir());
    EXPECT_TRUE(widoczneOknaPrzegladarki().isEmpty()) << "no window before the user starts";

    przycisk(kreator, "startUsingButton")->click();
    EXPECT_FALSE(kreator.window()->isVisible());
    EXPECT_TRUE(menu.canOpenNewWindow());
    EXPECT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Dziala);
    oczekujJednegoOknaZKartaPortfolio();
    EXPECT_TRUE(alerty.wpisy().isEmpty());
}

TEST_F(StronyKreatora, ReturnPressesThePagesMainButtonWhereverTheFocusIsAndSpaceNeverQuits)
{
    SetupAndMigrationWizard &kreator = uruchom();
    QWindow *okno = kreator.window()->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(kreator.window()));
    EXPECT_EQ(QApplication::focusWidget(), przycisk(kreator, "continueButton")) << "the first focus is not on Quit";
    QTest::keyClick(okno, Qt::Key_Space);
    ASSERT_EQ(strona(kreator), QStringLiteral("chooseLocationView"));
    EXPECT_EQ(QApplication::focusWidget(), przycisk(kreator, "chooseButton"));

    przycisk(kreator, "chooseLocationViewBackButton")->click();
    EXPECT_EQ(QApplication::focusWidget(), przycisk(kreator, "continueButton")) << "each time the page shows";
    przycisk(kreator, "quitButton")->setFocus();
    QTest::keyClick(okno, Qt::Key_Return);
    EXPECT_EQ(strona(kreator), QStringLiteral("chooseLocationView")) << "Return presses Continue, not the focused Quit";
    EXPECT_TRUE(wyniki.isEmpty());

    EXPECT_EQ(QApplication::focusWidget(), przycisk(kreator, "chooseButton"));
    wybor.dodajOdpowiedz(dir.katalog(QStringLiteral("baza")));
    QTest::keyClick(okno, Qt::Key_Return);
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView")) << "Return presses the focused Choose…";
    EXPECT_EQ(QApplication::focusWidget(), przycisk(kreator, "operateButton"));
    przycisk(kreator, "changeLocationButton")->setFocus();
    QTest::keyClick(okno, Qt::Key_Return);
    ASSERT_TRUE(czekajNaStrone(kreator, "doneView")) << "Return presses the operate button";
    EXPECT_TRUE(QFileInfo(dir.sciezka(QStringLiteral("baza/Tarrowind"))).isDir());
    EXPECT_EQ(QApplication::focusWidget(), przycisk(kreator, "startUsingButton"));
    QTest::keyClick(okno, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(wyniki, QList<bool>{true}) << "Enter presses Start Using Tarrowind";
    EXPECT_TRUE(alerty.wpisy().isEmpty());
}

TEST_F(StronyKreatora, ADoubleClickOnTheOperateButtonCreatesOnce)
{
    SetupAndMigrationWizard &kreator = uruchom();
    wybierz(kreator, dir.katalog(QStringLiteral("baza")));
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    // The second press arrives before the button could be disabled on screen.
    kreator.wizardController->operateOnPortfolio(nullptr);
    kreator.wizardController->operateOnPortfolio(nullptr);
    ASSERT_TRUE(czekajNaStrone(kreator, "doneView"));
    przeczekajCisze();
    EXPECT_EQ(przygotowaniaBazy, 1);
    EXPECT_TRUE(alerty.wpisy().isEmpty());
}

TEST_F(StronyKreatora, AChoiceArrivingWhileThePortfolioIsMadeDoesNotReplaceTheOneBeingMade)
{
    // The program's own waits: the check of the second choice must come while the first is made, and the short
    // ones leave a busy machine room to finish the making first.
    const OpoznieniaProgramu opoznienia;
    SetupAndMigrationWizard &kreator = uruchom();
    const QString pierwsza = dir.katalog(QStringLiteral("pierwsza"));
    wybierz(kreator, pierwsza);
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));

    // Another folder is picked, and the page still shows the first when the button is pressed:
    // the checks of the new choice come half a second later, while the first is being made.
    const QString druga = dir.katalog(QStringLiteral("druga"));
    wybierz(kreator, druga);
    przycisk(kreator, "operateButton")->click();
    // Nor does a chooser open while the portfolio is being made.
    kreator.wizardController->wybierzSciezkeDlaPortfolio(nullptr);
    EXPECT_EQ(wybor.wpisy().size(), 2);
    ASSERT_TRUE(czekajNaStrone(kreator, "doneView"));
    przeczekajCisze();

    EXPECT_TRUE(alerty.wpisy().isEmpty());
    EXPECT_EQ(zapisanaLokalizacja(), pierwsza);
    EXPECT_EQ(lokalizacjaPrzyPrzygotowaniu, pierwsza);
    EXPECT_EQ(kreator.setupWizardService->urlBazowy(), pierwsza);
    EXPECT_TRUE(QFileInfo(pierwsza + QStringLiteral("/Tarrowind")).isDir());
    EXPECT_FALSE(QFileInfo::exists(druga + QStringLiteral("/Tarrowind")));
    EXPECT_EQ(strona(kreator), QStringLiteral("doneView"));
}

TEST_F(StronyKreatora, CancellingTheChooserTakesNothing)
{
    SetupAndMigrationWizard &kreator = uruchom();
    przycisk(kreator, "continueButton")->click();
    wybor.dodajOdpowiedz(std::nullopt);
    przycisk(kreator, "chooseButton")->click();
    przeczekajCisze();
    EXPECT_EQ(wybor.wpisy().size(), 1);
    EXPECT_EQ(strona(kreator), QStringLiteral("chooseLocationView"));
    EXPECT_FALSE(kreator.setupWizardService->czyUstawionyUrlBazowy());
    EXPECT_TRUE(alerty.wpisy().isEmpty());
}

namespace {

// A chosen folder and the answer to its alert: the alert as "style|message|informative|buttons"
// (empty: none; %P stands for the portfolio "baza/Tarrowind"), and what the wizard then takes.
struct KontrolaLokalizacji
{
    const char *nazwa;
    std::function<QString(KatalogTestowy &)> przygotuj;
    int odpowiedz;
    QString alert;
    bool wzietyWybrany;
    const char *stronaPo;
    int wyboryPo;
    QString wiadomoscPo;
};

QString wewnatrzPortfolio(KatalogTestowy &dir)
{
    return dir.katalog(QStringLiteral("baza/Tarrowind/All Beans"));
}

const QString alertPortfolia = QStringLiteral(
    "2|You\u2019ve selected location inside a portfolio.|You\u2019ve selected location inside existing portfolio:\n %P"
    "\n\n We strongly suggest you select this exact directory (or enclosing directory) to avoid duplication of "
    "portfolio directory structures.|Choose another location,Use inside location,Cancel");

const KontrolaLokalizacji kontroleLokalizacji[] = {
    // Inside ~/.config and inside a portfolio as well: only the alert about the private folders shows.
    {"Library",
     [](KatalogTestowy &) {
         const QString wewnatrz = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tarrowind/podkatalog");
         QDir().mkpath(wewnatrz);
         return wewnatrz;
     },
     1001,
     QStringLiteral("0|Can\u2019t use location inside of ~/.config, ~/.local or ~/.cache.|Please choose location "
                    "outside of ~/.config, ~/.local or ~/.cache directory.|Choose another location,Cancel"),
     false,
     "chooseLocationView",
     1,
     {}},
    {"InsidePortfolioUsed", wewnatrzPortfolio, 1001, alertPortfolia, true, "operateView", 1, {}},
    {"InsidePortfolioCancelled", wewnatrzPortfolio, 1002, alertPortfolia, false, "chooseLocationView", 1, {}},
    {"PortfolioItself",
     [](KatalogTestowy &dir) { return dir.katalog(QStringLiteral("baza/Tarrowind")); },
     0,
     {},
     true,
     "operateView",
     1,
     QStringLiteral("Tarrowind has found portfolio in this location and will use it.")},
    // A link to a file: it is a link and, followed, a file; only the first alert shows.
    {"LinkNamedTarrowind",
     [](KatalogTestowy &dir) {
         QFile::link(dir.plik(QStringLiteral("plik.txt")), dir.katalog(QStringLiteral("baza")) + "/Tarrowind");
         return dir.sciezka(QStringLiteral("baza"));
     },
     1001,
     QStringLiteral("0|Link named 'Tarrowind' exists in this location. Select different location||Choose,Cancel"),
     false,
     "chooseLocationView",
     1,
     {}},
    // Its first button opens the chooser again.
    {"FileNamedTarrowind",
     [](KatalogTestowy &dir) {
         dir.plik(QStringLiteral("baza/Tarrowind"), "plik");
         return dir.sciezka(QStringLiteral("baza"));
     },
     1000,
     QStringLiteral("0|File named 'Tarrowind' exists in this location. Choose another location||Choose,Cancel"),
     false,
     "chooseLocationView",
     2,
     {}},
};

class SprawdzanieLokalizacji : public StronyKreatora, public ::testing::WithParamInterface<KontrolaLokalizacji>
{
};

} // namespace

TEST_P(SprawdzanieLokalizacji, EachCaseShowsItsOneAlertAndTakesTheFolderOnlyWhenAllowed)
{
    const KontrolaLokalizacji &przypadek = GetParam();
    SetupAndMigrationWizard &kreator = uruchom();
    const QString katalog = przypadek.przygotuj(dir);
    alerty.dodajOdpowiedz(przypadek.odpowiedz);
    wybierz(kreator, katalog);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return alerty.wpisy().size() == (przypadek.alert.isEmpty() ? 0 : 1)
                   && strona(kreator) == QLatin1String(przypadek.stronaPo)
                   && wybor.wpisy().size() == przypadek.wyboryPo;
        },
        5000));
    przeczekajCisze(100);
    ASSERT_EQ(alerty.wpisy().size(), przypadek.alert.isEmpty() ? 0 : 1);
    EXPECT_EQ(strona(kreator), QLatin1String(przypadek.stronaPo));
    EXPECT_EQ(wybor.wpisy().size(), przypadek.wyboryPo);
    if (!przypadek.alert.isEmpty()) {
        const Alert &alert = alerty.wpisy().at(0).alert;
        EXPECT_EQ(
            QStringLiteral("%1|%2|%3|%4")
                .arg(int(alert.alertStyle()))
                .arg(alert.messageText(), alert.informativeText(), alert.buttons().join(QLatin1Char(','))),
            QString(przypadek.alert).replace(QStringLiteral("%P"), dir.sciezka(QStringLiteral("baza/Tarrowind"))));
        EXPECT_TRUE(alerty.wpisy().at(0).jakoArkusz);
        EXPECT_EQ(alerty.wpisy().at(0).okno, kreator.window());
    }
    EXPECT_EQ(kreator.setupWizardService->urlBazowy(), przypadek.wzietyWybrany ? katalog : QString());
    if (!przypadek.wiadomoscPo.isEmpty()) {
        EXPECT_EQ(tekst(kreator, "operateViewMessageLabel"), przypadek.wiadomoscPo);
        EXPECT_EQ(tekst(kreator, "operateViewBasepath2Label"), katalog);
    }
}

INSTANTIATE_TEST_SUITE_P(Kreator, SprawdzanieLokalizacji, ::testing::ValuesIn(kontroleLokalizacji),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

TEST_F(StronyKreatora, AWizardReplacedWhileALocationAlertIsUpIsNotTouchedAfterIt)
{
    const QString library = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tarrowind/podkatalog");
    QDir().mkpath(library);
    dir.plik(QStringLiteral("z plikiem/Tarrowind"), "plik");
    // Each folder brings up an alert whose first button would open the chooser again.
    const QStringList wybrane{library, dir.katalog(QStringLiteral("baza/Tarrowind/All Beans")),
                              dir.katalog(QStringLiteral("z plikiem"))};
    for (const QString &katalog : wybrane) {
        SCOPED_TRACE(katalog.toStdString());
        SetupAndMigrationWizard &kreator = uruchom();
        QPointer<WizardController> kontroler = kreator.wizardController.data();
        const qsizetype alertyPrzed = alerty.wpisy().size();
        alerty.podCzasAlertu([this](const Alert &) {
            uruchom();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        alerty.dodajOdpowiedz(1000);
        wybierz(kreator, katalog);
        const qsizetype wyboryPo = wybor.wpisy().size();
        ASSERT_TRUE(czekajNaAlert(int(alertyPrzed) + 1));
        alerty.podCzasAlertu({});
        EXPECT_FALSE(kontroler) << "the alert's loop replaced the wizard";
        przeczekajCisze(100);
        EXPECT_EQ(wybor.wpisy().size(), wyboryPo) << "a gone wizard opens no chooser";
    }
}

TEST_F(StronyKreatora, AFailedCreationShowsWhyAndReturnsToTheOperatePage)
{
    SetupAndMigrationWizard &kreator = uruchom();
    const QString baza = dir.katalog(QStringLiteral("baza"));
    wybierz(kreator, baza);
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    // Another program puts a file where the portfolio would go.
    dir.plik(QStringLiteral("baza/Tarrowind"), "cudzy");
    przycisk(kreator, "operateButton")->click();
    ASSERT_TRUE(czekajNaAlert());
    const Alert &alert = alerty.wpisy().at(0).alert;
    EXPECT_EQ(alert.alertStyle(), Alert::AlertStyle::Critical);
    EXPECT_EQ(alert.messageText(),
              QStringLiteral("An item named \u201CTarrowind\u201D already exists in \u201Cbaza\u201D."));
    EXPECT_EQ(alert.informativeText(),
              QStringLiteral("Could not create portfolio at path '") + baza + QStringLiteral("/Tarrowind'"));
    EXPECT_EQ(alert.buttons(), QStringList{QStringLiteral("Ok")});
    EXPECT_EQ(strona(kreator), QStringLiteral("operateView"));
    EXPECT_TRUE(przycisk(kreator, "operateButton")->isEnabled()) << "it can be tried again";
    EXPECT_EQ(przygotowaniaBazy, 0);
    EXPECT_TRUE(zapisanaLokalizacja().isEmpty());
    EXPECT_EQ(KatalogTestowy::czytaj(baza + QStringLiteral("/Tarrowind")), "cudzy");
}

TEST_F(StronyKreatora, ALocationThatCannotBeStoredIsReportedAndNotClaimedDone)
{
    // A folder in the way of the settings file: the location cannot be written.
    ASSERT_TRUE(QDir().mkpath(UserDefaults::standard().fileName()));
    SetupAndMigrationWizard &kreator = uruchom();
    const QString baza = dir.katalog(QStringLiteral("baza"));
    wybierz(kreator, baza);
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    przycisk(kreator, "operateButton")->click();
    ASSERT_TRUE(czekajNaAlert());
    const Alert &alert = alerty.wpisy().at(0).alert;
    EXPECT_EQ(alert.alertStyle(), Alert::AlertStyle::Critical);
    EXPECT_EQ(alert.messageText(), QStringLiteral("Could not store the portfolio location."));
    EXPECT_TRUE(alert.informativeText().contains(baza));
    przeczekajCisze();
    EXPECT_EQ(strona(kreator), QStringLiteral("operateView"));
    EXPECT_EQ(przygotowaniaBazy, 0);
    EXPECT_TRUE(wyniki.isEmpty());
    EXPECT_TRUE(SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji());
    EXPECT_EQ(przycisk(kreator, "operateButton")->text(), QStringLiteral("Use portfolio"))
        << "the folder was made; a retry takes it into use";
    EXPECT_TRUE(przycisk(kreator, "operateButton")->isEnabled());
}

TEST_F(StronyKreatora, UsePortfolioFlowNamesTheEarlierLocation)
{
    const QString stara = dir.katalog(QStringLiteral("stara baza"));
    UserDefaults::standard().setObject(QLatin1String(SpecKatalog::kluczSciezkiBazowej_1_1), stara);
    SetupAndMigrationWizard &kreator = uruchom();
    ASSERT_EQ(kreator.wizardFlow(), SetupAndMigrationWizard::UsePortfolioWizardFlow);
    const QString nowa = dir.katalog(QStringLiteral("nowa"));
    wybierz(kreator, nowa);
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    EXPECT_EQ(tekst(kreator, "chooseLocationViewBasepath1Label"), stara);
    EXPECT_EQ(tekst(kreator, "operateViewBasepath1Label"), stara);
    EXPECT_EQ(tekst(kreator, "operateViewMessageLabel"),
              QStringLiteral("Tarrowind didn't found portfolio in this location and will create new one."));
    EXPECT_EQ(przycisk(kreator, "operateButton")->text(), QStringLiteral("Create portfolio"));
}

namespace {

class MigracjaKreatora : public StronyKreatora
{
protected:
    void SetUp() override
    {
        StronyKreatora::SetUp();
        qputenv("APP_SANDBOX_CONTAINER_ID", "tarrowind-test");
    }

    QString piaskownica(int liczbaFasolek) { return zrobPortfolio(QDir::homePath(), liczbaFasolek); }
};

} // namespace

TEST_F(MigracjaKreatora, MovesEveryBeanStoresTheLocationAndRefusesToCloseMeanwhile)
{
    const QString zrodlo = piaskownica(20);
    const auto przed = migawkaKatalogu(zrodlo);
    SetupAndMigrationWizard &kreator = uruchom();
    ASSERT_EQ(kreator.wizardFlow(), SetupAndMigrationWizard::MigrationWizardFlow);
    const QString cel = dir.katalog(QStringLiteral("nowe miejsce"));
    wybierz(kreator, cel);
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    EXPECT_EQ(tekst(kreator, "chooseLocationViewBasepath1Label"), zrodlo);
    EXPECT_EQ(tekst(kreator, "operateViewBasepath1Label"), zrodlo);
    EXPECT_EQ(tekst(kreator, "operateViewBasepath2Label"), cel + QStringLiteral("/Tarrowind"));
    EXPECT_EQ(tekst(kreator, "operateViewMessageLabel"), QStringLiteral("Tarrowind is ready to start migration..."));
    EXPECT_EQ(przycisk(kreator, "operateButton")->text(), QStringLiteral("Migrate portfolio"));
    EXPECT_TRUE(przycisk(kreator, "operateButton")->isEnabled());

    przycisk(kreator, "operateButton")->click();
    EXPECT_EQ(strona(kreator), QStringLiteral("migrationView"));
    EXPECT_EQ(tekst(kreator, "messageLabel"), QStringLiteral("Tarrowind is moving your portfolio, please wait..."));
    EXPECT_FALSE(kreator.window()->close());
    kreator.zamknijTarrowind(nullptr);
    EXPECT_FALSE(kreator.applicationShouldTerminate());
    ASSERT_EQ(alerty.wpisy().size(), 3);
    for (const auto &wpis : alerty.wpisy()) {
        EXPECT_EQ(wpis.alert.messageText() + QLatin1Char('|') + wpis.alert.informativeText() + QLatin1Char('|')
                      + wpis.alert.buttons().join(QLatin1Char(',')),
                  QStringLiteral("Migration is in progress.|You have to wait for finish this process or press cancel "
                                 "to abort.|Ok"));
        EXPECT_TRUE(wpis.jakoArkusz);
        EXPECT_EQ(wpis.okno, kreator.window());
    }
    EXPECT_TRUE(kreator.window()->isVisible());
    EXPECT_TRUE(wyniki.isEmpty());

    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return tekst(kreator, "messageLabel") == QLatin1String("Portfolio has been migrated."); }, 6000));
    EXPECT_EQ(strona(kreator), QStringLiteral("migrationView")) << "the done page follows a second later";
    ASSERT_TRUE(czekajNaStrone(kreator, "doneView"));
    EXPECT_FALSE(QFileInfo::exists(zrodlo));
    EXPECT_EQ(migawkaKatalogu(cel + QStringLiteral("/Tarrowind")), przed);
    EXPECT_EQ(zapisanaLokalizacja(), cel);
    EXPECT_EQ(przygotowaniaBazy, 1);
    EXPECT_EQ(lokalizacjaPrzyPrzygotowaniu, cel);
    EXPECT_TRUE(kreator.applicationShouldTerminate()) << "quitting is allowed again once the move is done";

    przycisk(kreator, "startUsingButton")->click();
    EXPECT_EQ(wyniki, QList<bool>{true});
    EXPECT_EQ(alerty.wpisy().size(), 3);
}

namespace {

// Records what the program asks of the session manager, which grants interaction as told.
struct MenedzerSesjiTestowy : UruchomienieProgramu::ZadanieMenedzeraSesji
{
    bool allowsInteraction() override { return ++prosby, pozwala; }
    void release() override { ++zwolnienia; }
    void cancel() override { anulowano = true; }

    bool pozwala = true;
    int prosby = 0, zwolnienia = 0;
    bool anulowano = false;
};

} // namespace

TEST_F(MigracjaKreatora, TheSessionsEndIsCancelledWhileTheMoveRunsWhenTheUserCanBeTold)
{
    piaskownica(20);
    UruchomienieProgramu uruchomienie;
    uruchomienie.delegat().applicationDidFinishLaunching();
    ASSERT_EQ(uruchomienie.delegat().stan(), TarrowindAppDelegate::Stan::KreatorPokazany);
    SetupAndMigrationWizard &kreator = *SetupAndMigrationWizard::biezacyKreator();
    const auto koniecSesji = [&](bool pozwala) {
        MenedzerSesjiTestowy menedzer;
        menedzer.pozwala = pozwala;
        uruchomienie.commitDataRequest(menedzer);
        return menedzer;
    };

    const MenedzerSesjiTestowy przed = koniecSesji(true);
    EXPECT_FALSE(przed.anulowano) << "before the move the session may end";
    EXPECT_EQ(przed.zwolnienia, 1);

    wybierz(kreator, dir.katalog(QStringLiteral("cel")));
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    przycisk(kreator, "operateButton")->click();
    ASSERT_TRUE(kreator.czyMigracjaTrwa());
    const MenedzerSesjiTestowy bezZgody = koniecSesji(false);
    EXPECT_FALSE(bezZgody.anulowano) << "without leave to tell the user nothing is refused";
    EXPECT_TRUE(alerty.wpisy().isEmpty());
    const MenedzerSesjiTestowy zeZgoda = koniecSesji(true);
    EXPECT_TRUE(zeZgoda.anulowano);
    EXPECT_EQ(zeZgoda.zwolnienia, 1);
    ASSERT_EQ(alerty.wpisy().size(), 1);
    EXPECT_EQ(alerty.wpisy().at(0).alert.messageText(), QStringLiteral("Migration is in progress."));
    EXPECT_EQ(alerty.wpisy().at(0).okno, kreator.window());
    EXPECT_TRUE(kreator.window()->isVisible());

    ASSERT_TRUE(czekajNaStrone(kreator, "doneView"));
    EXPECT_FALSE(koniecSesji(true).anulowano) << "after the move the session may end";
    przycisk(kreator, "startUsingButton")->click();
    ASSERT_EQ(uruchomienie.delegat().stan(), TarrowindAppDelegate::Stan::Dziala);
    EXPECT_EQ(koniecSesji(true).prosby, 0) << "a running program keeps no session waiting";
    for (BrowserWindow *okno : widoczneOknaPrzegladarki())
        okno->close();
}

TEST_F(MigracjaKreatora, AConflictDisablesTheButtonUntilTheUserResolvesIt)
{
    piaskownica(1);
    dir.plik(QStringLiteral("cel/Tarrowind/cudzy.txt"), "cudzy");
    SetupAndMigrationWizard &kreator = uruchom();
    wybierz(kreator, dir.sciezka(QStringLiteral("cel")));
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    QPushButton *operuj = przycisk(kreator, "operateButton");
    EXPECT_EQ(operuj->text(), QStringLiteral("Migrate portfolio"));
    EXPECT_FALSE(operuj->isEnabled());
    QLabel *wiadomosc = kreator.window()->findChild<QLabel *>(QStringLiteral("operateViewMessageLabel"));
    EXPECT_EQ(wiadomosc->text(),
              QStringLiteral("Sorry, can\u2019t migrate portfolio.\nAnother portfolio already exists in destination "
                             "location. Please resolve this conflict manually using the file manager. Merge contents "
                             "of those portfolios or delete one of them. Then return to this window."));
    EXPECT_EQ(wiadomosc->palette().color(QPalette::WindowText), QColor(Qt::red));
    QTest::keyClick(kreator.window()->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(strona(kreator), QStringLiteral("operateView")) << "Return does not press a disabled button";

    // The user moves the other portfolio away and comes back to the window.
    ASSERT_TRUE(QDir().rename(dir.sciezka(QStringLiteral("cel/Tarrowind")), dir.sciezka(QStringLiteral("cel/Stary"))));
    kreator.windowDidBecomeKey();
    EXPECT_TRUE(operuj->isEnabled());
    EXPECT_EQ(wiadomosc->text(), QStringLiteral("Tarrowind is ready to start migration..."));
    EXPECT_EQ(wiadomosc->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(MigracjaKreatora, AFailedMoveSaysSoAndLeavesTheSourceByteForByte)
{
    const QString zrodlo = piaskownica(8);
    const auto przed = migawkaKatalogu(zrodlo);
    SetupAndMigrationWizard &kreator = uruchom();
    wybierz(kreator, dir.katalog(QStringLiteral("cel")));
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));
    // Something takes the name before the move starts.
    dir.plik(QStringLiteral("cel/Tarrowind"), "cudzy");
    przycisk(kreator, "operateButton")->click();
    ASSERT_TRUE(czekajNaAlert());
    const Alert &alert = alerty.wpisy().at(0).alert;
    EXPECT_EQ(alert.alertStyle(), Alert::AlertStyle::Critical);
    EXPECT_EQ(alert.messageText(), QStringLiteral("Migration error occured"));
    EXPECT_TRUE(alert.informativeText().contains(QStringLiteral("already exists")))
        << alert.informativeText().toStdString();
    EXPECT_EQ(alert.buttons(), QStringList{QStringLiteral("Ok")});
    EXPECT_EQ(kreator.wizardController->wizardMigrationViewController->wizardMigrationState(),
              WizardMigrationViewController::MigrationFailed);
    EXPECT_EQ(tekst(kreator, "messageLabel"), QStringLiteral("Migration failed."));
    EXPECT_EQ(strona(kreator), QStringLiteral("operateView"));
    EXPECT_TRUE(przycisk(kreator, "cancelButton")->isEnabled());
    EXPECT_EQ(migawkaKatalogu(zrodlo), przed);
    EXPECT_TRUE(zapisanaLokalizacja().isEmpty());
    EXPECT_EQ(przygotowaniaBazy, 0);
    EXPECT_TRUE(kreator.window()->close()) << "after a failure the window closes";
}

TEST_F(MigracjaKreatora, ACancelRightAfterTheStartIsHonouredWithoutAnAlert)
{
    const auto inny = KatalogTestowy::katalogNaInnymSystemiePlikow(QDir::homePath());
    if (!inny)
        GTEST_SKIP() << "no second file system at /dev/shm";
    const QString zrodlo = piaskownica(300);
    const auto przed = migawkaKatalogu(zrodlo);
    SetupAndMigrationWizard &kreator = uruchom();
    wybierz(kreator, inny->path());
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView"));

    przycisk(kreator, "operateButton")->click();
    przycisk(kreator, "cancelButton")->click();
    EXPECT_FALSE(przycisk(kreator, "cancelButton")->isEnabled());
    ASSERT_TRUE(czekajNaStrone(kreator, "operateView", 20000));
    EXPECT_TRUE(alerty.wpisy().isEmpty()) << "a cancel is no failure";
    EXPECT_EQ(kreator.wizardController->wizardMigrationViewController->wizardMigrationState(),
              WizardMigrationViewController::MigrationUndefined);
    EXPECT_EQ(tekst(kreator, "messageLabel"), QString());
    EXPECT_TRUE(przycisk(kreator, "cancelButton")->isEnabled());
    EXPECT_TRUE(przycisk(kreator, "operateButton")->isEnabled());
    EXPECT_EQ(migawkaKatalogu(zrodlo), przed);
    EXPECT_TRUE(QDir(inny->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(zapisanaLokalizacja().isEmpty());
    EXPECT_TRUE(kreator.window()->close());
    EXPECT_EQ(wyniki, QList<bool>{false});
}

TEST(WizardMigrationViewControllerTest, ProgressBecomesMeasuredOnceCountsAreKnown)
{
    QProgressBar wskaznik;
    QLabel postep;
    QLabel wiadomosc;
    WizardMigrationViewController widok;
    widok.progressIndicator = &wskaznik;
    widok.progressLabel = &postep;
    widok.messageLabel = &wiadomosc;
    widok.awakeFromNib();
    EXPECT_EQ(widok.wizardMigrationState(), 0);
    EXPECT_TRUE(widok.czyWskaznikNieokreslony());

    widok.setMigrationState(WizardMigrationViewController::MigrationInProgress);
    widok.updateProgressWithObjectsMovedTotalObjectsToMove(-1, -1);
    EXPECT_TRUE(widok.czyWskaznikNieokreslony());
    EXPECT_EQ(postep.text(), QString());
    widok.updateProgressWithObjectsMovedTotalObjectsToMove(3, 40);
    EXPECT_FALSE(widok.czyWskaznikNieokreslony());
    EXPECT_EQ(wskaznik.maximum(), 40);
    EXPECT_EQ(wskaznik.value(), 3);
    EXPECT_EQ(postep.text(), QStringLiteral("3 of 40 moved"));
    widok.updateProgressWithObjectsMovedTotalObjectsToMove(45, 40);
    EXPECT_EQ(postep.text(), QStringLiteral("40 of 40 moved")) << "never more than the total";
    widok.updateProgressWithObjectsMovedTotalObjectsToMove(0, 0);
    EXPECT_EQ(postep.text(), QStringLiteral("0 of 0 moved"));

    widok.setMigrationState(WizardMigrationViewController::MigrationUndefined);
    EXPECT_EQ(wiadomosc.text(), QString());
    EXPECT_EQ(postep.text(), QString());
    EXPECT_EQ(wskaznik.value(), 0);
    widok.setMigrationState(7);
    EXPECT_EQ(widok.wizardMigrationState(), 7) << "stored as given, shown as undefined";
    EXPECT_EQ(wiadomosc.text(), QString());
}
