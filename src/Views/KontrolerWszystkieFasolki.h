#pragma once

#include "KontrolerNazwanegoWidoku.h"
#include "ZrodloPrzegladuListyFasolek.h"

class KontrolerAkcjeNaElementach;
class KontrolerListyFasolek;
class KontrolerTablicy;
class ListwaZakresu;
class Menu;
class ProxyWszystkieFasolki;
class QLineEdit;
class WidokDolnegoPaskaIkon;
class WidokTabeliWszystkieFasolki;

// The All Beans view of a portfolio tab: every bean of every flow in the scope and phrase of the
// filter strip, as one list by name or divided into flows under their header rows. Its commands
// go to two actions controllers: one for the rows of the list, one with the bean database as
// its item and the one selected row as the secondary one. With nothing selected the preview
// shows the "All Beans" folder.
class KontrolerWszystkieFasolki : public KontrolerNazwanegoWidoku, public ZrodloPrzegladuListyFasolek
{
    Q_OBJECT

public:
    explicit KontrolerWszystkieFasolki(QObject *rodzic = nullptr);
    ~KontrolerWszystkieFasolki() override;

    void ustawWidok() override;
    void odczytajUstawienia() override;
    // Gives the list the shared bean database when it has none; the first listing selects nothing.
    void ustawDaneWidoku();
    void ustawWidokJakoPierwszyResponder() override;
    void walidujPrzyciskiAkcji() override;
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;
    void przyjmijItem(const ItemWidoku &item) override;
    // The new-bean popover of the selected beans' actions, when they take it.
    bool czyMoznaWyswietlicDymekNowaFasolka() const override;
    void wyswietlDymekNowaFasolka() override;

    WidokTabeliWszystkieFasolki *widokTabeli() const { return m_widokTabeli; }
    KontrolerTablicy *kontrolerTablicy() const;
    ProxyWszystkieFasolki *proxyWszystkieFasolki() const { return m_proxy; }
    QLineEdit *poleWyszukiwarki() const;
    WidokDolnegoPaskaIkon *widokDolnegoPaskaIkon() const;
    Menu *menuPodreczneStatusu() const;
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaElementach() const { return m_kontrolerAkcjeNaElementach; }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaBazieFasolek() const { return m_kontrolerAkcjeNaBazieFasolek; }

    // Focuses the search field.
    void przejdzDoWyszukiwarki(QObject *nadawca) override;
    // Developer aid: times a thousand reads of the list.
    void testProfiler(QObject *nadawca);

protected:
    void loadView() override;

private:
    ProxyWszystkieFasolki *m_proxy;
    ListwaZakresu *m_listwaZakresu;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaElementach;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaBazieFasolek;
    WidokTabeliWszystkieFasolki *m_widokTabeli = nullptr;
    KontrolerListyFasolek *m_lista = nullptr;
};
