#pragma once

#include "Actions/AdapterZrzutuUrli.h"

#include <functional>

class WhitePaperTableView;

// Drops on a bean list. A drop onto a row goes to the row's bean (the engine refuses file
// beans); one in the table's side zones, between two rows or below the last row goes to the
// list's own receiver, with the drop border around the table while the drop would be taken.
class AdapterZrzutuListyFasolek : public AdapterZrzutuUrli
{
    Q_OBJECT

public:
    using OdbiorcaListy = std::function<QObject *()>;

    AdapterZrzutuListyFasolek(WhitePaperTableView *tabela, OdbiorcaListy odbiorcaListy);

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;
    Qt::DropAction operacjaDlaZrzutu(const InformacjaOPrzeciaganiu &informacja, QObject *odbiorca) override;

private:
    QObject *odbiorcaDlaMiejsca(const QPoint &miejsce) const;

    WhitePaperTableView *m_tabela;
    OdbiorcaListy m_odbiorcaListy;
};
