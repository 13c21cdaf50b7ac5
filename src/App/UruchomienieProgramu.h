#pragma once

#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "App/PowiadomienieONazwachPozaKodowaniem.h"
#include "App/PowiadomienieONieczytelnychKatalogach.h"
#include "App/TarrowindAppDelegate.h"
#include "Platform/SygnalZakonczenia.h"

struct BladOperacji;
class UslugaAktywacji;

// The program's start-up after the application object exists: the palette, the modal probe, the
// watcher, the model's critical alert, the notices of names it cannot show, of folders it cannot read and of the watch
// limit, and the application delegate with its helpers. `main` and the tests that drive the assembled window both go
// through here, so the two cannot drift apart.
class UruchomienieProgramu
{
public:
    UruchomienieProgramu();
    ~UruchomienieProgramu();

    UruchomienieProgramu(const UruchomienieProgramu &) = delete;
    UruchomienieProgramu &operator=(const UruchomienieProgramu &) = delete;

    // What the session manager lets the program do while the desktop session ends; in the program
    // a QSessionManager stands behind it, which only the application object can make.
    class ZadanieMenedzeraSesji
    {
    public:
        virtual ~ZadanieMenedzeraSesji() = default;
        virtual bool allowsInteraction() = 0;
        virtual void release() = 0;
        virtual void cancel() = 0;
    };

    // A later launch handed over through the bus brings this program forward.
    void sluchajPonownegoUruchomienia(UslugaAktywacji &usluga);
    // A launch that found the program running but not answering says so and ends; answers the exit code.
    static int powiedzZeDzialajacyNieOdpowiada();
    // The session is ending: a quit the program must refuse is cancelled, when the session manager
    // lets the program tell the user why.
    void commitDataRequest(ZadanieMenedzeraSesji &menedzer);
    // The first window (or the set-up wizard) on the next turn of the event loop, as `main` runs it.
    void zakonczUruchamianieWKolejnejTurze();

    TarrowindAppDelegate &delegat() { return m_delegat; }

private:
    void powiedzOLimicieObserwacji();
    void powiedzONieznalezionymPortfolio(const QString &korzen, const BladOperacji &blad);

    KontrolerAkcjeNaMenuGlownym m_kontrolerAkcjeNaMenuGlownym;
    TarrowindAppDelegate m_delegat;
    // Listens from before the first reading of the portfolio.
    PowiadomienieONazwachPozaKodowaniem m_powiadomienieONazwachPozaKodowaniem;
    // SIGTERM quits as Quit does, so work under way is cancelled and its temporaries go.
    SygnalZakonczenia m_sygnalZakonczenia;
    PowiadomienieONieczytelnychKatalogach m_powiadomienieONieczytelnychKatalogach;
    // Once a run: a change of location starts a stream that meets the same limit.
    bool m_powiedzianoOLimicieObserwacji = false;
};
