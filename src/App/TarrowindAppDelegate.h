#pragma once

#include "Platform/Ui/DelegatMenu.h"
#include "Platform/Ui/Responder.h"
#include "Platform/Ui/TokenAktywacji.h"

#include <QKeyCombination>
#include <QPointer>

#include <cstdint>
#include <memory>

class KartaPortfolio;
class KontrolerAkcjeNaMenuGlownym;
class KontrolerOknaOProgramie;
class KreatorKonfiguracji;
class OfertaPrzeniesieniaAplikacji;
class PreferencesWindowController;
class PrzegladarkaTarrowind;
class QWidget;

// Brings the program up in its fixed order (the move offer, then the set-up wizard when no
// portfolio is known, then the first browser window), brings a window back when the program is
// launched again, and flushes the settings when it ends. It ends the responder chain, where it
// answers the commands that act on the program as a whole, and it is the delegate of the menu
// whose items follow the selected portfolio tab.
class TarrowindAppDelegate : public Responder, public DelegatMenu
{
    Q_OBJECT

public:
    enum class Stan { Uruchamianie, KreatorPokazany, Dziala, Konczenie };

    // Quit, in the menu bar and in the program's windows that have none.
    static constexpr QKeyCombination klawiszZakonczenia = Qt::CTRL | Qt::Key_Q;

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
    // The program was launched again: a visible main window (or the wizard) comes to the front and
    // takes the keyboard; with no visible browser window, the front minimised one comes back, else a
    // new browser window opens: Preferences and About have no menu bar that could open one. The
    // launcher's token is spent on the window raised. Always NO: nothing else is to be done.
    bool applicationShouldHandleReopenHasVisibleWindows(bool maWidoczneOkna, const TokenAktywacji &token = {});
    // Asked before the program quits, by the session manager and by the program's own Quit: NO
    // refuses, and whoever refused has told the user why. The set-up wizard and the change of
    // portfolio location refuse while they move a portfolio.
    bool applicationShouldTerminate();
    // Whether the question above can be answered NO now; otherwise nobody need be asked.
    bool czyZakonczenieMozeBycOdmowione() const;
    void applicationWillTerminate();

    // Empty until the command that opens the window is first given.
    PreferencesWindowController *kontrolerOknaPreferencji() const { return m_kontrolerOknaPreferencji.get(); }
    KontrolerOknaOProgramie *kontrolerOknaOProgramie() const { return m_kontrolerOknaOProgramie.get(); }

    // Commands; one whose main browser or selected portfolio tab is missing does nothing.
    void otworzPreferencje(QObject *nadawca);
    void otworzPanelOProgramie(QObject *nadawca);
    void otworzWitryneTarrowind(QObject *nadawca);
    void otworzStronePomocy(QObject *nadawca);
    void otworzStroneChangeloga(QObject *nadawca);
    void noweOknoZKartaPortfolio(QObject *nadawca);
    void noweOknoZKartaArchiwum(QObject *nadawca);
    void nowaKartaPortfolio(QObject *nadawca);
    void nowaKartaArchiwum(QObject *nadawca);
    void zamknijKarte(QObject *nadawca);
    void zamknijOknoPrzegladarki(QObject *nadawca);
    void wybierzPoprzedniaKarte(QObject *nadawca);
    void wybierzNastepnaKarte(QObject *nadawca);
    // Diagnostics for a developer's menu.
    void wyswietlLancuchResponderow(QObject *nadawca);
    void testuj(QObject *nadawca);
    // Quit, unless applicationShouldTerminate refuses; an edit in progress is kept first.
    void terminate(QObject *nadawca);

    // What the items of the commands above are enabled by.
    bool jestOknoPrzegladarkiTarrowind() const;
    bool jestWybranaKartaPortfolio() const;
    bool moznaPrzejscDoWyszukiwarki() const;
    bool jestWidocznyPasekNawigacji() const;
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;
    // The items bound to the selected tab read it again.
    void menuNeedsUpdate(Menu *menu) override;

signals:
    void jestWybranaKartaPortfolioChanged();
    void jestWidocznyPasekNawigacjiChanged();

private:
    static PrzegladarkaTarrowind *glownaPrzegladarka();
    static KartaPortfolio *wybranaKartaPortfolio();
    // The selected tab carries the command out, when it can; NO when it cannot.
    static bool wyslijDoWybranejKarty(Akcja akcja, QObject *nadawca);
    bool canOpenNewWindow() const;
    // Those of `potrzebne` among the facts of the menu's command table that hold.
    std::uint32_t faktyMenu(std::uint32_t potrzebne) const;
    void otworzLink(const QString &sciezka, const QString &wywolujacy);
    void dodajPolecenia();
    void dodajKlawiszZakonczenia(QWidget *okno);
    // Ctrl+W and Escape close the window, as on any Linux window without a menu bar.
    static void dodajKlawiszeZamkniecia(QWidget *okno);

    void przeniesNaWierzch(const TokenAktywacji &token);
    void kreatorZakonczony(bool sukces);
    void otworzPierwszeOkno();
    void ustawCanOpenNewWindow(bool moze);
    void zakonczAplikacje();

    QPointer<KontrolerAkcjeNaMenuGlownym> m_kontrolerAkcjeNaMenuGlownym;
    std::unique_ptr<OfertaPrzeniesieniaAplikacji> m_oferta;
    std::unique_ptr<KreatorKonfiguracji> m_kreator;
    std::unique_ptr<PreferencesWindowController> m_kontrolerOknaPreferencji;
    std::unique_ptr<KontrolerOknaOProgramie> m_kontrolerOknaOProgramie;
    Stan m_stan = Stan::Uruchamianie;
};
