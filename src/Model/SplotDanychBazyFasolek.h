#pragma once

#include "SplotBazowy.h"

class Archiwum;
class BazaFasolek;
class Fasolka;
class Potok;

// A node that may stand for the bean database, a flow, a bean or the archive. A flow or a bean
// lends it its present name and icon; the others keep the node's own.
class SplotDanychBazyFasolek : public SplotBazowy
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit SplotDanychBazyFasolek(QObject *rodzic = nullptr);

    QString nazwa() const override;
    QIcon ikona() const override;

    // Null unless the represented object is one; test with the `reprezentuje…` answers first.
    BazaFasolek *bazaFasolek() const;
    void setBazaFasolek(BazaFasolek *baza);
    Potok *potok() const;
    void setPotok(Potok *potok);
    Fasolka *fasolka() const;
    void setFasolka(Fasolka *fasolka);
    Archiwum *archiwum() const;
    void setArchiwum(Archiwum *archiwum);

    // Of exactly that class: a subclass (a flow's archive for the archive) does not count.
    bool reprezentujeBazeFasolek() const;
    bool reprezentujePotok() const;
    bool reprezentujeFasolke() const;
    bool reprezentujeArchiwum() const;
};
