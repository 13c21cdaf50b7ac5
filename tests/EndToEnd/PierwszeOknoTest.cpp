// Starts the real program on an X server of its own (its ctest entry runs it under xvfb-run)
// with a temporary home, with and without a stored portfolio location, and looks at it from outside.

#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"

#include "Model/SpecKatalog.h"
#include "Platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString uruchom(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(10000))
        return {};
    return QString::fromUtf8(proces.readAllStandardOutput()).trimmed();
}

bool poczekaj(const std::function<bool()> &warunek, int ms)
{
    QElapsedTimer zegar;
    zegar.start();
    while (!warunek()) {
        if (zegar.elapsed() > ms)
            return false;
        QTest::qWait(100);
    }
    return true;
}

// The real program started with `srodowisko`, its windows seen through xdotool.
class PierwszeOkno : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (program.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "starts the real program: run by its ctest entry under xvfb-run";
        if (xdotool.isEmpty() || import.isEmpty() || xwininfo.isEmpty())
            GTEST_SKIP() << "needs xdotool, xwininfo and ImageMagick's import (scripts/install-deps.sh installs them)";
        srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }

    bool uruchomProgram()
    {
        tarrowind.setProcessEnvironment(srodowisko);
        tarrowind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        tarrowind.start(program, {});
        return tarrowind.waitForStarted(5000);
    }
    QStringList okna(const QProcess &proces) const
    {
        return uruchom(xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                 QString::number(proces.processId())})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList okna() const { return okna(tarrowind); }
    // The window that has the keyboard, as xdotool numbers windows.
    QString fokus() const { return uruchom(xdotool, {QStringLiteral("getwindowfocus")}); }
    // Of two top-level windows, the one that stands in front: xwininfo lists the root's children
    // from the top of the stack down. Xvfb runs no window manager, so these are our own windows.
    QString zPrzodu(const QString &a, const QString &b) const
    {
        const QString drzewo = uruchom(xwininfo, {QStringLiteral("-root"), QStringLiteral("-children")});
        for (const QString &linia : drzewo.split(QLatin1Char('\n'))) {
            const QString id = QString::number(linia.trimmed().section(QLatin1Char(' '), 0, 0).toULongLong(nullptr, 16));
            if (id == a || id == b)
                return id;
        }
        return {};
    }
    // A second launch hands over to the running program, which has `okno` open already, and
    // brings that window to the front with the keyboard, from behind another program's window.
    void ponowneUruchomienieWysuwaNaPrzod(const QString &okno)
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            return;
        // Another program opens a window over ours and takes the keyboard: a copy of ours on a home
        // of its own and without the bus, showing its wizard.
        KatalogTestowy innyDom;
        QProcessEnvironment inneSrodowisko = srodowisko;
        inneSrodowisko.insert(QStringLiteral("HOME"), innyDom.sciezka());
        inneSrodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"), innyDom.katalog(QStringLiteral(".config")));
        inneSrodowisko.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                              QStringLiteral("unix:path=") + innyDom.sciezka(QStringLiteral("bez-szyny")));
        QProcess inny;
        inny.setProcessEnvironment(inneSrodowisko);
        inny.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        inny.start(program, {});
        ASSERT_TRUE(inny.waitForStarted(5000));
        ASSERT_TRUE(poczekaj([&] { return !okna(inny).isEmpty(); }, 15000)) << "no window of the other program";
        const QString inneOkno = okna(inny).first();
        ASSERT_TRUE(poczekaj([&] { return fokus() == inneOkno && zPrzodu(okno, inneOkno) == inneOkno; }, 5000))
            << "the other program's window stands in front of ours with the keyboard";

        QProcess drugie;
        drugie.setProcessEnvironment(srodowisko);
        drugie.start(program, {});
        ASSERT_TRUE(drugie.waitForFinished(10000));
        EXPECT_EQ(drugie.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(drugie.exitCode(), 0);
        EXPECT_TRUE(poczekaj([&] { return fokus() == okno; }, 5000)) << "the running program took the keyboard";
        EXPECT_EQ(zPrzodu(okno, inneOkno), okno) << "its window stands in front";
        inny.kill();
        inny.waitForFinished(5000);
    }
    // A generated portfolio of three flows of 12 beans, two archived per flow, stored as the
    // program's location: the program reads the settings this process writes (same home, same file).
    void zapiszPortfolio(KatalogTestowy &baza)
    {
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 12,
                                                                .fasolkiNaArchiwumPotoku = 2}).udany);
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza.sciezka()));
        const QString plikUstawien = UserDefaults::standard().fileName();
        QDir katalogKonfiguracji = QFileInfo(plikUstawien).dir();
        katalogKonfiguracji.cdUp();
        ASSERT_EQ(katalogKonfiguracji.filePath(QStringLiteral("Tarrowind/Tarrowind.ini")), plikUstawien);
        srodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"), katalogKonfiguracji.path());
    }
    // Saves `okno` into `plik`; whether the green card lies on the wooden desk, with its top edge
    // found right of the ears. A loaded machine may show the window before it has painted it.
    bool zrobZrzutKarty(const QString &okno, const QString &plik, QImage &obraz, int &gornaKrawedzKarty) const
    {
        QFile::remove(plik);
        uruchom(import, {QStringLiteral("-window"), okno, plik});
        obraz = QImage(plik);
        if (obraz.isNull())
            return false;
        for (gornaKrawedzKarty = 0; gornaKrawedzKarty < obraz.height() / 2; ++gornaKrawedzKarty) {
            const QColor piksel = obraz.pixelColor(obraz.width() - 20, gornaKrawedzKarty);
            if (piksel.green() > piksel.red() + 15 && piksel.green() > piksel.blue() + 15)
                break;
        }
        const QColor biurko = obraz.pixelColor(obraz.width() - 5, obraz.height() / 2);
        return biurko.red() > biurko.blue() + 40 && gornaKrawedzKarty < obraz.height() / 2;
    }
    // Whether the program ended within 10 s; one that did not is killed.
    bool zakonczony()
    {
        if (tarrowind.waitForFinished(10000))
            return true;
        tarrowind.kill();
        tarrowind.waitForFinished(5000);
        return false;
    }

    const QString program = qEnvironmentVariable("TARROWIND_PROGRAM");
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    const QString import = QStandardPaths::findExecutable(QStringLiteral("import"));
    const QString xwininfo = QStandardPaths::findExecutable(QStringLiteral("xwininfo"));
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    QProcess tarrowind;
};

} // namespace

TEST_F(PierwszeOkno, TheProgramOpensExactlyOneBrowserWindowAndQuitsWithIt)
{
    KatalogTestowy baza;
    ASSERT_NO_FATAL_FAILURE(zapiszPortfolio(baza));

    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(poczekaj([&] { return !okna().isEmpty(); }, 15000)) << "no window within 15 s";
    QTest::qWait(700);
    const QStringList pierwsze = okna();
    ASSERT_EQ(pierwsze.size(), 1) << "exactly one browser window";
    const QString okno = pierwsze.first();
    EXPECT_TRUE(uruchom(xdotool, {QStringLiteral("getwindowname"), okno}).startsWith(QStringLiteral("Flow: Main Flow")))
        << "the portfolio tab opens on the remembered main flow";

    ponowneUruchomienieWysuwaNaPrzod(okno);
    EXPECT_EQ(okna(), pierwsze) << "the reopen found a visible window and opened nothing";

    const QString zrzuty = qEnvironmentVariable("TARROWIND_ZRZUTY", QDir::tempPath());
    QDir().mkpath(zrzuty);
    const QString zrzut = zrzuty + QStringLiteral("/pierwsze-okno.png");
    // A loaded machine may show the window before it has painted it: look again until the green
    // card lies on the wooden desk, and find its top edge right of the ears.
    QImage obraz;
    int gornaKrawedzKarty = 0;
    const auto zrob = [&](const QString &plik) { return zrobZrzutKarty(okno, plik, obraz, gornaKrawedzKarty); };
    ASSERT_TRUE(poczekaj([&] { return zrob(zrzut); }, 10000)) << "no green card on a desk in " << zrzut.toStdString();
    EXPECT_GT(obraz.width(), 400);

    // Ears 26 high stand on the strip's bottom, 3 points below the card's top edge; they are 200
    // wide from x 6 and overlap by 16; a close button's middle is 28 in from an ear's right end.
    const auto kliknij = [&](int x) {
        uruchom(xdotool, {QStringLiteral("mousemove"), QStringLiteral("--window"), okno, QString::number(x),
                          QString::number(gornaKrawedzKarty - 10), QStringLiteral("click"), QStringLiteral("1")});
    };
    kliknij(6 + 200 + 4 + 11); // the new-tab button
    const QString zrzutDwochKart = zrzuty + QStringLiteral("/karty-na-biurku.png");
    QTest::qWait(700);
    ASSERT_TRUE(poczekaj([&] { return zrob(zrzutDwochKart); }, 10000));
    const QColor drugieUcho = obraz.pixelColor(6 + 184 + 100, gornaKrawedzKarty - 20);
    EXPECT_GT(drugieUcho.green(), drugieUcho.red() + 15) << "above its title, where the desk showed, the second ear is green";

    // Both close buttons, the new tab's first: the last tab closes its window, and the program ends.
    kliknij(6 + 184 + 200 - 28);
    QTest::qWait(500);
    kliknij(6 + 200 - 28);
    ASSERT_TRUE(zakonczony()) << "the program went on after its last window closed";
    EXPECT_EQ(tarrowind.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tarrowind.exitCode(), 0);
}

TEST_F(PierwszeOkno, TheRealProgramOpensOnTheStoredViewAllBeansDividedIntoFlowsOrTheArchive)
{
    const struct
    {
        const char *widok;
        const char *zrzut;
        bool naglowkiPotokow; // pale green header rows across the list
    } przypadki[] = {
        {"All Beans", "all-beans-divided.png", true},
        {"Archived Beans", "archive.png", false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.widok);
        KatalogTestowy baza;
        ASSERT_NO_FATAL_FAILURE(zapiszPortfolio(baza));
        UserDefaults &ustawienia = UserDefaults::standard();
        ustawienia.setObject(QStringLiteral("KartaPortfolio.wybranyWidok"), QString::fromLatin1(p.widok));
        ustawienia.setBool(QStringLiteral("KartaPortfolio.WszystkieFasolki.czyPodzialNaPotoki"), true);
        ASSERT_TRUE(ustawienia.synchronize());

        ASSERT_TRUE(uruchomProgram());
        ASSERT_TRUE(poczekaj([&] { return !okna().isEmpty(); }, 15000)) << "no window within 15 s";
        const QString okno = okna().first();
        const auto tytulOkna = [&] { return uruchom(xdotool, {QStringLiteral("getwindowname"), okno}); };
        EXPECT_TRUE(poczekaj([&] { return tytulOkna().startsWith(QLatin1String(p.widok)); }, 5000))
            << "the portfolio tab opens on the stored view, not " << tytulOkna().toStdString();
        QTest::qWait(700);
        const QString zrzuty = qEnvironmentVariable("TARROWIND_ZRZUTY", QDir::tempPath());
        QDir().mkpath(zrzuty);
        const QString zrzut = zrzuty + QLatin1Char('/') + QString::fromLatin1(p.zrzut);
        QImage obraz;
        int gornaKrawedzKarty = 0;
        EXPECT_TRUE(poczekaj([&] { return zrobZrzutKarty(okno, zrzut, obraz, gornaKrawedzKarty); }, 10000))
            << "no green card on a desk in " << zrzut.toStdString();
        if (p.naglowkiPotokow) {
            int wierszeNaglowkow = 0;
            for (int y = 0; y < obraz.height(); ++y) {
                const QColor piksel = obraz.pixelColor(obraz.width() * 2 / 3, y);
                wierszeNaglowkow += piksel.green() >= 250 && piksel.red() < piksel.green() - 5
                                    && piksel.blue() < piksel.green() - 10 && piksel.blue() > 220;
            }
            EXPECT_GT(wierszeNaglowkow, 34) << "no flow header row in " << zrzut.toStdString();
        }

        tarrowind.terminate();
        EXPECT_TRUE(zakonczony());
        ustawienia.removeObject(QStringLiteral("KartaPortfolio.wybranyWidok"));
        ustawienia.removeObject(QStringLiteral("KartaPortfolio.WszystkieFasolki.czyPodzialNaPotoki"));
        ASSERT_TRUE(ustawienia.synchronize());
    }
}
