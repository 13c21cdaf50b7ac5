#include "Platform/PowiadomienieOLimicieObserwacji.h"
#include "Platform/StrumienInotify.h"

#include "Support/CzasyOczekiwania.h"
#include "Support/KatalogTestowy.h"
#include "Support/LimitObserwacji.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

constexpr double odstepSpojrzenWTescie = 0.3;

// A tree whose root alone gets a watch: "a", "b" and "a/c" are past the limit.
class PonadLimitemObserwacji : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_korzen = m_katalog.katalog(QStringLiteral("drzewo"));
        m_katalog.plik(QStringLiteral("drzewo/a/plik"));
        m_katalog.plik(QStringLiteral("drzewo/a/c/plik"));
        m_katalog.plik(QStringLiteral("drzewo/b/plik"));
        const QString powod = LimitObserwacji::pozwolNaJeszcze(LimitObserwacji::katalogowPowyzej(m_korzen) + 1);
        if (!powod.isEmpty())
            GTEST_SKIP() << qPrintable(powod);
        QObject::connect(PowiadomienieOLimicieObserwacji::instancja(),
                         &PowiadomienieOLimicieObserwacji::limitOsiagniety, &m_kontekst, [this] { ++m_powiadomien; });
        QObject::connect(&m_strumien, &StrumienInotify::zdarzenia, &m_kontekst,
                         [this](const QList<StrumienInotify::Zdarzenie> &partia) {
                             for (const StrumienInotify::Zdarzenie &z : partia)
                                 m_zgloszone.insert(z.sciezka);
                             m_najwiecejWPartii = std::max(m_najwiecejWPartii, int(partia.size()));
                         });
        m_strumien.setOpoznienie(0.05);
        m_strumien.setOdstepSpojrzen(odstepSpojrzenWTescie);
        ASSERT_TRUE(m_strumien.uruchom({m_korzen}));
        // Settled: the walk is over and every folder past the limit has had its first look.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return m_strumien.liczbaNieobserwowanychKatalogow() == 3; }, czasNaZdarzenieMs))
            << m_strumien.liczbaNieobserwowanychKatalogow();
        m_zgloszone.clear();
    }

    QString S(const QString &wzgledna) const { return m_korzen + QLatin1Char('/') + wzgledna; }
    bool czekajNaZgloszenie(const QString &sciezka)
    {
        return QTest::qWaitFor([&] { return m_zgloszone.contains(sciezka); }, czasNaZdarzenieMs);
    }

    KatalogTestowy m_katalog;
    QString m_korzen;
    QObject m_kontekst;
    StrumienInotify m_strumien;
    QSet<QString> m_zgloszone;
    int m_najwiecejWPartii = 0;
    int m_powiadomien = 0;
};

struct ZmianaBezObserwacji
{
    const char *opis;
    std::function<bool(const QString &korzen)> zmien;
    const char *zglaszanyKatalog;
    friend void PrintTo(const ZmianaBezObserwacji &zmiana, std::ostream *os) { *os << zmiana.opis; }
};

class ZmianaPonadLimitemObserwacji : public PonadLimitemObserwacji,
                                     public ::testing::WithParamInterface<ZmianaBezObserwacji>
{
};

} // namespace

TEST_F(PonadLimitemObserwacji, FoldersPastTheLimitAreKnownAndTheLimitToldOnce)
{
    EXPECT_FALSE(m_strumien.czyNieobserwowany(m_korzen));
    for (const char *wzgledna : {"a", "b", "a/c"})
        EXPECT_TRUE(m_strumien.czyNieobserwowany(S(QLatin1String(wzgledna)))) << wzgledna;
    // A few rounds of looks later it is still the one notice.
    przeczekajCisze(int(odstepSpojrzenWTescie * 3000));
    EXPECT_EQ(m_powiadomien, 1);
}

TEST_F(PonadLimitemObserwacji, UnchangedFoldersPastTheLimitAreNotReported)
{
    przeczekajCisze(int(odstepSpojrzenWTescie * 3000));
    EXPECT_TRUE(m_zgloszone.isEmpty()) << qPrintable(QStringList(m_zgloszone.values()).join(QLatin1String(", ")));
}

TEST_F(PonadLimitemObserwacji, AFreedWatchGoesBackToAFolderPastTheLimit)
{
    ASSERT_TRUE(LimitObserwacji::pozwolNaJeszcze(100).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_strumien.liczbaNieobserwowanychKatalogow() == 0; }, czasNaZdarzenieMs));
    EXPECT_EQ(m_strumien.liczbaObserwowanychKatalogow(), 4);
    // Watched now, with nothing left to look at: only the watch can report this.
    m_katalog.plik(QStringLiteral("drzewo/a/c/nowy"));
    EXPECT_TRUE(czekajNaZgloszenie(S(QStringLiteral("a/c"))));
}

TEST_P(ZmianaPonadLimitemObserwacji, IsReportedWithinTheInterval)
{
    ASSERT_TRUE(GetParam().zmien(m_korzen)) << GetParam().opis;
    EXPECT_TRUE(czekajNaZgloszenie(S(QLatin1String(GetParam().zglaszanyKatalog)))) << GetParam().opis;
    EXPECT_LE(m_najwiecejWPartii, StrumienInotify::nieobserwowanychNaTure);
}

INSTANTIATE_TEST_SUITE_P(
    Zmiany, ZmianaPonadLimitemObserwacji,
    ::testing::Values(
        ZmianaBezObserwacji{"a file made",
                            [](const QString &k) { return QFile(k + "/a/nowy").open(QIODevice::WriteOnly); }, "a"},
        ZmianaBezObserwacji{"a file written in place",
                            [](const QString &k) {
                                QFile plik(k + "/b/plik");
                                return plik.open(QIODevice::Append) && plik.write("wiecej") > 0;
                            },
                            "b"},
        ZmianaBezObserwacji{"a file removed", [](const QString &k) { return QFile::remove(k + "/a/c/plik"); }, "a/c"},
        ZmianaBezObserwacji{"a file renamed",
                            [](const QString &k) { return QFile::rename(k + "/b/plik", k + "/b/inny"); }, "b"},
        // Met by the next look and reported as new, with what it holds.
        ZmianaBezObserwacji{"a folder made with a file",
                            [](const QString &k) {
                                return QDir().mkpath(k + "/a/c/d")
                                       && QFile(k + "/a/c/d/plik").open(QIODevice::WriteOnly);
                            },
                            "a/c/d"}),
    [](const ::testing::TestParamInfo<ZmianaBezObserwacji> &wiersz) {
        return std::string("Zmiana") + std::to_string(wiersz.index);
    });
