#include "WindowRegistry.h"

#include <QApplication>
#include <QEvent>

WindowRegistry::WindowRegistry()
{
    QWidget *aktywne = QApplication::activeWindow();
    if (aktywne && jestOknemAplikacji(aktywne))
        dopiszNaKoniec(aktywne);
    for (QWidget *okno : QApplication::topLevelWidgets()) {
        if (okno->isVisible() && jestOknemAplikacji(okno))
            dopiszNaKoniec(okno);
    }
    qApp->installEventFilter(this);
}

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry *rejestr = new WindowRegistry;
    return *rejestr;
}

QList<QWidget *> WindowRegistry::okna() const
{
    QList<QWidget *> wynik;
    for (const QPointer<QWidget> &okno : m_okna) {
        if (okno)
            wynik.append(okno);
    }
    return wynik;
}

QList<QWidget *> WindowRegistry::widoczneOkna() const
{
    QList<QWidget *> wynik;
    for (QWidget *okno : okna()) {
        if (jestWidoczne(okno))
            wynik.append(okno);
    }
    return wynik;
}

bool WindowRegistry::jestWidoczne(const QWidget *okno)
{
    return okno && okno->isVisible() && !okno->isMinimized();
}

QWidget *WindowRegistry::glowneOkno() const
{
    for (QWidget *okno : widoczneOkna()) {
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
    if (!widget || !jestOknemAplikacji(widget))
        return false;
    if (rodzaj == QEvent::WindowActivate)
        przesunNaPoczatek(widget);
    else
        dopiszNaKoniec(widget);
    return false;
}

bool WindowRegistry::jestOknemAplikacji(const QWidget *widget)
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

void WindowRegistry::przesunNaPoczatek(QWidget *okno)
{
    m_okna.removeIf([okno](const QPointer<QWidget> &znane) { return znane.isNull() || znane == okno; });
    m_okna.prepend(okno);
}

void WindowRegistry::dopiszNaKoniec(QWidget *okno)
{
    for (const QPointer<QWidget> &znane : m_okna) {
        if (znane == okno)
            return;
    }
    m_okna.append(okno);
}
