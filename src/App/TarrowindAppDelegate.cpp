#include "TarrowindAppDelegate.h"

#include "ChangePortfolioLocationController.h"
#include "ChangePortfolioLocationPanel.h"
#include "GoogleAnalytics.h"
#include "KontrolerOknaOProgramie.h"
#include "KreatorKonfiguracji.h"
#include "OfertaPrzeniesieniaAplikacji.h"
#include "PreferencesWindowController.h"
#include "ZapisPrzenoszeniaPortfolio.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerOknaPrzegladarkiTarrowind.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/RegulyPolecen.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Platform/UserDefaults.h"
#include "Platform/ZnacznikiStartu.h"
#include "Views/KontrolerPotoku.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace {

// The view kind of the archive, and the navigation bar shown beside it.
constexpr std::int32_t widokArchiwum = 6;
constexpr bool zPaskiemNawigacji = false;

// X11 hands the keyboard over only for a request newer than the last change of focus, and the
// program knows the server's clock only from the last event it received. The first request stamps
// the window, whose echo brings the current time; the request made again a moment later carries it.
constexpr int opoznieniePonownejAktywacjiMs = 50;

void naWierzchZKlawiatura(QWidget *okno, const TokenAktywacji &token = {})
{
    token.zastosuj(okno);
    okno->raise();
    okno->activateWindow();
    QTimer::singleShot(opoznieniePonownejAktywacjiMs, okno, [okno] { okno->activateWindow(); });
}

QString opisObiektu(const QObject *obiekt)
{
    if (!obiekt)
        return QStringLiteral("(null)");
    return QStringLiteral("<%1: 0x%2>")
        .arg(QLatin1String(obiekt->metaObject()->className()))
        .arg(quintptr(obiekt), 0, 16);
}

} // namespace

TarrowindAppDelegate::TarrowindAppDelegate(QObject *rodzic)
    : Responder(rodzic)
{
    KontrolerOknaPrzegladarkiTarrowind::setDostawcaEdytoraPola(EdytorSpodziewanegoRezultatu::dostawcaDlaOkien());
    dodajPolecenia();
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
    ZnacznikiStartu::zaznacz(ZnacznikiStartu::etapUruchomienia);
    // The offer's and the wizard's windows close before the first browser window opens; that
    // must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (m_oferta && m_oferta->zaproponujPrzeniesienie()) {
        zakonczAplikacje();
        return;
    }
    // A portfolio move that a kill cut short is settled before the location is read. An alert closed
    // by the program's end, not by the user, is told again at the next start.
    QPointer<TarrowindAppDelegate> ten = this;
    ZapisPrzenoszeniaPortfolio::dokonczPrzerwane([&ten](Alert &alert) {
        alert.runModal();
        return ten && ten->m_stan != Stan::Konczenie;
    });
    if (!ten || m_stan == Stan::Konczenie)
        return;
    if (m_kreator && m_kreator->czyPokazacKreatorKonfiguracji()) {
        ustawCanOpenNewWindow(false);
        m_stan = Stan::KreatorPokazany;
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

bool TarrowindAppDelegate::applicationShouldHandleReopenHasVisibleWindows(bool, const TokenAktywacji &token)
{
    if (m_stan == Stan::Konczenie)
        return false;
    const WindowRegistry &okna = WindowRegistry::instance();
    // Before the start-up has opened its window, while the wizard runs, while the portfolio changes
    // place and while an alert waits, no portfolio may be shown: the window there comes forward.
    const bool moznaPokazacPortfolio = m_stan == Stan::Dziala && canOpenNewWindow()
                                       && !QApplication::activeModalWidget();
    if (okna.mainWindow<BrowserWindow>() || (!moznaPokazacPortfolio && !okna.visibleWindows().isEmpty())) {
        przeniesNaWierzch(token);
        return false;
    }
    for (QWidget *okno : okna.windows()) {
        if (okno->isVisible() && okno->isMinimized()
            && (!moznaPokazacPortfolio || qobject_cast<BrowserWindow *>(okno))) {
            okno->setWindowState(okno->windowState() & ~Qt::WindowMinimized);
            naWierzchZKlawiatura(okno, token);
            return false;
        }
    }
    if (!moznaPokazacPortfolio)
        return false;
    if (PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio())
        naWierzchZKlawiatura(przegladarka->windowController()->window(), token);
    return false;
}

bool TarrowindAppDelegate::applicationShouldTerminate()
{
    if (m_stan == Stan::KreatorPokazany && m_kreator && !m_kreator->applicationShouldTerminate())
        return false;
    return !m_kontrolerOknaPreferencji || m_kontrolerOknaPreferencji->applicationShouldTerminate();
}

bool TarrowindAppDelegate::czyZakonczenieMozeBycOdmowione() const
{
    return m_stan == Stan::KreatorPokazany
           || (m_kontrolerOknaPreferencji && m_kontrolerOknaPreferencji->czyMigracjaTrwa());
}

void TarrowindAppDelegate::terminate(QObject *)
{
    if (!applicationShouldTerminate())
        return;
    // A rename in place or the expected outcome being edited is kept, as on a click elsewhere.
    if (QWidget *fokus = QApplication::focusWidget())
        fokus->clearFocus();
    zakonczAplikacje();
}

void TarrowindAppDelegate::przeniesNaWierzch(const TokenAktywacji &token)
{
    // The launcher stands where the dock icon stands: a click on it brings the program forward.
    const WindowRegistry &okna = WindowRegistry::instance();
    QWidget *okno = okna.mainWindow<BrowserWindow>();
    if (!okno)
        okno = okna.mainWindow();
    // An alert in front of it must not end up behind it, and the one raised last spends the token.
    QWidget *modalne = QApplication::activeModalWidget();
    if (okno)
        naWierzchZKlawiatura(okno, modalne ? TokenAktywacji() : token);
    if (modalne)
        naWierzchZKlawiatura(modalne, token);
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

void TarrowindAppDelegate::dodajPolecenia()
{
    const auto polecenie = [this](Akcja akcja, void (TarrowindAppDelegate::*wykonanie)(QObject *)) {
        addHandler(akcja, [this, wykonanie](QObject *nadawca) { (this->*wykonanie)(nadawca); });
    };
    polecenie(Akcja::otworzPreferencje, &TarrowindAppDelegate::otworzPreferencje);
    polecenie(Akcja::otworzPanelOProgramie, &TarrowindAppDelegate::otworzPanelOProgramie);
    polecenie(Akcja::otworzWitryneTarrowind, &TarrowindAppDelegate::otworzWitryneTarrowind);
    polecenie(Akcja::otworzStronePomocy, &TarrowindAppDelegate::otworzStronePomocy);
    polecenie(Akcja::otworzStroneChangeloga, &TarrowindAppDelegate::otworzStroneChangeloga);
    polecenie(Akcja::noweOknoZKartami, &TarrowindAppDelegate::noweOknoZKartaPortfolio);
    polecenie(Akcja::noweOknoZKartaPortfolio, &TarrowindAppDelegate::noweOknoZKartaPortfolio);
    polecenie(Akcja::noweOknoZKartaArchiwum, &TarrowindAppDelegate::noweOknoZKartaArchiwum);
    polecenie(Akcja::nowaKartaPortfolio, &TarrowindAppDelegate::nowaKartaPortfolio);
    polecenie(Akcja::nowaKartaArchiwum, &TarrowindAppDelegate::nowaKartaArchiwum);
    polecenie(Akcja::zamknijKarte, &TarrowindAppDelegate::zamknijKarte);
    polecenie(Akcja::zamknijOknoPrzegladarki, &TarrowindAppDelegate::zamknijOknoPrzegladarki);
    polecenie(Akcja::wybierzPoprzedniaKarte, &TarrowindAppDelegate::wybierzPoprzedniaKarte);
    polecenie(Akcja::wybierzNastepnaKarte, &TarrowindAppDelegate::wybierzNastepnaKarte);
    polecenie(Akcja::wyswietlLancuchResponderow, &TarrowindAppDelegate::wyswietlLancuchResponderow);
    polecenie(Akcja::testuj, &TarrowindAppDelegate::testuj);
    polecenie(Akcja::terminate, &TarrowindAppDelegate::terminate);
    // The tab's history and its folder are its controller's.
    for (Akcja akcja :
         {Akcja::przejdzDoPoprzedniegoWidoku, Akcja::przejdzDoNastepnegoWidoku, Akcja::otworzBazeFasolekWFinderze})
        addHandler(akcja, [akcja](QObject *) { wyslijDoWybranejKarty(akcja, wybranaKartaPortfolio()); });
    const auto naWybranejKarcie = [this](Akcja akcja, void (KartaPortfolio::*wykonanie)()) {
        addHandler(akcja, [wykonanie](QObject *) {
            if (KartaPortfolio *karta = wybranaKartaPortfolio())
                (karta->*wykonanie)();
        });
    };
    naWybranejKarcie(Akcja::przejdzDoWyszukiwarki, &KartaPortfolio::przejdzDoWyszukiwarki);
    naWybranejKarcie(Akcja::akcjaPokazPasekNawigacji, &KartaPortfolio::pokazPasekNawigacji);
    naWybranejKarcie(Akcja::akcjaUkryjPasekNawigacji, &KartaPortfolio::ukryjPasekNawigacji);
    naWybranejKarcie(Akcja::pokazWszystkieFasolki, &KartaPortfolio::pokazWszystkieFasolki);
    naWybranejKarcie(Akcja::pokazArchiwum, &KartaPortfolio::pokazArchiwum);
    // Kept for the developer's menu, where it shows nothing.
    addHandler(Akcja::wyswietlStanObiektuPotoku, [](QObject *) {});
}

PrzegladarkaTarrowind *TarrowindAppDelegate::glownaPrzegladarka()
{
    return PrzegladarkaTarrowind::glownaPrzegladarka();
}

KartaPortfolio *TarrowindAppDelegate::wybranaKartaPortfolio()
{
    PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka();
    return przegladarka ? przegladarka->wybranaKartaPortfolio() : nullptr;
}

bool TarrowindAppDelegate::wyslijDoWybranejKarty(Akcja akcja, QObject *nadawca)
{
    KartaPortfolio *karta = wybranaKartaPortfolio();
    return karta && LancuchResponderow::sendAction(akcja, karta->kontrolerKartyPortfolio(), nadawca);
}

bool TarrowindAppDelegate::canOpenNewWindow() const
{
    return !m_kontrolerAkcjeNaMenuGlownym || m_kontrolerAkcjeNaMenuGlownym->canOpenNewWindow();
}

void TarrowindAppDelegate::otworzPreferencje(QObject *)
{
    if (!m_kontrolerOknaPreferencji) {
        m_kontrolerOknaPreferencji = std::make_unique<PreferencesWindowController>();
        m_kontrolerOknaPreferencji->setKontrolerAkcjeNaMenuGlownym(m_kontrolerAkcjeNaMenuGlownym);
        dodajKlawiszZakonczenia(m_kontrolerOknaPreferencji->window());
        dodajKlawiszeZamkniecia(m_kontrolerOknaPreferencji->window());
        if (ChangePortfolioLocationController *zmiana = m_kontrolerOknaPreferencji->changePortfolioLocationController)
            dodajKlawiszZakonczenia(zmiana->panel());
    }
    m_kontrolerOknaPreferencji->showWindow();
}

void TarrowindAppDelegate::otworzPanelOProgramie(QObject *)
{
    if (!m_kontrolerOknaOProgramie) {
        m_kontrolerOknaOProgramie = std::make_unique<KontrolerOknaOProgramie>();
        dodajKlawiszZakonczenia(m_kontrolerOknaOProgramie->window());
        dodajKlawiszeZamkniecia(m_kontrolerOknaOProgramie->window());
    }
    m_kontrolerOknaOProgramie->showWindow();
}

void TarrowindAppDelegate::dodajKlawiszZakonczenia(QWidget *okno)
{
    // While the portfolio changes place no browser window, hence no menu bar, exists; the change
    // sheet is a window of its own, where the Preferences window's key would not reach.
    if (!okno)
        return;
    auto *zakoncz = new PozycjaMenu(tr("Quit"), Akcja::terminate, okno);
    zakoncz->setCel(this);
    zakoncz->setShortcut(klawiszZakonczenia);
    okno->addAction(zakoncz);
}

void TarrowindAppDelegate::dodajKlawiszeZamkniecia(QWidget *okno)
{
    if (!okno)
        return;
    auto *zamknij = new QAction(tr("Close"), okno);
    zamknij->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    zamknij->setShortcutContext(Qt::WindowShortcut);
    // The window's own close: Preferences refuses it while a migration runs.
    QObject::connect(zamknij, &QAction::triggered, okno, &QWidget::close);
    okno->addAction(zamknij);
}

void TarrowindAppDelegate::otworzLink(const QString &sciezka, const QString &wywolujacy)
{
    QDesktopServices::openUrl(GoogleAnalytics::URLDlaGoogleAnalytics(sciezka, wywolujacy));
}

void TarrowindAppDelegate::otworzWitryneTarrowind(QObject *)
{
    otworzLink(QString(), QStringLiteral("menu-help-website"));
}

void TarrowindAppDelegate::otworzStronePomocy(QObject *)
{
    otworzLink(QStringLiteral("support/"), QStringLiteral("menu-help-support"));
}

void TarrowindAppDelegate::otworzStroneChangeloga(QObject *)
{
    otworzLink(QStringLiteral("changelog/"), QStringLiteral("menu-help-changelog"));
}

void TarrowindAppDelegate::noweOknoZKartaPortfolio(QObject *)
{
    if (canOpenNewWindow())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolio();
}

void TarrowindAppDelegate::noweOknoZKartaArchiwum(QObject *)
{
    if (canOpenNewWindow())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(widokArchiwum,
                                                                                                zPaskiemNawigacji);
}

void TarrowindAppDelegate::nowaKartaPortfolio(QObject *)
{
    if (PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka(); przegladarka && canOpenNewWindow())
        przegladarka->nowaKartaPortfolio();
}

void TarrowindAppDelegate::nowaKartaArchiwum(QObject *)
{
    if (PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka(); przegladarka && canOpenNewWindow())
        przegladarka->nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(widokArchiwum, zPaskiemNawigacji);
}

void TarrowindAppDelegate::zamknijKarte(QObject *)
{
    if (PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka())
        przegladarka->closeTab();
}

void TarrowindAppDelegate::zamknijOknoPrzegladarki(QObject *)
{
    PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka();
    if (przegladarka && przegladarka->windowController() && przegladarka->windowController()->window())
        przegladarka->windowController()->window()->close();
}

void TarrowindAppDelegate::wybierzPoprzedniaKarte(QObject *)
{
    if (PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka())
        przegladarka->selectPreviousTab();
}

void TarrowindAppDelegate::wybierzNastepnaKarte(QObject *)
{
    if (PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka())
        przegladarka->selectNextTab();
}

void TarrowindAppDelegate::wyswietlLancuchResponderow(QObject *)
{
    drukujLinie(QStringLiteral("\n[TarrowindAppDelegate wyswietlLancuchResponderow: ...]"));
    PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka();
    QWidget *okno = przegladarka && przegladarka->windowController() ? przegladarka->windowController()->window()
                                                                     : nullptr;
    if (!okno)
        return;
    int pozycja = 0;
    for (QObject *responder : LancuchResponderow::lancuchOd(LancuchResponderow::pierwszyResponder(okno))) {
        const auto *odpowiada = qobject_cast<Responder *>(responder);
        drukujLinie(QStringLiteral("%1. [%2 nextResponder: %3]; respondsToSelector = %4"), ++pozycja,
                    opisObiektu(responder), opisObiektu(LancuchResponderow::nastepny(responder)),
                    tekstTakNie(odpowiada && odpowiada->handlesAction(Akcja::testTest)));
    }
}

void TarrowindAppDelegate::testuj(QObject *)
{
    drukujLinie(QStringLiteral("[TarrowindAppDelegate testuj: ...]"));
    KartaPortfolio *karta = wybranaKartaPortfolio();
    if (KontrolerPotoku *potok = karta ? karta->kontrolerWybranegoPotoku() : nullptr)
        LancuchResponderow::sendAction(Akcja::testuj, potok, karta);
}

bool TarrowindAppDelegate::jestOknoPrzegladarkiTarrowind() const
{
    return glownaPrzegladarka() != nullptr;
}

bool TarrowindAppDelegate::jestWybranaKartaPortfolio() const
{
    return wybranaKartaPortfolio() != nullptr;
}

bool TarrowindAppDelegate::moznaPrzejscDoWyszukiwarki() const
{
    const KartaPortfolio *karta = wybranaKartaPortfolio();
    return karta && karta->czyMoznaPrzejscDoWyszukiwarki();
}

bool TarrowindAppDelegate::jestWidocznyPasekNawigacji() const
{
    const KartaPortfolio *karta = wybranaKartaPortfolio();
    return karta && karta->czyWidocznyPasekNawigacji();
}

namespace {

// What the main menu's window and tab commands depend on.
enum FaktMenuAplikacji : std::uint32_t {
    moznaOtworzycOkno = 1u << 0,
    jestOknoPrzegladarki = 1u << 1,
    jestKartaPortfolio = 1u << 2,
    moznaDoWyszukiwarki = 1u << 3,
    pasekNawigacjiWidoczny = 1u << 4,
    pasekNawigacjiNiewidoczny = 1u << 5,
    historiaWstecz = 1u << 6,
    historiaNaprzod = 1u << 7,
    kilkaKart = 1u << 8,
};

// A command in no row is enabled when the delegate handles it. The two navigation-bar commands
// share a key: the one that cannot act is out of the menu, and out of Qt's match.
constexpr RegulaPolecenia regulyMenuAplikacji[] = {
    {Akcja::noweOknoZKartami, moznaOtworzycOkno},
    {Akcja::noweOknoZKartaPortfolio, moznaOtworzycOkno},
    {Akcja::noweOknoZKartaArchiwum, moznaOtworzycOkno},
    {Akcja::nowaKartaPortfolio, moznaOtworzycOkno | jestOknoPrzegladarki},
    {Akcja::nowaKartaArchiwum, moznaOtworzycOkno | jestOknoPrzegladarki},
    {Akcja::zamknijKarte, jestOknoPrzegladarki},
    {Akcja::zamknijOknoPrzegladarki, jestOknoPrzegladarki},
    {Akcja::wybierzPoprzedniaKarte, jestOknoPrzegladarki | kilkaKart},
    {Akcja::wybierzNastepnaKarte, jestOknoPrzegladarki | kilkaKart},
    {Akcja::przejdzDoPoprzedniegoWidoku, jestKartaPortfolio | historiaWstecz},
    {Akcja::przejdzDoNastepnegoWidoku, jestKartaPortfolio | historiaNaprzod},
    {Akcja::otworzBazeFasolekWFinderze, jestKartaPortfolio},
    {Akcja::pokazWszystkieFasolki, jestKartaPortfolio},
    {Akcja::pokazArchiwum, jestKartaPortfolio},
    {Akcja::przejdzDoWyszukiwarki, moznaDoWyszukiwarki},
    {Akcja::akcjaPokazPasekNawigacji, jestKartaPortfolio | pasekNawigacjiNiewidoczny,
     jestKartaPortfolio | pasekNawigacjiNiewidoczny},
    {Akcja::akcjaUkryjPasekNawigacji, jestKartaPortfolio | pasekNawigacjiWidoczny,
     jestKartaPortfolio | pasekNawigacjiWidoczny},
};

} // namespace

std::uint32_t TarrowindAppDelegate::faktyMenu(std::uint32_t potrzebne) const
{
    // Only the facts the row names: a tab's navigation bar is asked about only for its own commands.
    std::uint32_t fakty = 0;
    if ((potrzebne & moznaOtworzycOkno) && canOpenNewWindow())
        fakty |= moznaOtworzycOkno;
    if ((potrzebne & jestOknoPrzegladarki) && jestOknoPrzegladarkiTarrowind())
        fakty |= jestOknoPrzegladarki;
    if ((potrzebne & jestKartaPortfolio) && jestWybranaKartaPortfolio())
        fakty |= jestKartaPortfolio;
    if ((potrzebne & moznaDoWyszukiwarki) && moznaPrzejscDoWyszukiwarki())
        fakty |= moznaDoWyszukiwarki;
    if (potrzebne & (pasekNawigacjiWidoczny | pasekNawigacjiNiewidoczny))
        fakty |= jestWidocznyPasekNawigacji() ? pasekNawigacjiWidoczny : pasekNawigacjiNiewidoczny;
    // As the tab's back and forward buttons are.
    if (potrzebne & (historiaWstecz | historiaNaprzod)) {
        const KartaPortfolio *karta = wybranaKartaPortfolio();
        const KontrolerKartyPortfolio *kontroler = karta ? karta->kontrolerKartyPortfolio() : nullptr;
        if (kontroler && kontroler->zwalidujPrzyciskWstecz())
            fakty |= historiaWstecz;
        if (kontroler && kontroler->zwalidujPrzyciskNaprzod())
            fakty |= historiaNaprzod;
    }
    if (potrzebne & kilkaKart) {
        const PrzegladarkaTarrowind *przegladarka = glownaPrzegladarka();
        if (przegladarka && przegladarka->tabCount() > 1)
            fakty |= kilkaKart;
    }
    return fakty;
}

bool TarrowindAppDelegate::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    const RegulaPolecenia *regula = RegulyPolecen::regula(regulyMenuAplikacji, element.akcja());
    if (!regula)
        return handlesAction(element.akcja());
    return RegulyPolecen::zastosuj(*regula, faktyMenu(regula->wlaczonaGdy | regula->widocznaGdy), element);
}

void TarrowindAppDelegate::menuNeedsUpdate(Menu *)
{
    emit jestWybranaKartaPortfolioChanged();
    emit jestWidocznyPasekNawigacjiChanged();
}
