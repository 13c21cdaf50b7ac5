#pragma once

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BazaFasolek.h"
#include "Model/BibliotekaMatRef.h"
#include "Model/Fasolka.h"
#include "Model/PobraneRzeczy.h"
#include "Model/Potok.h"

// The kind tests of the item commands: the item when it is of that model class (or a subclass),
// else nullptr.
inline Fasolka *jakoFasolka(QObject *element)
{
    return qobject_cast<Fasolka *>(element);
}
inline Potok *jakoPotok(QObject *element)
{
    return qobject_cast<Potok *>(element);
}
inline ArchiwumPotoku *jakoArchiwumPotoku(QObject *element)
{
    return qobject_cast<ArchiwumPotoku *>(element);
}
inline Archiwum *jakoArchiwum(QObject *element)
{
    return qobject_cast<Archiwum *>(element);
}
inline PobraneRzeczy *jakoPobraneRzeczy(QObject *element)
{
    return qobject_cast<PobraneRzeczy *>(element);
}
inline BibliotekaMatRef *jakoBibliotekaMatRef(QObject *element)
{
    return qobject_cast<BibliotekaMatRef *>(element);
}
inline BazaFasolek *jakoBazaFasolek(QObject *element)
{
    return qobject_cast<BazaFasolek *>(element);
}
