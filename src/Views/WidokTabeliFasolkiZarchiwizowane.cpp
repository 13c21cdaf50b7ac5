#include "WidokTabeliFasolkiZarchiwizowane.h"

#include "Model/ArchiwumPotoku.h"
#include "Model/Fasolka.h"
#include "Platform/Ui/Menu.h"

WidokTabeliFasolkiZarchiwizowane::WidokTabeliFasolkiZarchiwizowane(QWidget *rodzic)
    : WidokTabeliListyFasolek(rodzic)
{
    setObjectName(QStringLiteral("widokTabeli"));
}

Menu *WidokTabeliFasolkiZarchiwizowane::menuDlaElementu(QObject *kliknietyElement)
{
    if (qobject_cast<ArchiwumPotoku *>(kliknietyElement))
        return m_menuPodreczneArchiwumPotoku;
    if (qobject_cast<Fasolka *>(kliknietyElement))
        return m_menuPodreczneFasolki;
    return nullptr;
}
