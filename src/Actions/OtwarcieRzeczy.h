#pragma once

#include <QString>

class BytSystemuPlikow;

// Opens an item with an application and, when none opens it, tells the user which item and why:
// no application is set for its type, or the application could not start.
class OtwarcieRzeczy
{
public:
    static void wDomyslnejAplikacji(const BytSystemuPlikow *byt);
    static void wProgramie(const BytSystemuPlikow *byt, const QString &desktopId);
};
