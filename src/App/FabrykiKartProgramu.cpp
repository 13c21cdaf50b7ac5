#include "FabrykiKartProgramu.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/FabrykiKart.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BazaFasolek.h"
#include "Model/Potok.h"
#include "Views/KontrolerArchiwum.h"
#include "Views/KontrolerBibliotekiMatRef.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/KontrolerPobranychRzeczy.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerWszystkieFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"

#include <QPointer>

namespace {

KontrolerBiezacegoWidokuSzczegolow *kontrolerWidoku(RodzajWidokuPortfolio rodzaj, KartaPortfolio *karta)
{
    switch (rodzaj) {
    case rwpWidokPobranychRzeczy:
        return new KontrolerPobranychRzeczy;
    case rwpWidokBibliotekiMatRef:
        return new KontrolerBibliotekiMatRef;
    case rwpWidokWszystkieFasolki:
        return new KontrolerWszystkieFasolki;
    case rwpWidokPotoku: {
        auto *kontroler = new KontrolerPotoku;
        kontroler->setKartaPortfolio(karta);
        return kontroler;
    }
    case rwpWidokFasolki:
        return new KontrolerWidokuFasolki;
    default:
        return new KontrolerArchiwum;
    }
}

Responder *akcjeNaBazieFasolek(KontrolerKartyPortfolio *karta)
{
    auto *akcje = new KontrolerAkcjeNaElementach(karta);
    // A new flow is selected in the tab's bar.
    akcje->setZaznaczNowyPotok([karta = QPointer<KontrolerKartyPortfolio>(karta)](Potok *nowy) {
        if (karta)
            karta->pokazPotokWPortfolio(nowy);
    });
    akcje->setElement(BazaFasolek::sharedBazaFasolek());
    // The menu's new-flow command has no button: its popover points into the tab's bar.
    akcje->setMiejsceDymka([karta = QPointer<KontrolerKartyPortfolio>(karta)] {
        KontrolerPaskaNawigacji *pasek = karta ? karta->kontrolerPaskaNawigacji() : nullptr;
        return pasek ? pasek->miejsceNowegoPotoku() : KontrolerDymkaNowaRzecz::Kotwica{};
    });
    return akcje;
}

} // namespace

namespace FabrykiKartProgramu {

void zainstaluj()
{
    FabrykiKart fabryki;
    fabryki.kontrolerWidoku = kontrolerWidoku;
    fabryki.pasekNawigacji = [](QObject *rodzic) { return new KontrolerPaskaNawigacji(rodzic); };
    fabryki.akcjeNaBazieFasolek = akcjeNaBazieFasolek;
    fabryki.zawartoscFasolki = [](QObject *rodzic) { return new KontrolerZawartosciFasolki(rodzic); };
    fabryki.umiescAkcjeNaKarcie = KontrolerAkcjeNaElementach::umiescNaKarcie;
    FabrykiKart::ustaw(std::move(fabryki));
}

} // namespace FabrykiKartProgramu
