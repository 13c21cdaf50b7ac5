#pragma once

#include "RzeczWBazieFasolekZKatalogiem.h"
#include "ZbiorObiektow.h"

class ArchiwumPotoku;

// The archive, "Archived Beans": one flow archive per flow whose beans were archived.
class Archiwum : public RzeczWBazieFasolekZKatalogiem
{
    Q_OBJECT

public:
    Archiwum() = default;

    const ZbiorObiektow<ArchiwumPotoku> &archiwaPotokow() const { return m_archiwaPotokow; }

signals:
    void archiwaPotokowChanged(const QList<ArchiwumPotoku *> &dodane, const QList<ArchiwumPotoku *> &usuniete);

private:
    friend struct RelacjeModelu;

    ZbiorObiektow<ArchiwumPotoku> m_archiwaPotokow;
};
