#include "Podroz.h"

#include "Model/SpecKatalog.h"
#include "Platform/UserDefaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

void Podroz::SetUp()
{
    if (m_sciezkaProgramu.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "starts the real program: run by its ctest entry under xvfb-run";
    if (m_xdotool.isEmpty() || m_import.isEmpty() || m_xwininfo.isEmpty())
        GTEST_SKIP() << "needs xdotool, xwininfo and ImageMagick's import (scripts/install-deps.sh installs them)";
    // The home of this process is temporary (the tests' main made it); the program shares it and
    // its settings, so that what this process stores the program reads.
    m_srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The tests' main puts this process's settings in a test folder below it: the program, not in
    // test mode, finds them when that folder is its configuration home.
    const QString plikUstawien = UserDefaults::standard().fileName();
    const QString konfiguracja = QFileInfo(QFileInfo(plikUstawien).path()).path();
    ASSERT_EQ(plikUstawien, konfiguracja + QStringLiteral("/Tarrowind/Tarrowind.ini"));
    m_srodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"), konfiguracja);
    m_podroz = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
    QDir(sciezkaZrzutow()).removeRecursively();
    QDir().mkpath(sciezkaZrzutow());
}

void Podroz::TearDown()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(5000);
    }
}

// ---- the program

QString Podroz::uruchom(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(15000))
        return {};
    return QString::fromUtf8(proces.readAllStandardOutput()).trimmed();
}

QString Podroz::xdotool(const QStringList &argumenty) const
{
    return uruchom(m_xdotool, argumenty);
}

bool Podroz::poczekaj(const std::function<bool()> &warunek, int ms)
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

bool Podroz::uruchomProgram()
{
    m_program.setProcessEnvironment(m_srodowisko);
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(m_sciezkaProgramu, {});
    return m_program.waitForStarted(5000);
}

bool Podroz::czekajNaOkno(int ms)
{
    if (!poczekaj([&] { return okna().size() == 1; }, ms))
        return false;
    m_okno = okna().first();
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_okno});
    return true;
}

QStringList Podroz::okna(const QProcess &proces) const
{
    if (proces.state() == QProcess::NotRunning)
        return {};
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                    QString::number(proces.processId())})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool Podroz::zakonczony()
{
    if (m_program.state() == QProcess::NotRunning || m_program.waitForFinished(15000))
        return true;
    m_program.kill();
    m_program.waitForFinished(5000);
    return false;
}

void Podroz::ponowneUruchomienieWysuwaNaPrzod(const QString &okno)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) << "run under dbus-run-session";
    const auto fokus = [&] { return xdotool({QStringLiteral("getwindowfocus")}); };
    // Of two top-level windows, the one in front: xwininfo lists the root's children from the top
    // of the stack down. Xvfb runs no window manager, so these are the programs' own windows.
    const auto zPrzodu = [&](const QString &a, const QString &b) {
        const QString drzewo = uruchom(m_xwininfo, {QStringLiteral("-root"), QStringLiteral("-children")});
        for (const QString &linia : drzewo.split(QLatin1Char('\n'))) {
            const QString id =
                QString::number(linia.trimmed().section(QLatin1Char(' '), 0, 0).toULongLong(nullptr, 16));
            if (id == a || id == b)
                return id;
        }
        return QString();
    };
    // Another program opens a window over ours and takes the keyboard: a copy of ours on a home
    // of its own and without the bus, showing its wizard.
    KatalogTestowy innyDom;
    QProcessEnvironment inneSrodowisko = m_srodowisko;
    inneSrodowisko.insert(QStringLiteral("HOME"), innyDom.sciezka());
    inneSrodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"), innyDom.katalog(QStringLiteral(".config")));
    inneSrodowisko.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                          QStringLiteral("unix:path=") + innyDom.sciezka(QStringLiteral("bez-szyny")));
    QProcess inny;
    inny.setProcessEnvironment(inneSrodowisko);
    inny.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    inny.start(m_sciezkaProgramu, {});
    ASSERT_TRUE(inny.waitForStarted(5000));
    ASSERT_TRUE(poczekaj([&] { return !okna(inny).isEmpty(); }, 20000)) << "no window of the other program";
    const QString inneOkno = okna(inny).first();
    ASSERT_TRUE(poczekaj([&] { return fokus() == inneOkno && zPrzodu(okno, inneOkno) == inneOkno; }, 5000))
        << "the other program's window stands in front of ours with the keyboard";

    QProcess drugie;
    drugie.setProcessEnvironment(m_srodowisko);
    drugie.start(m_sciezkaProgramu, {});
    ASSERT_TRUE(drugie.waitForFinished(15000));
    EXPECT_EQ(drugie.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(drugie.exitCode(), 0);
    EXPECT_TRUE(poczekaj([&] { return fokus() == okno; }, 5000)) << "the running program took the keyboard";
    EXPECT_EQ(zPrzodu(okno, inneOkno), okno) << "its window stands in front";
    inny.kill();
    inny.waitForFinished(5000);
}

// ---- what the user sees

QString Podroz::tytul() const
{
    return xdotool({QStringLiteral("getwindowname"), m_okno});
}

bool Podroz::czekajNaTytul(const QString &oczekiwany, int ms)
{
    return poczekaj([&] { return tytul() == oczekiwany; }, ms);
}

QRect Podroz::geometria() const
{
    QRect wynik;
    for (const QString &linia :
         xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_okno}).split(QLatin1Char('\n'))) {
        const QString klucz = linia.section(QLatin1Char('='), 0, 0);
        const int wartosc = linia.section(QLatin1Char('='), 1).toInt();
        if (klucz == QLatin1String("X"))
            wynik.moveLeft(wartosc);
        else if (klucz == QLatin1String("Y"))
            wynik.moveTop(wartosc);
        else if (klucz == QLatin1String("WIDTH"))
            wynik.setWidth(wartosc);
        else if (klucz == QLatin1String("HEIGHT"))
            wynik.setHeight(wartosc);
    }
    return wynik;
}

QString Podroz::sciezkaZrzutow() const
{
    return qEnvironmentVariable("TARROWIND_ZRZUTY", QDir::tempPath()) + QStringLiteral("/podroze/") + m_podroz;
}

QImage Podroz::zrzut(const QString &krok)
{
    // Menus and popovers are windows of their own: the shot covers every visible one.
    QRect obszar = geometria();
    for (const QString &okno : okna()) {
        const QString stare = m_okno;
        m_okno = okno;
        obszar |= geometria();
        m_okno = stare;
    }
    const QString plik = sciezkaZrzutow()
                         + QStringLiteral("/%1-%2.png").arg(++m_krok, 2, 10, QLatin1Char('0')).arg(krok);
    const QString ekran = sciezkaZrzutow() + QStringLiteral("/ekran.png");
    uruchom(m_import, {QStringLiteral("-window"), QStringLiteral("root"), ekran});
    const QImage obraz = QImage(ekran).copy(obszar);
    QFile::remove(ekran);
    obraz.save(plik);
    return obraz;
}

bool Podroz::pokazujeCos(const QRect &obszar)
{
    const QString ekran = sciezkaZrzutow() + QStringLiteral("/ekran.png");
    uruchom(m_import, {QStringLiteral("-window"), QStringLiteral("root"), ekran});
    const QImage obraz = QImage(ekran).copy(obszar.translated(geometria().topLeft()));
    QFile::remove(ekran);
    for (int y = 0; y < obraz.height(); ++y) {
        for (int x = 0; x < obraz.width(); ++x) {
            if (qGray(obraz.pixel(x, y)) < 110)
                return true;
        }
    }
    return false;
}

// ---- what the user does

void Podroz::klawisze(const QStringList &klawisze)
{
    for (const QString &klawisz : klawisze) {
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), klawisz});
        QTest::qWait(150);
    }
}

void Podroz::aktywujOkno()
{
    // Xvfb runs no window manager: when a menu closes, the keyboard's focus may go to the root
    // window, and the program takes its window for inactive. A click activates the window under a
    // window manager; here the test does.
    if (xdotool({QStringLiteral("getwindowfocus")}) != m_okno)
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_okno});
}

void Podroz::pisz(const QString &tekst)
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), tekst});
    QTest::qWait(100);
}

void Podroz::kliknij(const QPoint &wOknie, int przycisk, int ile)
{
    aktywujOkno();
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), m_okno, QString::number(wOknie.x()),
             QString::number(wOknie.y()), QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("click"),
             QStringLiteral("--repeat"), QString::number(ile), QStringLiteral("--delay"), QStringLiteral("80"),
             QString::number(przycisk)});
    QTest::qWait(200);
}

void Podroz::przeciagnij(const QPoint &z, const QPoint &do_)
{
    aktywujOkno();
    const QPoint a = z + geometria().topLeft();
    const QPoint b = do_ + geometria().topLeft();
    // A press, a short move past the drag distance, then the way in six steps (a divider follows
    // each), a pause near and over the target and the release.
    const QPoint start = a + QPoint(20, 20);
    QString skrypt = QString::asprintf("mousemove %d %d sleep 0.3 mousedown 1 sleep 0.2 mousemove %d %d sleep 0.2 "
                                       "mousemove %d %d",
                                       a.x(), a.y(), a.x() + 4, a.y() + 6, start.x(), start.y());
    for (int krok = 1; krok <= 6; ++krok) {
        const QPoint punkt = start + (b - QPoint(5, 0) - start) * krok / 6;
        skrypt += QString::asprintf(" sleep 0.1 mousemove %d %d", punkt.x(), punkt.y());
    }
    skrypt += QString::asprintf(" sleep 0.4 mousemove %d %d sleep 0.4 mouseup 1", b.x(), b.y());
    xdotool(skrypt.split(QLatin1Char(' ')));
    QTest::qWait(300);
}

void Podroz::wskaz(const QPoint &wOknie)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), m_okno, QString::number(wOknie.x()),
             QString::number(wOknie.y())});
    QTest::qWait(300);
}

void Podroz::wybierzStatusZMenuPodrecznego(const QPoint &wiersz, int ponizejStatusu, const QString &krok)
{
    kliknij(wiersz, 3);
    QTest::qWait(300);
    const QPoint status = wiersz + QPoint(40, 168);
    wskaz(status);
    // Straight right into the submenu first: a slant would cross the next item and close it.
    wskaz(status + QPoint(190, 0));
    wskaz(status + QPoint(190, ponizejStatusu));
    zrzut(krok);
    kliknij(status + QPoint(190, ponizejStatusu));
}

// ---- the portfolio

void Podroz::zapiszPortfolio(const GeneratorPortfolio::Uklad &uklad, const QVariantMap &ustawienia)
{
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad).udany);
    ASSERT_TRUE(m_rachunek.nadajWlasneTresci(
        R(), [this] { return QStringLiteral("plik %1 podróży — zażółć\n").arg(++m_tresci).toUtf8(); }));
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(m_baza.sciezka()));
    UserDefaults &ustawieniaProgramu = UserDefaults::standard();
    for (auto it = ustawienia.cbegin(); it != ustawienia.cend(); ++it)
        ustawieniaProgramu.setObject(it.key(), it.value());
    ASSERT_TRUE(ustawieniaProgramu.synchronize());
}

QString Podroz::R(const QString &wzgledna) const
{
    return wzgledna.isEmpty() ? m_baza.sciezka(QStringLiteral("Tarrowind"))
                              : m_baza.sciezka(QStringLiteral("Tarrowind/") + wzgledna);
}

bool Podroz::istnieje(const QString &sciezka)
{
    return QFileInfo::exists(sciezka);
}

bool Podroz::czekajNaPlik(const QString &sciezka, int ms) const
{
    return poczekaj([&] { return istnieje(sciezka); }, ms);
}

void Podroz::sprawdzRachunek(const QString &gdzie)
{
    const QString roznica = m_rachunek.roznica();
    EXPECT_TRUE(roznica.isEmpty()) << "after " << gdzie.toStdString()
                                   << " the files are not all there:" << roznica.toStdString();
}

QVariant Podroz::ustawienie(const QString &klucz) const
{
    return QSettings(UserDefaults::standard().fileName(), QSettings::IniFormat).value(klucz);
}
