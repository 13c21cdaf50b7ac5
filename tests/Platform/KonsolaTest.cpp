#include "Platform/Konsola.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

class KonsolaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Konsola::ustawWyjscie([this](const QByteArray &linia) { linie.append(linia); });
        Konsola::ustawZegar([this] { return chwila; });
    }
    void TearDown() override
    {
        Konsola::ustawWyjscie({});
        Konsola::ustawZegar({});
    }

    QList<QByteArray> linie;
    std::chrono::steady_clock::time_point chwila{};
};

TEST_F(KonsolaTest, FormatWithoutPlaceholdersIsWrittenUnchangedWithOneNewline)
{
    drukujLinie(QStringLiteral("Błąd: 100% pewne"));
    ASSERT_EQ(linie.size(), 1);
    EXPECT_EQ(linie[0], QStringLiteral("Błąd: 100% pewne\n").toUtf8());
}

TEST_F(KonsolaTest, PlaceholdersAreFilledOnceSoArgumentsKeepTheirPercentSigns)
{
    drukujLinie(QStringLiteral("Błąd: %1 %2"), QStringLiteral("a %2 b"), 7);
    EXPECT_EQ(linie.value(0), QByteArray("B\xc5\x82\xc4\x85"
                                         "d: a %2 b 7\n"));
}

TEST_F(KonsolaTest, TimeSinceLastCallStartsAtZeroAndShowsThreeDecimals)
{
    drukujCzasOdOstatniego(QStringLiteral("start "));
    chwila += std::chrono::milliseconds(1500);
    drukujCzasOdOstatniego(QStringLiteral("start "));
    ASSERT_EQ(linie.size(), 2);
    EXPECT_EQ(linie[0], QByteArray("start 0.000 sek\n"));
    EXPECT_EQ(linie[1], QByteArray("start 1.500 sek\n"));
}

TEST_F(KonsolaTest, TimeWithoutFormatWritesNothingAndRestartsTheClock)
{
    drukujCzasOdOstatniego(QStringLiteral("a "));
    chwila += std::chrono::seconds(3);
    drukujCzasOdOstatniego();
    chwila += std::chrono::milliseconds(250);
    drukujCzasOdOstatniego(QStringLiteral("b "));
    ASSERT_EQ(linie.size(), 2);
    EXPECT_EQ(linie[1], QByteArray("b 0.250 sek\n"));
}

} // namespace
