#include "WizardWindow.h"

#include "SetupAndMigrationWizard.h"

#include "Platform/Ui/PolozenieArkuszy.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

WizardWindow::WizardWindow(QWidget *rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
{
    // Proposed: the window's top edge, across its width; the controller has the last word.
    const auto ramkaArkusza = [this](QWidget *arkusz) {
        const QRect proponowana(mapToGlobal(QPoint(0, 0)), QSize(width(), 0));
        return m_kontroler ? m_kontroler->windowWillPositionSheetUsingRect(arkusz, proponowana) : proponowana;
    };
    new PolozenieArkuszy(this, ramkaArkusza, this);
}

void WizardWindow::setTlo(const QImage &tlo)
{
    m_tlo = tlo;
    update();
}

void WizardWindow::paintEvent(QPaintEvent *)
{
    // A move to a screen of another density asks for a background rendered anew at its pixel size.
    if (m_kontroler && !m_tlo.isNull() && !qFuzzyCompare(m_tlo.devicePixelRatio(), devicePixelRatioF()))
        m_kontroler->windowDidChangeBackingProperties();
    if (m_tlo.isNull())
        return;
    QPainter malarz(this);
    malarz.drawTiledPixmap(rect(), QPixmap::fromImage(m_tlo));
}

void WizardWindow::closeEvent(QCloseEvent *zdarzenie)
{
    if (m_kontroler && !m_kontroler->windowShouldClose()) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->accept();
}

void WizardWindow::changeEvent(QEvent *zdarzenie)
{
    QWidget::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::ActivationChange && isActiveWindow() && m_kontroler)
        m_kontroler->windowDidBecomeKey();
}

void WizardWindow::keyPressEvent(QKeyEvent *zdarzenie)
{
    // A plain window has no default button of its own: Return and Enter press the one the
    // shown page marks, whichever button has the focus; a disabled one takes the key and does nothing.
    const bool zatwierdzenie = zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter;
    if (zatwierdzenie && (zdarzenie->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const QList<QPushButton *> przyciski = findChildren<QPushButton *>();
        for (QPushButton *przycisk : przyciski) {
            if (!przycisk->isDefault() || !przycisk->isVisible())
                continue;
            if (przycisk->isEnabled())
                przycisk->click();
            return;
        }
    }
    QWidget::keyPressEvent(zdarzenie);
}
