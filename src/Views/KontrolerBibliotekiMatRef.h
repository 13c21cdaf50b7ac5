#pragma once

#include "KontrolerWidokuKataloguSpecjalnego.h"

// The Reference Library view of a portfolio tab.
class KontrolerBibliotekiMatRef : public KontrolerWidokuKataloguSpecjalnego
{
    Q_OBJECT

public:
    explicit KontrolerBibliotekiMatRef(QObject *rodzic = nullptr);
};
