#include "KontrolerPobranychRzeczy.h"

#include "Model/BazaFasolek.h"
#include "Model/PobraneRzeczy.h"

KontrolerPobranychRzeczy::KontrolerPobranychRzeczy(QObject *rodzic)
    : KontrolerWidokuKataloguSpecjalnego(
        QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "Downloads"), QStringLiteral("PobraneRzeczy"),
        [] { return BazaFasolek::sharedBazaFasolek()->pobraneRzeczy(); }, rodzic)
{
}
