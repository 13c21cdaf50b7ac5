#include "AdapterAktywacjiAplikacji.h"

#include "UslugaAktywacji.h"

AdapterAktywacjiAplikacji::AdapterAktywacjiAplikacji(UslugaAktywacji *usluga)
    : QDBusAbstractAdaptor(usluga)
    , m_usluga(usluga)
{
}

void AdapterAktywacjiAplikacji::Activate(const QVariantMap &platformData)
{
    emit m_usluga->aktywowana(platformData);
}
