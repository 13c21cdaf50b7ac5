// The application object and the start-up; everything else lives in the libraries.

#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/KreatorKonfiguracjiAplikacji.h"
#include "App/TarrowindAppDelegate.h"
#include "App/UslugaAktywacji.h"
#include "Browser/ZieloneZaznaczenie.h"
#include "Model/BazaFasolek.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/ModalGateProbe.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication aplikacja(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QApplication::setApplicationName(QStringLiteral("Tarrowind"));

    // A second launch only brings the running program forward.
    UslugaAktywacji usluga;
    if (usluga.zarejestrujLubPrzekaz() == UslugaAktywacji::Wynik::Przekazana)
        return 0;

    ZieloneZaznaczenie::zastosujDoPaletyAplikacji();
    ModalGateProbe::install();
    WindowRegistry::instance();

    // Changes made by other programs reach the graph from its first build on.
    ObserwatorZmianNaDysku::zainstaluj();

    // The model links no widgets: a fixed folder that cannot be made is shown from here.
    BazaFasolek::setAlertKrytyczny([](const QString &wiadomosc, const QString &informacja) {
        Alert alert;
        alert.setAlertStyle(Alert::AlertStyle::Critical);
        alert.setMessageText(wiadomosc);
        alert.setInformativeText(informacja);
        alert.runModal();
    });

    KontrolerAkcjeNaMenuGlownym kontrolerAkcjeNaMenuGlownym;
    TarrowindAppDelegate delegat;
    delegat.setKontrolerAkcjeNaMenuGlownym(&kontrolerAkcjeNaMenuGlownym);
    delegat.setKreatorKonfiguracji(std::make_unique<KreatorKonfiguracjiAplikacji>());
    LancuchResponderow::ustawDelegataAplikacji(&delegat);

    QObject::connect(&usluga, &UslugaAktywacji::aktywowana, &delegat, [&delegat] {
        delegat.applicationShouldHandleReopenHasVisibleWindows(!WindowRegistry::instance().widoczneOkna().isEmpty());
    });
    QObject::connect(&aplikacja, &QCoreApplication::aboutToQuit, &delegat,
                     &TarrowindAppDelegate::applicationWillTerminate);
    QTimer::singleShot(0, &delegat, &TarrowindAppDelegate::applicationDidFinishLaunching);

    const int wynik = aplikacja.exec();
    LancuchResponderow::ustawDelegataAplikacji(nullptr);
    return wynik;
}
