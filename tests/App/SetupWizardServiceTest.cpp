#include "App/SetupWizardService.h"

#include "Platform/DelayedOperations.h"
#include "Platform/Opoznienia.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>

namespace {

struct Raport
{
    bool zakonczone;
    std::optional<BladOperacji> blad;
    qint64 przeniesione;
    qint64 razem;
};

struct Migracja
{
    QList<Raport> raporty;

    SetupWizardService::MigrateBlock blok()
    {
        return [this](bool zakonczone, const std::optional<BladOperacji> &blad, qint64 przeniesione, qint64 razem) {
            raporty.append(Raport{zakonczone, blad, przeniesione, razem});
        };
    }
    int koncowe() const
    {
        int liczba = 0;
        for (const Raport &raport : raporty)
            liczba += raport.zakonczone ? 1 : 0;
        return liczba;
    }
    bool czekajNaKoniec()
    {
        return QTest::qWaitFor([this] { return koncowe() > 0; }, 20000);
    }
    const Raport &ostatni() const { return raporty.constLast(); }
};

// A sandbox container: the environment says so, and home/Tarrowind holds its portfolio.
QString przygotujPiaskownice(int liczbaFasolek)
{
    qputenv("APP_SANDBOX_CONTAINER_ID", "tarrowind-test");
    return zrobPortfolio(QDir::homePath(), liczbaFasolek);
}

} // namespace

TEST(SetupWizardServiceTest, PortfolioFolderIsTheBaseNamedTarrowindOrTarrowindInsideIt)
{
    EXPECT_EQ(SetupWizardService::urlForTarrowindPortfolioForURL(QStringLiteral("/data/Tarrowind")),
              QStringLiteral("/data/Tarrowind"));
    EXPECT_EQ(SetupWizardService::urlForTarrowindPortfolioForURL(QStringLiteral("/data/Projekty/")),
              QStringLiteral("/data/Projekty/Tarrowind"));
    EXPECT_EQ(SetupWizardService::urlForTarrowindPortfolioForURL(QStringLiteral("/data/tarrowind")),
              QStringLiteral("/data/tarrowind/Tarrowind"))
        << "the name is compared case-sensitively";
    EXPECT_TRUE(SetupWizardService::urlForTarrowindPortfolioForURL(QString()).isEmpty());

    SetupWizardService serwis;
    EXPECT_FALSE(serwis.czyUstawionyUrlBazowy());
    EXPECT_EQ(serwis.sciezkaUrlaBazowegoDoWyswietlenia(), QString());
    serwis.setUrlBazowy(QStringLiteral("/data/Projekty"));
    EXPECT_EQ(serwis.sciezkaUrlaBazowegoDoWyswietlenia(), QStringLiteral("/data/Projekty/Tarrowind"));
}

TEST(SetupWizardServiceTest, OperationFollowsWhatLiesAtTheChosenPlace)
{
    KatalogTestowy dir;
    SetupWizardService serwis;
    EXPECT_EQ(serwis.operationOnPortfolio(), SetupWizardService::OperationNone);
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationCreate) << "nothing chosen yet";

    serwis.setUrlBazowy(dir.katalog(QStringLiteral("pusty")));
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationCreate);
    EXPECT_EQ(serwis.operationOnPortfolio(), SetupWizardService::OperationNone) << "selecting stores nothing";

    dir.katalog(QStringLiteral("pelny/Tarrowind/All Beans"));
    serwis.setUrlBazowy(dir.sciezka(QStringLiteral("pelny")));
    EXPECT_TRUE(serwis.czyPortfolioJuzIstnieje());
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationUse);
    serwis.setUrlBazowy(dir.sciezka(QStringLiteral("pelny/Tarrowind")));
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationUse);

    // A link named "Tarrowind" is no portfolio folder.
    dir.katalog(QStringLiteral("gdzies"));
    dir.katalog(QStringLiteral("z linkiem"));
    QFile::link(dir.sciezka(QStringLiteral("gdzies")), dir.sciezka(QStringLiteral("z linkiem/Tarrowind")));
    serwis.setUrlBazowy(dir.sciezka(QStringLiteral("z linkiem")));
    EXPECT_FALSE(serwis.czyPortfolioJuzIstnieje());
}

TEST(SetupWizardServiceTest, WithASandboxPortfolioTheChoiceIsMigrateOrConflict)
{
    KatalogTestowy dir;
    SetupWizardService serwis;
    qputenv("APP_SANDBOX_CONTAINER_ID", "tarrowind-test");
    EXPECT_FALSE(SetupWizardService::czyIstniejePortfolioWPiaskownicy()) << "the sandbox holds no portfolio yet";
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationCreate);

    const QString piaskownica = przygotujPiaskownice(1);
    EXPECT_TRUE(SetupWizardService::czyIstniejePortfolioWPiaskownicy());
    EXPECT_EQ(SetupWizardService::urlPortfolioWPiaskownicy(), piaskownica);
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationMigrate);
    serwis.setUrlBazowy(dir.katalog(QStringLiteral("nowe")));
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationMigrate);
    dir.katalog(QStringLiteral("nowe/Tarrowind"));
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationConflict);

    // The home folder, where the chooser starts, holds the sandbox portfolio itself: one portfolio,
    // taken into use where it lies.
    serwis.setUrlBazowy(QDir::homePath());
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationUse);
    serwis.setUrlBazowy(piaskownica);
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationUse);
    ASSERT_TRUE(QFile::link(QDir::homePath(), dir.sciezka(QStringLiteral("dom"))));
    serwis.setUrlBazowy(dir.sciezka(QStringLiteral("dom")));
    EXPECT_EQ(serwis.selectOperationOnPortfolio(), SetupWizardService::OperationUse) << "reached through a link";

    qunsetenv("APP_SANDBOX_CONTAINER_ID");
    EXPECT_FALSE(SetupWizardService::czyIstniejePortfolioWPiaskownicy()) << "outside the sandbox it is not looked at";
    EXPECT_TRUE(SetupWizardService::urlPortfolioWPiaskownicy().isEmpty());
}

TEST(SetupWizardServiceTest, LibraryMeansTheUsersPrivateProgramFoldersComparedByComponents)
{
    SetupWizardService serwis;
    const QString dom = QDir::homePath();
    EXPECT_TRUE(serwis.czyUrlWLibrary(dom + QStringLiteral("/.config")));
    EXPECT_TRUE(serwis.czyUrlWLibrary(dom + QStringLiteral("/.local/share/Projekty")));
    EXPECT_TRUE(serwis.czyUrlWLibrary(dom + QStringLiteral("/.cache/x")));
    EXPECT_TRUE(serwis.czyUrlWLibrary(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Projekty")));
    EXPECT_TRUE(serwis.czyUrlWLibrary(qEnvironmentVariable("XDG_DATA_HOME")));

    EXPECT_FALSE(serwis.czyUrlWLibrary(dom + QStringLiteral("/.configs"))) << "a name that only begins the same way";
    EXPECT_FALSE(serwis.czyUrlWLibrary(dom + QStringLiteral("/.local-kopia/x")));
    EXPECT_FALSE(serwis.czyUrlWLibrary(dom + QStringLiteral("/Documents")));
    EXPECT_FALSE(serwis.czyUrlWLibrary(dom));
    EXPECT_FALSE(serwis.czyUrlWLibrary(QStringLiteral("/home/ktos-inny/.config"))) << "another user's folder";
}

TEST(SetupWizardServiceTest, LeadingPortfolioPartEndsAtTheFirstComponentNamedTarrowind)
{
    SetupWizardService serwis;
    EXPECT_EQ(serwis.fragmentBedacyUrlemDoPortfolio(QStringLiteral("/a/Tarrowind/b/Tarrowind/c")),
              QStringLiteral("/a/Tarrowind"));
    EXPECT_EQ(serwis.fragmentBedacyUrlemDoPortfolio(QStringLiteral("/a/Tarrowind")), QStringLiteral("/a/Tarrowind"));
    EXPECT_TRUE(serwis.fragmentBedacyUrlemDoPortfolio(QStringLiteral("/a/b")).isEmpty());
    EXPECT_TRUE(serwis.fragmentBedacyUrlemDoPortfolio(QStringLiteral("/a/Tarrowind stary/b")).isEmpty())
        << "components, not string prefixes";
    EXPECT_TRUE(serwis.fragmentBedacyUrlemDoPortfolio(QStringLiteral("/a/tarrowind/b")).isEmpty());
}

TEST(SetupWizardServiceTest, CreatingMakesTheFolderWithItsParentsAndAnswersItsDelayLater)
{
    KatalogTestowy dir;
    SetupWizardService serwis;
    serwis.setUrlBazowy(dir.sciezka(QStringLiteral("nowy/poziom")));
    std::optional<bool> wynik;
    // Its delay later, read off the order of the delayed blocks, not the clock: a block put off by the same delay
    // just before the call runs first.
    bool poOpoznieniu = false;
    DelayedOperations::addOperationAfterDelayWithBlock(Opoznienia::biezace().odpowiedzUtworzenia, &serwis,
                                                       [&poOpoznieniu] { poOpoznieniu = true; });
    std::optional<bool> poOpoznieniuPrzedOdpowiedzia;
    serwis.useOrCreatePortfolioWithBlock([&](bool ok, const BladOperacji &) {
        wynik = ok;
        poOpoznieniuPrzedOdpowiedzia = poOpoznieniu;
    });
    EXPECT_FALSE(wynik.has_value()) << "the answer never comes inside the call";
    ASSERT_TRUE(QTest::qWaitFor([&] { return wynik.has_value(); }, 5000));
    EXPECT_EQ(poOpoznieniuPrzedOdpowiedzia, true);
    EXPECT_TRUE(*wynik);
    EXPECT_TRUE(QFileInfo(dir.sciezka(QStringLiteral("nowy/poziom/Tarrowind"))).isDir());
}

TEST(SetupWizardServiceTest, CreatingWhereThePortfolioExistsSucceedsAndKeepsItsContents)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("baza/Tarrowind/All Beans/_Main_Flow/plan.txt"), "plan");
    SetupWizardService serwis;
    serwis.setUrlBazowy(dir.sciezka(QStringLiteral("baza")));
    std::optional<bool> wynik;
    serwis.useOrCreatePortfolioWithBlock([&](bool ok, const BladOperacji &) { wynik = ok; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return wynik.has_value(); }, 5000));
    EXPECT_TRUE(*wynik);
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("baza/Tarrowind/All Beans/_Main_Flow/plan.txt"))),
              "plan");
}

TEST(SetupWizardServiceTest, ASecondMigrationWhileOneRunsIsRefused)
{
    przygotujPiaskownice(2);
    KatalogTestowy dir;
    SetupWizardService serwis;
    Migracja pierwsza;
    Migracja druga;
    serwis.migratePortfolioFromURLToURLWithBlock(QDir::homePath(), dir.katalog(QStringLiteral("a")), pierwsza.blok());
    serwis.migratePortfolioFromURLToURLWithBlock(QDir::homePath(), dir.katalog(QStringLiteral("b")), druga.blok());
    ASSERT_EQ(druga.koncowe(), 1);
    EXPECT_EQ(druga.ostatni().blad->kod, EBUSY);
    ASSERT_TRUE(pierwsza.czekajNaKoniec());
    EXPECT_FALSE(pierwsza.ostatni().blad.has_value());
    EXPECT_TRUE(QFileInfo::exists(dir.sciezka(QStringLiteral("a/Tarrowind/All Beans/_Main_Flow/fasolka 1"))));
}
