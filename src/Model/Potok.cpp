#include "Potok.h"

#include "RelacjeModelu.h"

void Potok::setBytPotoku(BytSystemuPlikow *byt)
{
    RelacjeModelu::bytPotoku.ustaw(this, byt);
}

void Potok::setKatalogRzeczyPotoku(BytKatalogu *katalog)
{
    RelacjeModelu::katalogRzeczyPotoku.ustaw(this, katalog);
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_Potok.cpp"
