#include "Responder.h"

#include "LancuchResponderow.h"

Responder::Responder(QObject *rodzic)
    : QObject(rodzic)
{
}

Responder::~Responder() = default;

QObject *Responder::nextResponder() const
{
    return LancuchResponderow::nastepny(this);
}

void Responder::setNextResponder(QObject *nastepny)
{
    LancuchResponderow::ustawNastepny(this, nastepny);
}

void Responder::wstawDoLancuchaZaResponderem(QObject *responder)
{
    LancuchResponderow::wstawDoLancuchaZaResponderem(this, responder);
}

bool Responder::handlesAction(Akcja akcja) const
{
    return m_handlers.count(akcja) > 0;
}

void Responder::performAction(Akcja akcja, QObject *nadawca)
{
    const auto obsluga = m_handlers.find(akcja);
    if (obsluga == m_handlers.end())
        return;
    // A copy: the handler may register another one for the same command while it runs.
    const Handler wykonywana = obsluga->second;
    wykonywana(nadawca);
}

bool Responder::validateUserInterfaceItem(const ElementInterfejsu &)
{
    return true;
}

void Responder::addHandler(Akcja akcja, Handler obsluga)
{
    m_handlers[akcja] = std::move(obsluga);
}
