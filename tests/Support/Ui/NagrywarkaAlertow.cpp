#include "NagrywarkaAlertow.h"

#include "Platform/ModalGate.h"

NagrywarkaAlertow::NagrywarkaAlertow(QList<int> odpowiedzi)
    : m_odpowiedzi(std::move(odpowiedzi))
    , m_poprzedni(AlertPresenter::replace(this))
{
}

NagrywarkaAlertow::~NagrywarkaAlertow()
{
    AlertPresenter::replace(m_poprzedni);
}

int NagrywarkaAlertow::present(Alert &alert, QWidget *okno)
{
    m_wpisy.append(Wpis{alert, okno, okno != nullptr, ModalGate::isRaised()});
    if (m_zaznaczajWyciszenie && alert.showsSuppressionButton())
        alert.setSuppressionButtonState(true);
    if (m_podCzasAlertu)
        m_podCzasAlertu(alert);
    return m_odpowiedzi.isEmpty() ? Alert::firstButton : m_odpowiedzi.takeFirst();
}
