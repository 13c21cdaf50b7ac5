#include "Platform/Ui/WindowRegistry.h"

#include <QDialog>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool aktywuj(QWidget *okno)
{
    okno->show();
    okno->activateWindow();
    return QTest::qWaitForWindowActive(okno);
}

// The registry's windows of this test alone: a shared panel shown by an earlier test in the
// same process stays in the registry, hidden, for the program's life.
QList<QWidget *> okna(const WindowRegistry &rejestr, const QList<QWidget *> &nasze)
{
    QList<QWidget *> wynik = rejestr.windows();
    wynik.removeIf([&](QWidget *okno) { return !nasze.contains(okno); });
    return wynik;
}

} // namespace

TEST(WindowRegistry, KeepsWindowsInTheOrderTheyWereLastActivated)
{
    WindowRegistry &rejestr = WindowRegistry::instance();
    QWidget a, b, c;
    ASSERT_TRUE(aktywuj(&a));
    ASSERT_TRUE(aktywuj(&b));
    ASSERT_TRUE(aktywuj(&c));
    EXPECT_EQ(okna(rejestr, {&a, &b, &c}), (QList<QWidget *>{&c, &b, &a}));
    ASSERT_TRUE(aktywuj(&a));
    EXPECT_EQ(okna(rejestr, {&a, &b, &c}), (QList<QWidget *>{&a, &c, &b}));

    // Shown without being activated: behind every activated window.
    QWidget d;
    d.show();
    EXPECT_EQ(rejestr.windows().last(), &d);
}

TEST(WindowRegistry, MainWindowOfAKindIsTheLastActivatedVisibleOne)
{
    WindowRegistry &rejestr = WindowRegistry::instance();
    QMainWindow pierwsze, drugie;
    QDialog dialog;
    ASSERT_TRUE(aktywuj(&pierwsze));
    ASSERT_TRUE(aktywuj(&drugie));
    ASSERT_TRUE(aktywuj(&dialog));

    EXPECT_EQ(rejestr.mainWindow<QMainWindow>(), &drugie);
    // A dialog is never the main window.
    EXPECT_EQ(rejestr.mainWindow(), &drugie);

    drugie.showMinimized();
    EXPECT_FALSE(WindowRegistry::isShown(&drugie));
    EXPECT_EQ(rejestr.mainWindow<QMainWindow>(), &pierwsze);
    EXPECT_EQ(rejestr.windowsOfType<QMainWindow>(), (QList<QMainWindow *>{&drugie, &pierwsze}));

    pierwsze.hide();
    EXPECT_EQ(rejestr.mainWindow<QMainWindow>(), nullptr);
    EXPECT_EQ(rejestr.visibleWindows(), QList<QWidget *>{&dialog});
}
