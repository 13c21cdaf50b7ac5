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

    // The selected tab of the main browser window when it is a bean tab.
    static KartaFasolki *wybranaKartaFasolki();

    Fasolka *fasolka() const;
    // The tab takes the bean's name and icon; without a bean it shows the generic ones.
    void setFasolka(Fasolka *fasolka);

    KontrolerKartyFasolki *kontrolerKartyFasolki() const { return m_kontrolerKartyFasolki.get(); }

    bool becomeFirstResponder() override;
    // Focuses the outline of the bean's folder.
    void ustawWidokJakoPierwszyResponder();

    // The main menu's new-folder command: the bean folder's outline while the right panel is
    // hidden, else the outline that has the focus.
    virtual bool czyMoznaWyswietlicDymekNowyKatalog() const;
    virtual void wyswietlDymekNowyKatalog();

private:
    void stworzKontrolerKartyFasolki();

    QPointer<Fasolka> m_fasolka;
    std::unique_ptr<KontrolerKartyFasolki> m_kontrolerKartyFasolki;
};
