#pragma once

#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolekZKatalogiem.h"

// Stands for the user's Desktop folder. Nothing fills it at run time; the views find it empty.
class RzeczyNaBiurku : public RzeczWBazieFasolekZKatalogiem, public ProtokolSynchronizacjiZDyskiem
{
    Q_OBJECT

public:
    RzeczyNaBiurku() = default;

    // Points at the folder without creating or reading it.
    static RzeczyNaBiurku *zarzadzanyObiektRzeczyNaBiurku();

    void synchronizujZDyskiem() override;
};
