#pragma once

#include <QColor>
#include <QRectF>

class QAbstractItemView;
class QPainter;
class QStyleOptionViewItem;
class QWidget;

// Paints the rows of the paper lists: the row's own colour, the scribbled selection and the
// dotted separator under the row. The lists call it from their drawRow, before the cells,
// which keep their normal colours in selected rows. Rectangles are in the list's viewport.
class WidokWierszaTabeliPapierowej
{
public:
    struct Wiersz
    {
        QRectF ramka;
        // None for most rows.
        QColor kolorTla;
        bool zaznaczony = false;
        // The row is where a drag would drop onto.
        bool celUpuszczenia = false;
        // Lists with a horizontal grid get a separator under each row.
        bool siatkaPozioma = false;
    };

    static void rysujWiersz(QPainter &malarz, const QAbstractItemView *tabela, const Wiersz &wiersz);

    // The row's colour, unless it is the target of a drop.
    static void drawBackgroundInRect(QPainter &malarz, const Wiersz &wiersz);
    // The green frame of the row a drag would drop onto, drawn over the row's cells.
    static void rysujRamkeCeluUpuszczenia(QPainter &malarz, const QRectF &ramka);
    // The three selection images across the row: the active set while the list has the
    // commands of its main window, the inactive one otherwise.
    static void rysujMazaneZaznaczenie(QPainter &malarz, const QRectF &ramka, bool aktywne);
    // On the row's last device pixel row.
    static void rysujSeparator(QPainter &malarz, const QRectF &ramka, qreal skala);

    // The list's window is the main window and the list is the first responder or lies on the
    // chain that starts there, as it does while an editor in one of its rows has the focus.
    static bool czyAktywneZaznaczenie(const QAbstractItemView *tabela);
    // The view is the first responder of its window or follows it in the responder chain.
    static bool czyWidokJestLancuchuResponderow(const QWidget *widok);

    // A cell or disclosure triangle of a selected row drawn as in any other row.
    static void bezPodswietlenia(QStyleOptionViewItem &opcja);
};
