#include "TarrowindAppDelegate.h"

#include "KreatorKonfiguracji.h"
#include "OfertaPrzeniesieniaAplikacji.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Platform/UserDefaults.h"
#include "Platform/Ui/WindowRegistry.h"

#include <QApplication>
#include <QWidget>

TarrowindAppDelegate::TarrowindAppDelegate(QObject *rodzic)
    : Responder(rodzic)
{
    KontrolerOknaPrzegladarkiTarrowind::setDostawcaEdytoraPola(EdytorSpodziewanegoRezultatu::dostawcaDlaOkien());
}

TarrowindAppDelegate::~TarrowindAppDelegate() = default;

KontrolerAkcjeNaMenuGlownym *TarrowindAppDelegate::kontrolerAkcjeNaMenuGlownym() const
{
    return m_kontrolerAkcjeNaMenuGlownym;
}

void TarrowindAppDelegate::setKontrolerAkcjeNaMenuGlownym(KontrolerAkcjeNaMenuGlownym *kontroler)
{
    m_kontrolerAkcjeNaMenuGlownym = kontroler;
}

void TarrowindAppDelegate::setOfertaPrzeniesieniaAplikacji(std::unique_ptr<OfertaPrzeniesieniaAplikacji> oferta)
{
    m_oferta = std::move(oferta);
}

void TarrowindAppDelegate::setKreatorKonfiguracji(std::unique_ptr<KreatorKonfiguracji> kreator)
{
    m_kreator = std::move(kreator);
}

void TarrowindAppDelegate::applicationDidFinishLaunching()
{
    if (m_stan != Stan::Uruchamianie)
        return;
    // The offer's and the wizard's windows close before the first browser window opens; that
    // must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (m_oferta && m_oferta->zaproponujPrzeniesienie()) {
        zakonczAplikacje();
        return;
    }
    if (m_kreator && m_kreator->czyPokazacKreatorKonfiguracji()) {
        ustawCanOpenNewWindow(false);
        m_stan = Stan::KreatorPokazany;
        QPointer<TarrowindAppDelegate> ten = this;
        m_kreator->pokazKreatorKonfiguracji([ten](bool sukces) {
            if (ten)
                ten->kreatorZakonczony(sukces);
        });
        return;
    }
    otworzPierwszeOkno();
}

void TarrowindAppDelegate::kreatorZakonczony(bool sukces)
{
    // A wizard that reports twice must not open a second window.
    if (m_stan != Stan::KreatorPokazany)
        return;
    if (!sukces) {
        zakonczAplikacje();
        return;
    }
    ustawCanOpenNewWindow(true);
    otworzPierwszeOkno();
}

void TarrowindAppDelegate::otworzPierwszeOkno()
{
    m_stan = Stan::Dziala;
    otworzDomyslneOknoPrzegladarki();
    QApplication::setQuitOnLastWindowClosed(true);
}

void TarrowindAppDelegate::otworzDomyslneOknoPrzegladarki()
{
    PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
}

bool TarrowindAppDelegate::applicationShouldHandleReopenHasVisibleWindows(bool)
{
    if (m_stan == Stan::Konczenie)
        return false;
    const WindowRegistry &okna = WindowRegistry::instance();
    if (!okna.visibleWindows().isEmpty())
        return false;
    for (QWidget *okno : okna.windows()) {
        if (okno->isVisible() && okno->isMinimized()) {
            okno->setWindowState(okno->windowState() & ~Qt::WindowMinimized);
            okno->raise();
            okno->activateWindow();
            return false;
        }
    }
    // Before the start-up has opened its window, and while the wizard runs, no portfolio may be
    // shown yet: the start-up opens the first window itself.
    if (m_stan == Stan::Dziala)
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
    return false;
}

void TarrowindAppDelegate::applicationWillTerminate()
{
    UserDefaults::standard().synchronize();
}

void TarrowindAppDelegate::ustawCanOpenNewWindow(bool moze)
{
    if (m_kontrolerAkcjeNaMenuGlownym)
        m_kontrolerAkcjeNaMenuGlownym->setCanOpenNewWindow(moze);
}

void TarrowindAppDelegate::zakonczAplikacje()
{
    m_stan = Stan::Konczenie;
    QCoreApplication::exit(0);
}
