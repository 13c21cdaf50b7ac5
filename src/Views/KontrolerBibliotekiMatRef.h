#pragma once

#include "KontrolerNazwanegoWidoku.h"

class KontrolerRzeczyKatalogu;

// The Reference Library view of a portfolio tab; its folder outline is still empty.
class KontrolerBibliotekiMatRef : public KontrolerNazwanegoWidoku
{
    Q_OBJECT

public:
    explicit KontrolerBibliotekiMatRef(QObject *rodzic = nullptr);

    KontrolerRzeczyKatalogu *kontrolerRzeczyKatalogu() const { return m_kontrolerRzeczyKatalogu; }

private:
    KontrolerRzeczyKatalogu *m_kontrolerRzeczyKatalogu;
};
