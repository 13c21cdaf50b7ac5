#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QWidget;

// What a window shows on the X server once it has settled, saved as `nazwa` in
// $TARROWIND_SCREENSHOTS (else the working folder) for people to look at.
QImage zrzutOkna(QWidget *okno, const QString &nazwa);
// What the screen shows where the windows lie (a window and its sheet, say), saved the same way.
QImage zrzutOkien(const QList<QWidget *> &okna, const QString &nazwa);
