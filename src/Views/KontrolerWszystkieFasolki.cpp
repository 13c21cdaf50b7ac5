#include "KontrolerWszystkieFasolki.h"

KontrolerWszystkieFasolki::KontrolerWszystkieFasolki(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "All Beans"), QStringLiteral("WszystkieFasolki"),
                               rodzic)
{
}
