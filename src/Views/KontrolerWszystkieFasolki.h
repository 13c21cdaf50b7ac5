#pragma once

#include "KontrolerNazwanegoWidoku.h"

// The All Beans view of a portfolio tab.
class KontrolerWszystkieFasolki : public KontrolerNazwanegoWidoku
{
    Q_OBJECT

public:
    explicit KontrolerWszystkieFasolki(QObject *rodzic = nullptr);

    // Gives the list the bean database; the view has no list yet.
    void ustawDaneWidoku() {}
    // Focuses the search field; the view has none yet.
    void przejdzDoWyszukiwarki(QObject *) {}
};
