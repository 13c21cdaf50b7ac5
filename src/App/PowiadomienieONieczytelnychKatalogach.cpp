#include "App/PowiadomienieONieczytelnychKatalogach.h"

#include "Platform/KatalogiNieczytelne.h"
#include "Platform/Ui/Alert.h"
#include "Widgets/TekstNaJednejLinii.h"

#include <QTimer>

PowiadomienieONieczytelnychKatalogach::PowiadomienieONieczytelnychKatalogach()
{
    connect(&KatalogiNieczytelne::instance(), &KatalogiNieczytelne::katalogNieczytelny, this,
            &PowiadomienieONieczytelnychKatalogach::dodaj);
}

void PowiadomienieONieczytelnychKatalogach::dodaj(const QString &katalog, const QString &przyczyna)
{
    // A turn later: the reading may run inside a model operation that an alert must not interrupt.
    if (m_wiadomosci.isEmpty())
        QTimer::singleShot(0, this, &PowiadomienieONieczytelnychKatalogach::pokaz);
    m_wiadomosci.append(KatalogiNieczytelne::wiadomosc(tekstNaJednejLinii(katalog), przyczyna));
}

void PowiadomienieONieczytelnychKatalogach::pokaz()
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Warning);
    alert.setMessageText(m_wiadomosci.join(u'\n'));
    alert.setInformativeText(
        QStringLiteral("Such a folder shows as empty until Tarrowind may read it. Its items stay where they are."));
    m_wiadomosci.clear();
    alert.runModal();
}
