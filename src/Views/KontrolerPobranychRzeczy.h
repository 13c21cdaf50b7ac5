#pragma once

#include "KontrolerWidokuKataloguSpecjalnego.h"

// The Downloads view of a portfolio tab.
class KontrolerPobranychRzeczy : public KontrolerWidokuKataloguSpecjalnego
{
    Q_OBJECT

public:
    explicit KontrolerPobranychRzeczy(QObject *rodzic = nullptr);
};
