#include "AdapterZrzutuListyFasolek.h"

#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WhitePaperTableView.h"

#include <QDropEvent>

AdapterZrzutuListyFasolek::AdapterZrzutuListyFasolek(WhitePaperTableView *tabela, OdbiorcaListy odbiorcaListy)
    : AdapterZrzutuUrli(tabela, Wykonanie::PoChwili, [this](const QPoint &miejsce) { return odbiorcaDlaMiejsca(miejsce); })
    , m_tabela(tabela)
    , m_odbiorcaListy(std::move(odbiorcaListy))
{
}

bool AdapterZrzutuListyFasolek::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    // The filter takes these events before the table sees them: the zones and the border are kept here.
    if (obiekt == m_tabela->viewport()) {
        if (zdarzenie->type() == QEvent::DragEnter || zdarzenie->type() == QEvent::DragMove)
            m_tabela->draggingUpdated(static_cast<QDragMoveEvent *>(zdarzenie)->position().toPoint());
        else if (zdarzenie->type() == QEvent::Drop)
            m_tabela->showBorder(false);
    }
    return AdapterZrzutuUrli::eventFilter(obiekt, zdarzenie);
}

Qt::DropAction AdapterZrzutuListyFasolek::operacjaDlaZrzutu(const InformacjaOPrzeciaganiu &informacja,
                                                            QObject *odbiorca)
{
    const Qt::DropAction operacja = informacja.draggingSourceOperationMask() == Qt::DropActions()
                                        ? Qt::IgnoreAction
                                        : AdapterZrzutuUrli::operacjaDlaZrzutu(informacja, odbiorca);
    m_tabela->showBorder(operacja != Qt::IgnoreAction && odbiorca && odbiorca == m_odbiorcaListy());
    return operacja;
}

QObject *AdapterZrzutuListyFasolek::odbiorcaDlaMiejsca(const QPoint &miejsce) const
{
    const QModelIndex indeks = m_tabela->indexAt(miejsce);
    KontrolerTablicy *tablica = m_tabela->kontrolerTablicy();
    if (m_tabela->mouseInDropZone() || !indeks.isValid() || !tablica)
        return m_odbiorcaListy();
    // The band at a row's edges means "between rows", as for the table's own drop indicator.
    const QRect wiersz = m_tabela->visualRect(indeks);
    const int margines = qBound(2, qRound(wiersz.height() / 5.5), 12);
    if (miejsce.y() - wiersz.top() < margines || wiersz.bottom() - miejsce.y() < margines)
        return m_odbiorcaListy();
    return tablica->obiektWWierszu(indeks.row());
}
