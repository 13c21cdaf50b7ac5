#include "KontrolerAkcjeNaMenuGlownym.h"

KontrolerAkcjeNaMenuGlownym::KontrolerAkcjeNaMenuGlownym(QObject *rodzic)
    : QObject(rodzic)
{
}

void KontrolerAkcjeNaMenuGlownym::setCanOpenNewWindow(bool moze)
{
    m_canOpenNewWindow = moze;
    emit canOpenNewWindowChanged();
}
