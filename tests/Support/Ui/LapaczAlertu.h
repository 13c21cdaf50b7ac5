#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// On a real X server: the next message box the program shows modally, caught from a timer, as it
// runs a loop of its own. Once it is on screen its screenshot is saved in front of the window
// `okno` answers at that moment (none before the program's window opens), its texts are kept, it
// is closed, and that window gets back the activation that no window manager hands over.
class LapaczAlertu
{
public:
    using Okno = std::function<QWidget *()>;

    void lap(const QString &nazwaZrzutu, Okno okno = {});

    bool zlapany() const { return m_zlapany; }
    QString tekst() const { return m_tekst; }
    QString informacja() const { return m_informacja; }

private:
    QTimer m_straznik;
    bool m_zlapany = false;
    QString m_tekst;
    QString m_informacja;
};
