#include "Opoznienia.h"

namespace {

Opoznienia &wartosciOpoznien()
{
    static Opoznienia wartosci;
    return wartosci;
}

} // namespace

const Opoznienia &Opoznienia::biezace()
{
    return wartosciOpoznien();
}

void Opoznienia::ustawDlaTestow(const Opoznienia &opoznienia)
{
    wartosciOpoznien() = opoznienia;
}
