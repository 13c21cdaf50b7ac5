#include "BibliotekaMatRef.h"

#include "SpecKatalog.h"

BibliotekaMatRef *BibliotekaMatRef::zarzadzanyObiektBibliotekiMatRef()
{
    return wstawZKatalogiemSpecjalnym<BibliotekaMatRef>(SpecKatalog::suBibliotekaMatRef);
}

void BibliotekaMatRef::synchronizujZDyskiem()
{
    synchronizujKatalog();
}
