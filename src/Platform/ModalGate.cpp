#include "ModalGate.h"

namespace {

int &licznik()
{
    static int wartosc = 0;
    return wartosc;
}

std::function<bool()> &sonda()
{
    static std::function<bool()> wartosc;
    return wartosc;
}

} // namespace

ModalGate::Raise::Raise()
{
    ++licznik();
}

ModalGate::Raise::~Raise()
{
    if (--licznik() == 0)
        ModalGate::announceIfLowered();
}

ModalGate &ModalGate::instance()
{
    static ModalGate *brama = new ModalGate;
    return *brama;
}

bool ModalGate::isRaised()
{
    return licznik() > 0 || (sonda() && sonda()());
}

void ModalGate::setModalWidgetProbe(std::function<bool()> probe)
{
    sonda() = std::move(probe);
}

void ModalGate::notifyProbeChanged()
{
    announceIfLowered();
}

void ModalGate::announceIfLowered()
{
    if (!isRaised())
        emit instance().lowered();
}
