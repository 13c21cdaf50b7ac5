#include "Platform/Ui/TokenAktywacji.h"
#include "Platform/Ui/PowiadomienieOStarcieX11.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(TokenAktywacji, EachPlatformGetsItsKeyAndTheOtherWhenALauncherSetOnlyOne)
{
    const struct
    {
        const char *token;
        const char *identyfikator;
        const char *dlaWaylandu;
        const char *dlaX11;
    } przypadki[] = {
        {"w", "x_TIME1", "w", "x_TIME1"},
        {"w", "", "w", "w"},
        {"", "x_TIME1", "x_TIME1", "x_TIME1"},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(std::string(p.token) + " / " + p.identyfikator);
        qputenv("XDG_ACTIVATION_TOKEN", p.token);
        qputenv("DESKTOP_STARTUP_ID", p.identyfikator);
        const TokenAktywacji token = TokenAktywacji::zDanychPlatformy(TokenAktywacji::danePlatformyZeSrodowiska());
        EXPECT_FALSE(token.pusty());
        EXPECT_EQ(token.token(), QLatin1String(p.dlaWaylandu));
        EXPECT_EQ(token.identyfikatorStartu(), QLatin1String(p.dlaX11));
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

TEST(PowiadomienieOStarcieX11, TheRemoveMessageQuotesAnIdentifierWithABlankAQuoteOrABackslash)
{
    const struct
    {
        QByteArray identyfikator;
        QByteArray wiadomosc;
    } przypadki[] = {
        {"panel-12_TIME345", "remove: ID=panel-12_TIME345"},
        {"a b", "remove: ID=\"a b\""},
        {"a\"b", "remove: ID=\"a\\\"b\""},
        {"a\\b", "remove: ID=\"a\\\\b\""},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(PowiadomienieOStarcieX11::wiadomoscUsuniecia(p.identyfikator), p.wiadomosc);
}
