#pragma once

#include "Actions/AdapterZrzutuUrli.h"

#include <functional>

class WhitePaperTableView;

// Drops on a bean list, in one of two ways.
// A flow's list: a drop onto a row goes to the row's bean (the engine refuses file beans), framing
// that row; one in the table's side zones, between two rows or below the last row goes to the list's
// own receiver, with the drop border around the table.
// A list divided by header rows: a drop onto a row goes to the row's object; one between rows or
// below the last row goes to the nearest header row above, which is framed; with no header above,
// the drop is refused. Neither side zones nor the border.
// The frame and the border show only while the drop would be taken.
class AdapterZrzutuListyFasolek : public AdapterZrzutuUrli
{
    Q_OBJECT

public:
    using OdbiorcaListy = std::function<QObject *()>;

    AdapterZrzutuListyFasolek(WhitePaperTableView *tabela, OdbiorcaListy odbiorcaListy);
    // The divided lists' way.
    explicit AdapterZrzutuListyFasolek(WhitePaperTableView *tabela);

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;
    Qt::DropAction operacjaDlaZrzutu(const InformacjaOPrzeciaganiu &informacja, QObject *odbiorca) override;

private:
    struct Cel
    {
        QObject *odbiorca = nullptr;
        // The framed row, or -1.
        int wiersz = -1;
        // The list's own receiver: the border instead of a frame.
        bool calaLista = false;
    };

    Cel celDlaMiejsca(const QPoint &miejsce) const;
    Cel celWLiscieZNaglowkami(const QPoint &miejsce) const;
    void pokazCel(const Cel &cel);

    WhitePaperTableView *m_tabela;
    // Empty in the divided lists' way.
    OdbiorcaListy m_odbiorcaListy;
};
