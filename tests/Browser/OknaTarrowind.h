#pragma once

#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QList>
#include <QTest>

#include <gtest/gtest.h>

// The browser windows now shown, in no particular order.
inline QList<BrowserWindow *> widoczneOknaPrzegladarki()
{
    QList<BrowserWindow *> okna;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *okno = qobject_cast<BrowserWindow *>(widget);
        if (okno && okno->isVisible())
            okna << okno;
    }
    return okna;
}

// Runs the deletions that closing tabs and windows put off.
inline void wykonajOdlozoneUsuniecia()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline bool aktywuj(QWidget *okno)
{
    okno->show();
    okno->raise();
    okno->activateWindow();
    return QTest::qWaitForWindowActive(okno);
}

// Exactly one browser window of ours is shown, holding one tab: a portfolio tab.
inline void oczekujJednegoOknaZKartaPortfolio()
{
    const QList<BrowserWindow *> okna = widoczneOknaPrzegladarki();
    ASSERT_EQ(okna.size(), 1);
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaOkna(okna.first());
    ASSERT_NE(przegladarka, nullptr);
    EXPECT_EQ(przegladarka->tabCount(), 1);
    EXPECT_NE(przegladarka->wybranaKartaPortfolio(), nullptr);
}
