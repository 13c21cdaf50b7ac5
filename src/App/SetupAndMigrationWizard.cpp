#include "SetupAndMigrationWizard.h"

#include "Model/BazaFasolek.h"

#include "PortfolioOperationAlerts.h"
#include "SetupWizardService.h"
#include "WizardController.h"
#include "WizardLocationViewsController.h"
#include "WizardMigrationViewController.h"
#include "WizardResources.h"
#include "WizardWindow.h"

#include "Model/SpecKatalog.h"
#include "Platform/DrewnianyStol.h"
#include "Platform/SoftShadow.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/SynchronousSheet.h"
#include "Platform/UserDefaults.h"

#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>

namespace {

SetupAndMigrationWizard *&jedynyKreator()
{
    // Never deleted at exit: its widgets must not outlive the application object's teardown.
    static SetupAndMigrationWizard *kreator = nullptr;
    return kreator;
}

std::function<void()> &przygotowanieBazyFasolek()
{
    static std::function<void()> przygotowanie;
    return przygotowanie;
}

const char *const nazwyZasobow[] = {"FirstRunWizard", "UsePortfolioWizard", "MigrationWizard"};

} // namespace

bool SetupAndMigrationWizard::czyPokazacKreatorKonfiguracji()
{
    return !SpecKatalog::sharedSpecKatalog()->czyJestUstawionyUrlBazowy_1_2();
}

int SetupAndMigrationWizard::selectWizardFlow()
{
    if (SetupWizardService::czyIstniejePortfolioWPiaskownicy())
        return MigrationWizardFlow;
    // Any string counts, an empty one too: a portfolio of the older format was known.
    const QString klucz = QLatin1String(SpecKatalog::kluczSciezkiBazowej_1_1);
    UserDefaults &ustawienia = UserDefaults::standard();
    if (ustawienia.hasStoredValue(klucz) && ustawienia.objectForKey(klucz).typeId() == QMetaType::QString)
        return UsePortfolioWizardFlow;
    return FirstRunWizardFlow;
}

std::unique_ptr<SetupAndMigrationWizard> SetupAndMigrationWizard::wizardWithWizardFlow(int flow)
{
    if (flow < FirstRunWizardFlow || flow > MigrationWizardFlow)
        return nullptr;
    auto kreator = std::make_unique<SetupAndMigrationWizard>(QLatin1String(nazwyZasobow[flow]));
    kreator->setWizardFlow(flow);
    return kreator;
}

void SetupAndMigrationWizard::pokazKreatorKonfiguracji(CompletionBlock zakonczenie)
{
    SetupAndMigrationWizard *poprzedni = jedynyKreator();
    jedynyKreator() = wizardWithWizardFlow(selectWizardFlow()).release();
    if (poprzedni)
        poprzedni->deleteLater();
    jedynyKreator()->setWizardCompletionBlock(std::move(zakonczenie));
    jedynyKreator()->showWindow();
}

SetupAndMigrationWizard *SetupAndMigrationWizard::biezacyKreator()
{
    return jedynyKreator();
}

void SetupAndMigrationWizard::setPrzygotowanieBazyFasolek(std::function<void()> przygotowanie)
{
    przygotowanieBazyFasolek() = std::move(przygotowanie);
}

void SetupAndMigrationWizard::przygotujBazeFasolek()
{
    if (const std::function<void()> przygotowanie = przygotowanieBazyFasolek())
        przygotowanie();
    else
        BazaFasolek::sharedBazaFasolek();
}

SetupAndMigrationWizard::SetupAndMigrationWizard(const QString &nazwaZasobu, QObject *rodzic)
    : Responder(rodzic)
{
    addHandler(Akcja::zamknijTarrowind, [this](QObject *nadawca) { zamknijTarrowind(nadawca); });
    if (WizardResources::zaladuj(nazwaZasobu, this))
        windowDidLoad();
}

SetupAndMigrationWizard::~SetupAndMigrationWizard()
{
    // The widgets go before the controllers that point at them.
    m_okno.reset();
}

void SetupAndMigrationWizard::setWindow(WizardWindow *okno)
{
    m_okno.reset(okno);
    if (m_okno)
        m_okno->setWindowController(this);
}

void SetupAndMigrationWizard::showWindow()
{
    if (!m_okno)
        return;
    m_okno->show();
    m_okno->raise();
    m_okno->activateWindow();
}

bool SetupAndMigrationWizard::czyMigracjaTrwa() const
{
    return wizardController && wizardController->wizardMigrationViewController
           && wizardController->wizardMigrationViewController->wizardMigrationState()
                  == WizardMigrationViewController::MigrationInProgress;
}

void SetupAndMigrationWizard::abortMigrationAlert()
{
    Alert alert = PortfolioOperationAlerts::migrationInProgress();
    SynchronousSheet::runModalSheetForWindow(alert, m_okno.get());
}

void SetupAndMigrationWizard::zakoncz(bool sukces)
{
    // Called once: a second outcome would quit a running program or open a second window.
    CompletionBlock blok = std::move(m_wizardCompletionBlock);
    m_wizardCompletionBlock = {};
    if (blok)
        blok(sukces);
}

void SetupAndMigrationWizard::finishWizard(bool sukces)
{
    if (czyMigracjaTrwa()) {
        abortMigrationAlert();
        return;
    }
    if (m_okno)
        m_okno->hide();
    zakoncz(sukces);
}

void SetupAndMigrationWizard::zamknijTarrowind(QObject *)
{
    finishWizard(false);
}

bool SetupAndMigrationWizard::windowShouldClose()
{
    if (czyMigracjaTrwa()) {
        abortMigrationAlert();
        return false;
    }
    zakoncz(false);
    return true;
}

bool SetupAndMigrationWizard::applicationShouldTerminate()
{
    if (czyMigracjaTrwa()) {
        abortMigrationAlert();
        return false;
    }
    return true;
}

QRect SetupAndMigrationWizard::windowWillPositionSheetUsingRect(QWidget *, const QRect &proponowana) const
{
    return proponowana.translated(0, przesuniecieArkusza);
}

void SetupAndMigrationWizard::windowDidBecomeKey()
{
    // A conflict the user resolved in the file manager is noticed on the way back.
    if (czyMigracjaTrwa() || !setupWizardService)
        return;
    setupWizardService->setOperationOnPortfolio(setupWizardService->selectOperationOnPortfolio());
    if (wizardController && wizardController->wizardLocationViewsController)
        wizardController->wizardLocationViewsController->updateView();
}

void SetupAndMigrationWizard::windowDidLoad()
{
    setBackgroundBitmap();
}

void SetupAndMigrationWizard::windowDidChangeBackingProperties()
{
    setBackgroundBitmap();
}

QImage SetupAndMigrationWizard::obrazTla(const QSize &rozmiar, qreal skala, const QRect &ramkaStron)
{
    const QSize piksele(int(rozmiar.width() * skala), int(rozmiar.height() * skala));
    if (piksele.isEmpty())
        return {};
    QImage tlo(piksele, QImage::Format_ARGB32_Premultiplied);
    tlo.fill(Qt::transparent);
    tlo.setDevicePixelRatio(skala);
    QPainter malarz(&tlo);

    DrewnianyStol::narysuj(malarz, rozmiar);

    // The white sheet of the pages, lying on the desk, with the grey button bar along its foot.
    const QRectF kartka(ramkaStron);
    if (!kartka.isEmpty()) {
        QPainterPath obrys;
        obrys.addRect(kartka);
        SoftShadow().draw(malarz, obrys, QPointF(0, 0), 4.0, QColor(0, 0, 0, 128));
        malarz.fillRect(kartka, Qt::white);
        const qreal wysokoscPaska = 41.0;
        malarz.fillRect(QRectF(kartka.left(), kartka.bottom() - wysokoscPaska, kartka.width(), wysokoscPaska),
                        QColor(243, 243, 243));
    }
    malarz.end();
    return tlo;
}

void SetupAndMigrationWizard::setBackgroundBitmap()
{
    if (!m_okno)
        return;
    QRect ramka;
    if (wizardController && wizardController->tabView) {
        QStackedWidget *strony = wizardController->tabView;
        ramka = QRect(strony->mapTo(m_okno.get(), QPoint(0, 0)), strony->size());
    }
    m_okno->setTlo(obrazTla(m_okno->size(), m_okno->devicePixelRatioF(), ramka));
}
