#include "Model/OperacjeTestowe.h"

#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/SCEvents.h"
#include "Platform/StrumienInotify.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/LimitObserwacji.h"

#include <QFile>
#include <QTest>

#include <functional>
#include <ostream>

namespace {

// A portfolio whose flow folders get the last watches: the status folders are past the limit.
class ObserwatorPonadLimitemObserwacji : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        katalog(QStringLiteral("All Beans/_Main_Flow"));
        katalog(QStringLiteral("Archived Beans"));
        plik(QStringLiteral("All Beans/Flow/_Ready/Stara.txt"));
        // The folders above the roots, the two roots and the two flow folders.
        const QString powod =
            LimitObserwacji::pozwolNaJeszcze(LimitObserwacji::katalogowPowyzej(R(QStringLiteral("All Beans"))) + 2 + 2);
        if (!powod.isEmpty())
            GTEST_SKIP() << qPrintable(powod);
    }
    void TearDown() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        OperacjeTestowe::TearDown();
    }

    // Builds the graph with a watcher that looks at the unwatched folders every `odstep` seconds,
    // and waits until "_Ready" is known to be one of them.
    bool zbudujPonadLimitem(double odstep)
    {
        ObserwatorZmianNaDysku::zainstaluj(0.05, odstep);
        auto *obserwator = dynamic_cast<ObserwatorZmianNaDysku *>(baza()->obserwatorZmianNaDysku());
        return obserwator
               && QTest::qWaitFor(
                   [&] {
                       return obserwator->events()
                              && obserwator->events()->czyNieobserwowany(R(QStringLiteral("All Beans/Flow/_Ready")));
                   },
                   czasNaZdarzenieMs);
    }
    QStringList fasolkiPotoku()
    {
        QStringList nazwy;
        if (Potok *flow = potok(QStringLiteral("Flow"))) {
            for (Fasolka *f : flow->fasolki().elementy())
                nazwy << f->nazwa();
        }
        nazwy.sort();
        return nazwy;
    }
};

struct ZmianaInnegoProgramu
{
    const char *opis;
    std::function<bool(const QString &ready)> zmien;
    QStringList fasolkiPotem;
    friend void PrintTo(const ZmianaInnegoProgramu &zmiana, std::ostream *os) { *os << zmiana.opis; }
};

class ZmianaInnegoProgramuPonadLimitemObserwacji : public ObserwatorPonadLimitemObserwacji,
                                                   public ::testing::WithParamInterface<ZmianaInnegoProgramu>
{
};

} // namespace

TEST_P(ZmianaInnegoProgramuPonadLimitemObserwacji, ReachesTheGraphWithinTheInterval)
{
    ASSERT_TRUE(zbudujPonadLimitem(0.5));
    ASSERT_EQ(fasolkiPotoku(), QStringList{QStringLiteral("Stara.txt")});
    ASSERT_TRUE(GetParam().zmien(R(QStringLiteral("All Beans/Flow/_Ready")))) << GetParam().opis;
    EXPECT_TRUE(QTest::qWaitFor([&] { return fasolkiPotoku() == GetParam().fasolkiPotem; }, czasNaZdarzenieMs))
        << GetParam().opis << ": " << qPrintable(fasolkiPotoku().join(QLatin1String(", ")));
}

INSTANTIATE_TEST_SUITE_P(
    Zmiany, ZmianaInnegoProgramuPonadLimitemObserwacji,
    ::testing::Values(
        ZmianaInnegoProgramu{"a bean made",
                             [](const QString &ready) { return QFile(ready + "/Nowa.txt").open(QIODevice::WriteOnly); },
                             {QStringLiteral("Nowa.txt"), QStringLiteral("Stara.txt")}},
        ZmianaInnegoProgramu{
            "a bean removed", [](const QString &ready) { return QFile::remove(ready + "/Stara.txt"); }, {}},
        ZmianaInnegoProgramu{
            "a bean renamed",
            [](const QString &ready) { return QFile::rename(ready + "/Stara.txt", ready + "/Inna.txt"); },
            {QStringLiteral("Inna.txt")}}),
    [](const ::testing::TestParamInfo<ZmianaInnegoProgramu> &wiersz) {
        return std::string("Zmiana") + std::to_string(wiersz.index);
    });

TEST_F(ObserwatorPonadLimitemObserwacji, AShownFlowIsReadAgainAtOnce)
{
    // No look comes during the test: only the view's showing can bring the bean in.
    ASSERT_TRUE(zbudujPonadLimitem(3600));
    plik(QStringLiteral("All Beans/Flow/_Ready/Nowa.txt"));
    przeczekajCisze();
    ASSERT_EQ(fasolkiPotoku(), QStringList{QStringLiteral("Stara.txt")});
    baza()->odczytajPokazanyObiekt(potok(QStringLiteral("Flow")));
    EXPECT_EQ(fasolkiPotoku(), (QStringList{QStringLiteral("Nowa.txt"), QStringLiteral("Stara.txt")}));
}
