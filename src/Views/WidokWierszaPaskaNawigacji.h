#pragma once

#include <QRectF>

class QPainter;

// How a row of the navigation bar is drawn under its cell: the selection as a three-part
// marker image, and the rounded frame of the row an accepted drag would drop on.
class WidokWierszaPaskaNawigacji
{
public:
    // The inactive images at 0.6 when the window is not the main window.
    static void rysujMazaneZaznaczenie(QPainter &malarz, const QRectF &ramka, bool oknoGlowne);
    // White outline on the selected row, dark green over light green elsewhere.
    static void rysujRamkeZaznaczona(QPainter &malarz, const QRectF &ramka, bool zaznaczony);
};
