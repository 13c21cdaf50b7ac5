#include "App/UslugaAktywacji.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Runs under dbus-run-session only (its own ctest entry), never on the user's bus.
class SzynaSesjiAktywacja : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariable("TARROWIND_PRIVATE_SESSION_BUS") != QLatin1String("1"))
            GTEST_SKIP() << "needs a private session bus: run by its dbus-run-session ctest entry";
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(QStringLiteral("drugie uruchomienie")); }

    static QDBusConnection drugiePolaczenie()
    {
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("drugie uruchomienie"));
    }
};

} // namespace

TEST_F(SzynaSesjiAktywacja, TheFirstLaunchTakesTheNameAndASecondActivatesIt)
{
    UslugaAktywacji pierwsza;
    QSignalSpy aktywacje(&pierwsza, &UslugaAktywacji::aktywowana);
    ASSERT_EQ(pierwsza.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::Zarejestrowana);
    EXPECT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered(UslugaAktywacji::nazwaUslugi));

    UslugaAktywacji druga(drugiePolaczenie());
    EXPECT_EQ(druga.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::Przekazana);
    EXPECT_EQ(aktywacje.count(), 1) << "the running program heard of the launch before it was answered";
}

TEST_F(SzynaSesjiAktywacja, TheNameIsFreeAgainOnceTheRunningProgramHasGone)
{
    {
        UslugaAktywacji pierwsza;
        ASSERT_EQ(pierwsza.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::Zarejestrowana);
    }
    UslugaAktywacji nastepna(drugiePolaczenie());
    EXPECT_EQ(nastepna.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::Zarejestrowana);
}

TEST(UslugaAktywacji, WithoutABusTheProgramRunsOnItsOwn)
{
    UslugaAktywacji usluga(QDBusConnection(QStringLiteral("nie ma takiej szyny")));
    EXPECT_EQ(usluga.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::BezSzyny);
}
