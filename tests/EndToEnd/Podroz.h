#pragma once

#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/RachunekPlikow.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A journey: the real program started on an X server of its own (its ctest entry runs it under
// xvfb-run and dbus-run-session) with the temporary home of this process, driven from outside by
// xdotool as a user drives it, keys first, and seen from outside: the window's name, a screenshot
// per step in build/zrzuty/podroze/<journey>, and the portfolio folder on disk.
class Podroz : public ::testing::Test
{
protected:
    // How long a step waits for the program to show its result: only a failure waits that long, so a busy
    // machine slows a journey down without failing it.
    static constexpr int czasNaWynikMs = 10000;

    void SetUp() override;
    void TearDown() override;

    // ---- the program
    bool uruchomProgram();
    // Waits for the program's one visible window and takes it as the window the steps act on.
    bool czekajNaOkno(int ms = 20000);
    QStringList okna(const QProcess &proces) const;
    QStringList okna() const { return okna(m_program); }
    // Whether the program ended within 15 s; one that did not is killed.
    bool zakonczony();
    // A second launch hands over to the running program, whose window `okno` is, and brings that
    // window to the front with the keyboard, from behind another program's window.
    void ponowneUruchomienieWysuwaNaPrzod(const QString &okno);

    // ---- what the user sees
    QString tytul() const;
    bool czekajNaTytul(const QString &tytul, int ms = 5000);
    QRect geometria() const;
    // Saves what the screen shows over the program's visible windows as NN-`krok`.png.
    QImage zrzut(const QString &krok);
    QString sciezkaZrzutow() const;
    // Whether the window's rectangle `obszar` holds text or an icon (dark pixels) on the screen.
    bool pokazujeCos(const QRect &obszar);

    // ---- fixed sizes of the window (960 × 640 at its start) with the navigation bar as stored
    static constexpr int szerokoscPaska = 200;
    static constexpr int dzielnikPaska = szerokoscPaska + 14;
    // "Main Flow" first, then the other flows by name, 21 high each; "All Beans" above them.
    static constexpr int wierszNawigacjiPierwszegoPotoku = 147;
    static constexpr int wysokoscWierszaPotoku = 21;
    // The middle of a bean list's first row, and its rows' height.
    static constexpr int pierwszyWierszListy = 157;
    static constexpr int wysokoscWierszaListy = 23;
    static constexpr int xNazwy = szerokoscPaska + 100;
    static QPoint wierszListy(int wiersz)
    {
        return QPoint(xNazwy, pierwszyWierszListy + wiersz * wysokoscWierszaListy);
    }
    static QRect nazwaWWierszu(int wiersz)
    {
        return QRect(szerokoscPaska + 60, pierwszyWierszListy - 8 + wiersz * wysokoscWierszaListy, 150, 16);
    }
    static QPoint wierszPotoku(int ktory)
    {
        return QPoint(100, wierszNawigacjiPierwszegoPotoku + ktory * wysokoscWierszaPotoku);
    }

    // ---- what the user does
    void klawisze(const QStringList &klawisze);
    void pisz(const QString &tekst);
    // The pointer's steps activate the window first, as a click does under a window manager.
    void kliknij(const QPoint &wOknie, int przycisk = 1, int ile = 1);
    void przeciagnij(const QPoint &z, const QPoint &do_);
    void wskaz(const QPoint &wOknie);
    // A folder bean's context menu, opened by a right click on its row where the menu's top-left
    // corner then lies, and in its Status submenu (Status is the eighth item, 22 high below two
    // separators; the submenu opens beside it) the item `ponizejStatusu` below Status's middle.
    void wybierzStatusZMenuPodrecznego(const QPoint &wiersz, int ponizejStatusu, const QString &krok);

    // ---- the portfolio
    // A generated portfolio below the base folder, each file with bytes of its own in the account,
    // stored as the program's location together with `ustawienia`.
    void zapiszPortfolio(const GeneratorPortfolio::Uklad &uklad, const QVariantMap &ustawienia = {});
    QString R(const QString &wzgledna = {}) const;
    static bool istnieje(const QString &sciezka);
    bool czekajNaPlik(const QString &sciezka, int ms = 5000) const;
    // Every file of the portfolio exists with its bytes, and nothing else does.
    void sprawdzRachunek(const QString &gdzie);
    // A setting as the program stored it.
    QVariant ustawienie(const QString &klucz) const;

    QString xdotool(const QStringList &argumenty) const;
    static bool poczekaj(const std::function<bool()> &warunek, int ms);
    static QString uruchom(const QString &program, const QStringList &argumenty);
    void aktywujOkno();

    const QString m_sciezkaProgramu = qEnvironmentVariable("TARROWIND_PROGRAM");
    const QString m_xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    const QString m_import = QStandardPaths::findExecutable(QStringLiteral("import"));
    const QString m_xwininfo = QStandardPaths::findExecutable(QStringLiteral("xwininfo"));
    QProcessEnvironment m_srodowisko = QProcessEnvironment::systemEnvironment();
    QProcess m_program;
    QString m_okno;
    KatalogTestowy m_baza;
    RachunekPlikow m_rachunek{m_baza.sciezka()};

private:
    QString m_podroz;
    int m_krok = 0;
    int m_tresci = 0;
};
