#pragma once

#include "KontrolerKarty.h"

#include <QPointer>

class Fasolka;
class KartaFasolki;

// The controller of one bean tab: the bean it shows.
class KontrolerKartyFasolki : public KontrolerKarty
{
    Q_OBJECT

public:
    explicit KontrolerKartyFasolki(QObject *rodzic = nullptr);

    Fasolka *fasolka() const;
    // Setting the bean already shown changes nothing.
    void setFasolka(Fasolka *fasolka);

    // The tab that owns this controller; not owned.
    KartaFasolki *kartaFasolki() const;
    void setKartaFasolki(KartaFasolki *karta);

private:
    QPointer<Fasolka> m_fasolka;
    QPointer<KartaFasolki> m_kartaFasolki;
};
