#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Validates the items with keys the moment a key is pressed, before Qt matches it against the
// enabled items: a click that only moved the selection inside a focused list changes what a
// command acts on without a change of focus. A focused text field keeps the keys it edits with.
class WalidacjaSkrotow : public QObject
{
    Q_OBJECT

public:
    // One filter on the application; later calls do nothing.
    static void zainstaluj();

    // YES when `fokus` takes typed text and the key is one it edits or submits with: Return,
    // Enter, Delete or Backspace, whatever the modifiers.
    static bool klawiszZostajeWPolu(const QWidget *fokus, const QKeyEvent &klawisz);

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    using QObject::QObject;
};
