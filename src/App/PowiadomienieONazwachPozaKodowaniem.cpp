#include "App/PowiadomienieONazwachPozaKodowaniem.h"

#include "Platform/NazwyPozaKodowaniem.h"
#include "Platform/Ui/Alert.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QTimer>

PowiadomienieONazwachPozaKodowaniem::PowiadomienieONazwachPozaKodowaniem()
{
    connect(&NazwyPozaKodowaniem::instance(), &NazwyPozaKodowaniem::katalogZNazwamiPozaKodowaniem, this,
            &PowiadomienieONazwachPozaKodowaniem::dodaj);
}

void PowiadomienieONazwachPozaKodowaniem::dodaj(const QString &katalog, int ile)
{
    // A turn later: the reading may run inside a model operation that an alert must not interrupt.
    if (m_wiadomosci.isEmpty())
        QTimer::singleShot(0, this, &PowiadomienieONazwachPozaKodowaniem::pokaz);
    m_wiadomosci.append(NazwyPozaKodowaniem::wiadomosc(tekstNaJednejLinii(katalog), ile));
}

void PowiadomienieONazwachPozaKodowaniem::pokaz()
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Informational);
    alert.setMessageText(m_wiadomosci.join(u'\n'));
    alert.setInformativeText(QStringLiteral(
        "Their names are not valid UTF-8. They stay where they are and move with their folder; rename them in a "
        "file manager or a terminal to see them here."));
    m_wiadomosci.clear();
    alert.runModal();
}
