#include "KontrolerBibliotekiMatRef.h"

#include "KontrolerRzeczyKatalogu.h"

KontrolerBibliotekiMatRef::KontrolerBibliotekiMatRef(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "Reference Library"),
                               QStringLiteral("BibliotekaMatRefTemplate"), rodzic)
    , m_kontrolerRzeczyKatalogu(new KontrolerRzeczyKatalogu(this))
{
}
