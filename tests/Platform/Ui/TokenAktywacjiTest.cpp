#include "Platform/Ui/TokenAktywacji.h"

#include <QWidget>

#include <gtest/gtest.h>

// Both are carried as the launcher set them; the startup identifier stands in for a missing token.
TEST(TokenAktywacji, BothAreCarriedAndTheStartupIdentifierStandsInForAMissingToken)
{
    const struct
    {
        const char *token;
        const char *identyfikator;
        const char *dlaWaylandu;
    } przypadki[] = {
        {"w", "x_TIME1", "w"},
        {"w", "", "w"},
        {"", "x_TIME1", "x_TIME1"},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(std::string(p.token) + " / " + p.identyfikator);
        qputenv("XDG_ACTIVATION_TOKEN", p.token);
        qputenv("DESKTOP_STARTUP_ID", p.identyfikator);
        const QVariantMap dane = TokenAktywacji::danePlatformyZeSrodowiska();
        EXPECT_EQ(dane.value(TokenAktywacji::kluczTokenu).toString(), QLatin1String(p.token));
        EXPECT_EQ(dane.value(TokenAktywacji::kluczIdentyfikatoraStartu).toString(), QLatin1String(p.identyfikator));
        const TokenAktywacji token = TokenAktywacji::zDanychPlatformy(dane);
        EXPECT_FALSE(token.pusty());
        EXPECT_EQ(token.token(), QLatin1String(p.dlaWaylandu));
    }
    qunsetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("DESKTOP_STARTUP_ID");
    EXPECT_TRUE(TokenAktywacji::danePlatformyZeSrodowiska().isEmpty());
}

// Off X11 the token waits in the environment for Qt's Wayland activation of the window raised; an empty one
// leaves a token there from elsewhere alone.
TEST(TokenAktywacji, OffX11TheTokenGoesWhereQtsWaylandActivationTakesIt)
{
    QWidget okno;
    qputenv("XDG_ACTIVATION_TOKEN", "z-innego-miejsca");
    TokenAktywacji().zastosuj(&okno);
    EXPECT_EQ(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), QStringLiteral("z-innego-miejsca"));
    TokenAktywacji::zDanychPlatformy({{TokenAktywacji::kluczIdentyfikatoraStartu, QStringLiteral("x_TIME9")}})
        .zastosuj(&okno);
    EXPECT_EQ(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), QStringLiteral("x_TIME9"));
    qunsetenv("XDG_ACTIVATION_TOKEN");
}
