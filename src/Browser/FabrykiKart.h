#pragma once

#include "RodzajWidokuPortfolio.h"

#include <functional>

class KartaPortfolio;
class KontrolerBiezacegoWidokuSzczegolow;
class KontrolerKartyPortfolio;
class PasekNawigacjiKarty;
class QObject;
class QWidget;
class Responder;
class ZawartoscFasolkiNaKarcie;

// What the tabs are built with from the layers above the browser: the views and their actions.
// App fills it once at start-up, before the first tab; a tab reads it while it builds its widgets.
class FabrykiKart
{
public:
    // The details controller of a portfolio tab for a view kind other than 0.
    std::function<KontrolerBiezacegoWidokuSzczegolow *(RodzajWidokuPortfolio rodzaj, KartaPortfolio *karta)>
        kontrolerWidoku;
    // A portfolio tab's navigation bar, a child of `rodzic`.
    std::function<PasekNawigacjiKarty *(QObject *rodzic)> pasekNawigacji;
    // The actions of a portfolio tab's database commands (the new-flow popover), a child of its controller.
    std::function<Responder *(KontrolerKartyPortfolio *kontroler)> akcjeNaBazieFasolek;
    // The bean at full size on a bean tab, a child of `rodzic`.
    std::function<ZawartoscFasolkiNaKarcie *(QObject *rodzic)> zawartoscFasolki;
    // Tells the actions controllers among `wlasciciel` and its children the tab view they act in.
    std::function<void(QObject *wlasciciel, QWidget *widok)> umiescAkcjeNaKarcie;

    static const FabrykiKart &biezace();
    static void ustaw(FabrykiKart fabryki);
};
