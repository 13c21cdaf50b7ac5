#include "BytPlikuTekstowego.h"

#include "Platform/FileOperations.h"

QString BytPlikuTekstowego::tekst() const
{
    return FileOperations::readText(plikowyURL()).value_or(QString());
}
