#pragma once

#include "Actions/DymekNowaRzecz.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

// Real input for item views of an assembled window, shared by the tests that drive it.
namespace PolecenieWOknie {

template <typename Widok>
Widok *widocznyWidok(QWidget *okno)
{
    for (Widok *widok : okno->findChildren<Widok *>())
        if (widok->isVisible())
            return widok;
    return nullptr;
}

// A right click as the window system delivers it: to the viewport, in its coordinates.
inline void kliknijPrawymW(QAbstractItemView *widok, const QPoint &punkt)
{
    QContextMenuEvent zdarzenie(QContextMenuEvent::Mouse, punkt, widok->viewport()->mapToGlobal(punkt));
    QApplication::sendEvent(widok->viewport(), &zdarzenie);
}

inline void kliknijPrawym(QAbstractItemView *widok, const QModelIndex &indeks)
{
    kliknijPrawymW(widok, widok->visualRect(indeks).center());
}

inline QMenu *otwarteMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// Chooses the enabled, visible item of the open menu.
inline void wybierzZMenu(QMenu *menu, const QString &tytul)
{
    ASSERT_NE(menu, nullptr) << "no menu opened";
    for (QAction *akcja : menu->actions())
        if (akcja->text() == tytul && akcja->isVisible()) {
            ASSERT_TRUE(akcja->isEnabled()) << tytul.toStdString();
            menu->close();
            akcja->trigger();
            return;
        }
    FAIL() << "no item " << tytul.toStdString();
}

// The navigation bar's row of that name in the window, clicked, and selected once it is.
inline void kliknijWPaskuNawigacji(QWidget *okno, const QString &nazwa)
{
    auto *pasek = widocznyWidok<WidokZaryseliPaskaNawigacji>(okno);
    ASSERT_NE(pasek, nullptr);
    const QModelIndex wiersz =
        pasek->model()->match(pasek->model()->index(0, 0), Qt::DisplayRole, nazwa, 1, Qt::MatchRecursive).value(0);
    ASSERT_TRUE(wiersz.isValid()) << qPrintable(nazwa);
    QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, pasek->visualRect(wiersz).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->selectionModel()->isSelected(wiersz); }, 3000));
    QCoreApplication::processEvents();
}

// The new-item popover once it shows; null, with a failure, when none shows in time.
inline DymekNowaRzecz *pokazanyDymekNowaRzecz()
{
    DymekNowaRzecz *dymek = nullptr;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *kandydat = qobject_cast<DymekNowaRzecz *>(widget); kandydat && kandydat->isVisible())
                    dymek = kandydat;
            return dymek != nullptr;
        },
        2000))
        << "no popover";
    return dymek;
}

} // namespace PolecenieWOknie
