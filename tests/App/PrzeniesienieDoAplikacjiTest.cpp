#include "App/PrzeniesienieDoAplikacji.h"
#include "Platform/UruchamiaczProcesow.h"
#include "Platform/UserDefaults.h"
#include "Support/KatalogTestowy.h"
#include "Support/Ui/NagrywarkaAlertow.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace PrzeniesienieDoAplikacji;

namespace {

const QString nazwa = "Tarrowind's Beta.AppImage", pytanie = "Move to Applications folder in your Home folder?";
const QString sedno = "I can move myself to the Applications folder if you'd like.";
const QString zPobranych = sedno + " This will keep your Downloads folder uncluttered.";
const QString zAdministratorem = sedno + " Note that this will require an administrator password.";

// Records the calls; pkexec answers `kod`, and 0 runs its command for real, as after consent.
struct Procesy : UruchamiaczProcesow
{
    QString znajdzProgram(const QString &n) override { return dostepne.contains(n) ? "/usr/bin/" + n : QString(); }
    int uruchomICzekaj(const QString &, const QStringList &a) override
    {
        QProcess sh;
        if (czekane << a; kod == 0)
            sh.start(a[0], a.mid(1));
        return kod ? kod : sh.waitForFinished() ? sh.exitCode() : -1;
    }
    bool uruchomOdlaczony(const QString &, const QStringList &a, const QProcessEnvironment &s) override
    {
        return odlaczone << a, srodowiska << s, uruchamia;
    }
    QStringList dostepne{"pkexec", "gio"};
    int kod = 0;
    bool uruchamia = true;
    QList<QStringList> czekane, odlaczone;
    QList<QProcessEnvironment> srodowiska;
};

// A temporary home and trash; ~/Applications holds an AppImage, ours lies in ~/Downloads, and the
// executable of a /proc of our own lies in APPDIR.
struct Przeniesienie : ::testing::Test
{
    Przeniesienie()
    {
        QFile::link(dom.plik("appdir/bin/tarrowind"), dom.katalog("proc/self") + "/exe");
        for (const char *zmienna : {"APPDIR", "ARGV0", "OWD"})
            o.zmienne.insert(zmienna, dom.sciezka("appdir"));
        o.katalogDomowy = dom.sciezka();
        o.katalogPobranych = dom.katalog("Downloads");
        o.lokalnyKatalogAplikacji = dom.katalog("opt");
        o.katalogiNosnikow = {dom.katalog("media")};
        o.katalogProc = dom.sciezka("proc");
        o.pid = 1;
        o.procesy = &procesy;
        dom.plik("Applications/x.appimage");
        ustawPakiet("Downloads/" + nazwa);
        QDir(kosz).removeRecursively();
        QDir().mkpath(QFileInfo(kosz).path());
    }
    ~Przeniesienie() override { UserDefaults::standard().removeObject(kluczWyciszenia); }
    void ustawPakiet(const QString &wzgledna) { o.zmienne.insert("APPIMAGE", pakiet = dom.plik(wzgledna, tresc)); }
    QByteArray wKoszu(const QString &n) const { return KatalogTestowy::czytaj(kosz + "/files/" + n); }

    KatalogTestowy dom;
    Procesy procesy;
    NagrywarkaAlertow alerty;
    Otoczenie o = Otoczenie::systemowe();
    QString pakiet, cel = dom.sciezka("Applications/" + nazwa);
    const QString kosz = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    const QByteArray tresc = QByteArray("#!/bin/sh\n\x7f\x00\xff binary", 20);
};

using Krok = std::function<void(Przeniesienie &)>;
// What the offer ends with: its answer, the alerts, the destination's bytes ("tresc": ours), our
// file, and the processes left to run after us.
struct Wiersz
{
    const char *nazwa;
    Krok przygotuj;
    bool koniec;
    QStringList komunikaty;
    QString informacja;
    QByteArray celPo;
    bool pakietZostaje;
    qsizetype odlaczone;
    Krok sprawdz = [](Przeniesienie &) {};
};
void PrintTo(const Wiersz &w, std::ostream *os)
{
    *os << w.nazwa;
}
struct Oferta : Przeniesienie, ::testing::WithParamInterface<Wiersz>
{
};

TEST_P(Oferta, EndsAsTheSituationAndTheAnswerSay)
{
    const Wiersz &w = GetParam();
    w.przygotuj(*this);
    EXPECT_EQ(offerMoveToApplicationsFolder(o), w.koniec);
    QStringList komunikaty;
    for (const auto &wpis : alerty.wpisy())
        komunikaty << wpis.alert.messageText();
    EXPECT_EQ(komunikaty, w.komunikaty);
    EXPECT_EQ(komunikaty.isEmpty() ? QString() : alerty.wpisy()[0].alert.informativeText(), w.informacja);
    EXPECT_EQ(KatalogTestowy::czytaj(cel), w.celPo == "tresc" ? tresc : w.celPo);
    EXPECT_EQ(QFile::exists(pakiet), w.pakietZostaje);
    EXPECT_EQ(procesy.odlaczone.size(), w.odlaczone);
    w.sprawdz(*this);
}

const Krok tak = [](Przeniesienie &) {}, nie = [](Przeniesienie &p) { p.alerty.dodajOdpowiedz(1001); };
const Krok niewlasny = [](Przeniesienie &p) { QFile::remove(p.dom.sciezka("Applications/x.appimage")); };
const auto zastan = [](QString wzgledna) {
    return [=](Przeniesienie &p) { p.dom.plik("Applications/" + nazwa + wzgledna, "stara"); };
};
const auto administrator = [](int kod, QStringList programy) {
    return [=](Przeniesienie &p) {
        p.o.moznaZapisac = [](const QString &) { return false; };
        zastan("/stara")(p), p.procesy.kod = kod, p.procesy.dostepne = programy;
    };
};
const auto dzialajaca = [](QByteArray environ) {
    return [=](Przeniesienie &p) {
        p.dom.plik("Applications/" + nazwa, "dziala");
        environ.isEmpty() ? void(QFile::link(p.cel, p.dom.katalog("proc/77") + "/exe"))
                          : void(p.dom.plik("proc/77/environ", environ + QFile::encodeName(p.cel) + '\0'));
    };
};
const auto wKoszu = [](QString n, QByteArray t) { return [=](Przeniesienie &p) { EXPECT_EQ(p.wKoszu(n), t); }; };

INSTANTIATE_TEST_SUITE_P(
    Przeniesienie, Oferta,
    ::testing::Values(
        Wiersz{"Suppressed",
               [](Przeniesienie &) { UserDefaults::standard().setBool(kluczWyciszenia, true); },
               false,
               {},
               {},
               {},
               true,
               0},
        Wiersz{"NotAnAppImage", [](Przeniesienie &p) { p.o.zmienne.remove("APPIMAGE"); }, false, {}, {}, {}, true, 0},
        Wiersz{"InheritedAppImage",
               [](Przeniesienie &p) { p.o.zmienne.insert("APPDIR", p.dom.katalog("x")); },
               false,
               {},
               {},
               {},
               true,
               0},
        Wiersz{"AlreadyInstalled",
               [](Przeniesienie &p) { p.ustawPakiet("Applications/T.AppImage"); },
               false,
               {},
               {},
               {},
               true,
               0},
        Wiersz{"NoApplicationsFolder",
               [](Przeniesienie &p) { niewlasny(p), p.o.lokalnyKatalogAplikacji += "2"; },
               false,
               {},
               {},
               {},
               true,
               0},
        Wiersz{"NotTheUsersOwn",
               [](Przeniesienie &p) { niewlasny(p), nie(p); },
               false,
               {"Move to Applications folder?"},
               zPobranych,
               {},
               true,
               0},
        Wiersz{"NotFromDownloads",
               [](Przeniesienie &p) { p.ustawPakiet("Desktop/" + nazwa), nie(p); },
               false,
               {pytanie},
               sedno,
               {},
               true,
               0},
        Wiersz{"DoNotMove",
               nie,
               false,
               {pytanie},
               zPobranych,
               {},
               true,
               0,
               [](Przeniesienie &p) { EXPECT_FALSE(UserDefaults::standard().hasStoredValue(kluczWyciszenia)); }},
        Wiersz{"DoNotMoveForGood",
               [](Przeniesienie &p) { p.alerty.zaznaczajWyciszenie(true), nie(p); },
               false,
               {pytanie},
               zPobranych,
               {},
               true,
               0,
               [](Przeniesienie &p) { EXPECT_TRUE(UserDefaults::standard().boolForKey(kluczWyciszenia)); }},
        Wiersz{"Move",
               tak,
               true,
               {pytanie},
               zPobranych,
               "tresc",
               false,
               1,
               [](Przeniesienie &p) {
                   EXPECT_EQ(p.wKoszu(nazwa), p.tresc);
                   EXPECT_EQ(p.procesy.odlaczone[0].mid(2), QStringList({"sh", "1", p.cel}));
                   for (const char *zmienna : {"APPDIR", "APPIMAGE", "ARGV0", "OWD"})
                       EXPECT_FALSE(p.procesy.srodowiska[0].contains(zmienna)) << zmienna;
               }},
        // The old copy is in the Trash by then: the user must learn where the new one lies.
        Wiersz{"RelaunchFailed",
               [](Przeniesienie &p) { p.procesy.uruchamia = false; },
               false,
               {pytanie, "Could not move to Applications folder"},
               zPobranych,
               "tresc",
               false,
               1,
               [](Przeniesienie &p) {
                   EXPECT_EQ(p.wKoszu(nazwa), p.tresc);
                   EXPECT_EQ(p.alerty.wpisy()[1].alert.informativeText(),
                             "The new copy lies at \u201C" + p.cel + "\u201D; start it from there.");
               }},
        Wiersz{"OverAnOlderCopy", zastan(""), true, {pytanie}, zPobranych, "tresc", false, 1, wKoszu(nazwa, "stara")},
        Wiersz{"OverAFolder",
               zastan("/stara"),
               true,
               {pytanie},
               zPobranych,
               "tresc",
               false,
               1,
               wKoszu(nazwa + "/stara", "stara")},
        Wiersz{"RunningCopyByExecutable", dzialajaca({}), true, {pytanie}, zPobranych, "dziala", true, 0},
        Wiersz{"RunningCopyByEnvironment",
               dzialajaca(QByteArray("X=1\0APPIMAGE=", 13)),
               true,
               {pytanie},
               zPobranych,
               "dziala",
               true,
               0},
        Wiersz{"PkexecDismissed", administrator(126, {"pkexec"}), false, {pytanie}, zAdministratorem, {}, true, 0},
        Wiersz{"PkexecFailed",
               administrator(127, {"pkexec"}),
               false,
               {pytanie, "Could not move to Applications folder"},
               zAdministratorem,
               {},
               true,
               0},
        Wiersz{"NoPkexec",
               administrator(0, {}),
               false,
               {pytanie, "Could not move to Applications folder"},
               zAdministratorem,
               {},
               true,
               0},
        Wiersz{"PkexecReplacesAFolder",
               administrator(0, {"pkexec"}),
               true,
               {pytanie},
               zAdministratorem,
               "tresc",
               false,
               1,
               [](Przeniesienie &p) {
                   EXPECT_EQ(p.procesy.czekane[0].mid(4), QStringList({p.cel, p.pakiet}));
               }},
        Wiersz{"ReadOnlyVolume",
               [](Przeniesienie &p) {
                   p.ustawPakiet("media/dysk/" + nazwa);
                   p.o.wolumin = [&p](const QString &) { return Wolumin{p.dom.sciezka("media/dysk"), true}; };
               },
               true,
               {pytanie},
               sedno,
               "tresc",
               true,
               2,
               [](Przeniesienie &p) { EXPECT_EQ(p.procesy.odlaczone[1].last(), p.dom.sciezka("media/dysk")); }}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

TEST_F(Przeniesienie, PlacesAreComparedByComponents)
{
    o.lokalnyKatalogAplikacji = "/opt";
    const struct
    {
        QString sciezka;
        bool aplikacje, pobrane;
    } wiersze[] = {{"~/Applications/T", true, false},    {"~/Applications2/T", false, false},
                   {"~/.local/bin/T", true, false},      {"/opt/t/T", true, false},
                   {"/usr/bin/T", true, false},          {"/optional/T", false, false},
                   {"/srv/Applications/T", true, false}, {"~/Downloads/T", false, true},
                   {"~/Downloads2/T", false, false}};
    for (const auto &w : wiersze) {
        const QString sciezka = QString(w.sciezka).replace('~', dom.sciezka());
        EXPECT_EQ(pathLiesInApplicationsFolder(o, sciezka), w.aplikacje) << w.sciezka.toStdString();
        EXPECT_EQ(pathLiesInDownloadsFolder(o, sciezka), w.pobrane) << w.sciezka.toStdString();
    }
}

} // namespace
