#include "PobraneRzeczy.h"

#include "SpecKatalog.h"

PobraneRzeczy *PobraneRzeczy::zarzadzanyObiektPobraneRzeczy()
{
    return wstawZKatalogiemSpecjalnym<PobraneRzeczy>(SpecKatalog::suPobraneRzeczy);
}

void PobraneRzeczy::synchronizujZDyskiem()
{
    synchronizujKatalog();
}
