#include "BazaFasolek.h"

#include "RelacjeModelu.h"

void BazaFasolek::setKatalog(BytKatalogu *katalog)
{
    RelacjeModelu::katalogBazy.ustaw(this, katalog);
}

void BazaFasolek::setArchiwum(Archiwum *archiwum)
{
    RelacjeModelu::archiwumBazy.ustaw(this, archiwum);
}

// Signals carry lists of classes that the header only declares; moc them here, where all are complete.
#include "moc_BazaFasolek.cpp"
