#include "DymekNowaRzecz.h"

#include "PoleNazwa.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int promienRogu = 6;
constexpr int polowaStrzalki = 10;
constexpr int szerokoscPola = 240;

} // namespace

DymekNowaRzecz::DymekNowaRzecz()
    : QFrame(nullptr, Qt::Popup)
    , m_poleOpis(new QLabel(this))
    , m_poleNazwa(new PoleNazwa(this))
{
    setObjectName(QStringLiteral("dymek"));
    m_poleOpis->setObjectName(QStringLiteral("poleOpis"));
    m_poleNazwa->setObjectName(QStringLiteral("poleNazwa"));
    m_poleNazwa->setMinimumWidth(szerokoscPola);
    auto *uklad = new QVBoxLayout(this);
    uklad->setSpacing(8);
    uklad->addWidget(m_poleOpis);
    uklad->addWidget(m_poleNazwa);
    ustawStrzalke(true, 0);
}

void DymekNowaRzecz::pokazPrzy(QWidget *kotwica, const QRect &obszar)
{
    adjustSize();
    const QRect wKotwicy = kotwica && obszar.isNull() ? kotwica->rect() : obszar;
    const QRect obszarKotwicy = kotwica ? QRect(kotwica->mapToGlobal(wKotwicy.topLeft()), wKotwicy.size())
                                        : QRect(QCursor::pos(), QSize(0, 0));
    QScreen *ekran = kotwica && kotwica->screen() ? kotwica->screen() : QGuiApplication::primaryScreen();
    QRect dostepny = ekran ? ekran->availableGeometry() : QRect(0, 0, 100000, 100000);
    if (kotwica) {
        const QRect okno = kotwica->window()->geometry().intersected(dostepny);
        if (okno.width() >= width() && okno.height() >= height())
            dostepny = okno;
    }

    // Below the anchor, or above it where only that has room.
    const bool ponizej = obszarKotwicy.bottom() + height() <= dostepny.bottom()
                         || obszarKotwicy.top() - height() < dostepny.top();
    const int srodek = obszarKotwicy.center().x();
    const int x =
        std::clamp(srodek - width() / 2, dostepny.left(), std::max(dostepny.left(), dostepny.right() - width()));
    const int y = ponizej ? obszarKotwicy.bottom() + 1 : obszarKotwicy.top() - height();
    ustawStrzalke(ponizej,
                  std::clamp(srodek - x, promienRogu + polowaStrzalki, width() - promienRogu - polowaStrzalki));
    move(x, y);
    show();
    activateWindow();
    m_poleNazwa->setFocus(Qt::PopupFocusReason);
}

void DymekNowaRzecz::ustawStrzalke(bool uGory, int x)
{
    m_strzalkaUGory = uGory;
    m_xStrzalki = x;
    setContentsMargins(0, uGory ? wysokoscStrzalki : 0, 0, uGory ? 0 : wysokoscStrzalki);
    setMask(QRegion(ksztalt().toFillPolygon().toPolygon()));
    update();
}

QPainterPath DymekNowaRzecz::ksztalt() const
{
    const QRectF dymek = QRectF(rect()).adjusted(0.5, m_strzalkaUGory ? wysokoscStrzalki : 0.5, -0.5,
                                                 m_strzalkaUGory ? -0.5 : -wysokoscStrzalki);
    QPainterPath sciezka;
    sciezka.addRoundedRect(dymek, promienRogu, promienRogu);
    QPainterPath strzalka;
    const qreal podstawa = m_strzalkaUGory ? dymek.top() + 1 : dymek.bottom() - 1;
    const qreal czubek = m_strzalkaUGory ? 0.5 : height() - 0.5;
    strzalka.moveTo(m_xStrzalki - polowaStrzalki, podstawa);
    strzalka.lineTo(m_xStrzalki, czubek);
    strzalka.lineTo(m_xStrzalki + polowaStrzalki, podstawa);
    strzalka.closeSubpath();
    return sciezka.united(strzalka);
}

void DymekNowaRzecz::paintEvent(QPaintEvent *)
{
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setPen(palette().color(QPalette::Mid));
    malarz.setBrush(palette().color(QPalette::Window));
    malarz.drawPath(ksztalt());
}

void DymekNowaRzecz::resizeEvent(QResizeEvent *zdarzenie)
{
    QFrame::resizeEvent(zdarzenie);
    setMask(QRegion(ksztalt().toFillPolygon().toPolygon()));
}

void DymekNowaRzecz::hideEvent(QHideEvent *zdarzenie)
{
    QFrame::hideEvent(zdarzenie);
    emit zamkniety();
}
