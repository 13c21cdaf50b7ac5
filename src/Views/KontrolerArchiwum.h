#pragma once

#include "KontrolerNazwanegoWidoku.h"

// The archive view of a portfolio tab.
class KontrolerArchiwum : public KontrolerNazwanegoWidoku
{
    Q_OBJECT

public:
    explicit KontrolerArchiwum(QObject *rodzic = nullptr);

    // Focuses the search field; the view has none yet.
    void przejdzDoWyszukiwarki(QObject *) {}
};
