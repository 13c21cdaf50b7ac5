#include "SplotDanychBazyFasolek.h"

#include "Archiwum.h"
#include "BazaFasolek.h"
#include "Fasolka.h"
#include "Potok.h"

namespace {

template <class T>
bool jestDokladnie(const QObject *obiekt)
{
    return obiekt && obiekt->metaObject() == &T::staticMetaObject;
}

} // namespace

SplotDanychBazyFasolek::SplotDanychBazyFasolek(QObject *rodzic)
    : SplotBazowy(rodzic)
{
}

QString SplotDanychBazyFasolek::nazwa() const
{
    if (reprezentujePotok())
        return potok()->nazwa();
    if (reprezentujeFasolke())
        return fasolka()->nazwa();
    return SplotBazowy::nazwa();
}

QIcon SplotDanychBazyFasolek::ikona() const
{
    if (reprezentujePotok())
        return potok()->ikona();
    if (reprezentujeFasolke())
        return fasolka()->ikona();
    return SplotBazowy::ikona();
}

BazaFasolek *SplotDanychBazyFasolek::bazaFasolek() const
{
    return qobject_cast<BazaFasolek *>(reprezentowanyObiekt());
}
void SplotDanychBazyFasolek::setBazaFasolek(BazaFasolek *baza)
{
    setReprezentowanyObiekt(baza);
}
Potok *SplotDanychBazyFasolek::potok() const
{
    return qobject_cast<Potok *>(reprezentowanyObiekt());
}
void SplotDanychBazyFasolek::setPotok(Potok *potok)
{
    setReprezentowanyObiekt(potok);
}
Fasolka *SplotDanychBazyFasolek::fasolka() const
{
    return qobject_cast<Fasolka *>(reprezentowanyObiekt());
}
void SplotDanychBazyFasolek::setFasolka(Fasolka *fasolka)
{
    setReprezentowanyObiekt(fasolka);
}
Archiwum *SplotDanychBazyFasolek::archiwum() const
{
    return qobject_cast<Archiwum *>(reprezentowanyObiekt());
}
void SplotDanychBazyFasolek::setArchiwum(Archiwum *archiwum)
{
    setReprezentowanyObiekt(archiwum);
}

bool SplotDanychBazyFasolek::reprezentujeBazeFasolek() const
{
    return jestDokladnie<BazaFasolek>(reprezentowanyObiekt());
}
bool SplotDanychBazyFasolek::reprezentujePotok() const
{
    return jestDokladnie<Potok>(reprezentowanyObiekt());
}
bool SplotDanychBazyFasolek::reprezentujeFasolke() const
{
    return jestDokladnie<Fasolka>(reprezentowanyObiekt());
}
bool SplotDanychBazyFasolek::reprezentujeArchiwum() const
{
    return jestDokladnie<Archiwum>(reprezentowanyObiekt());
}
