#pragma once

#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolekZKatalogiem.h"

// Stands for the Reference Library inside the portfolio. Nothing fills it at run time; the views find it empty.
class BibliotekaMatRef : public RzeczWBazieFasolekZKatalogiem, public ProtokolSynchronizacjiZDyskiem
{
    Q_OBJECT

public:
    BibliotekaMatRef() = default;

    // Points at the folder without creating or reading it.
    static BibliotekaMatRef *zarzadzanyObiektBibliotekiMatRef();

    void synchronizujZDyskiem() override;
};
