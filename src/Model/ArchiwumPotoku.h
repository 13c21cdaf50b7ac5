#pragma once

#include "RzeczWBazieFasolekZKatalogiem.h"
#include "ZbiorObiektow.h"

class Archiwum;
class Fasolka;

// The archived beans of one flow: a folder in "Archived Beans" named after the flow.
class ArchiwumPotoku : public RzeczWBazieFasolekZKatalogiem
{
    Q_OBJECT

public:
    ArchiwumPotoku() = default;

    Archiwum *archiwum() const { return m_archiwum; }
    const ZbiorObiektow<Fasolka> &fasolki() const { return m_fasolki; }

signals:
    void archiwumChanged();
    void fasolkiChanged(const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete);

private:
    friend struct RelacjeModelu;

    Archiwum *m_archiwum = nullptr;
    ZbiorObiektow<Fasolka> m_fasolki;
};
