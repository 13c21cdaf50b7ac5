#include "App/UruchomienieProgramu.h"

#include "App/FabrykiKartProgramu.h"
#include "App/KreatorKonfiguracjiAplikacji.h"
#include "App/MenuGlowne.h"
#include "App/OfertaPrzeniesieniaAppImage.h"
#include "App/PortfolioOperationAlerts.h"
#include "App/PreferencesWindowController.h"
#include "App/UslugaAktywacji.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Model/BazaFasolek.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/PowiadomienieOLimicieObserwacji.h"
#include "Platform/TemporaryCopy.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/ModalGateProbe.h"
#include "Platform/Ui/SynchronousSheet.h"
#include "Platform/Ui/TokenAktywacji.h"
#include "Platform/Ui/WindowRegistry.h"
#include "Platform/WorkspaceOperations.h"
#include "Widgets/StylFokusuKlawiatury.h"
#include "Widgets/ZieloneZaznaczenie.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

#include <utility>

namespace {

void pokazAlertKrytyczny(const QString &wiadomosc, const QString &informacja)
{
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Critical);
    alert.setMessageText(wiadomosc);
    alert.setInformativeText(informacja);
    alert.runModal();
}

class MenedzerSesjiAplikacji : public UruchomienieProgramu::ZadanieMenedzeraSesji
{
public:
    explicit MenedzerSesjiAplikacji(QSessionManager &menedzer)
        : m_menedzer(menedzer)
    {
    }

    bool allowsInteraction() override { return m_menedzer.allowsInteraction(); }
    void release() override { m_menedzer.release(); }
    void cancel() override { m_menedzer.cancel(); }

private:
    QSessionManager &m_menedzer;
};

} // namespace

UruchomienieProgramu::UruchomienieProgramu()
{
    StylFokusuKlawiatury::zainstaluj();
    ZieloneZaznaczenie::zastosujDoPaletyAplikacji();
    // The launcher entry's icon, on every window.
    QGuiApplication::setWindowIcon(ObrazyAplikacji::ikonaProgramu());
    FabrykiKartProgramu::zainstaluj();
    ModalGateProbe::install();
    WindowRegistry::instance();

    // Hidden copies that a killed move left behind go, off the main thread.
    TemporaryCopy::removeAbandonedInBackground();
    // Changes made by other programs reach the graph from its first build on.
    ObserwatorZmianNaDysku::zainstaluj();
    QObject::connect(PowiadomienieOLimicieObserwacji::instancja(), &PowiadomienieOLimicieObserwacji::limitOsiagniety,
                     &m_delegat, [this] { powiedzOLimicieObserwacji(); });
    // The model links no widgets: a fixed folder that cannot be made is shown from here.
    BazaFasolek::setAlertKrytyczny(pokazAlertKrytyczny);
    BazaFasolek::setPortfolioNieZnalezione(
        [this](const QString &korzen, const BladOperacji &blad) { powiedzONieznalezionymPortfolio(korzen, blad); });

    m_delegat.setKontrolerAkcjeNaMenuGlownym(&m_kontrolerAkcjeNaMenuGlownym);
    m_delegat.setOfertaPrzeniesieniaAplikacji(std::make_unique<OfertaPrzeniesieniaAppImage>());
    m_delegat.setKreatorKonfiguracji(std::make_unique<KreatorKonfiguracjiAplikacji>());
    LancuchResponderow::ustawDelegataAplikacji(&m_delegat);
    // Torn-off windows get theirs the same way.
    BrowserWindow::setMenuBarBuilder(
        [this](BrowserWindow *okno) { return MenuGlowne::zbuduj(okno, &m_delegat, &m_kontrolerAkcjeNaMenuGlownym); });

    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &m_delegat,
                     &TarrowindAppDelegate::applicationWillTerminate);
    QObject::connect(&m_sygnalZakonczenia, &SygnalZakonczenia::otrzymany, &m_delegat,
                     [this] { m_delegat.terminate(nullptr); });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &m_delegat, [this](QSessionManager &menedzer) {
        MenedzerSesjiAplikacji zadanie(menedzer);
        commitDataRequest(zadanie);
    });
}

UruchomienieProgramu::~UruchomienieProgramu()
{
    // Duplicates under way end with the program: no half-made copy and no temporary stays.
    WorkspaceOperations::cancelAndWait();
    // A quit leaves its windows open. They go here, while the delegate and the main-menu controller their menus
    // and tabs point at still live: left to the end of the process, they would outlive those, the graph their
    // tabs show and the application object.
    while (BrowserWindow *okno = WindowRegistry::instance().windowsOfType<BrowserWindow>().value(0))
        delete okno;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    BrowserWindow::setMenuBarBuilder({});
    LancuchResponderow::ustawDelegataAplikacji(nullptr);
    BazaFasolek::setAlertKrytyczny({});
    QGuiApplication::setWindowIcon(QIcon());
    BazaFasolek::setPortfolioNieZnalezione({});
}

void UruchomienieProgramu::powiedzOLimicieObserwacji()
{
    if (std::exchange(m_powiedzianoOLimicieObserwacji, true))
        return;
    // A turn later: the news comes from a delivery, which may run inside another handler.
    QTimer::singleShot(0, &m_delegat, [] {
        Alert alert;
        alert.setAlertStyle(Alert::AlertStyle::Warning);
        alert.setMessageText(QCoreApplication::translate(
            "UruchomienieProgramu", "Tarrowind cannot follow every folder of the portfolio: the system's limit of "
                                    "folder watches is reached."));
        alert.setInformativeText(QCoreApplication::translate(
            "UruchomienieProgramu", "Changes made by other programs in some folders are noticed only every few "
                                    "seconds. Raising fs.inotify.max_user_watches lifts the limit."));
        SynchronousSheet::runModalSheet(alert);
    });
}

void UruchomienieProgramu::powiedzONieznalezionymPortfolio(const QString &korzen, const BladOperacji &blad)
{
    // A turn later: the news comes from the watcher's delivery.
    QTimer::singleShot(0, &m_delegat, [this, korzen, blad] {
        // A change of location that moves the portfolio took it away itself.
        if (PreferencesWindowController *preferencje = m_delegat.kontrolerOknaPreferencji();
            preferencje && preferencje->czyMigracjaTrwa())
            return;
        Alert alert = PortfolioOperationAlerts::portfolioNotFound(korzen, blad);
        SynchronousSheet::runModalSheet(alert);
    });
}

void UruchomienieProgramu::sluchajPonownegoUruchomienia(UslugaAktywacji &usluga)
{
    QObject::connect(&usluga, &UslugaAktywacji::aktywowana, &m_delegat, [this](const QVariantMap &danePlatformy) {
        m_delegat.applicationShouldHandleReopenHasVisibleWindows(!WindowRegistry::instance().visibleWindows().isEmpty(),
                                                                 TokenAktywacji::zDanychPlatformy(danePlatformy));
    });
}

int UruchomienieProgramu::powiedzZeDzialajacyNieOdpowiada()
{
    const QString wiadomosc =
        QCoreApplication::translate("UruchomienieProgramu", "Tarrowind is already running but not responding.");
    const QString informacja = QCoreApplication::translate(
        "UruchomienieProgramu", "Wait until it responds, or end it, and then launch Tarrowind again.");
    std::fprintf(stderr, "%s %s\n", qPrintable(wiadomosc), qPrintable(informacja));
    QGuiApplication::setWindowIcon(ObrazyAplikacji::ikonaProgramu());
    Alert alert;
    alert.setAlertStyle(Alert::AlertStyle::Critical);
    alert.setMessageText(wiadomosc);
    alert.setInformativeText(informacja);
    alert.runModal();
    return 1;
}

void UruchomienieProgramu::commitDataRequest(ZadanieMenedzeraSesji &menedzer)
{
    // A refusal must say why, which needs the session manager's leave; the other programs are
    // not kept waiting for it at every logout.
    if (!m_delegat.czyZakonczenieMozeBycOdmowione() || !menedzer.allowsInteraction())
        return;
    if (!m_delegat.applicationShouldTerminate())
        menedzer.cancel();
    menedzer.release();
}

void UruchomienieProgramu::zakonczUruchamianieWKolejnejTurze()
{
    QTimer::singleShot(0, &m_delegat, &TarrowindAppDelegate::applicationDidFinishLaunching);
}
