#pragma once

#include <QObject>

#include <functional>

// Holds back deliveries (file-system events, move progress) while the user is inside a modal
// alert, a sheet, a menu or a drag. Raised through the RAII `Raise`; main thread only.
class ModalGate : public QObject
{
    Q_OBJECT

public:
    // Raises the gate for its lifetime.
    class Raise
    {
    public:
        Raise();
        ~Raise();
        Raise(const Raise &) = delete;
        Raise &operator=(const Raise &) = delete;
    };

    static ModalGate &instance();

    // YES while a Raise lives or the probe sees a modal widget or popup.
    static bool isRaised();

    // The widget layer answers whether a modal widget or popup is open; this layer has no widgets.
    static void setModalWidgetProbe(std::function<bool()> probe);

    // Told by the widget layer when a modal widget or popup went away: announces `lowered`
    // when nothing holds the gate any more.
    static void notifyProbeChanged();

signals:
    // The gate went down; held deliveries may go on.
    void lowered();

private:
    ModalGate() = default;
    static void announceIfLowered();
};
