#include "KontrolerNazwanegoWidoku.h"

#include "Platform/ObrazyAplikacji.h"

#include <QCoreApplication>

KontrolerNazwanegoWidoku::KontrolerNazwanegoWidoku(const char *tytul, const QString &nazwaIkony, QObject *rodzic)
    : KontrolerBiezacegoWidokuSzczegolow(rodzic)
    , m_tytul(tytul)
    , m_nazwaIkony(nazwaIkony)
{
}

QString KontrolerNazwanegoWidoku::tytulZakladki() const
{
    return QCoreApplication::translate("KontrolerNazwanegoWidoku", m_tytul);
}

QIcon KontrolerNazwanegoWidoku::ikonaZakladki() const
{
    return ObrazyAplikacji::ikona(m_nazwaIkony);
}
