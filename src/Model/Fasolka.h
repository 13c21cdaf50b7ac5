#pragma once

#include "RzeczWBazieFasolek.h"

class ArchiwumPotoku;
class BytKatalogu;
class BytSystemuPlikow;
class Potok;

// A bean: one file or folder whose status is the place where it lies.
class Fasolka : public RzeczWBazieFasolek
{
    Q_OBJECT

public:
    Fasolka() = default;

    Potok *potok() const { return m_potok; }
    ArchiwumPotoku *archiwumPotoku() const { return m_archiwumPotoku; }
    BytSystemuPlikow *bytFasolki() const { return m_bytFasolki; }
    void setBytFasolki(BytSystemuPlikow *byt);
    BytKatalogu *katalog() const { return m_katalog; }
    void setKatalog(BytKatalogu *katalog);

signals:
    void potokChanged();
    void archiwumPotokuChanged();
    void bytFasolkiChanged();
    void katalogChanged();

private:
    friend struct RelacjeModelu;

    Potok *m_potok = nullptr;
    ArchiwumPotoku *m_archiwumPotoku = nullptr;
    BytSystemuPlikow *m_bytFasolki = nullptr;
    BytKatalogu *m_katalog = nullptr;
};
