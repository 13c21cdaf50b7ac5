#include "TekstNaJednejLinii.h"

QString tekstNaJednejLinii(const QString &nazwa)
{
    QString wynik = nazwa;
    for (QChar &znak : wynik) {
        const char16_t kod = znak.unicode();
        // A line feed shows as the newline symbol, which reads as one; other controls by their own picture.
        if (kod == u'\n')
            znak = QChar(char16_t(0x2424));
        else if (kod < 0x20)
            znak = QChar(char16_t(0x2400 + kod));
        else if (kod == 0x7f)
            znak = QChar(char16_t(0x2421));
    }
    return wynik;
}
