#pragma once

#include <QObject>

#include <functional>

// Raised while a modal alert or sheet, a menu or a drag runs. Deliveries that must not reach
// the graph in the middle of those (disk events, move progress) wait until it is lowered.
class ModalGate : public QObject
{
    Q_OBJECT
public:
    static ModalGate &instance();
    // The counter is above zero, or the installed probe finds a modal widget or pop-up open.
    static bool isRaised();
    // The widget layer installs the probe; the platform layer cannot ask QApplication itself.
    static void setModalWidgetProbe(std::function<bool()> probe);

    class Raise
    {
    public:
        Raise();
        ~Raise();
        Raise(const Raise &) = delete;
        Raise &operator=(const Raise &) = delete;
    };

signals:
    // The counter went back to zero.
    void lowered();

private:
    ModalGate() = default;

    int m_licznik = 0;
    std::function<bool()> m_sonda;
};
