#include "EdytorSpodziewanegoRezultatu.h"

#include "KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "PoleTekstoweEdytoraSpodziewanegoRezultatu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>

namespace {

constexpr int wielkoscCzcionkiEdytora = 11;
// Where the placeholder is drawn and the text begins, in the text view.
constexpr int lewyBrzegTekstu = 5;

} // namespace

EdytorSpodziewanegoRezultatu::EdytorSpodziewanegoRezultatu(QWidget *rodzic)
    : QPlainTextEdit(rodzic)
{
    setFont(czcionka());
    // The text starts where the placeholder does, at the view's top: the lowest pane holds one
    // line whole, descenders too, and a filled bean shows its text where an empty one shows the
    // placeholder.
    document()->setDocumentMargin(0);
    setViewportMargins(lewyBrzegTekstu, 0, 0, 0);
}

KontrolerEdytoraSpodziewanegoRezultatu *EdytorSpodziewanegoRezultatu::kontrolerEdytoraSpodziewanegoRezultatu() const
{
    return m_kontroler;
}

void EdytorSpodziewanegoRezultatu::setKontrolerEdytoraSpodziewanegoRezultatu(
    KontrolerEdytoraSpodziewanegoRezultatu *kontroler)
{
    m_kontroler = kontroler;
}

QString EdytorSpodziewanegoRezultatu::tekst() const
{
    // toPlainText would turn no-break spaces into plain ones.
    QString surowy = document()->toRawText();
    surowy.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return surowy;
}

qreal EdytorSpodziewanegoRezultatu::wysokoscTekstu() const
{
    qreal wysokosc = 2 * document()->documentMargin() + 2 * frameWidth();
    for (QTextBlock blok = document()->begin(); blok.isValid(); blok = blok.next())
        wysokosc += blockBoundingRect(blok).height();
    return wysokosc;
}

void EdytorSpodziewanegoRezultatu::zaktualizujWysokoscEdytora()
{
    if (!m_kontroler)
        return;
    m_kontroler->zwinWidokZEdytorem(false);
    m_kontroler->rozwinWidokZEdytorem(false);
}

QColor EdytorSpodziewanegoRezultatu::kolorTrybuPodgladu()
{
    return QColor::fromRgbF(0, 0, 0, 0.7f);
}

QColor EdytorSpodziewanegoRezultatu::kolorTrybuEdycji()
{
    return QColor::fromRgbF(0, 0, 0, 1);
}

QFont EdytorSpodziewanegoRezultatu::czcionka()
{
    QFont wynik(QApplication::font().family());
    wynik.setPixelSize(wielkoscCzcionkiEdytora);
    return wynik;
}

bool EdytorSpodziewanegoRezultatu::czyKlawiszBezZnakow(const QKeyEvent &zdarzenie)
{
    if (!zdarzenie.text().isEmpty())
        return false;
    switch (zdarzenie.key()) {
    case Qt::Key_unknown:
    case 0:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

bool EdytorSpodziewanegoRezultatu::czyReturnBezOpcji(const QKeyEvent &zdarzenie)
{
    return (zdarzenie.key() == Qt::Key_Return || zdarzenie.key() == Qt::Key_Enter)
           && !zdarzenie.modifiers().testFlag(Qt::AltModifier);
}

bool EdytorSpodziewanegoRezultatu::wTrybieEdycji() const
{
    return m_kontroler && m_kontroler->jestWTrybeEdycji();
}

void EdytorSpodziewanegoRezultatu::keyPressEvent(QKeyEvent *zdarzenie)
{
    zdarzenie->accept();
    if (czyKlawiszBezZnakow(*zdarzenie))
        return;
    if (czyReturnBezOpcji(*zdarzenie)) {
        if (!m_kontroler)
            return;
        if (wTrybieEdycji()) {
            m_kontroler->zapiszRezultat();
            zaktualizujWysokoscEdytora();
        } else {
            m_kontroler->rozpocznijEdycje();
        }
        return;
    }
    if (zdarzenie->key() == Qt::Key_Escape && wTrybieEdycji()) {
        m_kontroler->anulujEdycje();
        return;
    }
    if ((zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter) && !isReadOnly())
        textCursor().insertText(QStringLiteral("\n"));
    else
        QPlainTextEdit::keyPressEvent(zdarzenie);
    zaktualizujWysokoscEdytora();
}

void EdytorSpodziewanegoRezultatu::mouseDoubleClickEvent(QMouseEvent *zdarzenie)
{
    if (!m_kontroler)
        return;
    if (!wTrybieEdycji()) {
        m_kontroler->rozpocznijEdycje();
        return;
    }
    QPlainTextEdit::mouseDoubleClickEvent(zdarzenie);
}

void EdytorSpodziewanegoRezultatu::focusOutEvent(QFocusEvent *zdarzenie)
{
    QPlainTextEdit::focusOutEvent(zdarzenie);
    // Another window or a menu takes the focus only for a while.
    const bool naChwile = zdarzenie->reason() == Qt::ActiveWindowFocusReason
                          || zdarzenie->reason() == Qt::PopupFocusReason;
    if (wTrybieEdycji() && !naChwile)
        m_kontroler->zapiszPoUtracieFokusu(true);
}

void EdytorSpodziewanegoRezultatu::hideEvent(QHideEvent *zdarzenie)
{
    QPlainTextEdit::hideEvent(zdarzenie);
    if (wTrybieEdycji())
        m_kontroler->zapiszPoUtracieFokusu(false);
}

void EdytorSpodziewanegoRezultatu::paintEvent(QPaintEvent *zdarzenie)
{
    if (document()->isEmpty() && !wTrybieEdycji()) {
        QPainter malarz(viewport());
        malarz.setFont(czcionka());
        malarz.setPen(QColor::fromRgbF(0, 0, 0, 0.4f));
        malarz.drawText(QRectF(QPointF(0, 0), QSizeF(viewport()->size())), Qt::AlignLeft | Qt::AlignTop,
                        tr("<enter expected outcome>"));
    }
    QPlainTextEdit::paintEvent(zdarzenie);
}

KontrolerOknaPrzegladarkiTarrowind::DostawcaEdytoraPola EdytorSpodziewanegoRezultatu::dostawcaDlaOkien()
{
    return {[](const QObject *pole) {
                return qobject_cast<const PoleTekstoweEdytoraSpodziewanegoRezultatu *>(pole) != nullptr;
            },
            [](QWidget *okno) -> QWidget * { return new EdytorSpodziewanegoRezultatu(okno); }};
}
