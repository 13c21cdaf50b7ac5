#pragma once

#include <QDBusAbstractAdaptor>
#include <QVariantMap>

class UslugaAktywacji;

// org.freedesktop.Application on the bus: what a later launch asks of the running program.
class AdapterAktywacjiAplikacji : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit AdapterAktywacjiAplikacji(UslugaAktywacji *usluga);

public slots:
    void Activate(const QVariantMap &platformData);

private:
    UslugaAktywacji *m_usluga;
};
