// The first build of the graph (sharedBazaFasolek on a fresh context) against bare listings
// of the folders that build reads, all measured in the same run on one generated portfolio.
// Prints a table of ratios; it passes or fails nothing.
//
//   BudowaGrafuBench [flows] [beans per flow] [runs]     (default 50 200 7)

#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"

#include "Support/GeneratorPortfolio.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>

namespace {

using Zegar = std::chrono::steady_clock;

std::string katalogTymczasowy()
{
    std::string wzor = "/tmp/tarrowind-bench-XXXXXX";
    if (!mkdtemp(wzor.data()))
        std::abort();
    return wzor;
}

// HOME and the settings move into the temporary folder before Qt reads them.
void izolujSrodowisko(const std::string &katalog)
{
    setenv("HOME", katalog.c_str(), 1);
    for (const char *zmienna : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const std::string sciezka = katalog + "/" + zmienna;
        mkdir(sciezka.c_str(), 0700);
        setenv(zmienna, sciezka.c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

// Calls `wpis(katalogFd, nazwa, typ)` for each visible entry; false when the folder is missing.
bool listuj(const std::string &katalog, const std::function<void(int, const char *, unsigned char)> &wpis)
{
    DIR *dir = opendir(katalog.c_str());
    if (!dir)
        return false;
    const int fd = dirfd(dir);
    while (dirent *e = readdir(dir)) {
        if (e->d_name[0] != '.')
            wpis(fd, e->d_name, e->d_type);
    }
    closedir(dir);
    return true;
}

enum class Stat { brak, wzgledny, pelnaSciezka };

// The levels the build reads: "All Beans", each flow folder with its five status folders,
// "Archived Beans" and each flow archive. Answers the number of entries seen; `sciezki`,
// when given, receives the path of every bean.
long listujPoziomyBudowy(const std::string &korzen, Stat stat, std::vector<std::string> *sciezki = nullptr)
{
    long wpisy = 0;
    struct stat info;
    auto zlicz = [&](const std::string &katalog, int fd, const char *nazwa) {
        ++wpisy;
        if (stat == Stat::wzgledny)
            fstatat(fd, nazwa, &info, AT_SYMLINK_NOFOLLOW);
        else if (stat == Stat::pelnaSciezka)
            lstat((katalog + "/" + nazwa).c_str(), &info);
    };
    auto fasolki = [&](const std::string &katalog, bool pominKatalogiSpecjalne) {
        listuj(katalog, [&](int fd, const char *nazwa, unsigned char) {
            zlicz(katalog, fd, nazwa);
            if (sciezki && !(pominKatalogiSpecjalne && nazwa[0] == '_'))
                sciezki->push_back(katalog + "/" + nazwa);
        });
    };
    auto podkatalogi = [&](const std::string &katalog) {
        std::vector<std::string> wynik;
        listuj(katalog, [&](int fd, const char *nazwa, unsigned char typ) {
            zlicz(katalog, fd, nazwa);
            if (typ == DT_DIR)
                wynik.push_back(katalog + "/" + nazwa);
        });
        return wynik;
    };
    for (const std::string &potok : podkatalogi(korzen + "/All Beans")) {
        fasolki(potok, true);
        for (const char *status : {"_Waiting_For", "_Inactive", "_Ready", "_Done", "_Incubation"})
            fasolki(potok + "/" + status, false);
    }
    for (const std::string &archiwumPotoku : podkatalogi(korzen + "/Archived Beans"))
        fasolki(archiwumPotoku, false);
    return wpisy;
}

double milisekundy(Zegar::duration czas)
{
    return std::chrono::duration<double, std::milli>(czas).count();
}

double mediana(std::vector<double> wartosci)
{
    std::sort(wartosci.begin(), wartosci.end());
    return wartosci[wartosci.size() / 2];
}

size_t stertaWUzyciu()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

double rssMB()
{
    std::ifstream status("/proc/self/status");
    std::string linia;
    while (std::getline(status, linia)) {
        if (linia.rfind("VmRSS:", 0) == 0)
            return std::strtod(linia.c_str() + 6, nullptr) / 1024.0;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const int potoki = argc > 1 ? std::atoi(argv[1]) : 50;
    const int fasolkiNaPotok = argc > 2 ? std::atoi(argv[2]) : 200;
    const int powtorzenia = std::max(1, argc > 3 ? std::atoi(argv[3]) : 7);

    const std::string dom = katalogTymczasowy();
    izolujSrodowisko(dom);
    QGuiApplication aplikacja(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QGuiApplication::setApplicationName(QStringLiteral("Tarrowind"));

    const QString baza = QString::fromStdString(dom) + QStringLiteral("/baza");
    QDir().mkpath(baza);
    GeneratorPortfolio::Uklad uklad;
    uklad.potoki = potoki;
    uklad.fasolkiNaPotok = fasolkiNaPotok;
    const GeneratorPortfolio::Wynik portfolio = GeneratorPortfolio::zbuduj(baza, uklad);
    if (!portfolio.udany || !SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza)) {
        std::fprintf(stderr, "Could not lay out the portfolio in %s\n", qPrintable(baza));
        return 1;
    }
    const std::string korzen = QFile::encodeName(portfolio.korzen).toStdString();

    // The first build also pays for one-time loads (the MIME database); its RSS growth is
    // reported apart, and the timed runs come after it.
    const double rssPrzed = rssMB();
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    BazaFasolek::sharedBazaFasolek();
    const double rssPierwszejBudowy = rssMB() - rssPrzed;

    std::vector<std::string> sciezkiFasolek;
    listujPoziomyBudowy(korzen, Stat::pelnaSciezka, &sciezkiFasolek);
    QStringList urleFasolek;
    for (const std::string &sciezka : sciezkiFasolek)
        urleFasolek << QFile::decodeName(QByteArray::fromStdString(sciezka));

    std::vector<double> czasyReaddir, czasyFstatat, czasyLstat, czasyBudowy, czasyBytow;
    long wpisy = 0;
    double wzrostSterty = 0;
    for (int i = 0; i < powtorzenia; ++i) {
        auto start = Zegar::now();
        wpisy = listujPoziomyBudowy(korzen, Stat::brak);
        czasyReaddir.push_back(milisekundy(Zegar::now() - start));

        start = Zegar::now();
        listujPoziomyBudowy(korzen, Stat::wzgledny);
        czasyFstatat.push_back(milisekundy(Zegar::now() - start));

        start = Zegar::now();
        listujPoziomyBudowy(korzen, Stat::pelnaSciezka);
        czasyLstat.push_back(milisekundy(Zegar::now() - start));

        // The entity layer's factory alone, once per bean, as the build calls it.
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        start = Zegar::now();
        for (const QString &url : std::as_const(urleFasolek))
            BytSystemuPlikow::bytSystemuPlikowDlaURL(url);
        czasyBytow.push_back(milisekundy(Zegar::now() - start));

        StosCoreData::sharedStosCoreData()->nowyKontekst();
        malloc_trim(0);
        const size_t sterta = stertaWUzyciu();
        start = Zegar::now();
        BazaFasolek *bazaFasolek = BazaFasolek::sharedBazaFasolek();
        czasyBudowy.push_back(milisekundy(Zegar::now() - start));
        wzrostSterty = std::max(wzrostSterty, double(stertaWUzyciu() - sterta) / (1024.0 * 1024.0));
        if (bazaFasolek->potoki().size() != portfolio.potoki) {
            std::fprintf(stderr, "The build read %lld flows, not %d\n", (long long)bazaFasolek->potoki().size(),
                         portfolio.potoki);
            return 1;
        }
    }
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    QDir(QString::fromStdString(dom)).removeRecursively();

    const double readdir = mediana(czasyReaddir);
    const double fstatat = mediana(czasyFstatat);
    const double lstat = mediana(czasyLstat);
    const double budowa = mediana(czasyBudowy);
    const double byty = mediana(czasyBytow);
    std::printf("Portfolio: %d flows x %d beans = %d beans in flows, %d archived; %ld entries on the levels read\n",
                portfolio.potoki, fasolkiNaPotok, portfolio.fasolkiWPotokach, portfolio.fasolkiZarchiwizowane, wpisy);
    std::printf("Median of %d runs, warm cache.\n\n", powtorzenia);
    std::printf("| measurement                                  | time [ms] | x lstat listing | x fstatat listing |\n");
    std::printf("|----------------------------------------------|-----------|-----------------|-------------------|\n");
    auto wiersz = [&](const char *nazwa, double czas) {
        std::printf("| %-44s | %9.2f | %15.2f | %17.2f |\n", nazwa, czas, czas / lstat, czas / fstatat);
    };
    wiersz("readdir listing", readdir);
    wiersz("readdir listing + fstatat(dirfd, name)", fstatat);
    wiersz("readdir listing + lstat(path)", lstat);
    wiersz("sharedBazaFasolek on a fresh context", budowa);
    wiersz("  of which bytSystemuPlikowDlaURL per bean", byty);
    wiersz("  the rest of the build", budowa - byty);
    std::printf("\nTarget: the build within 4x the lstat listing.\n");
    std::printf("\n| memory                                  | MB     | target |\n");
    std::printf("|-----------------------------------------|--------|--------|\n");
    std::printf("| heap growth of one build (largest run)  | %6.1f | < 30   |\n", wzrostSterty);
    std::printf("| RSS growth of the first build           | %6.1f |        |\n", rssPierwszejBudowy);
    return 0;
}
