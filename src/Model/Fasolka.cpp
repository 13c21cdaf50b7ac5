#include "Fasolka.h"

#include "RelacjeModelu.h"

void Fasolka::setBytFasolki(BytSystemuPlikow *byt)
{
    RelacjeModelu::bytFasolki.ustaw(this, byt);
}

void Fasolka::setKatalog(BytKatalogu *katalog)
{
    RelacjeModelu::katalogFasolki.ustaw(this, katalog);
}
