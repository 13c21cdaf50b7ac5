#include "Alert.h"

#include "AlertPresenter.h"
#include "Platform/ModalGate.h"

#include <QCoreApplication>

QStringList Alert::buttons() const
{
    if (m_przyciski.isEmpty())
        return {QCoreApplication::translate("Alert", "OK")};
    return m_przyciski;
}

int Alert::escapeButton() const
{
    const QStringList tytuly = buttons();
    if (m_przyciskEscape >= 0 && m_przyciskEscape < tytuly.size())
        return m_przyciskEscape;
    return tytuly.indexOf(QCoreApplication::translate("Alert", "Cancel"));
}

int Alert::runModal()
{
    ModalGate::Raise brama;
    return AlertPresenter::biezacy().pokaz(*this, nullptr);
}
