// Comparing a folder with its objects must cost little more than listing the folder, and
// sorting items by name must not touch the disk. Each ratio is measured against a floor
// taken in the same run; the program fails when a ratio passes its limit.

#include "Model/BytKatalogu.h"
#include "Model/StosCoreData.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <map>
#include <string>

namespace {

constexpr int liczbaWpisow = 1000;
constexpr int liczbaDoSortowania = 10000;
constexpr double limitPorownania = 3.0;
constexpr double limitSortowania = 3.0;

QTemporaryDir &katalog()
{
    static QTemporaryDir dir;
    static const bool wypelniony = [] {
        for (int i = 0; i < liczbaWpisow; ++i) {
            // Some names carry Polish letters, as beans do, so the NFC path is taken too.
            const QString nazwa = (i % 10 == 0 ? QStringLiteral("Żółw %1") : QStringLiteral("fasolka %1")).arg(i);
            QFile plik(dir.path() + QLatin1Char('/') + nazwa);
            if (!plik.open(QIODevice::WriteOnly))
                std::abort();
        }
        return true;
    }();
    Q_UNUSED(wypelniony);
    return dir;
}

// The floor: one readdir pass turning each name into a string, nothing more.
void GolyListing(benchmark::State &stan)
{
    const QByteArray sciezka = QFile::encodeName(katalog().path());
    for (auto _ : stan) {
        QStringList nazwy;
        DIR *dir = opendir(sciezka.constData());
        while (const dirent *wpis = readdir(dir)) {
            if (wpis->d_name[0] != '.')
                nazwy.append(QFile::decodeName(wpis->d_name));
        }
        closedir(dir);
        benchmark::DoNotOptimize(nazwy);
    }
}

void PorownanieZObiektami(benchmark::State &stan)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    BytKatalogu *byt = BytSystemuPlikow::bytKataloguDlaURL(katalog().path());
    if (byt->bytyWewnetrzne().size() != liczbaWpisow)
        std::abort();
    for (auto _ : stan)
        byt->synchronizujZDyskiem();
}

const QStringList &nazwyDoSortowania()
{
    static const QStringList nazwy = [] {
        QStringList wynik;
        for (int i = 0; i < liczbaDoSortowania; ++i)
            wynik.append(QStringLiteral("fasolka %1").arg((i * 7919) % liczbaDoSortowania));
        return wynik;
    }();
    return nazwy;
}

// The floor: the same names sorted as plain strings.
void SortowanieNapisow(benchmark::State &stan)
{
    for (auto _ : stan) {
        QStringList kopia = nazwyDoSortowania();
        std::sort(kopia.begin(), kopia.end());
        benchmark::DoNotOptimize(kopia);
    }
}

void SortowanieBytowPoNazwie(benchmark::State &stan)
{
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    QList<BytSystemuPlikow *> byty;
    for (const QString &nazwa : nazwyDoSortowania()) {
        auto *byt = StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>();
        byt->setPlikowyURL(katalog().path() + QLatin1Char('/') + nazwa);
        byty.append(byt);
    }
    for (auto _ : stan) {
        QList<BytSystemuPlikow *> kopia = byty;
        std::sort(kopia.begin(), kopia.end(), [](BytSystemuPlikow *a, BytSystemuPlikow *b) {
            return a->nazwaZlokalizowana() < b->nazwaZlokalizowana();
        });
        benchmark::DoNotOptimize(kopia);
    }
}

// Keeps each run's time per iteration so the ratios can be printed after the table.
class ZbierajacyRaport : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> czasy;

    void ReportRuns(const std::vector<Run> &przebiegi) override
    {
        for (const Run &przebieg : przebiegi)
            czasy[przebieg.run_name.function_name] = przebieg.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(przebiegi);
    }
};

bool sprawdzStosunek(const ZbierajacyRaport &raport, const char *mierzony, const char *podloga, double limit)
{
    const auto m = raport.czasy.find(mierzony);
    const auto p = raport.czasy.find(podloga);
    if (m == raport.czasy.end() || p == raport.czasy.end() || p->second <= 0)
        return true;
    const double stosunek = m->second / p->second;
    const bool wGranicy = stosunek <= limit;
    std::printf("%s / %s = %.2f (limit %.2f) %s\n", mierzony, podloga, stosunek, limit, wGranicy ? "OK" : "ZA WOLNO");
    return wGranicy;
}

} // namespace

BENCHMARK(GolyListing)->MinTime(0.3);
BENCHMARK(PorownanieZObiektami)->MinTime(0.3);
BENCHMARK(SortowanieNapisow)->MinTime(0.3);
BENCHMARK(SortowanieBytowPoNazwie)->MinTime(0.3);

int main(int argc, char **argv)
{
    QCoreApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    ZbierajacyRaport raport;
    benchmark::RunSpecifiedBenchmarks(&raport);
    benchmark::Shutdown();
    bool wGranicach = sprawdzStosunek(raport, "PorownanieZObiektami", "GolyListing", limitPorownania);
    wGranicach = sprawdzStosunek(raport, "SortowanieBytowPoNazwie", "SortowanieNapisow", limitSortowania) && wGranicach;
    return wGranicach ? 0 : 1;
}
