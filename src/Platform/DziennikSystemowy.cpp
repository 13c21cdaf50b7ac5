#include "DziennikSystemowy.h"

#include <syslog.h>

namespace DziennikSystemowy {

void zapisz(Poziom poziom, const QString &linia)
{
    // openlog keeps the pointer: the ident must outlive every later call.
    static const bool otwarty = [] {
        openlog("tarrowind", LOG_PID, LOG_USER);
        return true;
    }();
    Q_UNUSED(otwarty);
    const int priorytet = poziom == Poziom::Blad ? LOG_ERR : poziom == Poziom::Ostrzezenie ? LOG_WARNING : LOG_INFO;
    syslog(priorytet, "%s", linia.toUtf8().constData());
}

} // namespace DziennikSystemowy
