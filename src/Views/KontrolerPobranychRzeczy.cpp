#include "KontrolerPobranychRzeczy.h"

#include "KontrolerRzeczyKatalogu.h"

KontrolerPobranychRzeczy::KontrolerPobranychRzeczy(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "Downloads"), QStringLiteral("PobraneRzeczy"),
                               rodzic)
    , m_kontrolerRzeczyKatalogu(new KontrolerRzeczyKatalogu(this))
{
}
