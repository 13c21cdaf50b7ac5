#pragma once

#include "Browser/KontrolerBiezacegoWidokuSzczegolow.h"

#include <QPointer>

class Fasolka;
class KontrolerAkcjeNaElementach;
class KontrolerRzeczyKatalogu;
class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class KontrolerZawartosciFasolki;

// One bean in the details area of a portfolio tab, on a small card of its own: what a bean tab
// shows, with the right panel sized from the portfolio tabs' settings and a button that moves the
// bean into a bean tab (Alt: a new window). The tab caches one per bean name, so it may be
// re-pointed to another bean of that name; once its bean is gone the tab leaves it.
class KontrolerWidokuFasolki : public KontrolerBiezacegoWidokuSzczegolow
{
    Q_OBJECT

public:
    explicit KontrolerWidokuFasolki(QObject *rodzic = nullptr);

    Fasolka *fasolka() const;
    // The bean already shown changes nothing; no bean leaves the views as they were.
    void setFasolka(Fasolka *fasolka);

    void ustawWidok() override;
    void ustawWidokJakoPierwszyResponder() override;
    // "Bean: …", or "no bean".
    QString tytulZakladki() const override;
    QIcon ikonaZakladki() const override;
    // The right panel's width and visibility are those of every portfolio tab.
    void odczytajUstawienia() override;
    // A cached bean view serves every bean of one name.
    void przyjmijItem(const ItemWidoku &item) override;
    bool czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const override;
    void wyswietlDymekNowyKatalog(ZawartoscKarty *karta) override;

    // The name of the bean's flow, or of its flow archive; empty with neither.
    QString nazwaPotoku() const;
    KontrolerZawartosciFasolki *kontrolerZawartosciFasolki() const { return m_kontrolerZawartosciFasolki; }
    KontrolerRzeczyKatalogu *kontrolerRzeczyFasolki() const;
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const;
    KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const;
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaFasolkach() const;

    // The bean goes on in a bean tab of this window, or with Alt in a new window, and leaves this tab.
    void otworzFasolkeNaKarcieLubWNowymOknie(Qt::KeyboardModifiers modyfikatory);

protected:
    void loadView() override;

private:
    void zamknijWidokFasolki();

    KontrolerZawartosciFasolki *m_kontrolerZawartosciFasolki;
};
