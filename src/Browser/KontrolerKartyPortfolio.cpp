#include "KontrolerKartyPortfolio.h"

#include "FabrykiKart.h"
#include "KartaPortfolio.h"
#include "KontrolerBiezacegoWidokuSzczegolow.h"
#include "KontrolerWidokuRozdzielonegoZPaskiemNawigacji.h"
#include "TloKarty.h"
#include "TloWidokuSzczegolowNaKarciePortfolio.h"
#include "TloZielonegoWidokuKartyPortfolio.h"
#include "UstawieniaKartyPortfolio.h"
#include "WidokRozdzielonyListwyFiltra.h"
#include "WidokRozdzielonyZPaskiemNawigacji.h"
#include "ZawartoscKarty.h"

#include "Model/Archiwum.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Konsola.h"
#include "Platform/ObrazyAplikacji.h"
#include "Widgets/KontrolkaSegmentowa.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QSet>
#include <QVBoxLayout>

namespace {

// The width of the strip that stands in for a collapsed navigation bar.
constexpr int szerokoscWidokuNaZakladke = 27;
constexpr double poczatkowaSzerokoscPaska = 175.0;

QWidget *hostZUkladem(const QString &nazwa, QBoxLayout *uklad)
{
    auto *host = new QWidget;
    host->setObjectName(nazwa);
    host->setLayout(uklad);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    return host;
}

} // namespace

void KontrolerKartyPortfolio::UsunPozniej::operator()(QObject *obiekt) const
{
    // The controller may be running the very handler that asked to forget its item.
    obiekt->deleteLater();
}

KontrolerKartyPortfolio::KontrolerKartyPortfolio(QObject *rodzic)
    : KontrolerKarty(rodzic)
    , m_ustawieniaKarty(std::make_unique<UstawieniaKartyPortfolio>())
{
    addHandler(Akcja::przejdzDoPoprzedniegoWidoku, [this](QObject *) { przejdzDoPoprzedniegoWidoku(); });
    addHandler(Akcja::przejdzDoNastepnegoWidoku, [this](QObject *) { przejdzDoNastepnegoWidoku(); });
    addHandler(Akcja::przejdzDoZapamietanegoWidoku,
               [this](QObject *nadawca) { przejdzDoZapamietanegoWidoku(nadawca); });
    addHandler(Akcja::otworzBazeFasolekWFinderze, [this](QObject *) { otworzBazeFasolekWFinderze(); });
    addHandler(Akcja::wyswietlListyPoprzednichINastepnychWidokow,
               [this](QObject *) { wyswietlListyPoprzednichINastepnychWidokow(); });
}

KontrolerKartyPortfolio::~KontrolerKartyPortfolio()
{
    disconnect(m_obserwacjaTytulu);
}

RodzajWidokuPortfolio KontrolerKartyPortfolio::rodzajWidokuDlaItem(const ItemWidoku &item)
{
    if (item.potok())
        return rwpWidokPotoku;
    if (item.fasolka())
        return rwpWidokFasolki;
    const QString nazwa = item.nazwaWidoku();
    for (RodzajWidokuPortfolio rodzaj :
         {rwpWidokPobranychRzeczy, rwpWidokBibliotekiMatRef, rwpWidokWszystkieFasolki, rwpWidokArchiwum}) {
        if (!nazwa.isNull() && nazwa == itemDlaRodzajuWidoku(rodzaj))
            return rodzaj;
    }
    return rwpWidokNieokreslony;
}

QString KontrolerKartyPortfolio::nazwaWidokuDlaItem(const ItemWidoku &item)
{
    if (Potok *potok = item.potok())
        return QStringLiteral("potok '%1'").arg(potok->nazwa());
    if (Fasolka *fasolka = item.fasolka())
        return QStringLiteral("fasolka '%1'").arg(fasolka->nazwa());
    return item.nazwaWidoku();
}

void KontrolerKartyPortfolio::loadView()
{
    KontrolerKarty::loadView();
    auto *zielone = new TloZielonegoWidokuKartyPortfolio;
    zielone->setObjectName(QStringLiteral("tloZielone"));
    auto *uklad = new QHBoxLayout(zielone);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);

    auto *ukladNaZakladke = new QVBoxLayout;
    m_widokNaZakladke = hostZUkladem(QStringLiteral("widokNaZakladke"), ukladNaZakladke);
    m_widokNaZakladke->setFixedWidth(szerokoscWidokuNaZakladke);
    m_przyciskiWsteczINaprzod2 = zbudujPrzyciskiWsteczINaprzod(Qt::Vertical);
    ukladNaZakladke->setContentsMargins(2, 8, 2, 0);
    ukladNaZakladke->addWidget(m_przyciskiWsteczINaprzod2);
    ukladNaZakladke->addStretch();
    m_widokNaZakladke->hide();
    uklad->addWidget(m_widokNaZakladke);

    m_widokRozdzielony = new WidokRozdzielonyZPaskiemNawigacji;
    m_widokRozdzielony->setObjectName(QStringLiteral("widokRozdzielony"));
    m_widokRozdzielony->addSubview(zbudujKolumnePaska());
    m_widokRozdzielony->addSubview(zbudujKolumneSzczegolow());
    uklad->addWidget(m_widokRozdzielony, 1);

    m_kontrolerWidokuRozdzielonego = new KontrolerWidokuRozdzielonegoZPaskiemNawigacji(this);
    m_kontrolerWidokuRozdzielonego->setWidokPaskaNawigacji(m_widokRozdzielony->subviews().constFirst());
    m_kontrolerWidokuRozdzielonego->setWidokSzczegolow(m_widokRozdzielony->subviews().constLast());
    m_kontrolerWidokuRozdzielonego->setWidokRozdzielony(m_widokRozdzielony);
    m_kontrolerWidokuRozdzielonego->setWidokPaskaNarzedzi(m_widokRozdzielonyListwyFiltra->subviews().constFirst());
    m_kontrolerWidokuRozdzielonego->setWidokRozdzielonyListwyFiltra(m_widokRozdzielonyListwyFiltra);

    const FabrykiKart &fabryki = FabrykiKart::biezace();
    m_kontrolerAkcjeNaBazieFasolek = fabryki.akcjeNaBazieFasolek(this);
    m_kontrolerPaskaNawigacji = fabryki.pasekNawigacji(this);

    tloKarty()->setWidokSzczegolow(zielone);
    tloKarty()->awakeFromNib();
}

QWidget *KontrolerKartyPortfolio::zbudujKolumnePaska()
{
    auto *uklad = new QVBoxLayout;
    QWidget *kolumna = hostZUkladem(QStringLiteral("kolumnaPaskaNawigacji"), uklad);
    kolumna->resize(int(poczatkowaSzerokoscPaska), kolumna->height());
    m_przyciskiWsteczINaprzod1 = zbudujPrzyciskiWsteczINaprzod(Qt::Horizontal);
    uklad->setContentsMargins(8, 8, 4, 0);
    uklad->addWidget(m_przyciskiWsteczINaprzod1, 0, Qt::AlignLeft);
    m_widokDlaZaryseliPaskaNawigacji = hostZUkladem(QStringLiteral("widokDlaZaryseliPaskaNawigacji"), new QVBoxLayout);
    uklad->addWidget(m_widokDlaZaryseliPaskaNawigacji, 1);
    return kolumna;
}

QWidget *KontrolerKartyPortfolio::zbudujKolumneSzczegolow()
{
    auto *uklad = new QVBoxLayout;
    QWidget *kolumna = hostZUkladem(QStringLiteral("kolumnaSzczegolow"), uklad);
    uklad->addWidget(zbudujWidokRozdzielonyListwyFiltra());
    auto *tlo = new TloWidokuSzczegolowNaKarciePortfolio;
    tlo->setObjectName(QStringLiteral("tloWidokuSzczegolow"));
    m_zastepczyWidokZawartosci = hostZUkladem(QStringLiteral("zastepczyWidokZawartosci"), new QVBoxLayout);
    tlo->setWidokSzczegolow(m_zastepczyWidokZawartosci);
    tlo->awakeFromNib();
    uklad->addWidget(tlo, 1);
    return kolumna;
}

SplitView *KontrolerKartyPortfolio::zbudujWidokRozdzielonyListwyFiltra()
{
    m_widokRozdzielonyListwyFiltra = new WidokRozdzielonyListwyFiltra;
    m_widokRozdzielonyListwyFiltra->setObjectName(QStringLiteral("widokRozdzielonyListwyFiltra"));
    // The tool strip keeps its width while closed, so that it opens at it.
    auto *pasekNarzedzi = new QWidget;
    pasekNarzedzi->setObjectName(QStringLiteral("widokPaskaNarzedzi"));
    pasekNarzedzi->resize(int(KontrolerWidokuRozdzielonegoZPaskiemNawigacji::szerokoscPaskaNarzedzi), 0);
    m_widokRozdzielonyListwyFiltra->addSubview(pasekNarzedzi);
    // The filter strip follows the window through the host's layout.
    m_widokDlaListwyFiltra = hostZUkladem(QStringLiteral("widokDlaListwyFiltra"), new QVBoxLayout);
    m_widokRozdzielonyListwyFiltra->addSubview(m_widokDlaListwyFiltra);
    return m_widokRozdzielonyListwyFiltra;
}

KontrolkaSegmentowa *KontrolerKartyPortfolio::zbudujPrzyciskiWsteczINaprzod(Qt::Orientation orientacja)
{
    auto *przyciski = new KontrolkaSegmentowa({QStringLiteral("◀"), QStringLiteral("▶")}, orientacja);
    przyciski->setObjectName(orientacja == Qt::Horizontal ? QStringLiteral("przyciskiWsteczINaprzod1")
                                                          : QStringLiteral("przyciskiWsteczINaprzod2"));
    connect(przyciski, &KontrolkaSegmentowa::segmentKlikniety, this,
            [this, przyciski] { przejdzDoZapamietanegoWidoku(przyciski); });
    return przyciski;
}

void KontrolerKartyPortfolio::awakeFromNib()
{
    KontrolerKarty::awakeFromNib();
    wstawDoLancuchaZaResponderem(m_widokRozdzielony);
    tloKarty()->setRodzajKarty(ZawartoscKarty::rodzajKartaPortfolio);
    walidujPrzyciskiWsteczINaprzod();
}

void KontrolerKartyPortfolio::skonfigurujWidokZWidokiem(RodzajWidokuPortfolio rodzaj)
{
    view();
    m_ustawieniaKarty->odczytajUstawieniaAplikacji();
    if (m_kontrolerPaskaNawigacji)
        m_widokDlaZaryseliPaskaNawigacji->layout()->addWidget(m_kontrolerPaskaNawigacji->view());
    // The tab's own commands and those of the bar (a child of this controller), whose actions
    // controllers exist once its view does.
    przylaczDoKarty(this);
    m_kontrolerWidokuRozdzielonego->setKontrolerKartyPortfolio(this);
    m_kontrolerWidokuRozdzielonego->odczytajUstawienia();
    if (m_kontrolerPaskaNawigacji)
        m_kontrolerPaskaNawigacji->skonfigurujWidok(this);
    if (rodzaj != rwpWidokNieokreslony)
        ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(itemDlaRodzajuWidoku(rodzaj)), true);
    else if (m_kontrolerPaskaNawigacji)
        m_kontrolerPaskaNawigacji->zaznaczElementONazwie(m_ustawieniaKarty->wybranyWidok());
    walidujPrzyciskiWsteczINaprzod();
}

void KontrolerKartyPortfolio::ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(const ItemWidoku &item, bool dopisz)
{
    // Only the six kinds of item can be shown; the bar's own callback for the item just
    // recorded ends here too.
    if (rodzajWidokuDlaItem(item) == rwpWidokNieokreslony || item == m_itemBiezacegoWidoku) {
        ustawWybranyWidokSzczegolowJakoPierwszyResponder();
        return;
    }
    if (dopisz) {
        if (!m_itemBiezacegoWidoku.isNull())
            m_listaPoprzednichWidokow.append(m_itemBiezacegoWidoku);
        m_listaNastepnychWidokow.clear();
        historiaZmieniona();
    }
    // Recorded before the bar is asked to select it: the bar calls back with the same item.
    m_itemBiezacegoWidoku = item;
    if (m_kontrolerPaskaNawigacji) {
        m_kontrolerPaskaNawigacji->zaznaczElementDlaWidoku(item);
        const QString nazwa = m_kontrolerPaskaNawigacji->nazwaZaznaczonegoElementu();
        if (!nazwa.isEmpty())
            m_ustawieniaKarty->setWybranyWidok(nazwa);
    }
    odczytajPokazywanyZDysku(item);
    zdejmijListweFiltra();
    zdejmijBiezacyKontroler();

    const QString klucz = nazwaWidokuDlaItem(item);
    bool nowy = false;
    auto wpis = m_slownikKontrolerowWidokow.find(klucz);
    if (wpis == m_slownikKontrolerowWidokow.end()) {
        KontrolerBiezacegoWidokuSzczegolow *kontroler =
            FabrykiKart::biezace().kontrolerWidoku(rodzajWidokuDlaItem(item), m_kartaPortfolio);
        wpis = m_slownikKontrolerowWidokow.emplace(klucz, KontrolerWPamieci(kontroler)).first;
        nowy = true;
    }
    m_kontrolerBiezacegoWidoku = wpis->second.get();
    umiescBiezacyKontroler(nowy);
    przekazItem(item);
    ustawTytulIIkoneKarty();
    m_kontrolerBiezacegoWidoku->ustawWidokJakoPierwszyResponder();
}

void KontrolerKartyPortfolio::odczytajPokazywanyZDysku(const ItemWidoku &item)
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    switch (rodzajWidokuDlaItem(item)) {
    case rwpWidokWszystkieFasolki:
        baza->odczytajPokazanyObiekt(baza);
        break;
    case rwpWidokArchiwum:
        baza->odczytajPokazanyObiekt(baza->archiwum());
        break;
    case rwpWidokPotoku:
        baza->odczytajPokazanyObiekt(item.potok());
        break;
    case rwpWidokFasolki:
        baza->odczytajPokazanyObiekt(item.fasolka());
        break;
    default:
        break;
    }
}

void KontrolerKartyPortfolio::przylaczDoKarty(QObject *kontroler)
{
    FabrykiKart::biezace().umiescAkcjeNaKarcie(kontroler, m_widokRozdzielony);
}

void KontrolerKartyPortfolio::zdejmijListweFiltra()
{
    QLayoutItem *element = m_widokDlaListwyFiltra->layout()->takeAt(0);
    if (!element)
        return;
    // The strip belongs to its details view, which keeps it for the next showing.
    if (QWidget *listwa = element->widget()) {
        listwa->hide();
        listwa->setParent(nullptr);
    }
    delete element;
}

void KontrolerKartyPortfolio::zdejmijBiezacyKontroler()
{
    if (!m_kontrolerBiezacegoWidoku)
        return;
    if (QWidget *widok = m_kontrolerBiezacegoWidoku->loadedView()) {
        m_zastepczyWidokZawartosci->layout()->removeWidget(widok);
        widok->hide();
        widok->setParent(nullptr);
    }
    disconnect(m_obserwacjaTytulu);
    m_kontrolerBiezacegoWidoku = nullptr;
}

void KontrolerKartyPortfolio::umiescBiezacyKontroler(bool nowy)
{
    KontrolerBiezacegoWidokuSzczegolow *kontroler = m_kontrolerBiezacegoWidoku;
    QWidget *widok = kontroler->view();
    m_zastepczyWidokZawartosci->layout()->addWidget(widok);
    widok->show();
    if (nowy)
        kontroler->ustawWidok();
    if (QWidget *listwa = kontroler->widokListwyFiltra()) {
        m_widokDlaListwyFiltra->layout()->addWidget(listwa);
        listwa->show();
    }
    m_obserwacjaTytulu = connect(kontroler, &KontrolerBiezacegoWidokuSzczegolow::tytulZakladkiChanged, this,
                                 &KontrolerKartyPortfolio::uaktualnijTytulKarty);
    przylaczDoKarty(kontroler);
    kontroler->setKontrolerKartyPortfolio(this);
    kontroler->odczytajUstawienia();
}

void KontrolerKartyPortfolio::przekazItem(const ItemWidoku &item)
{
    m_kontrolerBiezacegoWidoku->przyjmijItem(item);
}

void KontrolerKartyPortfolio::ustawTytulIIkoneKarty()
{
    if (!m_kartaPortfolio || !m_kontrolerBiezacegoWidoku)
        return;
    m_kartaPortfolio->setTitle(m_kontrolerBiezacegoWidoku->tytulZakladki());
    m_kartaPortfolio->setIcon(m_kontrolerBiezacegoWidoku->ikonaZakladki());
}

void KontrolerKartyPortfolio::uaktualnijTytulKarty()
{
    if (m_kartaPortfolio && m_kontrolerBiezacegoWidoku)
        m_kartaPortfolio->setTitle(m_kontrolerBiezacegoWidoku->tytulZakladki());
}

void KontrolerKartyPortfolio::pokazPotokWPortfolio(Potok *potok)
{
    if (m_kontrolerPaskaNawigacji)
        m_kontrolerPaskaNawigacji->zaznaczElement(potok);
}

void KontrolerKartyPortfolio::pokazFasolkeWPotoku(Fasolka *fasolka)
{
    if (!fasolka)
        return;
    if (m_kontrolerPaskaNawigacji)
        m_kontrolerPaskaNawigacji->zaznaczElement(fasolka->potok());
    if (KontrolerBiezacegoWidokuSzczegolow *biezacy = kontrolerBiezacegoWidokuSzczegolow())
        biezacy->pokazFasolkeWPotoku(fasolka);
}

void KontrolerKartyPortfolio::ustawWybranyWidokSzczegolowJakoPierwszyResponder()
{
    if (m_kontrolerBiezacegoWidoku)
        m_kontrolerBiezacegoWidoku->ustawWidokJakoPierwszyResponder();
}

void KontrolerKartyPortfolio::przejdzDoPoprzedniegoWidoku()
{
    if (m_listaPoprzednichWidokow.isEmpty())
        return;
    if (!m_itemBiezacegoWidoku.isNull())
        m_listaNastepnychWidokow.prepend(m_itemBiezacegoWidoku);
    const ItemWidoku cel = m_listaPoprzednichWidokow.takeLast();
    ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(cel, false);
    historiaZmieniona();
}

void KontrolerKartyPortfolio::przejdzDoNastepnegoWidoku()
{
    if (m_listaNastepnychWidokow.isEmpty())
        return;
    if (!m_itemBiezacegoWidoku.isNull())
        m_listaPoprzednichWidokow.append(m_itemBiezacegoWidoku);
    const ItemWidoku cel = m_listaNastepnychWidokow.takeFirst();
    ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(cel, false);
    historiaZmieniona();
}

void KontrolerKartyPortfolio::przejdzDoZapamietanegoWidoku(QObject *nadawca)
{
    auto *przyciski = qobject_cast<KontrolkaSegmentowa *>(nadawca);
    if (!przyciski)
        return;
    if (przyciski->selectedSegment() == 0)
        przejdzDoPoprzedniegoWidoku();
    else if (przyciski->selectedSegment() == 1)
        przejdzDoNastepnegoWidoku();
}

void KontrolerKartyPortfolio::walidujPrzyciskiWsteczINaprzod()
{
    for (KontrolkaSegmentowa *przyciski : {m_przyciskiWsteczINaprzod1.data(), m_przyciskiWsteczINaprzod2.data()}) {
        if (!przyciski)
            continue;
        przyciski->setEnabledForSegment(zwalidujPrzyciskWstecz(), 0);
        przyciski->setEnabledForSegment(zwalidujPrzyciskNaprzod(), 1);
    }
}

void KontrolerKartyPortfolio::zamknijWidokZItem(const ItemWidoku &item)
{
    // Out of the lists first, so that leaving the item ends on another one.
    usunZHistorii(item);
    if (m_itemBiezacegoWidoku == item) {
        if (!m_listaPoprzednichWidokow.isEmpty())
            przejdzDoPoprzedniegoWidoku();
        else if (!m_listaNastepnychWidokow.isEmpty())
            przejdzDoNastepnegoWidoku();
        else
            ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(NazwyWidokow::wszystkieFasolki), true);
    }
    usunZHistorii(item);
    historiaZmieniona();

    auto wpis = m_slownikKontrolerowWidokow.find(nazwaWidokuDlaItem(item));
    if (wpis == m_slownikKontrolerowWidokow.end())
        return;
    // Beans of one name share a controller: the one on display stays.
    if (wpis->second.get() == m_kontrolerBiezacegoWidoku)
        return;
    m_slownikKontrolerowWidokow.erase(wpis);
}

void KontrolerKartyPortfolio::usunZHistorii(const ItemWidoku &item)
{
    m_listaPoprzednichWidokow.removeAll(item);
    m_listaNastepnychWidokow.removeAll(item);
}

void KontrolerKartyPortfolio::historiaZmieniona()
{
    walidujPrzyciskiWsteczINaprzod();
    sledzHistorie();
}

void KontrolerKartyPortfolio::sledzHistorie()
{
    m_obserwacjaHistorii = std::make_unique<QObject>();
    QSet<QObject *> sledzone;
    const auto sledz = [&](auto *rzecz, auto usuniecieChanged, auto czyUsunieta) {
        if (!rzecz || sledzone.contains(rzecz))
            return;
        sledzone.insert(rzecz);
        connect(rzecz, usuniecieChanged, m_obserwacjaHistorii.get(), [this, rzecz, czyUsunieta] {
            if ((rzecz->*czyUsunieta)())
                zamknijWidokZItem(ItemWidoku(rzecz));
        });
    };
    for (const QList<ItemWidoku> *lista : {&m_listaPoprzednichWidokow, &m_listaNastepnychWidokow}) {
        for (const ItemWidoku &item : *lista) {
            sledz(item.potok(), &Potok::zostalUsunietyChanged, &Potok::zostalUsuniety);
            sledz(item.fasolka(), &Fasolka::zostalaUsunietaChanged, &Fasolka::zostalaUsunieta);
        }
    }
}

void KontrolerKartyPortfolio::otworzBazeFasolekWFinderze()
{
    if (BytKatalogu *katalog = BazaFasolek::sharedBazaFasolek()->katalog())
        katalog->otworzWDomyslnejAplikacji();
}

void KontrolerKartyPortfolio::wyswietlListyPoprzednichINastepnychWidokow() const
{
    const auto wyswietlWidok = [](const ItemWidoku &item, const QString &znacznik) {
        if (Potok *potok = item.potok())
            drukujLinie(QStringLiteral("%1 potok '%2'"), znacznik, potok->nazwa());
        else if (Fasolka *fasolka = item.fasolka())
            drukujLinie(QStringLiteral("%1 fasolka '%2'"), znacznik, fasolka->nazwa());
        else if (!item.nazwaWidoku().isNull())
            drukujLinie(QStringLiteral("%1 %2"), znacznik, item.nazwaWidoku());
    };
    drukujLinie(QStringLiteral("\n[KontrolerKartyPortfolio wyswietlListyPoprzednichINastepnychWidokow]"));
    for (const ItemWidoku &item : m_listaPoprzednichWidokow)
        wyswietlWidok(item, QStringLiteral("<"));
    wyswietlWidok(m_itemBiezacegoWidoku, QStringLiteral("*"));
    for (const ItemWidoku &item : m_listaNastepnychWidokow)
        wyswietlWidok(item, QStringLiteral(">"));
}

KontrolerBiezacegoWidokuSzczegolow *KontrolerKartyPortfolio::kontrolerBiezacegoWidokuSzczegolow() const
{
    return m_kontrolerBiezacegoWidoku;
}

Responder *KontrolerKartyPortfolio::akcjeNaBazieFasolek() const
{
    return m_kontrolerAkcjeNaBazieFasolek;
}

KartaPortfolio *KontrolerKartyPortfolio::kartaPortfolio() const
{
    return m_kartaPortfolio;
}

void KontrolerKartyPortfolio::setKartaPortfolio(KartaPortfolio *karta)
{
    m_kartaPortfolio = karta;
}

KontrolerWidokuRozdzielonegoZPaskiemNawigacji *KontrolerKartyPortfolio::kontrolerWidokuRozdzielonegoZPaskiemNawigacji()
    const
{
    return m_kontrolerWidokuRozdzielonego;
}

KontrolkaSegmentowa *KontrolerKartyPortfolio::przyciskiWsteczINaprzod1() const
{
    return m_przyciskiWsteczINaprzod1;
}

KontrolkaSegmentowa *KontrolerKartyPortfolio::przyciskiWsteczINaprzod2() const
{
    return m_przyciskiWsteczINaprzod2;
}
