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
    const bool przeciaganie = obiekt == m_tabela->viewport()
                              && (zdarzenie->type() == QEvent::DragEnter || zdarzenie->type() == QEvent::DragMove);
    if (przeciaganie)
        m_tabela->draggingUpdated(static_cast<QDragMoveEvent *>(zdarzenie)->position().toPoint());
    else if (obiekt == m_tabela->viewport() && zdarzenie->type() == QEvent::Drop)
        m_tabela->showBorder(false);
    const bool wynik = AdapterZrzutuUrli::eventFilter(obiekt, zdarzenie);
    if (przeciaganie) {
        // Around the table while the source hears that a drop onto the list is taken.
        auto *ruch = static_cast<QDragMoveEvent *>(zdarzenie);
        QObject *odbiorca = odbiorcaDlaMiejsca(ruch->position().toPoint());
        m_tabela->showBorder(ruch->isAccepted() && odbiorca && odbiorca == m_odbiorcaListy());
    }
    return wynik;
}

Qt::DropAction AdapterZrzutuListyFasolek::operacjaDlaZrzutu(const InformacjaOPrzeciaganiu &informacja,
                                                            QObject *odbiorca)
{
    return informacja.draggingSourceOperationMask() == Qt::DropActions()
               ? Qt::IgnoreAction
               : AdapterZrzutuUrli::operacjaDlaZrzutu(informacja, odbiorca);
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
