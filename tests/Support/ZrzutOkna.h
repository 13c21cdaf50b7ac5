#pragma once

#include <QImage>
#include <QString>

class QWidget;

// What a window shows on the X server once it has settled, saved as `nazwa` in
// $TARROWIND_SCREENSHOTS (else the working folder) for people to look at.
QImage zrzutOkna(QWidget *okno, const QString &nazwa);
