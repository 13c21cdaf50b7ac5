#pragma once

#include "ProtokolSynchronizacjiZDyskiem.h"
#include "RzeczWBazieFasolekZKatalogiem.h"

// Stands for the user's Downloads folder. Nothing fills it at run time; the views find it empty.
class PobraneRzeczy : public RzeczWBazieFasolekZKatalogiem, public ProtokolSynchronizacjiZDyskiem
{
    Q_OBJECT

public:
    PobraneRzeczy() = default;

    // Points at the folder without creating or reading it.
    static PobraneRzeczy *zarzadzanyObiektPobraneRzeczy();

    void synchronizujZDyskiem() override;
};
