#pragma once

#include <QObject>

// Lets the modal gate see what only the widget layer knows: an open application-modal widget or
// popup (a dialog of Qt's own, a menu that is not ours). Tells the gate when one of them closes.
class ModalGateProbe : public QObject
{
    Q_OBJECT

public:
    // Once at start-up; further calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    ModalGateProbe() = default;
};
