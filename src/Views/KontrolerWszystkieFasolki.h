#pragma once

#include "KontrolerNazwanegoWidoku.h"

class KontrolerAkcjeNaElementach;

// The All Beans view of a portfolio tab.
class KontrolerWszystkieFasolki : public KontrolerNazwanegoWidoku
{
    Q_OBJECT

public:
    explicit KontrolerWszystkieFasolki(QObject *rodzic = nullptr);

    // Gives the list the bean database; the view has no list yet.
    void ustawDaneWidoku() {}
    // The actions of the list's items; the list is still to come.
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaElementach() const { return m_kontrolerAkcjeNaElementach; }
    // Focuses the search field; the view has none yet.
    void przejdzDoWyszukiwarki(QObject *) {}

private:
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaElementach;
};
