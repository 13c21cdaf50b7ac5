#include "Akcja.h"

QString nazwaSelektora(Akcja akcja)
{
    switch (akcja) {
#define TARROWIND_AKCJA_NAZWA(nazwa) \
    case Akcja::nazwa: \
        return QStringLiteral(#nazwa ":");
        TARROWIND_AKCJE(TARROWIND_AKCJA_NAZWA)
#undef TARROWIND_AKCJA_NAZWA
    }
    return {};
}
