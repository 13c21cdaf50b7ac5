#pragma once

#include "KontrolerNazwanegoWidoku.h"

class KontrolerRzeczyKatalogu;

// The Downloads view of a portfolio tab; its folder outline is still empty.
class KontrolerPobranychRzeczy : public KontrolerNazwanegoWidoku
{
    Q_OBJECT

public:
    explicit KontrolerPobranychRzeczy(QObject *rodzic = nullptr);

    KontrolerRzeczyKatalogu *kontrolerRzeczyKatalogu() const { return m_kontrolerRzeczyKatalogu; }

private:
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyKatalogu;
};
