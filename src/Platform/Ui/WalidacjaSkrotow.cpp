#include "WalidacjaSkrotow.h"

#include "PozycjaMenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

bool przyjmujeTekst(const QWidget *widok)
{
    if (const auto *pole = qobject_cast<const QLineEdit *>(widok))
        return !pole->isReadOnly();
    if (const auto *tekst = qobject_cast<const QPlainTextEdit *>(widok))
        return !tekst->isReadOnly();
    if (const auto *tekst = qobject_cast<const QTextEdit *>(widok))
        return !tekst->isReadOnly();
    return false;
}

// Typing, which no item's key is: every key has Ctrl, Alt or Meta, or is one that types nothing
// (F1, Delete, Return), so a plain keystroke in a field does not validate the whole menu.
bool toPisanie(const QKeyEvent &klawisz)
{
    if (klawisz.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString tekst = klawisz.text();
    return !tekst.isEmpty() && tekst.at(0).isPrint();
}

} // namespace

void WalidacjaSkrotow::zainstaluj()
{
    static QPointer<WalidacjaSkrotow> filtr;
    if (filtr || !qApp)
        return;
    filtr = new WalidacjaSkrotow(qApp);
    qApp->installEventFilter(filtr);
}

bool WalidacjaSkrotow::klawiszZostajeWPolu(const QWidget *fokus, const QKeyEvent &klawisz)
{
    switch (klawisz.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return przyjmujeTekst(fokus);
    default:
        return false;
    }
}

bool WalidacjaSkrotow::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (zdarzenie->type() != QEvent::ShortcutOverride || !obiekt->isWidgetType())
        return false;
    // Qt offers the key to the window's focus widget first, then to its parents; once is enough.
    const auto *widok = static_cast<QWidget *>(obiekt);
    const QWidget *fokus = widok->window()->focusWidget();
    if (widok != (fokus ? fokus : widok->window()))
        return false;
    auto *klawisz = static_cast<QKeyEvent *>(zdarzenie);
    if (klawiszZostajeWPolu(widok, *klawisz)) {
        klawisz->accept();
        return true;
    }
    if (toPisanie(*klawisz))
        return false;
    // Every item with a key, not only those of the combination the event names: Qt matches the
    // key as the layout can also read it (Ctrl+Shift+4 as Ctrl+4 where the digits lie on Shift,
    // the keypad's keys as the plain ones), and an item it finds must be as its menu would show it.
    PozycjaMenu::zwalidujPozycjeZeSkrotami();
    return false;
}
