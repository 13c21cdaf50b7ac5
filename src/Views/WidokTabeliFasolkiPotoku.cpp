#include "WidokTabeliFasolkiPotoku.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Platform/Ui/Menu.h"

#include <QContextMenuEvent>

WidokTabeliFasolkiPotoku::WidokTabeliFasolkiPotoku(QWidget *rodzic)
    : WhitePaperTableView(rodzic)
{
    setObjectName(QStringLiteral("widokTabeli"));
}

void WidokTabeliFasolkiPotoku::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    const int wiersz = indexAt(viewport()->mapFrom(this, zdarzenie->pos())).row();
    if (auto *akcje = qobject_cast<KontrolerAkcjeNaElementach *>(kontrolerAkcjeNaElementach()))
        akcje->setKliknietyWiersz(wiersz);
    if (m_menuPodreczneFasolki)
        m_menuPodreczneFasolki->popup(zdarzenie->globalPos());
}
