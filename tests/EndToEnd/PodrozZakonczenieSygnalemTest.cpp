// Journey 5: the desktop ends the session. SIGTERM while a long duplicate runs quits the program as
// Quit does: it ends with status 0, the duplicate is cancelled, and neither a half-made copy nor
// its hidden temporary stays beside the original.

#include "Podroz.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString znajdzKatalogFasolki(const QString &katalog, const QString &nazwa)
{
    QDirIterator it(katalog, {nazwa}, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

QStringList ukryteTymczasowe(const QString &katalog)
{
    return QDir(katalog).entryList({QStringLiteral(".tarrowind-*")}, QDir::AllEntries | QDir::Hidden);
}

} // namespace

TEST_F(Podroz, ZakonczenieSygnalem)
{
    ASSERT_NO_FATAL_FAILURE(
        zapiszPortfolio({.potoki = 1, .fasolkiNaPotok = 12, .fasolkiNaArchiwumPotoku = 0},
                        {{QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji"), szerokoscPaska}}));
    // The first folder bean (row 6, files sort first) grows long to copy.
    const QString projekt =
        znajdzKatalogFasolki(R(QStringLiteral("All Beans/_Main_Flow")), QStringLiteral("Projekt 0006"));
    ASSERT_FALSE(projekt.isEmpty());
    for (int teczka = 0; teczka < 60; ++teczka) {
        const QByteArray sciezka = QFile::encodeName(projekt + QStringLiteral("/teczka %1").arg(teczka));
        ASSERT_EQ(mkdir(sciezka.constData(), 0755), 0);
        for (int plik = 0; plik < 1000; ++plik) {
            const QByteArray nazwa = sciezka + "/plik " + QByteArray::number(plik);
            const int d = open(nazwa.constData(), O_WRONLY | O_CREAT, 0644);
            ASSERT_GE(d, 0);
            ASSERT_EQ(write(d, "tresc\n", 6), 6);
            close(d);
        }
    }
    const QString flow = QFileInfo(projekt).path();
    const QStringList przed = QDir(flow).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno()) << "exactly one browser window";
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    kliknij(wierszListy(6));
    klawisze({QStringLiteral("ctrl+d")});
    ASSERT_TRUE(poczekaj([&] { return !ukryteTymczasowe(flow).isEmpty(); }, czasNaWynikMs)) << "no duplicate began";
    ASSERT_FALSE(istnieje(projekt + QStringLiteral(" copy"))) << "the duplicate ended before the signal";
    zrzut(QStringLiteral("duplicate-under-way"));

    kill(pid_t(m_program.processId()), SIGTERM);
    ASSERT_TRUE(zakonczony()) << "SIGTERM did not end the program";
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 0);
    EXPECT_EQ(QDir(flow).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), przed)
        << "no half bean and no temporary";
    EXPECT_TRUE(ustawienie(QStringLiteral("TemporaryCopy.recorded")).toStringList().isEmpty());
}
