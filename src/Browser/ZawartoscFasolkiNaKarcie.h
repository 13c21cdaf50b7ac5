#pragma once

#include "Platform/Ui/ViewController.h"

class Fasolka;
class KontrolerWidokuRozdzielonegoZPanelemPrawym;
class ZawartoscKarty;

// What a bean tab asks of the bean shown at full size; the controller itself is made by the
// factory App fills.
class ZawartoscFasolkiNaKarcie : public ViewController
{
    Q_OBJECT

public:
    using ViewController::ViewController;

    // Once, before the bean is set.
    virtual void ustawWidok() = 0;
    virtual Fasolka *fasolka() const = 0;
    // The bean already shown changes nothing (nothing is re-read); no bean leaves the views as they were.
    virtual void setFasolka(Fasolka *fasolka) = 0;
    // The name of the bean's flow, or of its flow archive; empty with neither.
    virtual QString nazwaPotoku() const = 0;
    // Focuses the outline of the bean's folder.
    virtual void ustawWidokJakoPierwszyResponder() = 0;
    virtual KontrolerWidokuRozdzielonegoZPanelemPrawym *kontrolerWidokuRozdzielonegoZPanelemPrawym() const = 0;
    // The main menu's new-folder command in the tab `karta`: the bean folder's outline while the
    // right panel is hidden, else the outline that has the focus.
    virtual bool czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const = 0;
    virtual void wyswietlDymekNowyKatalog(ZawartoscKarty *karta) = 0;

signals:
    void nazwaPotokuChanged();
    void nazwaFasolkiChanged();
    // The bean belongs neither to a flow nor to a flow archive any more.
    void fasolkaZostalaUsunieta();
};
