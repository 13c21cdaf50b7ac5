#include "OtwarcieRzeczy.h"

#include "AlertNiepowodzenia.h"

#include "Model/BytSystemuPlikow.h"
#include "Platform/DelayedOperations.h"
#include "Platform/DesktopServices.h"
#include "Platform/Paths.h"

#include <QCoreApplication>

namespace {

void pokazNieotwarta(const BytSystemuPlikow *byt, const BladOperacji &blad)
{
    QString nazwa = byt->nazwaZlokalizowana();
    if (nazwa.isEmpty())
        nazwa = Paths::lastComponent(byt->plikowyURL());
    const QString wiadomosc =
        QCoreApplication::translate("OtwarcieRzeczy", "Could not open \u201C%1\u201D.").arg(nazwa);
    // A turn later: a double-click or a menu's command is still being handled.
    DelayedOperations::addOperationAfterDelayWithBlock(0, nullptr, [wiadomosc, blad] {
        AlertNiepowodzenia::pokaz(wiadomosc, &blad, AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
    });
}

} // namespace

void OtwarcieRzeczy::wDomyslnejAplikacji(const BytSystemuPlikow *byt)
{
    BladOperacji blad;
    if (byt && !byt->plikowyURL().isEmpty() && !byt->otworzWDomyslnejAplikacji(&blad))
        pokazNieotwarta(byt, blad);
}

void OtwarcieRzeczy::wProgramie(const BytSystemuPlikow *byt, const QString &desktopId)
{
    BladOperacji blad;
    if (byt && !byt->plikowyURL().isEmpty()
        && !DesktopServices::shared()->openWithApplication(byt->plikowyURL(), desktopId, &blad))
        pokazNieotwarta(byt, blad);
}
