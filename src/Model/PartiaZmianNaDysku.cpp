#include "PartiaZmianNaDysku.h"

PartiaZmianNaDysku *PartiaZmianNaDysku::instancja()
{
    static PartiaZmianNaDysku partia;
    return &partia;
}

void PartiaZmianNaDysku::rozpocznij()
{
    if (m_trwa)
        return;
    m_trwa = true;
    emit rozpoczeta();
}

void PartiaZmianNaDysku::zakoncz()
{
    if (!m_trwa)
        return;
    m_trwa = false;
    emit zakonczona();
}
