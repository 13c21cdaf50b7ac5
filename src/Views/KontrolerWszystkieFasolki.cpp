#include "KontrolerWszystkieFasolki.h"

#include "KontrolerListyFasolek.h"
#include "ListwaFiltra.h"
#include "ListwaZakresu.h"
#include "ProxyWszystkieFasolki.h"
#include "WidokListwyZakresu.h"
#include "WidokTabeliWszystkieFasolki.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/Menu.h"

#include <QLineEdit>

KontrolerWszystkieFasolki::KontrolerWszystkieFasolki(QObject *rodzic)
    : KontrolerNazwanegoWidoku(QT_TRANSLATE_NOOP("KontrolerNazwanegoWidoku", "All Beans"),
                               QStringLiteral("WszystkieFasolki"), rodzic)
    , m_proxy(new ProxyWszystkieFasolki(this))
    , m_listwaZakresu(new ListwaZakresu(this))
    , m_kontrolerAkcjeNaElementach(new KontrolerAkcjeNaElementach(this))
    , m_kontrolerAkcjeNaBazieFasolek(new KontrolerAkcjeNaElementach(this))
{
    m_proxy->setListwaZakresu(m_listwaZakresu);
    addHandler(Akcja::testProfiler, [this](QObject *nadawca) { testProfiler(nadawca); });
    addHandler(Akcja::ustawRodzajWidokuWiersza, [this](QObject *nadawca) {
        if (m_lista)
            m_lista->ustawRodzajWidokuWiersza(nadawca);
    });
}

KontrolerWszystkieFasolki::~KontrolerWszystkieFasolki() = default;

void KontrolerWszystkieFasolki::loadView()
{
    m_widokTabeli = new WidokTabeliWszystkieFasolki;
    m_lista = new KontrolerListyFasolek(m_widokTabeli, m_proxy, m_listwaZakresu, this);
    m_lista->setKolumnaStatusu(false);
    // The main flow's folder keeps its name.
    m_lista->setEdytowalny([](QObject *obiekt) {
        const auto *potok = qobject_cast<Potok *>(obiekt);
        return qobject_cast<Fasolka *>(obiekt) || (potok && !potok->toPotokGlowny());
    });
    m_lista->wlaczZrzutyNaNaglowki();
    m_lista->listwaFiltra()->widokListwyZakresu()->setPokazujPodzialNaPotoki(true);
    setWidokListwyFiltra(m_lista->listwaFiltra());

    KontrolerAkcjeNaElementach *zaznaczenia = m_kontrolerAkcjeNaElementach;
    zaznaczenia->setKontrolerBiezacegoWidokuSzczegolow(this);
    // The new-bean command reads the scope bar: a new bean goes to the selected row's flow, and
    // must come into the scope and be selected.
    zaznaczenia->setOdslonNowaFasolke([lista = QPointer<KontrolerListyFasolek>(m_lista)](Fasolka *nowa) {
        if (lista)
            lista->odslonNowaFasolke(nowa);
    });
    zaznaczenia->setWarunekNowejFasolki(
        [proxy = QPointer<ProxyWszystkieFasolki>(m_proxy)] { return proxy && proxy->czyPodzialNaPotoki(); });
    m_kontrolerAkcjeNaBazieFasolek->setKontrolerBiezacegoWidokuSzczegolow(this);
    m_lista->polaczZAkcjami(zaznaczenia, m_kontrolerAkcjeNaBazieFasolek);
    setKontroleryPrzegladu(zaznaczenia, m_kontrolerAkcjeNaBazieFasolek);
    m_widokTabeli->setMenuPodreczneFasolki(MenuKontroleraElementow::zbuduj(zaznaczenia, m_widokTabeli));
    m_widokTabeli->setMenuPodrecznePotoku(MenuKontroleraElementow::zbudujMenuElementu(zaznaczenia, m_widokTabeli));

    m_lista->dodajPrzyciskNowejFasolki(zaznaczenia, zaznaczenia);
    m_lista->setCeleAkcji({this, zaznaczenia});

    connect(m_lista, &KontrolerListyFasolek::podwojnaAkcja, zaznaczenia,
            &KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik);
    setView(m_lista->widok());
}

void KontrolerWszystkieFasolki::ustawWidok()
{
    view();
    // The list's commands come right after this controller's.
    m_kontrolerAkcjeNaElementach->wstawDoLancuchaZaResponderem(this);
    m_kontrolerAkcjeNaBazieFasolek->setElement(BazaFasolek::sharedBazaFasolek());
}

void KontrolerWszystkieFasolki::odczytajUstawienia()
{
    view();
    KontrolerKartyPortfolio *karta = kontrolerKartyPortfolio();
    m_lista->setUstawieniaKarty(karta ? karta->ustawieniaKarty() : nullptr);
    m_proxy->setKontrolerKartyPortfolio(karta);
    m_proxy->odczytajUstawienia();
}

void KontrolerWszystkieFasolki::ustawDaneWidoku()
{
    view();
    // The list's own change: its rows enter unselected.
    if (!m_proxy->bazaFasolek())
        m_proxy->setBazaFasolek(BazaFasolek::sharedBazaFasolek());
}

void KontrolerWszystkieFasolki::ustawWidokJakoPierwszyResponder()
{
    if (m_widokTabeli)
        m_widokTabeli->setFocus(Qt::OtherFocusReason);
}

KontrolerTablicy *KontrolerWszystkieFasolki::kontrolerTablicy() const
{
    return m_lista ? m_lista->kontrolerTablicy() : nullptr;
}

QLineEdit *KontrolerWszystkieFasolki::poleWyszukiwarki() const
{
    return m_lista ? m_lista->listwaFiltra()->poleWyszukiwarki() : nullptr;
}

WidokDolnegoPaskaIkon *KontrolerWszystkieFasolki::widokDolnegoPaskaIkon() const
{
    return m_lista ? m_lista->widokDolnegoPaskaIkon() : nullptr;
}

Menu *KontrolerWszystkieFasolki::menuPodreczneStatusu() const
{
    return m_kontrolerAkcjeNaElementach->menuPodreczneStatusu();
}

void KontrolerWszystkieFasolki::walidujPrzyciskiAkcji()
{
    if (m_lista)
        m_lista->walidujPrzyciskiAkcji();
}

bool KontrolerWszystkieFasolki::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    if (element.akcja() == Akcja::ustawRodzajWidokuWiersza)
        return m_lista && m_lista->walidujRodzajWidokuWiersza(element);
    return element.akcja() == Akcja::testProfiler;
}

void KontrolerWszystkieFasolki::przejdzDoWyszukiwarki(QObject *)
{
    view();
    m_lista->listwaFiltra()->przejdzDoWyszukiwarki();
}

void KontrolerWszystkieFasolki::testProfiler(QObject *)
{
    drukujLinie(QStringLiteral("KontrolerWszystkieFasolki testProfiler:"));
    drukujCzasOdOstatniego();
    for (int i = 0; i < 1000; ++i)
        m_proxy->tablica();
    drukujCzasOdOstatniego(QStringLiteral("stop = "));
}

void KontrolerWszystkieFasolki::przyjmijItem(const ItemWidoku &)
{
    ustawDaneWidoku();
}

bool KontrolerWszystkieFasolki::czyMoznaWyswietlicDymekNowaFasolka() const
{
    return LancuchResponderow::zwaliduj(ElementInterfejsu(Akcja::wyswietlDymekNowaFasolka),
                                        m_kontrolerAkcjeNaElementach);
}

void KontrolerWszystkieFasolki::wyswietlDymekNowaFasolka()
{
    LancuchResponderow::sendAction(Akcja::wyswietlDymekNowaFasolka, m_kontrolerAkcjeNaElementach, nullptr);
}
