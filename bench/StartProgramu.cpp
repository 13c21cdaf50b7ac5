// Start-up of the real program on a generated portfolio of 10,000 beans in 50 flows and 1,000
// archived: a new process with a temporary home whose settings hold the portfolio's location, on
// the offscreen platform and a private session bus, timed from the process start to its first
// painted browser window. The floor, measured in the same rounds: the bare window program
// (PusteOkno) started the same way, plus the first build of the graph (sharedBazaFasolek on a
// fresh context) over the same folder in this process. One start of each runs unmeasured first,
// so every measured start is warm. Prints one row; it passes or fails nothing.
//
//   StartProgramu [rounds]     (default 5)

#include "Model/BazaFasolek.h"
#include "Model/StosCoreData.h"
#include "Platform/Ui/ZgloszeniePierwszegoMalowania.h"

#include "Support/Pomiary.h"
#include "Support/StanowiskoPomiarowe.h"

#include <QProcess>

#include <cstdio>
#include <cstdlib>
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

// Milliseconds from the process start to the first paint it reports; the benchmark ends when
// the program reports none.
double doPierwszegoMalowania(const QString &program, const QProcessEnvironment &srodowisko)
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
    const QByteArray poczatek(ZgloszeniePierwszegoMalowania::poczatekLinii);
    for (const QByteArray &linia : proces.readAllStandardOutput().split('\n')) {
        if (linia.startsWith(poczatek)) {
            const Zegar::time_point malowanie{std::chrono::nanoseconds(linia.mid(poczatek.size()).toLongLong())};
            return milisekundy(malowanie - start);
        }
    }
    std::fprintf(stderr, "%s reported no paint:\n%s\n", qPrintable(program), proces.readAllStandardError().constData());
    std::exit(1);
}

} // namespace

int main(int argc, char **argv)
{
    StanowiskoPomiarowe stanowisko(argc, argv, "/tmp/tarrowind-start-XXXXXX");
    const int rundy = argc > 1 ? std::atoi(argv[1]) : 5;
    const GeneratorPortfolio::Wynik portfolio = stanowisko.zbudujPortfolio(50, 200);

    PrywatnaSzyna szyna;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QString::fromLatin1(ZgloszeniePierwszegoMalowania::zmiennaSrodowiska), QStringLiteral("1"));
    srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    srodowisko.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), szyna.adres());
    const QString program = QStringLiteral(TARROWIND_PROGRAM);
    const QString pusteOkno = QStringLiteral(TARROWIND_PUSTE_OKNO);

    const auto budowaGrafu = [] {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        return czas([] { BazaFasolek::sharedBazaFasolek(); });
    };
    doPierwszegoMalowania(pusteOkno, srodowisko);
    doPierwszegoMalowania(program, srodowisko);
    budowaGrafu();

    std::vector<double> okna, grafy, programy, stosunki;
    for (int runda = 0; runda < rundy; ++runda) {
        const double okno = doPierwszegoMalowania(pusteOkno, srodowisko);
        const double graf = budowaGrafu();
        const double start = doPierwszegoMalowania(program, srodowisko);
        okna.push_back(okno);
        grafy.push_back(graf);
        programy.push_back(start);
        stosunki.push_back(start / (okno + graf));
    }
    std::printf("%-44s %10s %10s %10s %10s %8s\n", "start to first painted window", "window ms", "graph ms", "floor ms",
                "program ms", "ratio");
    std::printf("%-44s %10.1f %10.1f %10.1f %10.1f %8.2f\n",
                qPrintable(QStringLiteral("%1 beans + %2 archived, %3 warm starts")
                               .arg(portfolio.fasolkiWPotokach)
                               .arg(portfolio.fasolkiZarchiwizowane)
                               .arg(rundy)),
                mediana(okna), mediana(grafy), mediana(okna) + mediana(grafy), mediana(programy), mediana(stosunki));
    return 0;
}
