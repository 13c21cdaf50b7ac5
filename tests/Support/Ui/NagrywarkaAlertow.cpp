#include "NagrywarkaAlertow.h"

#include "Platform/ModalGate.h"

NagrywarkaAlertow::NagrywarkaAlertow(QList<int> odpowiedzi)
    : m_odpowiedzi(std::move(odpowiedzi))
    , m_poprzedni(AlertPresenter::ustaw(this))
{
}

NagrywarkaAlertow::~NagrywarkaAlertow()
{
    AlertPresenter::ustaw(m_poprzedni);
}

int NagrywarkaAlertow::pokaz(Alert &alert, QWidget *okno)
{
    m_wpisy.append(Wpis{alert, okno, okno != nullptr, ModalGate::isRaised()});
    if (m_zaznaczajWyciszenie && alert.showsSuppressionButton())
        alert.setSuppressionButtonState(true);
    if (m_podCzasAlertu)
        m_podCzasAlertu(alert);
    return m_odpowiedzi.isEmpty() ? Alert::pierwszyPrzycisk : m_odpowiedzi.takeFirst();
}
