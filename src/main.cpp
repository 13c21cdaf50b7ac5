// The application object; the start-up itself lives in the App library.

#include "App/UruchomienieProgramu.h"
#include "App/UslugaAktywacji.h"
#include "Platform/Ui/TokenAktywacji.h"
#include "Platform/Ui/ZgloszeniePierwszegoMalowania.h"
#include "Platform/ZnacznikiStartu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapMain);
    // Before the application object, which takes the X11 startup identifier out of the environment.
    const QVariantMap danePlatformy = TokenAktywacji::danePlatformyZeSrodowiska();
    QApplication aplikacja(argc, argv);
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapAplikacji);
    QApplication::setOrganizationName(QStringLiteral("Tarrowind"));
    QApplication::setApplicationName(QStringLiteral("Tarrowind"));
    ZgloszeniePierwszegoMalowania::zainstalujJesliZadane();
    // The desktop entry is named after the bus name; the desktop matches windows to it by this.
    QGuiApplication::setDesktopFileName(UslugaAktywacji::nazwaUslugi);

    // A second launch only brings the running program forward, and never runs beside it.
    UslugaAktywacji usluga;
    switch (usluga.zarejestrujLubPrzekaz(danePlatformy)) {
    case UslugaAktywacji::Wynik::Przekazana:
        return 0;
    case UslugaAktywacji::Wynik::NieOdpowiada:
        return UruchomienieProgramu::powiedzZeDzialajacyNieOdpowiada();
    case UslugaAktywacji::Wynik::Zarejestrowana:
    case UslugaAktywacji::Wynik::BezSzyny:
        break;
    }

    UruchomienieProgramu uruchomienie;
    uruchomienie.sluchajPonownegoUruchomienia(usluga);
    uruchomienie.zakonczUruchamianieWKolejnejTurze();
    return aplikacja.exec();
}
