// Start-up of the real program on a generated portfolio of 10,000 beans in 50 flows and 1,000
// archived: a new process with a temporary home whose settings hold the portfolio's location, on
// the offscreen platform and a private session bus, timed from the process start to its first
// painted browser window. The floor, measured in the same rounds: the bare window program
// (PusteOkno) started the same way, plus the first build of the graph (sharedBazaFasolek on a
// fresh context) over the same folder in this process. One start of each runs unmeasured first,
// so every measured start is warm. Prints one row in wall time and one in the main thread's CPU
// time, then both starts broken down into the steps the programs mark; it passes or fails nothing.
//
//   StartProgramu [rounds]     (default 5)

#include "Model/BazaFasolek.h"
#include "Model/StosCoreData.h"
#include "Platform/ZnacznikiStartu.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QProcess>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace Pomiary;

namespace {

// A session bus of the benchmark's own: a program already running on the desktop's bus would
// take the start over.
class PrywatnaSzyna
{
public:
    PrywatnaSzyna()
    {
        m_demon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (m_demon.waitForStarted() && m_demon.waitForReadyRead())
            m_adres = QString::fromUtf8(m_demon.readLine()).trimmed();
    }
    ~PrywatnaSzyna()
    {
        m_demon.kill();
        m_demon.waitForFinished();
    }
    QString adres() const { return m_adres; }

private:
    QProcess m_demon;
    QString m_adres;
};

// One start: the wall time of each mark from the process start, and the main thread's CPU time
// at it, in milliseconds.
struct Przebieg
{
    std::map<std::string, double> sciana;
    std::map<std::string, double> procesor;

    double odcinek(const char *od, const char *doEtapu) const { return sciana.at(doEtapu) - sciana.at(od); }
    double odcinekProcesora(const char *od, const char *doEtapu) const
    {
        return procesor.at(doEtapu) - procesor.at(od);
    }
};

// Starts the program and reads its marks; the benchmark ends when it reports no painted window.
Przebieg przebiegDoPierwszegoMalowania(const QString &program, const QProcessEnvironment &srodowisko)
{
    QProcess proces;
    proces.setProcessEnvironment(srodowisko);
    proces.setProcessChannelMode(QProcess::SeparateChannels);
    const auto start = Zegar::now();
    proces.start(program, {});
    if (!proces.waitForFinished(60000)) {
        std::fprintf(stderr, "%s did not end\n", qPrintable(program));
        std::exit(1);
    }
    const QByteArray poczatek(ZnacznikiStartu::poczatekLinii);
    Przebieg przebieg;
    for (const QByteArray &linia : proces.readAllStandardOutput().split('\n')) {
        const qsizetype dwukropek = linia.lastIndexOf(':');
        if (!linia.startsWith(poczatek) || dwukropek < 0)
            continue;
        const std::string etap = linia.mid(poczatek.size(), dwukropek - poczatek.size()).toStdString();
        const QList<QByteArray> liczby = linia.mid(dwukropek + 1).trimmed().split(' ');
        if (liczby.size() != 2)
            continue;
        const Zegar::time_point chwila{std::chrono::nanoseconds(liczby[0].toLongLong())};
        przebieg.sciana[etap] = milisekundy(chwila - start);
        przebieg.procesor[etap] = liczby[1].toLongLong() / 1e6;
    }
    if (!przebieg.sciana.count(ZnacznikiStartu::etapNamalowania)) {
        std::fprintf(stderr, "%s reported no paint:\n%s\n", qPrintable(program),
                     proces.readAllStandardError().constData());
        std::exit(1);
    }
    przebieg.sciana["start"] = 0;
    przebieg.procesor["start"] = 0;
    return przebieg;
}

// The steps of a start as the closing note names them; a step the bare window lacks is 0 there.
struct Rozklad
{
    static constexpr int kroki = 8;
    std::array<double, kroki> sciana{};
    std::array<double, kroki> procesor{};
};

constexpr std::array<const char *, Rozklad::kroki> nazwyKrokow = {
    "process start to main",
    "Qt start (application object)",
    "bus and program start-up",
    "graph build",
    "watcher set-up",
    "window and tab set-up",
    "first paint",
    "total",
};

Rozklad rozloz(const Przebieg &p)
{
    using namespace ZnacznikiStartu;
    Rozklad r;
    const bool program = p.sciana.count(etapBudowyGrafu) != 0;
    const auto wypelnij = [&](std::array<double, Rozklad::kroki> &krok, auto odcinek) {
        krok[0] = odcinek("start", etapMain);
        krok[1] = odcinek(etapMain, etapAplikacji);
        krok[2] = program ? odcinek(etapAplikacji, etapUruchomienia) : 0;
        krok[3] = program ? odcinek(etapBudowyGrafu, etapObserwatora) : 0;
        krok[4] = program ? odcinek(etapObserwatora, etapGrafuGotowego) : 0;
        krok[5] = odcinek(etapAplikacji, etapPokazania) - krok[2] - krok[3] - krok[4];
        krok[6] = odcinek(etapPokazania, etapNamalowania);
        krok[7] = odcinek("start", etapNamalowania);
    };
    wypelnij(r.sciana, [&](const char *a, const char *b) { return p.odcinek(a, b); });
    wypelnij(r.procesor, [&](const char *a, const char *b) { return p.odcinekProcesora(a, b); });
    return r;
}

double procesorWatku()
{
    timespec czas{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &czas);
    return czas.tv_sec * 1e3 + czas.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-start-XXXXXX");
    const int rundy = argc > 1 ? std::atoi(argv[1]) : 5;
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(50, 200);

    PrywatnaSzyna szyna;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QString::fromLatin1(ZnacznikiStartu::zmiennaSrodowiska), QStringLiteral("1"));
    srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    srodowisko.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), szyna.adres());
    const QString program = QStringLiteral(TARROWIND_PROGRAM);
    const QString pusteOkno = QStringLiteral(TARROWIND_PUSTE_OKNO);

    // The graph's first build in this process, its wall and CPU time.
    const auto budowaGrafu = [] {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        const double procesor = procesorWatku();
        const double sciana = czas([] { BazaFasolek::sharedBazaFasolek(); });
        return std::pair{sciana, procesorWatku() - procesor};
    };
    przebiegDoPierwszegoMalowania(pusteOkno, srodowisko);
    przebiegDoPierwszegoMalowania(program, srodowisko);
    budowaGrafu();

    std::vector<double> okna, grafy, programy, stosunki, oknaCpu, grafyCpu, programyCpu, stosunkiCpu;
    std::array<std::vector<double>, Rozklad::kroki> krokiOkna, krokiProgramu, krokiOknaCpu, krokiProgramuCpu;
    for (int runda = 0; runda < rundy; ++runda) {
        const Rozklad okno = rozloz(przebiegDoPierwszegoMalowania(pusteOkno, srodowisko));
        const auto [graf, grafCpu] = budowaGrafu();
        const Rozklad start = rozloz(przebiegDoPierwszegoMalowania(program, srodowisko));
        for (int krok = 0; krok < Rozklad::kroki; ++krok) {
            krokiOkna[krok].push_back(okno.sciana[krok]);
            krokiProgramu[krok].push_back(start.sciana[krok]);
            krokiOknaCpu[krok].push_back(okno.procesor[krok]);
            krokiProgramuCpu[krok].push_back(start.procesor[krok]);
        }
        const double calyOkna = okno.sciana.back(), calyProgramu = start.sciana.back();
        const double cpuOkna = okno.procesor.back(), cpuProgramu = start.procesor.back();
        okna.push_back(calyOkna);
        grafy.push_back(graf);
        programy.push_back(calyProgramu);
        stosunki.push_back(calyProgramu / (calyOkna + graf));
        oknaCpu.push_back(cpuOkna);
        grafyCpu.push_back(grafCpu);
        programyCpu.push_back(cpuProgramu);
        stosunkiCpu.push_back(cpuProgramu / (cpuOkna + grafCpu));
    }
    const QString opis = QStringLiteral("%1 beans + %2 archived, %3 warm starts")
                             .arg(portfolio.fasolkiWPotokach)
                             .arg(portfolio.fasolkiZarchiwizowane)
                             .arg(rundy);
    std::printf("%-44s %10s %10s %10s %10s %8s\n", "start to first painted window", "window ms", "graph ms", "floor ms",
                "program ms", "ratio");
    std::printf("%-44s %10.1f %10.1f %10.1f %10.1f %8.2f\n", qPrintable(opis), mediana(okna), mediana(grafy),
                mediana(okna) + mediana(grafy), mediana(programy), mediana(stosunki));
    std::printf("%-44s %10.1f %10.1f %10.1f %10.1f %8.2f\n", "  main thread's CPU time", mediana(oknaCpu),
                mediana(grafyCpu), mediana(oknaCpu) + mediana(grafyCpu), mediana(programyCpu), mediana(stosunkiCpu));
    std::printf("\n%-44s %10s %10s %10s %10s\n", "start-up step (median over the starts)", "window ms", "program ms",
                "window CPU", "program CPU");
    for (int krok = 0; krok < Rozklad::kroki; ++krok)
        std::printf("%-44s %10.1f %10.1f %10.1f %10.1f\n", nazwyKrokow[krok], mediana(krokiOkna[krok]),
                    mediana(krokiProgramu[krok]), mediana(krokiOknaCpu[krok]), mediana(krokiProgramuCpu[krok]));
    return 0;
}
