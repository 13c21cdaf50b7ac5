#pragma once

#include "Platform/Ui/Responder.h"

#include <QPointer>

#include <memory>

class KontrolerAkcjeNaMenuGlownym;
class KreatorKonfiguracji;
class OfertaPrzeniesieniaAplikacji;

// Brings the program up in its fixed order (the move offer, then the set-up wizard when no
// portfolio is known, then the first browser window), brings a window back when the program is
// launched again, and flushes the settings when it ends. It ends the responder chain.
class TarrowindAppDelegate : public Responder
{
    Q_OBJECT

public:
    enum class Stan { Uruchamianie, KreatorPokazany, Dziala, Konczenie };

    explicit TarrowindAppDelegate(QObject *rodzic = nullptr);
    ~TarrowindAppDelegate() override;

    // Not owned.
    KontrolerAkcjeNaMenuGlownym *kontrolerAkcjeNaMenuGlownym() const;
    void setKontrolerAkcjeNaMenuGlownym(KontrolerAkcjeNaMenuGlownym *kontroler);

    // Without an offer none is made; without a wizard none is needed.
    void setOfertaPrzeniesieniaAplikacji(std::unique_ptr<OfertaPrzeniesieniaAplikacji> oferta);
    void setKreatorKonfiguracji(std::unique_ptr<KreatorKonfiguracji> kreator);

    Stan stan() const { return m_stan; }

    // Run once from the event loop, when the application object is ready.
    void applicationDidFinishLaunching();
    // One new window with one portfolio tab.
    void otworzDomyslneOknoPrzegladarki();
    // The program was launched again: with no visible window, the front minimised window comes
    // back, else a new browser window opens. Always NO: nothing else is to be done.
    bool applicationShouldHandleReopenHasVisibleWindows(bool maWidoczneOkna);
    void applicationWillTerminate();

private:
    void kreatorZakonczony(bool sukces);
    void otworzPierwszeOkno();
    void ustawCanOpenNewWindow(bool moze);
    void zakonczAplikacje();

    QPointer<KontrolerAkcjeNaMenuGlownym> m_kontrolerAkcjeNaMenuGlownym;
    std::unique_ptr<OfertaPrzeniesieniaAplikacji> m_oferta;
    std::unique_ptr<KreatorKonfiguracji> m_kreator;
    Stan m_stan = Stan::Uruchamianie;
};
