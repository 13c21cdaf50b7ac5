#pragma once

#include "ProxyListyFasolek.h"

#include "Widgets/WidokDolnegoPaskaIkon.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class Fasolka;
class KontrolerAkcjeNaElementach;
class KontrolerTablicy;
class ListwaFiltra;
class ListwaZakresu;
class QAbstractButton;
class QWidget;
class Responder;
class UstawieniaKartyPortfolio;
class DelegatTabeliPapierowej;
class ElementInterfejsu;
class QModelIndex;
class QRect;
class WidokKomorkiFasolki;
class WidokKomorkiPotoku;
class WidokTabeliListyFasolek;

// What the three bean lists share: a paper table whose rows are the provider's list as it is
// (row = index into it), the filter strip the tab places above the details, the icon bar
// under the table, the row view type kept in the tab's settings, and which new rows get
// selected. Rows that enter the list are selected, and scrolled into view, only when a command
// of this program brought them, a copy it announced included: not for the list's own changes
// (scope, phrase, object shown), and not for another program's changes, whose beans come back
// as new objects and would replace the user's choice.
// A row whose object is not a bean (a flow, a flow archive) heads the beans below it.
class KontrolerListyFasolek : public QObject
{
    Q_OBJECT

public:
    enum Kolumna { KolumnaStatus = 0, KolumnaNazwa = 1 };

    static constexpr double wysokoscWierszaNaglowka = 34.0;
    static QColor kolorTlaWierszaNaglowka();

    // The table is the owner's; the filter strip holds the scope bar when `listwa` is given.
    KontrolerListyFasolek(WidokTabeliListyFasolek *tabela, ProxyListyFasolek *proxy, ListwaZakresu *listwa,
                          QObject *rodzic = nullptr);

    // The table above the icon bar.
    QWidget *widok() const { return m_widok; }
    WidokTabeliListyFasolek *widokTabeli() const { return m_tabela; }
    KontrolerTablicy *kontrolerTablicy() const { return m_kontrolerTablicy; }
    ListwaFiltra *listwaFiltra() const { return m_listwaFiltra; }
    WidokDolnegoPaskaIkon *widokDolnegoPaskaIkon() const { return m_pasek; }

    // The settings that hold the row view type; the table takes their type now.
    void setUstawieniaKarty(UstawieniaKartyPortfolio *ustawienia);
    // A checkable button for the icon bar.
    static QAbstractButton *nowyPrzelacznik(const QString &nazwa, const QString &tekst, const QString &podpowiedz);
    // Adds a button to the icon bar; the bar's buttons are validated in order.
    void dodajPrzycisk(QAbstractButton *przycisk);
    // The icon bar's "+" sending the new-bean popover command to `cel`; `akcje` opens the popover at it also when
    // a request comes without a sender (the tab's).
    void dodajPrzyciskNowejFasolki(Responder *cel, KontrolerAkcjeNaElementach *akcje);
    // Buttons whose target is one of these are enabled as it answers; with another target, disabled.
    void setCeleAkcji(const QList<Responder *> &cele);
    void walidujPrzyciskiAkcji();

    // The View menu's row view type commands, one item per type with the type as its tag: the
    // owner's handler and validation of the command, which checks the item of the type shown.
    void ustawRodzajWidokuWiersza(QObject *nadawca);
    bool walidujRodzajWidokuWiersza(const ElementInterfejsu &element) const;

    // Hidden, the name column is the list's only one, whatever the row view type.
    void setKolumnaStatusu(bool widoczna);
    // Without it, bean cells show no status button and take no press there.
    void setPrzyciskStatusu(bool widoczny);
    // Which rows' names can be renamed in place (only ever in a selected row); by default beans'.
    void setEdytowalny(std::function<bool(QObject *obiekt)> czyEdytowalny);

    // Drops onto a row go to its bean; the rest of the table stands for `odbiorcaListy`.
    void wlaczZrzuty(std::function<QObject *()> odbiorcaListy);
    // Drops onto a row go to its object; between rows, to the header above.
    void wlaczZrzutyNaNaglowki();

    // `zaznaczenia` acts on the list's rows; `staly`, which has the view's own item, gets the one
    // selected object as its secondary item. Buttons and an open preview panel follow the selection.
    void polaczZAkcjami(KontrolerAkcjeNaElementach *zaznaczenia, KontrolerAkcjeNaElementach *staly);
    // The status menu of the row whose status button lies at `przycisk` in the table's viewport;
    // the selection stays as it is.
    void wyswietlMenuStatusu(const QModelIndex &indeks, const QRect &przycisk);

    // A new bean lies in Incubation: a scope that hides it gives way, and so does a phrase its
    // name lacks, so that the bean can be shown and selected.
    void odslonNowaFasolke(const Fasolka *nowa);

    // Reads the provider's list into the table; no row enters the selection on its own.
    void przeladujBezZaznaczania();
    // Selects the object's row and scrolls it into view, also in a window not shown yet.
    void zaznaczIPokaz(QObject *obiekt);

signals:
    // A double-click on a row: the selected items, which the click's first press chose.
    void podwojnaAkcja(const QList<QObject *> &elementy, Qt::KeyboardModifiers modyfikatory);

private:
    void przewinDo(QObject *obiekt);
    void zbudujPasek();
    void przeladuj(ProxyListyFasolek::PowodZmiany powod);
    void zmianaRodzajuWidokuWiersza();
    void zmianaZaznaczenia();
    // False when the model kept its old name.
    static bool zapiszNazwe(QObject *obiekt, const QString &nazwa);
    static bool zapiszNazweFasolki(Fasolka *fasolka, const QString &nazwa);
    QVariant daneKomorki(QObject *obiekt, int kolumna, int rola) const;

    // The widgets may go before this controller, whose provider can still announce a change then.
    QPointer<WidokTabeliListyFasolek> m_tabela;
    QPointer<ProxyListyFasolek> m_proxy;
    KontrolerTablicy *m_kontrolerTablicy;
    QPointer<ListwaZakresu> m_listwaZakresu;
    ListwaFiltra *m_listwaFiltra;
    QPointer<QWidget> m_widok;
    QPointer<WidokDolnegoPaskaIkon> m_pasek;
    // The name column's cell for row view type 0, for type 1, and for any other type.
    WidokKomorkiFasolki *m_komorkaFasolki;
    WidokKomorkiFasolki *m_komorkaZRezultatem;
    DelegatTabeliPapierowej *m_komorkaZwykla;
    WidokKomorkiPotoku *m_komorkaNaglowka;
    bool m_kolumnaStatusu = true;
    QAbstractButton *m_przyciskRodzajuWiersza = nullptr;
    QPointer<UstawieniaKartyPortfolio> m_ustawienia;
    QList<QPointer<Responder>> m_celeAkcji;
    QPointer<KontrolerAkcjeNaElementach> m_zaznaczenia;
    QPointer<KontrolerAkcjeNaElementach> m_staly;
};
