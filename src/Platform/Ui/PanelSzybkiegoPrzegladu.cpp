#include "PanelSzybkiegoPrzegladu.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

QPointer<PanelSzybkiegoPrzegladu> &jedynyPanelSzybkiegoPrzegladu()
{
    static QPointer<PanelSzybkiegoPrzegladu> jedyny;
    return jedyny;
}

} // namespace

PanelSzybkiegoPrzegladu::PanelSzybkiegoPrzegladu()
    : QWidget(nullptr, Qt::Tool)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // A tool beside the browser windows: closing the last of them still ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QCoreApplication::translate("PanelSzybkiegoPrzegladu", "Quick Look"));
    resize(480, 360);
}

PanelSzybkiegoPrzegladu *PanelSzybkiegoPrzegladu::wspolny()
{
    if (!jedynyPanelSzybkiegoPrzegladu())
        jedynyPanelSzybkiegoPrzegladu() = new PanelSzybkiegoPrzegladu;
    return jedynyPanelSzybkiegoPrzegladu();
}

bool PanelSzybkiegoPrzegladu::istnieje()
{
    return !jedynyPanelSzybkiegoPrzegladu().isNull();
}

void PanelSzybkiegoPrzegladu::pokaz()
{
    show();
    raise();
}

void PanelSzybkiegoPrzegladu::ukryj()
{
    hide();
}
