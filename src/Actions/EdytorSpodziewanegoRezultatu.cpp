#include "EdytorSpodziewanegoRezultatu.h"

#include "PoleTekstoweEdytoraSpodziewanegoRezultatu.h"

EdytorSpodziewanegoRezultatu::EdytorSpodziewanegoRezultatu(QWidget *rodzic)
    : QPlainTextEdit(rodzic)
{
}

KontrolerOknaPrzegladarkiTarrowind::DostawcaEdytoraPola EdytorSpodziewanegoRezultatu::dostawcaDlaOkien()
{
    return {[](const QObject *pole) { return qobject_cast<const PoleTekstoweEdytoraSpodziewanegoRezultatu *>(pole) != nullptr; },
            [](QWidget *okno) -> QWidget * { return new EdytorSpodziewanegoRezultatu(okno); }};
}
