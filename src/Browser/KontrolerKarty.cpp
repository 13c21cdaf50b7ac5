#include "KontrolerKarty.h"

#include "TloKarty.h"

KontrolerKarty::KontrolerKarty(QObject *rodzic)
    : ViewController(rodzic)
{
}

TloKarty *KontrolerKarty::tloKarty() const
{
    return m_tloKarty;
}

void KontrolerKarty::loadView()
{
    auto *tlo = new TloKarty;
    tlo->setObjectName(QStringLiteral("tloKarty"));
    m_tloKarty = tlo;
    setView(tlo);
}
