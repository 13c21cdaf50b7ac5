#include "ProcesDziecka.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>
#include <QUuid>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char zmiennaGotowosci[] = "TARROWIND_TEST_PLIK_GOTOWOSCI";

} // namespace

ProcesDziecka::ProcesDziecka(const QString &test, const QMap<QString, QString> &zmienne)
    : m_plikGotowosci(QDir::homePath() + QStringLiteral("/.gotowe-") + QUuid::createUuid().toString(QUuid::Id128))
{
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QString::fromLatin1(zmiennaDomuRodzica), QDir::homePath());
    srodowisko.insert(QString::fromLatin1(zmiennaGotowosci), m_plikGotowosci);
    for (auto it = zmienne.cbegin(); it != zmienne.cend(); ++it)
        srodowisko.insert(it.key(), it.value());
    m_proces.setProcessEnvironment(srodowisko);
    m_proces.setProcessChannelMode(QProcess::MergedChannels);
    m_proces.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=") + test});
}

ProcesDziecka::~ProcesDziecka()
{
    zabij();
    QFile::remove(m_plikGotowosci);
}

bool ProcesDziecka::czekajNaGotowosc(int ms)
{
    return QTest::qWaitFor([&] { return QFile::exists(m_plikGotowosci) || m_proces.state() == QProcess::NotRunning; },
                           ms)
           && QFile::exists(m_plikGotowosci);
}

void ProcesDziecka::zabij()
{
    if (m_proces.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_proces.processId()), SIGKILL);
    m_proces.waitForFinished(10000);
}

QString ProcesDziecka::wyjscie()
{
    m_wyjscie += QString::fromLocal8Bit(m_proces.readAll());
    return m_wyjscie;
}

bool ProcesDziecka::jestemDzieckiem()
{
    const char *plik = std::getenv(zmiennaGotowosci);
    return plik && *plik;
}

void ProcesDziecka::zglosGotowoscICzekajNaSmierc()
{
    // Only system calls here: a copying thread calls this in the middle of its work.
    const char *plik = std::getenv(zmiennaGotowosci);
    const int deskryptor = plik ? ::open(plik, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600) : -1;
    if (deskryptor >= 0)
        ::close(deskryptor);
    for (;;)
        ::pause();
}
