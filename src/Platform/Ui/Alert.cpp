#include "Alert.h"

#include "AlertPresenter.h"
#include "Platform/ModalGate.h"

#include <QCoreApplication>

QStringList Alert::buttons() const
{
    if (m_buttons.isEmpty())
        return {QCoreApplication::translate("Alert", "OK")};
    return m_buttons;
}

int Alert::escapeButton() const
{
    const QStringList tytuly = buttons();
    if (m_escapeButton >= 0 && m_escapeButton < tytuly.size())
        return m_escapeButton;
    return tytuly.indexOf(QCoreApplication::translate("Alert", "Cancel"));
}

int Alert::runModal()
{
    ModalGate::Raise brama;
    return AlertPresenter::current().present(*this, nullptr);
}
