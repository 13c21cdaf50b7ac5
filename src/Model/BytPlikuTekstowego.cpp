#include "BytPlikuTekstowego.h"

#include "Platform/FileOperations.h"

QString BytPlikuTekstowego::tekst() const
{
    return FileOperations::readText(plikowyURL()).value_or(QString());
}

QString BytPlikuTekstowego::opiszKlase()
{
    return QStringLiteral("%1\nBytPlikuTekstowego = {%2}").arg(opisBytu(), QStringLiteral("tekst = %1;").arg(tekst()));
}
