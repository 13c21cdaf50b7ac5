#include "WizardWindow.h"

#include "SetupAndMigrationWizard.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPixmap>

WizardWindow::WizardWindow(QWidget *rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
{
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
