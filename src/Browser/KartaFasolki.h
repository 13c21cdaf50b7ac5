#pragma once

#include "ZawartoscKarty.h"

#include <QPointer>

#include <memory>

class Fasolka;
class KontrolerKartyFasolki;

// The contents of a bean tab: one bean, shown by the controller the tab makes and owns.
class KartaFasolki : public ZawartoscKarty
{
    Q_OBJECT

public:
    KartaFasolki();
    ~KartaFasolki() override;

    Fasolka *fasolka() const;
    // The tab takes the bean's name and icon; without a bean it shows the generic ones.
    void setFasolka(Fasolka *fasolka);

    KontrolerKartyFasolki *kontrolerKartyFasolki() const { return m_kontrolerKartyFasolki.get(); }

    // The selected tab of the main browser window when it is a bean tab, else nullptr.
    static KartaFasolki *wybranaKartaFasolki();

    // The main menu's new-folder command, handed on to the tab's folder outline. The tab shows
    // no outline yet: until it does, it answers NO and opens nothing.
    virtual bool czyMoznaWyswietlicDymekNowyKatalog() const { return false; }
    virtual void wyswietlDymekNowyKatalog() {}

private:
    void stworzKontrolerKartyFasolki();

    QPointer<Fasolka> m_fasolka;
    std::unique_ptr<KontrolerKartyFasolki> m_kontrolerKartyFasolki;
};
