#include "KontrolerArchiwum.h"

KontrolerArchiwum::KontrolerArchiwum(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "Archived Beans"), QStringLiteral("Archiwum"),
                               rodzic)
{
}
