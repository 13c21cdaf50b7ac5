#pragma once

#include "ItemWidoku.h"
#include "KontrolerKarty.h"
#include "PasekNawigacjiKarty.h"
#include "RodzajWidokuPortfolio.h"

#include <QList>
#include <QPointer>

#include <map>
#include <memory>

class Fasolka;
class KartaPortfolio;
class KontrolerAkcjeNaElementach;
class KontrolerBiezacegoWidokuSzczegolow;
class KontrolerPaskaNawigacji;
class KontrolerWidokuRozdzielonegoZPaskiemNawigacji;
class KontrolkaSegmentowa;
class Potok;
class SplitView;
class UstawieniaKartyPortfolio;
class WidokRozdzielonyZPaskiemNawigacji;

// The controller of one portfolio tab: it switches the details area between the named views,
// flows and beans, keeps one details controller per item key, a back and a forward history, and
// pairs with the navigation bar, whose clicks switch the tab and which the tab asks to select
// what it shows. The bar, the details controllers and the database's actions come from FabrykiKart.
class KontrolerKartyPortfolio : public KontrolerKarty
{
    Q_OBJECT

public:
    explicit KontrolerKartyPortfolio(QObject *rodzic = nullptr);
    ~KontrolerKartyPortfolio() override;

    static RodzajWidokuPortfolio rodzajWidokuDlaItem(const ItemWidoku &item);
    // The item's cache key: the view name, "potok '…'" or "fasolka '…'" with the present name.
    static QString nazwaWidokuDlaItem(const ItemWidoku &item);

    // Run once the widgets exist: kind 0 restores the bar's last selected element.
    void skonfigurujWidokZWidokiem(RodzajWidokuPortfolio rodzaj);
    // Shows the item; YES records the item shown before in the back history.
    void ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(const ItemWidoku &item, bool dopisz);
    void pokazPotokWPortfolio(Potok *potok);
    void pokazFasolkeWPotoku(Fasolka *fasolka);
    void ustawWybranyWidokSzczegolowJakoPierwszyResponder();

    void przejdzDoPoprzedniegoWidoku();
    void przejdzDoNastepnegoWidoku();
    // The segmented controls' command: segment 0 back, 1 forward.
    void przejdzDoZapamietanegoWidoku(QObject *nadawca);
    bool zwalidujPrzyciskWstecz() const { return !m_listaPoprzednichWidokow.isEmpty(); }
    bool zwalidujPrzyciskNaprzod() const { return !m_listaNastepnychWidokow.isEmpty(); }
    void walidujPrzyciskiWsteczINaprzod();

    // Forgets a flow or bean that went away: the tab leaves it, drops it from the history and
    // releases its controller a turn later.
    void zamknijWidokZItem(const ItemWidoku &item);

    void otworzBazeFasolekWFinderze();
    void wyswietlListyPoprzednichINastepnychWidokow() const;

    ItemWidoku itemBiezacegoWidokuSzczeglow() const { return m_itemBiezacegoWidoku; }
    KontrolerBiezacegoWidokuSzczegolow *kontrolerBiezacegoWidokuSzczegolow() const;
    const QList<ItemWidoku> &listaPoprzednichWidokow() const { return m_listaPoprzednichWidokow; }
    const QList<ItemWidoku> &listaNastepnychWidokow() const { return m_listaNastepnychWidokow; }

    KartaPortfolio *kartaPortfolio() const;
    void setKartaPortfolio(KartaPortfolio *karta);
    // The actions of the tab's database commands, such as the new-flow popover.
    Responder *akcjeNaBazieFasolek() const;
    // The same and the bar as the class the caller names, the program's own by default: a template,
    // so that only a caller that includes that class's header needs it.
    template <typename Akcje = KontrolerAkcjeNaElementach>
    Akcje *kontrolerAkcjeNaBazieFasolek() const
    {
        return qobject_cast<Akcje *>(akcjeNaBazieFasolek());
    }
    template <typename Pasek = KontrolerPaskaNawigacji>
    Pasek *kontrolerPaskaNawigacji() const
    {
        return qobject_cast<Pasek *>(m_kontrolerPaskaNawigacji.data());
    }
    KontrolerWidokuRozdzielonegoZPaskiemNawigacji *kontrolerWidokuRozdzielonegoZPaskiemNawigacji() const;
    QWidget *widokNaZakladke() const { return m_widokNaZakladke; }
    QWidget *widokDlaListwyFiltra() const { return m_widokDlaListwyFiltra; }
    QWidget *zastepczyWidokZawartosci() const { return m_zastepczyWidokZawartosci; }
    KontrolkaSegmentowa *przyciskiWsteczINaprzod1() const;
    KontrolkaSegmentowa *przyciskiWsteczINaprzod2() const;
    UstawieniaKartyPortfolio *ustawieniaKarty() const { return m_ustawieniaKarty.get(); }

protected:
    void loadView() override;
    void awakeFromNib() override;

private:
    struct UsunPozniej
    {
        void operator()(QObject *obiekt) const;
    };
    using KontrolerWPamieci = std::unique_ptr<KontrolerBiezacegoWidokuSzczegolow, UsunPozniej>;

    QWidget *zbudujKolumnePaska();
    QWidget *zbudujKolumneSzczegolow();
    SplitView *zbudujWidokRozdzielonyListwyFiltra();
    KontrolkaSegmentowa *zbudujPrzyciskiWsteczINaprzod(Qt::Orientation orientacja);

    // Every actions controller of a view attached to this tab finds its window and tab through it.
    void przylaczDoKarty(QObject *kontroler);
    void zdejmijListweFiltra();
    void zdejmijBiezacyKontroler();
    void umiescBiezacyKontroler(bool nowy);
    void przekazItem(const ItemWidoku &item);
    // Folders the system's watch limit leaves unwatched are read again before they are shown.
    void odczytajPokazywanyZDysku(const ItemWidoku &item);
    void ustawTytulIIkoneKarty();
    void uaktualnijTytulKarty();
    void usunZHistorii(const ItemWidoku &item);
    // After every change of the lists: the buttons, and the watch over what the lists hold.
    void historiaZmieniona();
    // A cached controller follows only the item it shows, and stays under a name another flow can
    // take later: the tab itself forgets a flow or bean of its lists once it goes away.
    void sledzHistorie();

    QList<ItemWidoku> m_listaPoprzednichWidokow;
    QList<ItemWidoku> m_listaNastepnychWidokow;
    std::map<QString, KontrolerWPamieci> m_slownikKontrolerowWidokow;
    ItemWidoku m_itemBiezacegoWidoku;
    QPointer<KontrolerBiezacegoWidokuSzczegolow> m_kontrolerBiezacegoWidoku;
    QMetaObject::Connection m_obserwacjaTytulu;
    std::unique_ptr<QObject> m_obserwacjaHistorii;

    QPointer<KartaPortfolio> m_kartaPortfolio;
    QPointer<PasekNawigacjiKarty> m_kontrolerPaskaNawigacji;
    QPointer<KontrolerWidokuRozdzielonegoZPaskiemNawigacji> m_kontrolerWidokuRozdzielonego;
    QPointer<Responder> m_kontrolerAkcjeNaBazieFasolek;
    QPointer<WidokRozdzielonyZPaskiemNawigacji> m_widokRozdzielony;
    QPointer<QWidget> m_widokDlaZaryseliPaskaNawigacji;
    QPointer<SplitView> m_widokRozdzielonyListwyFiltra;
    QPointer<QWidget> m_widokDlaListwyFiltra;
    QPointer<QWidget> m_zastepczyWidokZawartosci;
    QPointer<QWidget> m_widokNaZakladke;
    QPointer<KontrolkaSegmentowa> m_przyciskiWsteczINaprzod1;
    QPointer<KontrolkaSegmentowa> m_przyciskiWsteczINaprzod2;
    std::unique_ptr<UstawieniaKartyPortfolio> m_ustawieniaKarty;
};
