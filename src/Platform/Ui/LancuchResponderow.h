#pragma once

#include "Akcja.h"

#include <QList>

class ElementInterfejsu;
class QObject;
class QWidget;
class Responder;
class ViewController;

// The responder chain over widgets and responders. A link's next responder is the one set
// explicitly, else its default: a widget is followed by its view controller, when it is one's
// view, else by its parent widget; a view controller by what would follow its view; a window
// by its window controller, and that by the application delegate. Main thread only.
class LancuchResponderow
{
public:
    static QObject *nastepny(const QObject *responder);
    // nullptr ends the chain at `responder`.
    static void ustawNastepny(QObject *responder, QObject *nastepny);

    // `wstawiany` right behind `poprzedni`, followed by what followed `poprzedni`. Refused when
    // `wstawiany` already follows `poprzedni` directly: a second splice would make it its own next.
    static void wstawDoLancuchaZaResponderem(QObject *wstawiany, QObject *poprzedni);

    // The chain from `poczatek` on, each link once even when splices made it run in a circle.
    static QList<QObject *> lancuchOd(QObject *poczatek);

    static void ustawKontrolerOkna(QWidget *okno, Responder *kontroler);
    static Responder *kontrolerOkna(const QWidget *okno);
    static void ustawDelegataAplikacji(Responder *delegat);
    static Responder *delegatAplikacji();

    // Where a command without a target starts: the window's focus widget, else the window.
    static QWidget *pierwszyResponder(QWidget *okno);

    // The first responder along the chain of `okno` (the active window when none is given) that
    // carries the command out; the application delegate when none of them does.
    static Responder *targetForAction(Akcja akcja, QWidget *okno = nullptr);

    // Sends the command to `cel`, or along the chain when `cel` is null. NO when no one took it.
    static bool sendAction(Akcja akcja, Responder *cel, QObject *nadawca, QWidget *okno = nullptr);

    // Whether the item's command is enabled: its target (as sendAction would find it) exists
    // and accepts it in its validateUserInterfaceItem.
    static bool zwaliduj(const ElementInterfejsu &element, Responder *cel, QWidget *okno = nullptr);

private:
    friend class ViewController;
    static void ustawKontrolerWidoku(QWidget *widok, ViewController *kontroler);
    static ViewController *kontrolerWidoku(const QWidget *widok);

    static QObject *domyslnyNastepny(const QObject *responder);
    static QObject *nastepnyZaWidokiem(const QWidget *widok, bool zKontroleremWidoku);
};
