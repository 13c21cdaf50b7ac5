#include "WindowRegistry.h"

#include <QApplication>
#include <QEvent>

WindowRegistry::WindowRegistry()
{
    QWidget *aktywne = QApplication::activeWindow();
    if (aktywne && isApplicationWindow(aktywne))
        appendAtBack(aktywne);
    for (QWidget *okno : QApplication::topLevelWidgets()) {
        if (okno->isVisible() && isApplicationWindow(okno))
            appendAtBack(okno);
    }
    qApp->installEventFilter(this);
}

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry *rejestr = new WindowRegistry;
    return *rejestr;
}

QList<QWidget *> WindowRegistry::windows() const
{
    QList<QWidget *> wynik;
    for (const QPointer<QWidget> &okno : m_windows) {
        if (okno)
            wynik.append(okno);
    }
    return wynik;
}

QList<QWidget *> WindowRegistry::visibleWindows() const
{
    QList<QWidget *> wynik;
    for (QWidget *okno : windows()) {
        if (isShown(okno))
            wynik.append(okno);
    }
    return wynik;
}

bool WindowRegistry::isShown(const QWidget *okno)
{
    return okno && okno->isVisible() && !okno->isMinimized();
}

QWidget *WindowRegistry::mainWindow() const
{
    for (QWidget *okno : visibleWindows()) {
        if (okno->windowType() == Qt::Window)
            return okno;
    }
    return nullptr;
}

bool WindowRegistry::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    const QEvent::Type rodzaj = zdarzenie->type();
    if (rodzaj != QEvent::WindowActivate && rodzaj != QEvent::Show)
        return false;
    auto *widget = qobject_cast<QWidget *>(obiekt);
    if (!widget || !isApplicationWindow(widget))
        return false;
    if (rodzaj == QEvent::WindowActivate)
        moveToFront(widget);
    else
        appendAtBack(widget);
    return false;
}

bool WindowRegistry::isApplicationWindow(const QWidget *widget)
{
    if (!widget->isWindow())
        return false;
    switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Drawer:
    case Qt::Tool:
        return true;
    default:
        return false;
    }
}

void WindowRegistry::moveToFront(QWidget *okno)
{
    m_windows.removeIf([okno](const QPointer<QWidget> &znane) { return znane.isNull() || znane == okno; });
    m_windows.prepend(okno);
}

void WindowRegistry::appendAtBack(QWidget *okno)
{
    for (const QPointer<QWidget> &znane : m_windows) {
        if (znane == okno)
            return;
    }
    m_windows.append(okno);
}
