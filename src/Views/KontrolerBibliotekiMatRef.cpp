#include "KontrolerBibliotekiMatRef.h"

#include "Model/BazaFasolek.h"
#include "Model/BibliotekaMatRef.h"

KontrolerBibliotekiMatRef::KontrolerBibliotekiMatRef(QObject *rodzic)
    : KontrolerWidokuKataloguSpecjalnego(
        QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "Reference Library"), QStringLiteral("BibliotekaMatRefTemplate"),
        [] { return BazaFasolek::sharedBazaFasolek()->bibliotekaMatRef(); }, rodzic)
{
}
