#pragma once

#include "RzeczWBazieFasolek.h"
#include "ZbiorObiektow.h"

class BazaFasolek;
class BytKatalogu;
class BytSystemuPlikow;
class Fasolka;

// A flow: a folder of beans under "All Beans".
class Potok : public RzeczWBazieFasolek
{
    Q_OBJECT

public:
    Potok() = default;

    BazaFasolek *bazaFasolek() const { return m_bazaFasolek; }
    BytSystemuPlikow *bytPotoku() const { return m_bytPotoku; }
    void setBytPotoku(BytSystemuPlikow *byt);
    BytKatalogu *katalogRzeczyPotoku() const { return m_katalogRzeczyPotoku; }
    void setKatalogRzeczyPotoku(BytKatalogu *katalog);
    const ZbiorObiektow<Fasolka> &fasolki() const { return m_fasolki; }

signals:
    void bazaFasolekChanged();
    void bytPotokuChanged();
    void katalogRzeczyPotokuChanged();
    void fasolkiChanged(const QList<Fasolka *> &dodane, const QList<Fasolka *> &usuniete);

private:
    friend struct RelacjeModelu;

    BazaFasolek *m_bazaFasolek = nullptr;
    BytSystemuPlikow *m_bytPotoku = nullptr;
    BytKatalogu *m_katalogRzeczyPotoku = nullptr;
    ZbiorObiektow<Fasolka> m_fasolki;
};
