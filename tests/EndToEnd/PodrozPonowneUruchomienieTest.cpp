// A second launch of the real program, with the launcher's startup identifier: with only Preferences left it
// opens a browser window; Escape closes Preferences; the windows carry the launcher entry's icon; and a
// launch that finds the program hanging says so and ends, without a window of its own or a change to the settings.

#include "Podroz.h"

#include "Platform/UserDefaults.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <signal.h>

namespace {

class PonowneUruchomienie : public Podroz
{
protected:
    QString xprop(const QString &okno, const QString &wlasnosc) const
    {
        // xprop reads only the first bytes of a property unless told more: the icon's sizes follow one another.
        return uruchom(m_xprop,
                       {QStringLiteral("-len"), QStringLiteral("4000000"), QStringLiteral("-id"), okno, wlasnosc});
    }

    // A later launch with `srodowisko`, which the test waits for.
    void uruchomPonownie(QProcess &proces, const QProcessEnvironment &srodowisko)
    {
        proces.setProcessEnvironment(srodowisko);
        proces.start(m_sciezkaProgramu, {});
        ASSERT_TRUE(proces.waitForStarted(5000));
    }

    // The one window of `okna()` that is not `inne`.
    QString oknoInneNiz(const QString &inne) const
    {
        for (const QString &okno : okna())
            if (okno != inne)
                return okno;
        return {};
    }

    const QString m_xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
};

} // namespace

TEST_F(PonowneUruchomienie, OnlyPreferencesLeftTheLaunchersTokenAndAHangingProgram)
{
    ASSERT_FALSE(m_xprop.isEmpty()) << "needs xprop (x11-utils)";
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) << "run under dbus-run-session";
    ASSERT_NO_FATAL_FAILURE(zapiszPortfolio({.potoki = 1, .fasolkiNaPotok = 4, .fasolkiNaArchiwumPotoku = 1}));
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno()) << "exactly one browser window";
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    const QString ikona = xprop(m_okno, QStringLiteral("_NET_WM_ICON"));
    for (const char *rozmiar : {"Icon (16 x 16)", "Icon (48 x 48)", "Icon (256 x 256)"})
        EXPECT_TRUE(ikona.contains(QLatin1String(rozmiar)))
            << rozmiar << " missing from " << ikona.left(80).toStdString();

    // Preferences, then Close Window on the browser window: Preferences alone is left.
    const QString przegladarka = m_okno;
    klawisze({QStringLiteral("ctrl+comma")});
    ASSERT_TRUE(poczekaj([&] { return okna().size() == 2; }, czasNaWynikMs)) << "Preferences did not open";
    const QString preferencje = oknoInneNiz(przegladarka);
    EXPECT_TRUE(xprop(preferencje, QStringLiteral("_NET_WM_ICON")).contains(QLatin1String("Icon (256 x 256)")));
    aktywujOkno();
    klawisze({QStringLiteral("ctrl+shift+w")});
    ASSERT_TRUE(poczekaj([&] { return okna() == QStringList{preferencje}; }, czasNaWynikMs))
        << "the browser window did not close";
    m_okno = preferencje;
    zrzut(QStringLiteral("only-preferences"));

    // The launcher starts the program again with its startup identifier.
    const QString identyfikator =
        QStringLiteral("tarrowind-proba-%1_TIME%2").arg(m_program.processId()).arg(QDateTime::currentSecsSinceEpoch());
    QProcessEnvironment zLaunchera = m_srodowisko;
    zLaunchera.insert(QStringLiteral("DESKTOP_STARTUP_ID"), identyfikator);
    QProcess drugie;
    ASSERT_NO_FATAL_FAILURE(uruchomPonownie(drugie, zLaunchera));
    ASSERT_TRUE(drugie.waitForFinished(15000));
    EXPECT_EQ(drugie.exitCode(), 0);
    ASSERT_TRUE(poczekaj([&] { return okna().size() == 2; }, czasNaWynikMs)) << "no browser window came";
    m_okno = oknoInneNiz(preferencje);
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    EXPECT_TRUE(poczekaj([&] { return xdotool({QStringLiteral("getwindowfocus")}) == m_okno; }, 5000))
        << "the new window has the keyboard";
    // The scope bar's "In Work", once the window is laid out.
    EXPECT_TRUE(poczekaj([&] { return pokazujeCos(QRect(220, 55, 50, 14)); }, czasNaWynikMs));
    zrzut(QStringLiteral("second-launch-opened-a-browser-window"));

    // Escape closes Preferences.
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), preferencje});
    xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(poczekaj([&] { return okna() == QStringList{m_okno}; }, czasNaWynikMs)) << "Preferences stayed";

    // The program hangs: a launch says so, ends with a failure and leaves the settings as they were.
    const QString plikUstawien = UserDefaults::standard().fileName();
    QFile ustawienia(plikUstawien);
    ASSERT_TRUE(ustawienia.open(QIODevice::ReadOnly));
    const QByteArray ustawieniaPrzed = ustawienia.readAll();
    ustawienia.close();
    const QDateTime zmianaPrzed = QFileInfo(plikUstawien).lastModified();
    const QString dzialajace = m_okno;
    ASSERT_EQ(::kill(pid_t(m_program.processId()), SIGSTOP), 0);
    QProcess trzecie;
    trzecie.setProcessChannelMode(QProcess::SeparateChannels);
    ASSERT_NO_FATAL_FAILURE(uruchomPonownie(trzecie, m_srodowisko));
    EXPECT_TRUE(poczekaj([&] { return !okna(trzecie).isEmpty() || trzecie.state() == QProcess::NotRunning; }, 20000));
    const QStringList oknaTrzeciego = okna(trzecie);
    ASSERT_EQ(oknaTrzeciego.size(), 1) << "one alert, no window of its own";
    m_okno = oknaTrzeciego.first();
    zrzut(QStringLiteral("not-responding"));
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_okno});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(trzecie.waitForFinished(15000));
    EXPECT_EQ(trzecie.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(trzecie.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(trzecie.readAllStandardError())
                    .contains(QLatin1String("Tarrowind is already running but not responding.")));
    ASSERT_TRUE(ustawienia.open(QIODevice::ReadOnly));
    EXPECT_EQ(ustawienia.readAll(), ustawieniaPrzed);
    EXPECT_EQ(QFileInfo(plikUstawien).lastModified(), zmianaPrzed);
    ASSERT_EQ(::kill(pid_t(m_program.processId()), SIGCONT), 0);

    m_okno = dzialajace;
    aktywujOkno();
    klawisze({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(zakonczony()) << "Ctrl+Q did not end the program";
    EXPECT_EQ(m_program.exitCode(), 0);
}
