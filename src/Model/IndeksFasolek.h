#pragma once

#include "ZbiorObiektow.h"

#include <QMultiHash>
#include <QString>

class Fasolka;

// The beans of one flow or flow archive by the key form of their path, so that a path reported
// by the watcher finds its bean without a pass over every bean. Built on the first look-up and
// from then on kept in step by its owner: beans that join or leave, a bean's new path; dropped
// only when a bean takes another entity.
class IndeksFasolek
{
public:
    void uniewaznij();
    void dodaj(const QList<Fasolka *> &fasolki);
    void usun(const QList<Fasolka *> &fasolki);
    void zmienKlucz(Fasolka *fasolka, const QString &staryUrl, const QString &nowyUrl);
    // Of the beans whose path is the key `szukany` or contains it, the one last in the set's
    // order (a pass over the set would end on that one); nullptr for none.
    Fasolka *ostatniaZawierajaca(const ZbiorObiektow<Fasolka> &fasolki, const QString &szukany);

private:
    QMultiHash<QString, Fasolka *> m_poKluczu;
    bool m_aktualny = false;
};
