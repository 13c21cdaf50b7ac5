#pragma once

#include "Browser/TabKit/BrowserWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QList>
#include <QTest>

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
