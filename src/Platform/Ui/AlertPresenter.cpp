#include "AlertPresenter.h"

#include "MessageBoxPresenter.h"
#include "ReplaceableSingleton.h"

using Presenters = ReplaceableSingleton<AlertPresenter, MessageBoxPresenter>;

AlertPresenter &AlertPresenter::biezacy()
{
    return Presenters::current();
}

AlertPresenter *AlertPresenter::ustaw(AlertPresenter *presenter)
{
    return Presenters::replace(presenter);
}
