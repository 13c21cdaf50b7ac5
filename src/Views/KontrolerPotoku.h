#pragma once

#include "KontrolerWidokuZPanelemRzeczy.h"
#include "ZrodloPrzegladuListyFasolek.h"

#include "Widgets/DelegatZrzutuNaIkoneZPrzeciaganymFolderem.h"

#include <QPointer>

#include <memory>

class Fasolka;
class IkonaZPrzeciaganymFolderem;
class KartaPortfolio;
class KontrolerAkcjeNaElementach;
class KontrolerListyFasolek;
class KontrolerTablicy;
class ListwaZakresu;
class Potok;
class ProxyFasolkiPotoku;
class QAbstractButton;
class QLineEdit;
class QModelIndex;
class WidokTabeliFasolkiPotoku;

// The view of one flow in a portfolio tab: the flow's name, its beans in the scope and search of
// the filter strip, and the outline of the flow's items folder on the right. Its commands go to
// two actions controllers: one for the beans of the list, one with the flow as its item and the
// selected bean as the secondary one. Files dropped on the flow's folder icon go to the flow at once.
// The preview panel shows the selected beans, or with none the flow's folder.
class KontrolerPotoku : public KontrolerWidokuZPanelemRzeczy,
                        public DelegatZrzutuNaIkoneZPrzeciaganymFolderem,
                        public ZrodloPrzegladuListyFasolek
{
    Q_OBJECT

public:
    explicit KontrolerPotoku(QObject *rodzic = nullptr);
    ~KontrolerPotoku() override;

    Potok *potok() const;
    void setPotok(Potok *potok);
    KartaPortfolio *kartaPortfolio() const;
    void setKartaPortfolio(KartaPortfolio *karta);

    // "Flow: …", or "no flow".
    QString tytulZakladki() const override;
    QIcon ikonaZakladki() const override;

    void ustawWidok() override;
    void odczytajUstawienia() override;
    void ustawWidokJakoPierwszyResponder() override;
    void walidujPrzyciskiAkcji() override;
    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;
    void przyjmijItem(const ItemWidoku &item) override;
    void pokazFasolkeWPotoku(Fasolka *fasolka) override;
    bool czyMoznaWyswietlicDymekNowaFasolka() const override { return true; }
    // The flow's items outline, while the right panel shows it.
    bool czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const override;
    void wyswietlDymekNowyKatalog(ZawartoscKarty *karta) override;

    ProxyFasolkiPotoku *proxyFasolkiPotoku() const { return m_proxy; }
    KontrolerTablicy *kontrolerTablicy() const;
    WidokTabeliFasolkiPotoku *widokTabeli() const { return m_widokTabeli; }
    QLineEdit *edytorNazwyPotoku() const { return m_edytorNazwyPotoku; }
    IkonaZPrzeciaganymFolderem *ikonaZFolderemPotoku() const { return m_ikonaZFolderemPotoku; }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaFasolkach() const { return m_kontrolerAkcjeNaFasolkach; }
    KontrolerAkcjeNaElementach *kontrolerAkcjeNaPotoku() const { return m_kontrolerAkcjeNaPotoku; }
    // The outline of the flow's items folder.
    KontrolerRzeczyKatalogu *kontrolerRzeczyPotoku() const { return kontrolerRzeczyPanelu(); }

    // Selects the bean's row alone, widening the scope first where the bean's status asks for it.
    void zaznaczFasolke(Fasolka *fasolka);
    // The tab's new-bean request: the popover at the bar's new-bean button.
    void wyswietlDymekNowaFasolka() override;
    // Developer aid: the new-folder popover at the sender, whose completion only writes the name.
    void testuj(QObject *nadawca);
    // Focuses the search field.
    void przejdzDoWyszukiwarki(QObject *nadawca) override;
    // The status menu of the row whose status button lies at `przycisk` in the list's viewport.
    void wyswietlWTabeliMenuPodreczneStatusu(const QModelIndex &indeks, const QRect &przycisk);

    Qt::DropAction ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(IkonaZPrzeciaganymFolderem *ikona,
                                                               const InformacjaOPrzeciaganiu &informacja) override;
    bool ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *ikona,
                                                const InformacjaOPrzeciaganiu &informacja) override;

protected:
    QWidget *zbudujWidokLewy() override;

private:
    void obserwujBytPotoku();
    void uaktualnijUrlIkony();

    QPointer<Potok> m_potok;
    QPointer<KartaPortfolio> m_kartaPortfolio;
    ProxyFasolkiPotoku *m_proxy;
    ListwaZakresu *m_listwaZakresu;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaFasolkach;
    KontrolerAkcjeNaElementach *m_kontrolerAkcjeNaPotoku;
    WidokTabeliFasolkiPotoku *m_widokTabeli = nullptr;
    KontrolerListyFasolek *m_lista = nullptr;
    QLineEdit *m_edytorNazwyPotoku = nullptr;
    IkonaZPrzeciaganymFolderem *m_ikonaZFolderemPotoku = nullptr;
    QAbstractButton *m_przyciskPanelu = nullptr;
    std::unique_ptr<QObject> m_obserwacjaPotoku;
    std::unique_ptr<QObject> m_obserwacjaBytuPotoku;
};
