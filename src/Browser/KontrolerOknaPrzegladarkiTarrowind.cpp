#include "KontrolerOknaPrzegladarkiTarrowind.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/PoleTekstoweEdytoraSpodziewanegoRezultatu.h"
#include "Browser/TabKit/Browser.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/TabStripView.h"
#include "Browser/WidokPaskaZakladek.h"
#include "Platform/ObrazyAplikacji.h"

#include <QChildEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QWindowStateChangeEvent>

KontrolerOknaPrzegladarkiTarrowind::KontrolerOknaPrzegladarkiTarrowind(std::unique_ptr<Browser> browser)
    : BrowserWindowController(std::move(browser))
{
    BrowserWindow *okno = window();
    okno->setTabStripView(new WidokPaskaZakladek);
    okno->setWindowFlag(Qt::WindowFullscreenButtonHint, false);
    // Full screen is refused when it comes, whoever asks: the window manager or the program.
    okno->installEventFilter(this);
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
    const int w = rozmiar.width();
    const int h = rozmiar.height();
    QImage obraz(rozmiar, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    if (obraz.isNull())
        return obraz;

    QPainter malarz(&obraz);
    malarz.setCompositionMode(QPainter::CompositionMode_SourceOver);
    malarz.setOpacity(1.0);
    // The rows are counted upwards from the bottom edge, as the desk was laid out; `y` is the
    // bottom of a tile.
    const auto rysuj = [&](const QImage &kafelek, int x, int y) {
        malarz.drawImage(QPoint(x, h - y - kafelek.height()), kafelek);
    };

    // A missing texture must never make a zero step.
    int yGora = h;
    if (gora.width() > 0 && gora.height() > 0) {
        yGora = h - gora.height();
        for (int x = 0; x < w; x += gora.width())
            rysuj(gora, x, yGora);
    }
    if (cialo.width() > 0 && cialo.height() > 0) {
        const int reszta = yGora % cialo.height();
        for (int y = reszta - cialo.height(); y < yGora; y += cialo.height()) {
            for (int x = 0; x < w; x += cialo.width())
                rysuj(cialo, x, y);
        }
    }
    return obraz;
}

void KontrolerOknaPrzegladarkiTarrowind::narysujDrewnianeTloOkna()
{
    BrowserWindow *okno = window();
    if (!okno)
        return;
    // The active window and an inactive one get the same desk. It is the window's own
    // background only: the widgets inside keep their colours and let it show where they are clear.
    m_backgroundImage = drewnianeTlo(okno->size(), ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol-gora")),
                                     ObrazyAplikacji::obraz(QStringLiteral("DrewnianyStol")));
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

void KontrolerOknaPrzegladarkiTarrowind::umiescArkusz(QWidget *arkusz)
{
    const QRect ramka = windowWillPositionSheetUsingRect(arkusz, proponowanaRamkaArkusza());
    arkusz->move(ramka.x() + (ramka.width() - arkusz->width()) / 2, ramka.y());
}

EdytorSpodziewanegoRezultatu *KontrolerOknaPrzegladarkiTarrowind::windowWillReturnFieldEditorToObject(QObject *obiekt)
{
    if (!qobject_cast<PoleTekstoweEdytoraSpodziewanegoRezultatu *>(obiekt))
        return nullptr;
    if (!m_edytor) {
        m_edytor = new EdytorSpodziewanegoRezultatu(window());
        m_edytor->hide();
    }
    return m_edytor;
}

bool KontrolerOknaPrzegladarkiTarrowind::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    BrowserWindow *okno = window();
    if (obiekt == okno) {
        if (zdarzenie->type() == QEvent::Paint) {
            QPainter malarz(okno);
            malarz.drawImage(QPoint(0, 0), m_backgroundImage);
        } else if (zdarzenie->type() == QEvent::WindowStateChange && (okno->windowState() & Qt::WindowFullScreen)) {
            const auto *zmiana = static_cast<QWindowStateChangeEvent *>(zdarzenie);
            okno->setWindowState(zmiana->oldState() & ~Qt::WindowFullScreen);
        } else if (zdarzenie->type() == QEvent::ChildAdded) {
            // A sheet is a window-modal child window; it is placed as it shows and as it sizes itself.
            QObject *dziecko = static_cast<QChildEvent *>(zdarzenie)->child();
            if (dziecko->isWidgetType())
                dziecko->installEventFilter(this);
        }
        return false;
    }
    if (zdarzenie->type() == QEvent::Show || zdarzenie->type() == QEvent::Resize) {
        auto *arkusz = qobject_cast<QWidget *>(obiekt);
        if (arkusz && arkusz->isWindow() && arkusz->windowModality() == Qt::WindowModal && okno &&
            arkusz->parentWidget() == okno && (zdarzenie->type() == QEvent::Show || arkusz->isVisible()))
            umiescArkusz(arkusz);
    }
    return false;
}
