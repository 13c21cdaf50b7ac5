#include "Platform/FileOperations.h"
#include "Platform/Paths.h"
#include "Platform/PrzenoszenieKatalogu.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class DzialanieZNazwa { Przemianowanie, PrzeniesienieNaInnySystem, PrzenoszenieKatalogu };

struct NazwaWPrzyczynie
{
    const char *opis;
    DzialanieZNazwa dzialanie;
    bool nazwaZaDluga;      // the name typed is one byte over the file system's limit
    bool celTylkoDoOdczytu; // only an ordinary user is stopped by it
};

void PrintTo(const NazwaWPrzyczynie &przypadek, std::ostream *os)
{
    *os << przypadek.opis;
}

class NazwyWPrzyczynachBledu : public ::testing::TestWithParam<NazwaWPrzyczynie>
{
protected:
    KatalogTestowy dir;
};

// A failure names the folder the user moved or the name typed, never the old name or a hidden temporary copy.
TEST_P(NazwyWPrzyczynachBledu, TheReasonNamesWhatTheUserActedOnOrTyped)
{
    const NazwaWPrzyczynie &przypadek = GetParam();
    if (przypadek.celTylkoDoOdczytu && geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder; the ctest entry Nieuprzywilejowany runs this case";
    std::unique_ptr<QTemporaryDir> inny;
    QString katalogDocelowy = dir.sciezka();
    if (przypadek.dzialanie != DzialanieZNazwa::Przemianowanie) {
        inny = KatalogTestowy::katalogNaInnymSystemiePlikow(dir.sciezka());
        if (!inny)
            GTEST_SKIP() << "/dev/shm and the temporary folder are on one file system";
        katalogDocelowy = inny->path() + QStringLiteral("/cel");
        ASSERT_TRUE(QDir().mkpath(katalogDocelowy));
    }
    const QString zrodlo = dir.sciezka(QStringLiteral("plain"));
    ASSERT_TRUE(QDir().mkpath(zrodlo + QStringLiteral("/teczka")));
    QFile plik(zrodlo + QStringLiteral("/teczka/plik.txt"));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly) && plik.write("P") == 1);
    plik.close();
    if (przypadek.celTylkoDoOdczytu)
        chmod(QFile::encodeName(katalogDocelowy).constData(), 0555);

    const QString wpisana = przypadek.nazwaZaDluga ? QString(256, QLatin1Char('x')) : QStringLiteral("plain");
    BladOperacji blad;
    bool udane = false;
    if (przypadek.dzialanie == DzialanieZNazwa::PrzenoszenieKatalogu) {
        PrzenoszenieKatalogu przenoszenie(zrodlo, katalogDocelowy);
        int raporty = 0;
        QObject::connect(&przenoszenie, &PrzenoszenieKatalogu::zakonczone, [&](int status, const BladOperacji &b) {
            udane = status == 0;
            blad = b;
            ++raporty;
        });
        ASSERT_TRUE(przenoszenie.rozpocznij(&blad)) << blad.przyczyna.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return raporty > 0; }, 30000));
    } else {
        udane = FileOperations::moveNoReplace(zrodlo, Paths::join(katalogDocelowy, wpisana), &blad);
    }
    chmod(QFile::encodeName(katalogDocelowy).constData(), 0755);

    EXPECT_FALSE(udane);
    const std::string przyczyna = blad.przyczyna.toStdString();
    EXPECT_TRUE(blad.przyczyna.contains(QStringLiteral("\u201C%1\u201D").arg(wpisana))) << przyczyna;
    EXPECT_FALSE(blad.przyczyna.contains(QStringLiteral(".tarrowind-"))) << przyczyna;
    if (przypadek.nazwaZaDluga) {
        EXPECT_FALSE(blad.przyczyna.contains(QStringLiteral("\u201Cplain\u201D"))) << przyczyna;
    }
    EXPECT_EQ(KatalogTestowy::czytaj(zrodlo + QStringLiteral("/teczka/plik.txt")), "P");
    if (inny) {
        EXPECT_TRUE(QDir(katalogDocelowy).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Nazwy, NazwyWPrzyczynachBledu,
    ::testing::Values(NazwaWPrzyczynie{"RenameToATooLongName", DzialanieZNazwa::Przemianowanie, true, false},
                      NazwaWPrzyczynie{"MoveToAnotherFileSystemUnderATooLongName",
                                       DzialanieZNazwa::PrzeniesienieNaInnySystem, true, false}),
    [](const ::testing::TestParamInfo<NazwaWPrzyczynie> &wiersz) { return std::string(wiersz.param.opis); });

// The ctest entry "nieuprzywilejowany" runs these as an ordinary user.
INSTANTIATE_TEST_SUITE_P(NieuprzywilejowaneNazwy, NazwyWPrzyczynachBledu,
                         ::testing::Values(NazwaWPrzyczynie{"MoveToAnotherFileSystemIntoAReadOnlyFolder",
                                                            DzialanieZNazwa::PrzeniesienieNaInnySystem, false, true},
                                           NazwaWPrzyczynie{"MigrationIntoAReadOnlyFolder",
                                                            DzialanieZNazwa::PrzenoszenieKatalogu, false, true}),
                         [](const ::testing::TestParamInfo<NazwaWPrzyczynie> &wiersz) {
                             return std::string(wiersz.param.opis);
                         });

} // namespace
