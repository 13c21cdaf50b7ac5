#pragma once

#include "Platform/Ui/ViewController.h"

// The view controller of one tab; the concrete tabs' controllers build their widget trees on it.
class KontrolerKarty : public ViewController
{
    Q_OBJECT

public:
    explicit KontrolerKarty(QObject *rodzic = nullptr);
};
