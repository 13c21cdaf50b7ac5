// The one main of every test executable. HOME and the per-user XDG folders point into a
// fresh temporary folder before Qt or any test reads them, so no test touches real settings.

#include "CzasyOczekiwania.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
    std::vector<std::string> doIzolacji = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                           "XDG_STATE_HOME", "XDG_RUNTIME_DIR"};
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

} // namespace

int main(int argc, char **argv)
{
    const std::string katalog = utworzKatalogTymczasowy();
    izolujSrodowisko(katalog);
    QStandardPaths::setTestModeEnabled(true);

    QApplication aplikacja(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QApplication::setApplicationName(QStringLiteral("Tarrowind"));

    ::testing::InitGoogleTest(&argc, argv);
    Opoznienia::ustawDlaTestow(krotkieOpoznienia());
    const int wynik = RUN_ALL_TESTS();

    QDir(QString::fromStdString(katalog)).removeRecursively();
    return wynik;
}
