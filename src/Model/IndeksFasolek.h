#pragma once

#include "ZbiorObiektow.h"

#include <QMultiHash>
#include <QString>

class Fasolka;

// The beans of one flow or flow archive by the key form of their path, so that a path reported
// by the watcher finds its bean without a pass over every bean. Built on the first look-up and
// dropped by its owner whenever the set or a bean's path changes.
class IndeksFasolek
{
public:
    void uniewaznij();
    // Of the beans whose path is the key `szukany` or contains it, the one last in the set's
    // order (a pass over the set would end on that one); nullptr for none.
    Fasolka *ostatniaZawierajaca(const ZbiorObiektow<Fasolka> &fasolki, const QString &szukany);

private:
    QMultiHash<QString, Fasolka *> m_poKluczu;
    bool m_aktualny = false;
};
