#include "IkonaZPrzeciaganymFolderem.h"

#include "DelegatZrzutuNaIkoneZPrzeciaganymFolderem.h"

#include "Platform/Ui/OdpowiedzNaPrzeciaganie.h"
#include "Platform/Ui/Responder.h"
#include "Platform/Ui/ZrodloPrzeciaganiaPlikow.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The exposure filter: every colour channel times 2^EV, on premultiplied pixels.
QImage przyciemniony(const QImage &obraz, double ekspozycja)
{
    QImage wynik = obraz.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const double mnoznik = std::pow(2.0, ekspozycja);
    for (int y = 0; y < wynik.height(); ++y) {
        auto *linia = reinterpret_cast<QRgb *>(wynik.scanLine(y));
        for (int x = 0; x < wynik.width(); ++x) {
            const QRgb p = linia[x];
            linia[x] = qRgba(int(qRed(p) * mnoznik), int(qGreen(p) * mnoznik), int(qBlue(p) * mnoznik), qAlpha(p));
        }
    }
    return wynik;
}

} // namespace

IkonaZPrzeciaganymFolderem::IkonaZPrzeciaganymFolderem(QWidget *rodzic)
    : QWidget(rodzic)
{
    setAcceptDrops(true);
}

IkonaZPrzeciaganymFolderem::~IkonaZPrzeciaganymFolderem() = default;

void IkonaZPrzeciaganymFolderem::setObraz(const QImage &obraz)
{
    m_obraz = obraz;
    update();
}

void IkonaZPrzeciaganymFolderem::setTarget(Responder *cel)
{
    m_cel = cel;
}

void IkonaZPrzeciaganymFolderem::ustawStanWyswietlania(int stan)
{
    if (stan == m_stanWyswietlania)
        return;
    m_stanWyswietlania = stan;
    // At once, so the pressed state shows before a drag loop starts.
    repaint();
}

void IkonaZPrzeciaganymFolderem::wywolajPolecenie()
{
    if (m_cel && m_akcja && m_cel->handlesAction(*m_akcja))
        m_cel->performAction(*m_akcja, this);
}

QDrag *IkonaZPrzeciaganymFolderem::nowePrzeciaganie()
{
    if (m_plikowyURL.isEmpty())
        return nullptr;
    QDrag *przeciaganie = ZrodloPrzeciaganiaPlikow::nowePrzeciaganie(this, {m_plikowyURL});
    if (!m_obraz.isNull()) {
        const QSize bok(bokObrazuPrzeciagania, bokObrazuPrzeciagania);
        przeciaganie->setPixmap(
            QPixmap::fromImage(m_obraz.scaled(bok, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    przeciaganie->setHotSpot(punktUchwytuPrzeciagania);
    return przeciaganie;
}

void IkonaZPrzeciaganymFolderem::rozpocznijPrzeciaganie()
{
    QDrag *przeciaganie = nowePrzeciaganie();
    if (!przeciaganie)
        return;
    m_czyTrwaPrzeciaganie = true;
    // The drag runs an event loop of its own, in which a drop may close the view that holds the icon.
    const QPointer<IkonaZPrzeciaganymFolderem> ja(this);
    wykonajPrzeciaganie(przeciaganie);
    if (!ja)
        return;
    m_czyTrwaPrzeciaganie = false;
    ustawStanWyswietlania(Normalny);
}

void IkonaZPrzeciaganymFolderem::wykonajPrzeciaganie(QDrag *przeciaganie)
{
    ZrodloPrzeciaganiaPlikow::wykonaj(przeciaganie, ZrodloPrzeciaganiaPlikow::akcjeIkonyKatalogu);
}

void IkonaZPrzeciaganymFolderem::mousePressEvent(QMouseEvent *zdarzenie)
{
    m_czyByloPrzeciaganie = false;
    m_punktWcisniecia = zdarzenie->position().toPoint();
    ustawStanWyswietlania(Wcisniety);
}

void IkonaZPrzeciaganymFolderem::mouseMoveEvent(QMouseEvent *zdarzenie)
{
    if (m_czyByloPrzeciaganie || !(zdarzenie->buttons() & Qt::LeftButton))
        return;
    if ((zdarzenie->position().toPoint() - m_punktWcisniecia).manhattanLength() < QApplication::startDragDistance())
        return;
    ustawStanWyswietlania(Przeciagany);
    m_czyByloPrzeciaganie = true;
    rozpocznijPrzeciaganie();
}

void IkonaZPrzeciaganymFolderem::mouseReleaseEvent(QMouseEvent *)
{
    ustawStanWyswietlania(Normalny);
    if (!m_czyByloPrzeciaganie)
        wywolajPolecenie();
}

void IkonaZPrzeciaganymFolderem::paintEvent(QPaintEvent *)
{
    if (m_obraz.isNull())
        return;
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF granice = rect();
    switch (m_stanWyswietlania) {
    case Wcisniety:
        malarz.drawImage(granice, przyciemniony(m_obraz, -2.0));
        break;
    case Przeciagany:
        malarz.drawImage(granice, przyciemniony(m_obraz, -0.8));
        break;
    case CelZrzutu: {
        malarz.setRenderHint(QPainter::Antialiasing);
        QPainterPath plyta;
        plyta.addRoundedRect(granice, 4.0, 4.0);
        malarz.fillPath(plyta, QColor::fromHsvF(79.0 / 360.0, 0.52, 0.85));
        malarz.drawImage(granice, m_obraz);
        break;
    }
    default:
        // Source-over: source-atop would draw nothing over the transparent widget.
        malarz.drawImage(granice, m_obraz);
        break;
    }
}

Qt::DropAction IkonaZPrzeciaganymFolderem::operacjaDelegata(const QDropEvent &zdarzenie)
{
    if (m_czyTrwaPrzeciaganie || !m_delegate)
        return Qt::IgnoreAction;
    return m_delegate->ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(this,
                                                                   InformacjaOPrzeciaganiu::zZdarzenia(zdarzenie));
}

void IkonaZPrzeciaganymFolderem::dragEnterEvent(QDragEnterEvent *zdarzenie)
{
    // The icon never takes its own item.
    if (m_czyTrwaPrzeciaganie) {
        zdarzenie->ignore();
        return;
    }
    const Qt::DropAction odpowiedz =
        OdpowiedzNaPrzeciaganie::odpowiedzPodczasPrzeciagania(zdarzenie, operacjaDelegata(*zdarzenie));
    // Taken even when refused, so that a later move the delegate accepts still arrives.
    zdarzenie->setDropAction(odpowiedz);
    zdarzenie->accept();
    if (odpowiedz != Qt::IgnoreAction)
        ustawStanWyswietlania(CelZrzutu);
}

void IkonaZPrzeciaganymFolderem::dragMoveEvent(QDragMoveEvent *zdarzenie)
{
    OdpowiedzNaPrzeciaganie::odpowiedzPodczasPrzeciagania(zdarzenie, operacjaDelegata(*zdarzenie));
}

void IkonaZPrzeciaganymFolderem::dragLeaveEvent(QDragLeaveEvent *)
{
    if (!m_czyTrwaPrzeciaganie)
        ustawStanWyswietlania(Normalny);
}

void IkonaZPrzeciaganymFolderem::dropEvent(QDropEvent *zdarzenie)
{
    bool wykonany = false;
    if (operacjaDelegata(*zdarzenie) != Qt::IgnoreAction)
        wykonany =
            m_delegate->ikonaZPrzeciaganymFolderemOdbierzZrzut(this, InformacjaOPrzeciaganiu::zZdarzenia(*zdarzenie));
    ustawStanWyswietlania(Normalny);
    OdpowiedzNaPrzeciaganie::odpowiedzZrodlu(zdarzenie, wykonany);
}
