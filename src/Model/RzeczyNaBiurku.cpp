#include "RzeczyNaBiurku.h"

#include "SpecKatalog.h"

RzeczyNaBiurku *RzeczyNaBiurku::zarzadzanyObiektRzeczyNaBiurku()
{
    return wstawZKatalogiemSpecjalnym<RzeczyNaBiurku>(SpecKatalog::suRzeczyNaBiurku);
}

void RzeczyNaBiurku::synchronizujZDyskiem()
{
    synchronizujKatalog();
}
