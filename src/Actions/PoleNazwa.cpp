#include "PoleNazwa.h"

#include <QKeyEvent>

PoleNazwa::PoleNazwa(QWidget *rodzic)
    : QLineEdit(rodzic)
{
    connect(this, &QLineEdit::textEdited, this, [this] { m_wTrakcieEdycji = true; });
}

void PoleNazwa::zacznijEdycje()
{
    clear();
    m_wTrakcieEdycji = true;
}

void PoleNazwa::textDidEndEditing(RuchTekstu ruch)
{
    m_wTrakcieEdycji = false;
    if (ruch != rtReturn)
        setText(QString());
}

void PoleNazwa::zakonczEdycje(RuchTekstu ruch)
{
    emit textShouldEndEditing();
    textDidEndEditing(ruch);
}

bool PoleNazwa::event(QEvent *zdarzenie)
{
    // Tab and Backtab end the editing here, before the focus chain would take them.
    if (zdarzenie->type() == QEvent::KeyPress) {
        const auto *klawisz = static_cast<QKeyEvent *>(zdarzenie);
        if (!(klawisz->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (klawisz->key() == Qt::Key_Backtab
                || (klawisz->key() == Qt::Key_Tab && klawisz->modifiers() & Qt::ShiftModifier)) {
                zakonczEdycje(rtBacktab);
                return true;
            }
            if (klawisz->key() == Qt::Key_Tab) {
                zakonczEdycje(rtTab);
                return true;
            }
        }
    }
    return QLineEdit::event(zdarzenie);
}

void PoleNazwa::keyPressEvent(QKeyEvent *zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter) {
        // An empty field stays open for a name.
        if (!text().isEmpty())
            zakonczEdycje(rtReturn);
        zdarzenie->accept();
        return;
    }
    QLineEdit::keyPressEvent(zdarzenie);
}
