#include "App/UslugaAktywacji.h"

#include "Platform/Ui/TokenAktywacji.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>

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
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("drugie uruchomienie"));
        QDBusConnection::disconnectFromBus(QStringLiteral("wiszacy program"));
    }

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

TEST_F(SzynaSesjiAktywacja, TheLaunchersTokenReachesTheRunningProgram)
{
    UslugaAktywacji pierwsza;
    QSignalSpy aktywacje(&pierwsza, &UslugaAktywacji::aktywowana);
    ASSERT_EQ(pierwsza.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::Zarejestrowana);

    qputenv("XDG_ACTIVATION_TOKEN", "token-z-wayland");
    qputenv("DESKTOP_STARTUP_ID", "panel-1234_TIME5678");
    UslugaAktywacji druga(drugiePolaczenie());
    const QVariantMap danePlatformy = TokenAktywacji::danePlatformyZeSrodowiska();
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    ASSERT_EQ(druga.zarejestrujLubPrzekaz(danePlatformy), UslugaAktywacji::Wynik::Przekazana);
    ASSERT_EQ(aktywacje.count(), 1);
    const QVariantMap dane = aktywacje.first().first().toMap();
    EXPECT_EQ(TokenAktywacji::zDanychPlatformy(dane).token(), QStringLiteral("token-z-wayland"));
    EXPECT_EQ(dane.value(TokenAktywacji::kluczIdentyfikatoraStartu).toString(), QStringLiteral("panel-1234_TIME5678"));
}

// A program that holds the name but hangs: its object lives on a thread that never returns to its loop.
TEST_F(SzynaSesjiAktywacja, ALaunchDoesNotRunBesideAProgramThatHoldsTheNameButNeverAnswers)
{
    QThread watek;
    watek.start();
    auto *wiszaca = new UslugaAktywacji(
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("wiszacy program")));
    ASSERT_EQ(wiszaca->zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::Zarejestrowana);
    wiszaca->moveToThread(&watek);
    QSemaphore zawieszenie;
    QMetaObject::invokeMethod(wiszaca, [&zawieszenie] { zawieszenie.acquire(); });

    UslugaAktywacji druga(drugiePolaczenie());
    EXPECT_EQ(druga.zarejestrujLubPrzekaz(), UslugaAktywacji::Wynik::NieOdpowiada);
    EXPECT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered(UslugaAktywacji::nazwaUslugi))
        << "the name stays with the program that holds it";

    zawieszenie.release();
    QMetaObject::invokeMethod(
        wiszaca, [wiszaca] { delete wiszaca; }, Qt::BlockingQueuedConnection);
    watek.quit();
    ASSERT_TRUE(watek.wait(5000));
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
