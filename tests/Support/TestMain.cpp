// The one main of every test executable. HOME and the per-user XDG folders point into a
// fresh temporary folder before Qt or any test reads them, so no test touches real settings.

#include "CzasyOczekiwania.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Model/ZapowiedzianePrzybycia.h"
#include "Platform/DelayedOperations.h"
#include "Platform/KatalogiNieczytelne.h"
#include "Platform/NazwyPozaKodowaniem.h"
#include "ProcesDziecka.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::string utworzKatalogTymczasowy()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string wzor = std::string(tmp && *tmp ? tmp : "/tmp") + "/tarrowind-test-XXXXXX";
    if (!mkdtemp(wzor.data()))
        std::abort();
    return wzor;
}

void izolujSrodowisko(const std::string &katalog)
{
    setenv("HOME", katalog.c_str(), 1);
    // Search lists (XDG_DATA_DIRS, XDG_CONFIG_DIRS) name read-only system folders with the
    // MIME database and icon themes; every per-user folder moves into the temporary home.
    std::vector<std::string> doIzolacji = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                                           "XDG_RUNTIME_DIR"};
    for (char **zmienna = environ; *zmienna; ++zmienna) {
        const std::string wpis(*zmienna);
        if (wpis.rfind("XDG_", 0) != 0)
            continue;
        const std::string nazwa = wpis.substr(0, wpis.find('='));
        if (nazwa.size() > 5 && nazwa.compare(nazwa.size() - 5, 5, "_DIRS") == 0)
            continue;
        if (std::find(doIzolacji.begin(), doIzolacji.end(), nazwa) == doIzolacji.end())
            doIzolacji.push_back(nazwa);
    }
    for (const std::string &nazwa : doIzolacji) {
        const std::string sciezka = katalog + "/xdg/" + nazwa;
        mkdir((katalog + "/xdg").c_str(), 0700);
        mkdir(sciezka.c_str(), 0700);
        setenv(nazwa.c_str(), sciezka.c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("APP_SANDBOX_CONTAINER_ID");
}

// A binary runs many tests in one process, as a developer runs it: what one test leaves behind
// (windows, stored settings, the graph, files in the home folder) must not reach the next.
class SprzatanieMiedzyTestami : public ::testing::EmptyTestEventListener
{
public:
    explicit SprzatanieMiedzyTestami(std::string katalog)
        : m_katalog(std::move(katalog))
        , m_srodowisko(srodowisko())
    {
    }

    void OnTestEnd(const ::testing::TestInfo &) override
    {
        zamknijOkna();
        dokonczOdlozonePrace();
        przywrocSrodowisko();
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        usunUstawienia();
        SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
        NazwyPozaKodowaniem::instance().zapomnijZgloszone();
        KatalogiNieczytelne::instance().zapomnijZgloszone();
        ZapowiedzianePrzybycia::instancja()->zapomnij();
        oproznijDom();
    }

private:
    static std::map<std::string, std::string> srodowisko()
    {
        std::map<std::string, std::string> wynik;
        for (char **zmienna = environ; *zmienna; ++zmienna) {
            const std::string wpis(*zmienna);
            const auto rowne = wpis.find('=');
            if (rowne != std::string::npos)
                wynik.emplace(wpis.substr(0, rowne), wpis.substr(rowne + 1));
        }
        return wynik;
    }

    // A test that plays a sandbox or another platform sets variables the next one must not see.
    void przywrocSrodowisko() const
    {
        for (const auto &[nazwa, wartosc] : srodowisko()) {
            if (!m_srodowisko.count(nazwa))
                unsetenv(nazwa.c_str());
        }
        for (const auto &[nazwa, wartosc] : m_srodowisko)
            setenv(nazwa.c_str(), wartosc.c_str(), 1);
    }

    // Windows a test left open stay in the window registry and count as the program's windows. They
    // close as the user closes them, hidden ones too when closing deletes them; other hidden widgets
    // without a parent may belong to a living owner.
    static void zamknijOkna()
    {
        for (QWidget *okno : QApplication::topLevelWidgets()) {
            if (okno->isVisible() || okno->testAttribute(Qt::WA_DeleteOnClose))
                okno->close();
        }
        usunOdlozone();
    }

    static void usunOdlozone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Work a test put off runs before the next test starts, not in its middle: a block without a context would act
    // on the next test's windows and graph, and a settle that waits for the queue to empty would wait for it. The
    // delays are short in tests; a block of a context that went is dropped when its moment comes.
    static void dokonczOdlozonePrace()
    {
        if (!QTest::qWaitFor([] { return DelayedOperations::liczbaOczekujacych() == 0; }, 5000))
            std::fprintf(stderr, "Work the test put off was still waiting 5 s after it.\n");
        usunOdlozone();
    }

    // QSettings shares one cache per file, so clearing through a second object clears what
    // UserDefaults reads too. The file goes as well: a test may stand a folder in its place.
    static void usunUstawienia()
    {
        QSettings ustawienia(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarrowind"),
                             QStringLiteral("Tarrowind"));
        ustawienia.clear();
        ustawienia.sync();
        usunWpis(QFileInfo(ustawienia.fileName()));
    }

    static void usunWpis(const QFileInfo &wpis)
    {
        if (wpis.isDir() && !wpis.isSymLink())
            QDir(wpis.filePath()).removeRecursively();
        else
            QFile::remove(wpis.filePath());
    }

    // Folders a test made in the home folder (Downloads, a portfolio) are gone for the next one;
    // the per-user XDG folders and the settings' folder stay, as QSettings makes its folder only once.
    void oproznijDom() const
    {
        const QDir dom(QString::fromStdString(m_katalog));
        for (const QString &nazwa :
             dom.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            if (nazwa == QLatin1String("xdg") || nazwa == QLatin1String(".qttest"))
                continue;
            usunWpis(QFileInfo(dom.filePath(nazwa)));
        }
    }

    std::string m_katalog;
    std::map<std::string, std::string> m_srodowisko;
};

} // namespace

int main(int argc, char **argv)
{
    // A test that runs a step of the program in a child process (to kill it there) gives the child
    // its own home, settings and all; the child leaves them to the parent.
    const char *domRodzica = std::getenv(zmiennaDomuRodzica);
    const bool dziecko = domRodzica && *domRodzica;
    const std::string katalog = dziecko ? std::string(domRodzica) : utworzKatalogTymczasowy();
    izolujSrodowisko(katalog);
    QStandardPaths::setTestModeEnabled(true);

    QApplication aplikacja(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QApplication::setApplicationName(QStringLiteral("Tarrowind"));

    ::testing::InitGoogleTest(&argc, argv);
    if (!dziecko)
        ::testing::UnitTest::GetInstance()->listeners().Append(new SprzatanieMiedzyTestami(katalog));
    Opoznienia::ustawDlaTestow(krotkieOpoznienia());
    const int wynik = RUN_ALL_TESTS();

    if (!dziecko)
        QDir(QString::fromStdString(katalog)).removeRecursively();
    return wynik;
}
