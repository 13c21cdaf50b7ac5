// The first build of the graph (sharedBazaFasolek on a fresh context) against bare listings
// of the folders that build reads, all measured in the same run on one generated portfolio.
// Prints a table of ratios; it passes or fails nothing.
//
//   BudowaGrafuBench [flows] [beans per flow] [runs]     (default 50 200 7)

#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/StosCoreData.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>

using namespace Pomiary;

namespace {

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

} // namespace

int main(int argc, char **argv)
{
    const int potoki = argc > 1 ? std::atoi(argv[1]) : 50;
    const int fasolkiNaPotok = argc > 2 ? std::atoi(argv[2]) : 200;
    const int powtorzenia = std::max(1, argc > 3 ? std::atoi(argv[3]) : 7);

    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-bench-XXXXXX");
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(potoki, fasolkiNaPotok);
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
        const double sterta = stertaMB();
        start = Zegar::now();
        BazaFasolek *bazaFasolek = BazaFasolek::sharedBazaFasolek();
        czasyBudowy.push_back(milisekundy(Zegar::now() - start));
        wzrostSterty = std::max(wzrostSterty, stertaMB() - sterta);
        if (bazaFasolek->potoki().size() != portfolio.potoki) {
            std::fprintf(stderr, "The build read %lld flows, not %d\n", (long long)bazaFasolek->potoki().size(),
                         portfolio.potoki);
            return 1;
        }
    }

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
