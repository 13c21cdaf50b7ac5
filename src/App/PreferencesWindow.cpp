#include "PreferencesWindow.h"

#include "PreferencesWindowController.h"

#include <QCloseEvent>

PreferencesWindow::PreferencesWindow(QWidget *rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
{
}

void PreferencesWindow::closeEvent(QCloseEvent *zdarzenie)
{
    if (m_kontroler && !m_kontroler->windowShouldClose()) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->accept();
}

void PreferencesWindow::changeEvent(QEvent *zdarzenie)
{
    QWidget::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::ActivationChange && isActiveWindow() && m_kontroler)
        m_kontroler->windowDidBecomeKey();
}
