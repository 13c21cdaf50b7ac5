#include "AlertPresenter.h"

#include "MessageBoxPresenter.h"
#include "ReplaceableSingleton.h"

using Presenters = ReplaceableSingleton<AlertPresenter, MessageBoxPresenter>;

AlertPresenter &AlertPresenter::current()
{
    return Presenters::current();
}

AlertPresenter *AlertPresenter::replace(AlertPresenter *presenter)
{
    return Presenters::replace(presenter);
}
