#include "AlertNiepowodzenia.h"

#include "Platform/BladOperacji.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/Alert.h"

#include <QCoreApplication>

namespace {

void pokazZLinia(Alert &alert, AlertNiepowodzenia::LiniaKonsoli linia)
{
    switch (linia) {
    case AlertNiepowodzenia::LiniaKonsoli::Brak:
        break;
    case AlertNiepowodzenia::LiniaKonsoli::Wiadomosc:
        drukujLinie(QStringLiteral("Błąd: %1"), alert.messageText());
        break;
    case AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja:
        drukujLinie(QStringLiteral("Błąd: %1 %2"), alert.messageText(), alert.informativeText());
        break;
    }
    alert.runModal();
}

} // namespace

void AlertNiepowodzenia::pokaz(const QString &wiadomosc, const BladOperacji *blad, LiniaKonsoli linia)
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(wiadomosc);
    if (blad)
        alert.setInformativeText(blad->przyczyna);
    pokazZLinia(alert, linia);
}

void AlertNiepowodzenia::pokazPozostawione(const QString &wiadomosc, const QString &informacja,
                                           const QStringList &katalogi, LiniaKonsoli linia)
{
    if (katalogi.isEmpty())
        return;
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(wiadomosc);
    alert.setInformativeText(informacja.arg(QStringLiteral("\u201C") + katalogi.join(QStringLiteral("\u201D, \u201C"))
                                            + QStringLiteral("\u201D")));
    pokazZLinia(alert, linia);
}

void AlertNiepowodzenia::pokazPozostawioneOryginaly(const QStringList &nazwy, const QString &przyczyna,
                                                    LiniaKonsoli linia)
{
    if (nazwy.isEmpty())
        return;
    QString wiadomosc = QCoreApplication::translate("AlertNiepowodzenia",
                                                    "Following things were copied; the original could not be removed:");
    for (const QString &nazwa : nazwy)
        wiadomosc += QStringLiteral("\n- '%1'").arg(nazwa);
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(wiadomosc);
    alert.setInformativeText(przyczyna);
    pokazZLinia(alert, linia);
}
