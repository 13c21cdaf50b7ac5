#include "WidokTabeliWszystkieFasolki.h"

#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Ui/Menu.h"

WidokTabeliWszystkieFasolki::WidokTabeliWszystkieFasolki(QWidget *rodzic)
    : WidokTabeliListyFasolek(rodzic)
{
    setObjectName(QStringLiteral("widokTabeli"));
}

Menu *WidokTabeliWszystkieFasolki::menuDlaElementu(QObject *kliknietyElement)
{
    if (qobject_cast<Potok *>(kliknietyElement))
        return m_menuPodrecznePotoku;
    if (qobject_cast<Fasolka *>(kliknietyElement))
        return m_menuPodreczneFasolki;
    return nullptr;
}
