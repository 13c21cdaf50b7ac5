#pragma once

#include "SplotBazowy.h"

#include <QMetaObject>

// An "All Beans" node that builds its own children: the main flow, then a "TOPICAL" group of the
// topical flows. They are built again on the first request after a flow came or went.
class SplotWszystkieFasolki : public SplotBazowy
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit SplotWszystkieFasolki(QObject *rodzic = nullptr);
    ~SplotWszystkieFasolki() override;

    bool splotJestLisciem() const override { return false; }
    QList<QObject *> dzieciSplotu() override;
    void setDzieciSplotu(const QList<QObject *> &dzieci) override;

    SplotBazowy *splotPotokowTematycznych() const { return m_splotPotokowTematycznych; }

private:
    void zbudujDzieci();

    bool m_dzieciAktualne = false;
    // A child object of this node, not one of the children it releases: the same group stands in
    // every rebuilt list.
    QPointer<SplotBazowy> m_splotPotokowTematycznych;
    QMetaObject::Connection m_obserwacjaPotokow;
};
