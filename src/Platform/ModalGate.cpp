#include "ModalGate.h"

ModalGate &ModalGate::instance()
{
    static ModalGate brama;
    return brama;
}

bool ModalGate::isRaised()
{
    const ModalGate &brama = instance();
    return brama.m_licznik > 0 || (brama.m_sonda && brama.m_sonda());
}

void ModalGate::setModalWidgetProbe(std::function<bool()> probe)
{
    instance().m_sonda = std::move(probe);
}

ModalGate::Raise::Raise()
{
    ++instance().m_licznik;
}

ModalGate::Raise::~Raise()
{
    ModalGate &brama = instance();
    if (--brama.m_licznik == 0)
        emit brama.lowered();
}
