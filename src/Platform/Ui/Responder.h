#pragma once

#include "Akcja.h"

#include <QObject>

#include <functional>
#include <map>

class ElementInterfejsu;

// An object that commands can reach: the target of a menu item or a button, or a link of the
// responder chain. Widgets take part in the chain without being responders; they only pass
// commands on (see LancuchResponderow).
class Responder : public QObject
{
    Q_OBJECT

public:
    explicit Responder(QObject *rodzic = nullptr);
    ~Responder() override;

    // The responder set explicitly, else the default one of this kind of responder.
    QObject *nextResponder() const;
    // nullptr ends the chain here.
    void setNextResponder(QObject *nastepny);

    // Puts this responder right behind `responder`; what followed `responder` now follows this one.
    void wstawDoLancuchaZaResponderem(QObject *responder);

    // Whether this responder carries the command out (the chain stops at the first that does).
    virtual bool handlesAction(Akcja akcja) const;
    virtual void performAction(Akcja akcja, QObject *nadawca);

    // Central validation of the menu items and buttons whose command reaches this responder.
    // Without a rule of its own a responder enables every command it carries out.
    virtual bool validateUserInterfaceItem(const ElementInterfejsu &element);

protected:
    using Handler = std::function<void(QObject *nadawca)>;

    // Registers what a command does here, so subclasses need not override the two above.
    void addHandler(Akcja akcja, Handler obsluga);

private:
    std::map<Akcja, Handler> m_handlers;
};
