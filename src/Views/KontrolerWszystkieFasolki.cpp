#include "KontrolerWszystkieFasolki.h"

#include "Actions/KontrolerAkcjeNaElementach.h"

KontrolerWszystkieFasolki::KontrolerWszystkieFasolki(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "All Beans"), QStringLiteral("WszystkieFasolki"),
                               rodzic)
    , m_kontrolerAkcjeNaElementach(new KontrolerAkcjeNaElementach(this))
{
}
