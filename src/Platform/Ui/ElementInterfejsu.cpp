#include "ElementInterfejsu.h"

#include "PozycjaMenu.h"

#include <QAbstractButton>

ElementInterfejsu::ElementInterfejsu(Akcja akcja, QObject *obiekt, int tag)
    : m_akcja(akcja)
    , m_obiekt(obiekt)
    , m_tag(tag)
{
}

ElementInterfejsu::ElementInterfejsu(PozycjaMenu *pozycja)
    : ElementInterfejsu(pozycja->akcja(), pozycja, pozycja->tag())
{
}

PozycjaMenu *ElementInterfejsu::pozycjaMenu() const
{
    return qobject_cast<PozycjaMenu *>(m_obiekt.data());
}

QAbstractButton *ElementInterfejsu::przycisk() const
{
    return qobject_cast<QAbstractButton *>(m_obiekt.data());
}
