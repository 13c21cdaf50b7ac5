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

bool Responder::obslugujeAkcje(Akcja akcja) const
{
    return m_obslugi.count(akcja) > 0;
}

void Responder::wykonajAkcje(Akcja akcja, QObject *nadawca)
{
    const auto obsluga = m_obslugi.find(akcja);
    if (obsluga == m_obslugi.end())
        return;
    // A copy: the handler may register another one for the same command while it runs.
    const Obsluga wykonywana = obsluga->second;
    wykonywana(nadawca);
}

bool Responder::validateUserInterfaceItem(const ElementInterfejsu &)
{
    return true;
}

void Responder::obsluguj(Akcja akcja, Obsluga obsluga)
{
    m_obslugi[akcja] = std::move(obsluga);
}
