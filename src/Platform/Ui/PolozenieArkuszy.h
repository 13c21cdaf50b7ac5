#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

// Attaches a window's sheets (its window-modal child windows) to the frame its controller names,
// centred across it at its top, as each sheet shows and as it sizes itself.
class PolozenieArkuszy : public QObject
{
public:
    // `ramka` answers, for a sheet, the frame in screen coordinates: its left edge, width and top count.
    // The owner is whoever `ramka` asks, so that the placement ends with it.
    PolozenieArkuszy(QWidget *okno, std::function<QRect(QWidget *arkusz)> ramka, QObject *wlasciciel);

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    void umiesc(QWidget *arkusz);

    QPointer<QWidget> m_okno;
    std::function<QRect(QWidget *arkusz)> m_ramka;
};
