#include "WidokTabeliWszystkieFasolki.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Ui/Menu.h"
#include "Widgets/MiejsceMenuPodrecznego.h"

#include <QContextMenuEvent>

WidokTabeliWszystkieFasolki::WidokTabeliWszystkieFasolki(QWidget *rodzic)
    : WidokTabeliFasolkiPotoku(rodzic)
{
}

Menu *WidokTabeliWszystkieFasolki::menuDlaElementu(QObject *kliknietyElement) const
{
    if (qobject_cast<Potok *>(kliknietyElement))
        return m_menuPodrecznePotoku;
    if (qobject_cast<Fasolka *>(kliknietyElement))
        return menuPodreczneFasolki();
    return nullptr;
}

void WidokTabeliWszystkieFasolki::contextMenuEvent(QContextMenuEvent *zdarzenie)
{
    auto *akcje = qobject_cast<KontrolerAkcjeNaElementach *>(kontrolerAkcjeNaElementach());
    if (!akcje)
        return;
    akcje->setKliknietyWiersz(MiejsceMenuPodrecznego::indeks(this, zdarzenie).row());
    if (Menu *menu = menuDlaElementu(akcje->kliknietyElement()))
        menu->popup(MiejsceMenuPodrecznego::punktGlobalny(this, zdarzenie));
}
