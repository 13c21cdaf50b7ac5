// The application object; the start-up itself lives in the App library.

#include "App/UruchomienieProgramu.h"
#include "App/UslugaAktywacji.h"
#include "Platform/Ui/ZgloszeniePierwszegoMalowania.h"
#include "Platform/ZnacznikiStartu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapMain);
    QApplication aplikacja(argc, argv);
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapAplikacji);
    QApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QApplication::setApplicationName(QStringLiteral("Tarrowind"));
    ZgloszeniePierwszegoMalowania::zainstalujJesliZadane();
    // The desktop entry is named after the bus name; the desktop matches windows to it by this.
    QGuiApplication::setDesktopFileName(UslugaAktywacji::nazwaUslugi);

    // A second launch only brings the running program forward.
    UslugaAktywacji usluga;
    if (usluga.zarejestrujLubPrzekaz() == UslugaAktywacji::Wynik::Przekazana)
        return 0;

    UruchomienieProgramu uruchomienie;
    uruchomienie.sluchajPonownegoUruchomienia(usluga);
    uruchomienie.zakonczUruchamianieWKolejnejTurze();
    return aplikacja.exec();
}
