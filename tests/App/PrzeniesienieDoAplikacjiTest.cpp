#include "App/PrzeniesienieDoAplikacji.h"
#include "Platform/UruchamiaczProcesow.h"
#include "Platform/UserDefaults.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/NagrywarkaAlertow.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <functional>

using namespace PrzeniesienieDoAplikacji;

namespace {

const QString klucz = QLatin1String(kluczWyciszenia);
const QString przenies = QStringLiteral("Move to Applications Folder");
const QString niepowodzenie = QStringLiteral("Could not move to Applications folder");

// Records every call; pkexec answers `kodPkexec`, and 0 runs its command for real, as after consent.
class ProcesyTestowe : public UruchamiaczProcesow
{
public:
    QString znajdzProgram(const QString &nazwa) override { return dostepne.contains(nazwa) ? QStringLiteral("/usr/bin/") + nazwa : QString(); }
    int uruchomICzekaj(const QString &program, const QStringList &argumenty) override
    {
        czekane << (QStringList{program} + argumenty);
        if (kodPkexec != 0)
            return kodPkexec;
        QProcess proces;
        proces.start(argumenty.first(), argumenty.mid(1));
        return proces.waitForFinished() ? proces.exitCode() : -1;
    }
    bool uruchomOdlaczony(const QString &program, const QStringList &argumenty, const QProcessEnvironment &s) override
    {
        odlaczone << (QStringList{program} + argumenty);
        srodowiska << s;
        return true;
    }

    QStringList dostepne{QStringLiteral("pkexec"), QStringLiteral("gio")};
    int kodPkexec = 0;
    QList<QStringList> czekane, odlaczone;
    QList<QProcessEnvironment> srodowiska;
};

// A temporary home with our AppImage in ~/Downloads, a /proc of its own whose executable lies in APPDIR.
struct Przeniesienie : ::testing::Test
{
    Przeniesienie()
    {
        const QString appDir = dom.katalog(QStringLiteral("appdir"));
        QFile::link(dom.plik(QStringLiteral("appdir/usr/bin/tarrowind")), dom.katalog(QStringLiteral("proc/self")) + "/exe");
        o.zmienne.insert(QStringLiteral("APPDIR"), appDir);
        for (const char *zmienna : {"ARGV0", "OWD"})
            o.zmienne.insert(QLatin1String(zmienna), appDir);
        o.katalogDomowy = dom.sciezka();
        o.katalogPobranych = dom.katalog(QStringLiteral("Downloads"));
        o.lokalnyKatalogAplikacji = dom.katalog(QStringLiteral("opt"));
        o.katalogiNosnikow = {dom.katalog(QStringLiteral("media"))};
        o.katalogProc = dom.sciezka(QStringLiteral("proc"));
        o.pid = 1;
        o.procesy = &procesy;
        // The trash of the temporary home, empty for every test.
        const QString dane = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QDir(dane + "/Trash").removeRecursively();
        QDir().mkpath(dane);
        ustawPakiet(QStringLiteral("Downloads/Tarrowind's Beta.AppImage"));
    }
    ~Przeniesienie() override { UserDefaults::standard().removeObject(klucz); }

    void ustawPakiet(const QString &wzgledna)
    {
        pakiet = dom.plik(wzgledna, tresc);
        o.zmienne.insert(QStringLiteral("APPIMAGE"), pakiet);
    }
    // ~/Applications is the user's own once it holds an AppImage.
    QString celWlasny() { dom.plik(QStringLiteral("Applications/x.appimage")); return dom.sciezka(QStringLiteral("Applications/Tarrowind's Beta.AppImage")); }
    static QString wKoszu(const QString &nazwa) { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files/" + nazwa; }
    QStringList komunikaty() const
    {
        QStringList wynik;
        for (const auto &wpis : alerty.wpisy())
            wynik << wpis.alert.messageText();
        return wynik;
    }

    KatalogTestowy dom;
    ProcesyTestowe procesy;
    NagrywarkaAlertow alerty;
    Otoczenie o = Otoczenie::systemowe();
    QString pakiet;
    const QByteArray tresc = QByteArray("#!/bin/sh\n\x7f\x00\xff binary", 20);
};

using Przygotowanie = std::function<void(Przeniesienie &)>;
struct BezOferty : Przeniesienie, ::testing::WithParamInterface<std::pair<const char *, Przygotowanie>> {};

TEST_P(BezOferty, NoAlertAndTheFileStays)
{
    GetParam().second(*this);
    EXPECT_FALSE(offerMoveToApplicationsFolder(o));
    EXPECT_TRUE(alerty.wpisy().isEmpty());
    EXPECT_TRUE(procesy.odlaczone.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Przeniesienie, BezOferty, ::testing::Values(
    std::pair<const char *, Przygotowanie>{"Suppressed", [](Przeniesienie &p) { UserDefaults::standard().setBool(klucz, true); }},
    std::pair<const char *, Przygotowanie>{"NotAnAppImage", [](Przeniesienie &p) { p.o.zmienne.remove(QStringLiteral("APPIMAGE")); }},
    std::pair<const char *, Przygotowanie>{"InheritedAppImage", [](Przeniesienie &p) { p.o.zmienne.insert(QStringLiteral("APPDIR"), p.dom.katalog(QStringLiteral("other"))); }},
    std::pair<const char *, Przygotowanie>{"InHomeApplications", [](Przeniesienie &p) { p.ustawPakiet(QStringLiteral("Applications/T.AppImage")); }},
    std::pair<const char *, Przygotowanie>{"InLocalBin", [](Przeniesienie &p) { p.ustawPakiet(QStringLiteral(".local/bin/T.AppImage")); }},
    std::pair<const char *, Przygotowanie>{"InLocalFolder", [](Przeniesienie &p) { p.ustawPakiet(QStringLiteral("opt/t/T.AppImage")); }},
    std::pair<const char *, Przygotowanie>{"UnderAnApplicationsComponent", [](Przeniesienie &p) { p.ustawPakiet(QStringLiteral("x/Applications/T.AppImage")); }},
    std::pair<const char *, Przygotowanie>{"NoApplicationsFolder", [](Przeniesienie &p) { p.o.lokalnyKatalogAplikacji = p.dom.sciezka(QStringLiteral("none")); }}),
    [](const auto &wiersz) { return std::string(wiersz.param.first); });

TEST_F(Przeniesienie, PlacesAreComparedByComponents)
{
    o.lokalnyKatalogAplikacji = QStringLiteral("/opt");
    const struct { QString sciezka; bool aplikacje, pobrane; } wiersze[] = {
        {"~/Applications/T.AppImage", true, false}, {"~/Applications2/T.AppImage", false, false},
        {"~/.local/bin/T.AppImage", true, false},   {"/opt/t/T.AppImage", true, false},
        {"/usr/bin/T.AppImage", true, false},       {"/optional/T.AppImage", false, false},
        {"~/Downloads/T.AppImage", false, true},    {"~/Downloads2/T.AppImage", false, false}};
    for (const auto &w : wiersze) {
        const QString sciezka = QString(w.sciezka).replace(QLatin1Char('~'), dom.sciezka());
        EXPECT_EQ(pathLiesInApplicationsFolder(o, sciezka), w.aplikacje) << w.sciezka.toStdString();
        EXPECT_EQ(pathLiesInDownloadsFolder(o, sciezka), w.pobrane) << w.sciezka.toStdString();
    }
}

TEST_F(Przeniesienie, TheAlertNamesTheFolderAndWhyToMove)
{
    const QString sedno = QStringLiteral("I can move myself to the Applications folder if you'd like.");
    const struct { bool wlasny, administrator; const char *pakiet; QString tekst, informacja; } wiersze[] = {
        {true, false, "Downloads/T.AppImage", "Move to Applications folder in your Home folder?", sedno + " This will keep your Downloads folder uncluttered."},
        {false, false, "Downloads/T.AppImage", "Move to Applications folder?", sedno + " This will keep your Downloads folder uncluttered."},
        {false, true, "Downloads/T.AppImage", "Move to Applications folder?", sedno + " Note that this will require an administrator password."},
        {true, false, "Desktop/T.AppImage", "Move to Applications folder in your Home folder?", sedno}};
    for (const auto &w : wiersze) {
        QFile::remove(dom.sciezka(QStringLiteral("Applications/x.appimage")));
        if (w.wlasny)
            celWlasny();
        ustawPakiet(QLatin1String(w.pakiet));
        o.moznaZapisac = [&](const QString &) { return !w.administrator; };
        alerty.dodajOdpowiedz(Alert::pierwszyPrzycisk + 1);
        EXPECT_FALSE(offerMoveToApplicationsFolder(o));
        const Alert &alert = alerty.wpisy().last().alert;
        EXPECT_EQ(alert.messageText(), w.tekst);
        EXPECT_EQ(alert.informativeText(), w.informacja);
        EXPECT_EQ(alert.buttons(), QStringList({przenies, QStringLiteral("Do Not Move")}));
        EXPECT_EQ(alert.escapeButton(), 1);
        EXPECT_TRUE(alert.showsSuppressionButton());
    }
}

TEST_F(Przeniesienie, DoNotMoveStoresTheRefusalOnlyWithTheCheckbox)
{
    for (const bool zaznaczone : {false, true}) {
        alerty.zaznaczajWyciszenie(zaznaczone);
        alerty.dodajOdpowiedz(Alert::pierwszyPrzycisk + 1);
        alerty.dodajOdpowiedz(Alert::pierwszyPrzycisk + 1);
        const auto przed = alerty.wpisy().size();
        EXPECT_FALSE(offerMoveToApplicationsFolder(o));
        EXPECT_EQ(UserDefaults::standard().hasStoredValue(klucz), zaznaczone);
        EXPECT_FALSE(offerMoveToApplicationsFolder(o));
        EXPECT_EQ(alerty.wpisy().size() - przed, zaznaczone ? 1 : 2) << "asked again at the next launch";
        EXPECT_TRUE(QFile::exists(pakiet));
    }
}

// What lies at the destination before a writable move: nothing, an older file, a folder.
struct ZapisywalnyCel : Przeniesienie, ::testing::WithParamInterface<int> {};

TEST_P(ZapisywalnyCel, CopiesTrashesTheOldAndRelaunchesTheNewCopy)
{
    const QString cel = celWlasny();
    if (GetParam() == 1)
        dom.plik(QStringLiteral("Applications/Tarrowind's Beta.AppImage"), "stara");
    if (GetParam() == 2)
        dom.plik(QStringLiteral("Applications/Tarrowind's Beta.AppImage/stara"), "stara");
    EXPECT_TRUE(offerMoveToApplicationsFolder(o));
    EXPECT_EQ(KatalogTestowy::czytaj(cel), tresc);
    // The old destination goes to the trash first, under the plain name.
    const QString nazwa = QStringLiteral("Tarrowind's Beta.AppImage");
    EXPECT_EQ(KatalogTestowy::czytaj(wKoszu(GetParam() ? nazwa + "-0001" : nazwa)), tresc);
    EXPECT_FALSE(QFile::exists(pakiet));
    if (GetParam() > 0)
        EXPECT_EQ(KatalogTestowy::czytaj(wKoszu(GetParam() == 1 ? nazwa : nazwa + "/stara")), "stara");
    ASSERT_EQ(procesy.odlaczone.size(), 1);
    EXPECT_EQ(procesy.odlaczone[0].mid(3), QStringList({QStringLiteral("sh"), QStringLiteral("1"), cel}));
    for (const char *zmienna : {"APPDIR", "APPIMAGE", "ARGV0", "OWD"})
        EXPECT_FALSE(procesy.srodowiska[0].contains(QLatin1String(zmienna))) << zmienna;
}

INSTANTIATE_TEST_SUITE_P(Przeniesienie, ZapisywalnyCel, ::testing::Values(0, 1, 2));

TEST_F(Przeniesienie, ACopyRunningFromTheDestinationEndsThisRunWithoutCopying)
{
    const QString cel = celWlasny();
    dom.plik(QStringLiteral("Applications/Tarrowind's Beta.AppImage"), "dziala");
    for (const bool przezExe : {true, false}) {
        QDir(dom.sciezka(QStringLiteral("proc/77"))).removeRecursively();
        if (przezExe)
            QFile::link(cel, dom.katalog(QStringLiteral("proc/77")) + "/exe");
        else
            dom.plik(QStringLiteral("proc/77/environ"), QByteArray("X=1\0APPIMAGE=", 13) + QFile::encodeName(cel) + '\0');
        EXPECT_TRUE(offerMoveToApplicationsFolder(o));
        EXPECT_EQ(KatalogTestowy::czytaj(cel), "dziala");
        EXPECT_TRUE(QFile::exists(pakiet));
        EXPECT_TRUE(procesy.odlaczone.isEmpty());
    }
}

TEST_F(Przeniesienie, AnAdministratorCopyReplacesTheDestinationOrStopsAsPkexecSays)
{
    const QString cel = celWlasny();
    o.moznaZapisac = [](const QString &) { return false; };
    const QString pytanie = QStringLiteral("Move to Applications folder in your Home folder?");
    const struct { int kod; bool pkexec, przeniesiony; QStringList komunikaty; } wiersze[] = {
        {126, true, false, {pytanie}}, {127, true, false, {pytanie, niepowodzenie}},
        {0, false, false, {pytanie, niepowodzenie}}, {0, true, true, {pytanie}}};
    for (const auto &w : wiersze) {
        dom.plik(QStringLiteral("Applications/Tarrowind's Beta.AppImage/stara"), "stara");
        procesy.kodPkexec = w.kod;
        procesy.dostepne = w.pkexec ? QStringList{QStringLiteral("pkexec")} : QStringList{};
        const auto przed = alerty.wpisy().size();
        EXPECT_EQ(offerMoveToApplicationsFolder(o), w.przeniesiony);
        EXPECT_EQ(komunikaty().mid(przed), w.komunikaty);
        EXPECT_EQ(QFile::exists(pakiet), !w.przeniesiony);
        EXPECT_EQ(KatalogTestowy::czytaj(cel), w.przeniesiony ? tresc : QByteArray()) << "no copy inside the old folder";
    }
    EXPECT_EQ(procesy.czekane.last().mid(5), QStringList({cel, pakiet})) << "the paths travel as arguments";
}

TEST_F(Przeniesienie, FromAReadOnlyVolumeTheOldCopyStaysAndItsVolumeIsDetached)
{
    const QString cel = celWlasny();
    ustawPakiet(QStringLiteral("media/dysk/Tarrowind's Beta.AppImage"));
    const QString punkt = dom.sciezka(QStringLiteral("media/dysk"));
    o.wolumin = [&](const QString &) { return Wolumin{punkt, true}; };
    EXPECT_TRUE(offerMoveToApplicationsFolder(o));
    EXPECT_EQ(KatalogTestowy::czytaj(cel), tresc);
    EXPECT_EQ(KatalogTestowy::czytaj(pakiet), tresc);
    ASSERT_EQ(procesy.odlaczone.size(), 2);
    EXPECT_EQ(procesy.odlaczone[1].last(), punkt);
}

} // namespace
