#include "PowiadomienieOLimicieObserwacji.h"

PowiadomienieOLimicieObserwacji *PowiadomienieOLimicieObserwacji::instancja()
{
    static PowiadomienieOLimicieObserwacji powiadomienie;
    return &powiadomienie;
}
