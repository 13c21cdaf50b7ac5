#pragma once

#include <QLineEdit>

// The name field of the new-item popover. Only Return keeps the typed name; any other end of
// editing (Tab, Backtab, a click elsewhere, the popover closing) empties the field.
class PoleNazwa : public QLineEdit
{
    Q_OBJECT

public:
    // How editing ended; the values of the text movements of the original design.
    enum RuchTekstu { rtInny = 0, rtReturn = 16, rtTab = 17, rtBacktab = 18 };

    explicit PoleNazwa(QWidget *rodzic = nullptr);

    // Editing starts again, on a field emptied.
    void zacznijEdycje();
    bool wTrakcieEdycji() const { return m_wTrakcieEdycji; }
    void textDidEndEditing(RuchTekstu ruch);

signals:
    // Asked while the text is still as typed, before the field ends its editing.
    void textShouldEndEditing();

protected:
    bool event(QEvent *zdarzenie) override;
    void keyPressEvent(QKeyEvent *zdarzenie) override;

private:
    void zakonczEdycje(RuchTekstu ruch);

    bool m_wTrakcieEdycji = false;
};
