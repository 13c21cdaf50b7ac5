#include "KontrolerOknaPrzegladarkiTarrowind.h"

#include "Browser/TabKit/Browser.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/TabStripView.h"
#include "Browser/WidokPaskaZakladek.h"
#include "Platform/DrewnianyStol.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/PolozenieArkuszy.h"

#include <QPainter>
#include <QStackedWidget>
#include <QWindowStateChangeEvent>

namespace {

KontrolerOknaPrzegladarkiTarrowind::DostawcaEdytoraPola &dostawcaEdytoraPola()
{
    static KontrolerOknaPrzegladarkiTarrowind::DostawcaEdytoraPola dostawca;
    return dostawca;
}

} // namespace

void KontrolerOknaPrzegladarkiTarrowind::setDostawcaEdytoraPola(DostawcaEdytoraPola dostawca)
{
    dostawcaEdytoraPola() = std::move(dostawca);
}

KontrolerOknaPrzegladarkiTarrowind::KontrolerOknaPrzegladarkiTarrowind(std::unique_ptr<Browser> browser)
    : BrowserWindowController(std::move(browser))
{
    BrowserWindow *okno = window();
    okno->setTabStripView(new WidokPaskaZakladek);
    okno->setWindowFlag(Qt::WindowFullscreenButtonHint, false);
    // Full screen is refused when it comes, whoever asks: the window manager or the program.
    okno->installEventFilter(this);
    new PolozenieArkuszy(
        okno, [this](QWidget *arkusz) { return windowWillPositionSheetUsingRect(arkusz, proponowanaRamkaArkusza()); },
        this);
    tabStripView()->setRightMargin(prawyMarginesPaskaZakladek);
    narysujDrewnianeTloOkna();
}

KontrolerOknaPrzegladarkiTarrowind::~KontrolerOknaPrzegladarkiTarrowind() = default;

void KontrolerOknaPrzegladarkiTarrowind::windowDidBecomeKey()
{
    BrowserWindowController::windowDidBecomeKey();
    narysujDrewnianeTloOkna();
}

void KontrolerOknaPrzegladarkiTarrowind::windowDidResignKey()
{
    narysujDrewnianeTloOkna();
    BrowserWindowController::windowDidResignKey();
}

void KontrolerOknaPrzegladarkiTarrowind::windowDidResize()
{
    narysujDrewnianeTloOkna();
}

QImage KontrolerOknaPrzegladarkiTarrowind::drewnianeTlo(const QSize &rozmiar, const QImage &gora, const QImage &cialo)
{
    QImage obraz(rozmiar, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    if (obraz.isNull())
        return obraz;
    QPainter malarz(&obraz);
    DrewnianyStol::narysuj(malarz, rozmiar, gora, cialo);
    return obraz;
}

QImage KontrolerOknaPrzegladarkiTarrowind::backgroundImage() const
{
    BrowserWindow *okno = window();
    if (okno && m_backgroundImage.size() != okno->size()) {
        // The active window and an inactive one get the same desk. It is the window's own
        // background only: the widgets inside keep their colours and let it show where they are clear.
        m_backgroundImage = drewnianeTlo(okno->size(), ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol-gora")),
                                         ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol")));
    }
    return m_backgroundImage;
}

void KontrolerOknaPrzegladarkiTarrowind::narysujDrewnianeTloOkna()
{
    BrowserWindow *okno = window();
    if (!okno)
        return;
    m_backgroundImage = QImage();
    okno->update();
}

QRect KontrolerOknaPrzegladarkiTarrowind::proponowanaRamkaArkusza() const
{
    BrowserWindow *okno = window();
    const QPoint lewyGorny = okno->mapToGlobal(QPoint(0, 0));
    const QPoint gornaKrawedzKart = okno->tabContentsArea()->mapToGlobal(QPoint(0, 0));
    return QRect(lewyGorny.x(), gornaKrawedzKart.y(), okno->width(), 0);
}

QRect KontrolerOknaPrzegladarkiTarrowind::windowWillPositionSheetUsingRect(QWidget *, const QRect &proponowana) const
{
    return proponowana.translated(0, -przesuniecieArkusza);
}

QWidget *KontrolerOknaPrzegladarkiTarrowind::windowWillReturnFieldEditorToObject(QObject *obiekt)
{
    const DostawcaEdytoraPola &dostawca = dostawcaEdytoraPola();
    if (!dostawca.czyPoleWspolnegoEdytora || !dostawca.nowyEdytor || !dostawca.czyPoleWspolnegoEdytora(obiekt))
        return nullptr;
    if (!m_edytor) {
        m_edytor = dostawca.nowyEdytor(window());
        if (m_edytor)
            m_edytor->hide();
    }
    return m_edytor;
}

bool KontrolerOknaPrzegladarkiTarrowind::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    // ~QWidget sends events here while the window is half destroyed: it is looked at only for
    // events it cannot receive then.
    if (zdarzenie->type() != QEvent::Paint && zdarzenie->type() != QEvent::WindowStateChange)
        return false;
    BrowserWindow *okno = window();
    if (obiekt == okno) {
        if (zdarzenie->type() == QEvent::Paint) {
            QPainter malarz(okno);
            malarz.drawImage(QPoint(0, 0), backgroundImage());
        } else if (zdarzenie->type() == QEvent::WindowStateChange && (okno->windowState() & Qt::WindowFullScreen)) {
            const auto *zmiana = static_cast<QWindowStateChangeEvent *>(zdarzenie);
            okno->setWindowState(zmiana->oldState() & ~Qt::WindowFullScreen);
        }
    }
    return false;
}
