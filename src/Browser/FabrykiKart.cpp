#include "FabrykiKart.h"

namespace {

FabrykiKart &fabrykiKart()
{
    static FabrykiKart fabryki;
    return fabryki;
}

} // namespace

const FabrykiKart &FabrykiKart::biezace()
{
    return fabrykiKart();
}

void FabrykiKart::ustaw(FabrykiKart fabryki)
{
    fabrykiKart() = std::move(fabryki);
}
