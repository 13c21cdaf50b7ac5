#pragma once

#include <QByteArray>

class QWidget;

// The freedesktop startup notification on X11, for a launch that the running program answers: the
// window it raises carries the launch's identifier, and the launch is reported complete, which ends
// the launcher's busy cursor. Qt does both only for a window shown for the first time in a process
// started with that identifier.
class PowiadomienieOStarcieX11
{
public:
    static void zakonczStart(QWidget *okno, const QByteArray &identyfikator);
    // "remove: ID=…", the identifier quoted when it holds a blank, a quote or a backslash.
    static QByteArray wiadomoscUsuniecia(const QByteArray &identyfikator);
};
