#include "AlertPresenter.h"

#include "MessageBoxPresenter.h"

namespace {

AlertPresenter *&zastepca()
{
    static AlertPresenter *presenter = nullptr;
    return presenter;
}

} // namespace

AlertPresenter &AlertPresenter::biezacy()
{
    static MessageBoxPresenter okienka;
    return zastepca() ? *zastepca() : okienka;
}

AlertPresenter *AlertPresenter::ustaw(AlertPresenter *presenter)
{
    AlertPresenter *poprzedni = zastepca();
    zastepca() = presenter;
    return poprzedni;
}
