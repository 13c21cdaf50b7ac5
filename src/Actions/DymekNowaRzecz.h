#pragma once

#include <QFrame>

class QLabel;
class PoleNazwa;

// The popover's window: a caption and a name field in a bubble whose arrow points at the
// button that opened it, from below, or from above when the screen has no room below.
class DymekNowaRzecz : public QFrame
{
    Q_OBJECT

public:
    DymekNowaRzecz();

    QLabel *poleOpis() const { return m_poleOpis; }
    PoleNazwa *poleNazwa() const { return m_poleNazwa; }
    bool strzalkaUGory() const { return m_strzalkaUGory; }

    // Shows the bubble at the anchor, or at a place in it (`obszar`, in its coordinates), with the
    // field focused; without an anchor, at the cursor's place. It stays inside the anchor's window
    // where that has room for it.
    void pokazPrzy(QWidget *kotwica, const QRect &obszar = {});

    static constexpr int wysokoscStrzalki = 10;

signals:
    void zamkniety();

protected:
    void paintEvent(QPaintEvent *zdarzenie) override;
    void resizeEvent(QResizeEvent *zdarzenie) override;
    void hideEvent(QHideEvent *zdarzenie) override;

private:
    QPainterPath ksztalt() const;
    void ustawStrzalke(bool uGory, int x);

    QLabel *m_poleOpis;
    PoleNazwa *m_poleNazwa;
    bool m_strzalkaUGory = true;
    int m_xStrzalki = 0;
};
