#include "AlertNiepowodzenia.h"

#include "Platform/BladOperacji.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/Alert.h"

void AlertNiepowodzenia::pokaz(const QString &wiadomosc, const BladOperacji *blad, LiniaKonsoli linia)
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(wiadomosc);
    if (blad)
        alert.setInformativeText(blad->przyczyna);
    switch (linia) {
    case LiniaKonsoli::Brak:
        break;
    case LiniaKonsoli::Wiadomosc:
        drukujLinie(QStringLiteral("Błąd: %1"), wiadomosc);
        break;
    case LiniaKonsoli::WiadomoscIInformacja:
        drukujLinie(QStringLiteral("Błąd: %1 %2"), wiadomosc, alert.informativeText());
        break;
    }
    alert.runModal();
}
