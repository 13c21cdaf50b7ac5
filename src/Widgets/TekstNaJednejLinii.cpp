#include "TekstNaJednejLinii.h"

QString tekstNaJednejLinii(const QString &nazwa)
{
    QString wynik = nazwa;
    for (QChar &znak : wynik) {
        const char16_t kod = znak.unicode();
        // A line feed shows as the newline symbol, which reads as one; so do the other characters that
        // break a line (next line, line and paragraph separators); other controls by their own picture.
        if (kod == u'\n' || kod == 0x85 || kod == 0x2028 || kod == 0x2029)
            znak = QChar(char16_t(0x2424));
        else if (kod < 0x20)
            znak = QChar(char16_t(0x2400 + kod));
        else if (kod == 0x7f)
            znak = QChar(char16_t(0x2421));
    }
    return wynik;
}
