#include "WidokTabeliFasolkiZarchiwizowane.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/Fasolka.h"
#include "Platform/Ui/Menu.h"
#include "Widgets/MiejsceMenuPodrecznego.h"

#include <QContextMenuEvent>

WidokTabeliFasolkiZarchiwizowane::WidokTabeliFasolkiZarchiwizowane(QWidget *rodzic)
    : WhitePaperTableView(rodzic)
{
    setObjectName(QStringLiteral("widokTabeli"));
}

void WidokTabeliFasolkiZarchiwizowane::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    auto *akcje = qobject_cast<KontrolerAkcjeNaElementach *>(kontrolerAkcjeNaElementach());
    if (!akcje)
        return;
    akcje->setKliknietyWiersz(MiejsceMenuPodrecznego::indeks(this, zdarzenie).row());
    if (Menu *menu = menuDlaElementu(akcje->kliknietyElement()))
        menu->popup(MiejsceMenuPodrecznego::punktGlobalny(this, zdarzenie));
}

Menu *WidokTabeliFasolkiZarchiwizowane::menuDlaElementu(QObject *kliknietyElement) const
{
    if (qobject_cast<ArchiwumPotoku *>(kliknietyElement))
        return m_menuPodreczneArchiwumPotoku;
    if (qobject_cast<Fasolka *>(kliknietyElement))
        return m_menuPodreczneFasolki;
    return nullptr;
}
