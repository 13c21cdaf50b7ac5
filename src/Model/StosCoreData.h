#pragma once

#include "KontekstObiektow.h"

#include <memory>

// Owner of the single object context. The graph is a mirror of the portfolio folder,
// rebuilt at every launch and never saved.
class StosCoreData
{
public:
    static StosCoreData *sharedStosCoreData();
    static KontekstObiektow *kontekstOZ();

    KontekstObiektow *kontekst();
    // Drops the whole graph and starts an empty one; the next request for the bean
    // database builds it again (a fresh build for comparisons, tests and benchmarks).
    void nowyKontekst();
    // Puts `kontekst` in place of the current context and hands the current one back, so that
    // a second, independent graph can be built beside the running one and compared with it.
    std::unique_ptr<KontekstObiektow> zamienKontekst(std::unique_ptr<KontekstObiektow> kontekst);

private:
    std::unique_ptr<KontekstObiektow> m_kontekst;
};
