#include "KontekstObiektow.h"

KontekstObiektow::~KontekstObiektow()
{
    // Objects refer to each other freely; silence them all before any is destroyed.
    for (auto &obiekt : m_obiekty)
        obiekt->blockSignals(true);
    m_korzen = nullptr;
    while (!m_obiekty.empty())
        m_obiekty.pop_back();
}
