#include "AdapterZrzutuListyFasolek.h"

#include "Model/Fasolka.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/PolozenieZrzutuWWierszu.h"
#include "Widgets/WhitePaperTableView.h"

#include <QDropEvent>

AdapterZrzutuListyFasolek::AdapterZrzutuListyFasolek(WhitePaperTableView *tabela, OdbiorcaListy odbiorcaListy)
    : AdapterZrzutuUrli(tabela, Wykonanie::PoChwili,
                        [this](const QPoint &miejsce) { return celDlaMiejsca(miejsce).odbiorca; })
    , m_tabela(tabela)
    , m_odbiorcaListy(std::move(odbiorcaListy))
{
}

AdapterZrzutuListyFasolek::AdapterZrzutuListyFasolek(WhitePaperTableView *tabela)
    : AdapterZrzutuListyFasolek(tabela, OdbiorcaListy())
{
}

bool AdapterZrzutuListyFasolek::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    // ~QWidget sends events here while the table is half destroyed: the table is used only for drags.
    if (obiekt != celZrzutu())
        return AdapterZrzutuUrli::eventFilter(obiekt, zdarzenie);
    // The filter takes these events before the table sees them: the zones, the border and the frame are kept here.
    const bool przeciaganie = zdarzenie->type() == QEvent::DragEnter || zdarzenie->type() == QEvent::DragMove;
    if (przeciaganie && m_odbiorcaListy)
        m_tabela->draggingUpdated(static_cast<QDragMoveEvent *>(zdarzenie)->position().toPoint());
    else if (zdarzenie->type() == QEvent::Drop || zdarzenie->type() == QEvent::DragLeave)
        pokazCel({});
    const bool wynik = AdapterZrzutuUrli::eventFilter(obiekt, zdarzenie);
    if (przeciaganie) {
        auto *ruch = static_cast<QDragMoveEvent *>(zdarzenie);
        // An entry is taken also where it is refused: its action tells.
        const bool przyjety = ruch->isAccepted() && ruch->dropAction() != Qt::IgnoreAction;
        pokazCel(przyjety ? celDlaMiejsca(ruch->position().toPoint()) : Cel());
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

void AdapterZrzutuListyFasolek::pokazCel(const Cel &cel)
{
    m_tabela->showBorder(cel.odbiorca && cel.calaLista);
    m_tabela->setWierszCeluZrzutu(cel.odbiorca ? cel.wiersz : -1);
}

AdapterZrzutuListyFasolek::Cel AdapterZrzutuListyFasolek::celDlaMiejsca(const QPoint &miejsce) const
{
    if (!m_odbiorcaListy)
        return celWLiscieZNaglowkami(miejsce);
    KontrolerTablicy *tablica = m_tabela->kontrolerTablicy();
    if (m_tabela->mouseInDropZone() || !tablica
        || PolozenieZrzutuWWierszu::polozenie(m_tabela, miejsce) != PolozenieZrzutuWWierszu::NaWierszu)
        return {m_odbiorcaListy(), -1, true};
    const int wiersz = m_tabela->indexAt(miejsce).row();
    return {tablica->obiektWWierszu(wiersz), wiersz, false};
}

AdapterZrzutuListyFasolek::Cel AdapterZrzutuListyFasolek::celWLiscieZNaglowkami(const QPoint &miejsce) const
{
    KontrolerTablicy *tablica = m_tabela->kontrolerTablicy();
    if (!tablica || tablica->rowCount() == 0)
        return {};
    int wiersz = m_tabela->indexAt(miejsce).row();
    switch (PolozenieZrzutuWWierszu::polozenie(m_tabela, miejsce)) {
    case PolozenieZrzutuWWierszu::NaWierszu:
        return {tablica->obiektWWierszu(wiersz), wiersz, false};
    case PolozenieZrzutuWWierszu::NadWierszem:
        --wiersz;
        break;
    case PolozenieZrzutuWWierszu::PodWierszem:
        break;
    case PolozenieZrzutuWWierszu::PozaWierszami:
        // The rows fill the viewport from its top: outside them is below the last one.
        wiersz = tablica->rowCount() - 1;
        break;
    }
    // Between rows, the drop goes to the group the place lies in: the nearest header above it.
    for (; wiersz >= 0; --wiersz) {
        QObject *obiekt = tablica->obiektWWierszu(wiersz);
        if (!qobject_cast<Fasolka *>(obiekt))
            return {obiekt, wiersz, false};
    }
    return {};
}
