#pragma once

#include "Platform/Ui/DelegatMenu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/Responder.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractItemView>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <span>

class Archiwum;
class ArchiwumPotoku;
class BazaFasolek;
class BibliotekaMatRef;
class BytKatalogu;
class BytSystemuPlikow;
class Fasolka;
class KontrolerBiezacegoWidokuSzczegolow;
class KontrolerDymkaNowaRzecz;
class KontrolerPaskaNawigacji;
class ListwaZakresu;
class PobraneRzeczy;
class Potok;
class ProxyWszystkieFasolki;
class QAbstractButton;
class QLineEdit;

// The item commands of one content view. It holds no items of its own: its owner gives it a
// fixed item, or the array controller of a list, and for each command it works out from the
// sender and the right-clicked row which items the command acts on.
class KontrolerAkcjeNaElementach : public Responder, public DelegatMenu
{
    Q_OBJECT

public:
    explicit KontrolerAkcjeNaElementach(QObject *rodzic = nullptr);
    ~KontrolerAkcjeNaElementach() override;

    // Set-up by the owner.
    void setElement(QObject *element);
    QObject *dodatkowyElement() const { return m_dodatkowyElement; }
    void setDodatkowyElement(QObject *element);
    std::int64_t kliknietyWiersz() const { return m_kliknietyWiersz; }
    // The row the list was right-clicked on, set before its menu opens; -1: none.
    void setKliknietyWiersz(std::int64_t wiersz);
    KontrolerTablicy *kontrolerTablicy() const { return m_kontrolerTablicy; }
    void setKontrolerTablicy(KontrolerTablicy *kontroler);
    QAbstractItemView *widokTabeli() const { return m_widokTabeli; }
    void setWidokTabeli(QAbstractItemView *widok) { m_widokTabeli = widok; }
    QWidget *widokNaKarcie() const { return m_widokNaKarcie; }
    void setWidokNaKarcie(QWidget *widok) { m_widokNaKarcie = widok; }
    // Gives `widok` (a view inside a tab) to every actions controller among `wlasciciel` and its
    // descendants: the tab calls it where it attaches a view, so no view's commands miss their tab.
    static void umiescNaKarcie(QObject *wlasciciel, QWidget *widok);
    Menu *menuPodreczneFasolki() const { return m_menuPodreczneFasolki; }
    void setMenuPodreczneFasolki(Menu *menu);
    Menu *menuPodreczneStatusu() const { return m_menuPodreczneStatusu; }
    void setMenuPodreczneStatusu(Menu *menu);
    Menu *menuOtworzWProgramie() const { return m_menuOtworzWProgramie; }
    void setMenuOtworzWProgramie(Menu *menu);
    Menu *menuPrzeniesDoPotoku() const { return m_menuPrzeniesDoPotoku; }
    void setMenuPrzeniesDoPotoku(Menu *menu);
    // The details view whose action buttons a wrap revalidates.
    void setKontrolerBiezacegoWidokuSzczegolow(KontrolerBiezacegoWidokuSzczegolow *kontroler);
    // The scope bar of the list, which a new bean must be visible in.
    void setListwaZakresu(ListwaZakresu *listwa);
    // Set only for the All Beans list.
    void setProxyWszystkieFasolki(ProxyWszystkieFasolki *proxy);
    // Without one given, the controller makes its own on first use.
    KontrolerDymkaNowaRzecz *kontrolerDymkaNowaRzecz();
    void setKontrolerDymkaNowaRzecz(KontrolerDymkaNowaRzecz *kontroler);
    void setPrzyciskDlaDymkaNowaRzecz(QAbstractButton *przycisk);
    void setKontrolerPaskaNawigacji(KontrolerPaskaNawigacji *kontroler);

    // The fixed item, else the list's selection, else nothing.
    QList<QObject *> zaznaczoneElementy() const;
    int liczbaZaznaczonychElementow() const { return int(zaznaczoneElementy().size()); }
    QObject *kliknietyElement() const;
    // The whole selection when the clicked row is part of it, else that row alone.
    QList<QObject *> kliknieteElementy() const;
    int liczbaKliknietychElementow() const { return int(kliknieteElementy().size()); }
    // The clicked item, else the one selected item, else the fixed item.
    QObject *element() const;

    Fasolka *fasolka() const;
    Potok *potok() const;
    ArchiwumPotoku *archiwumPotoku() const;
    Archiwum *archiwum() const;
    PobraneRzeczy *pobraneRzeczy() const;
    BibliotekaMatRef *bibliotekaMatRef() const;
    BazaFasolek *bazaFasolek() const;
    Fasolka *dodatkowaFasolka() const;
    Potok *dodatkowyPotok() const;
    ArchiwumPotoku *dodatkoweArchiwumPotoku() const;
    BytSystemuPlikow *dodatkowyBytSystemuPlikow() const;
    BytKatalogu *dodatkowyKatalog() const;

    // What a command from `nadawca` acts on. With a list: a main-menu item or a button (or an
    // item of a button's pop-up) the selection, any other menu item the clicked items, any
    // other sender nothing. Without one: the selection, whatever the sender. A menu itself
    // stands for its items, which are validated before they are known.
    QList<QObject *> elementyDlaPolecenia(QObject *nadawca) const;

    // Whether an in-place rename of `obiekt` to `tekst` was kept by the model; NO after a
    // refusal, which the console records at once and an alert shows one turn later, so that it
    // never opens inside an editor commit or a focus-out. Identifiers: "nazwaPotoku",
    // "nazwaFasolki".
    static bool zakonczonaEdycjaNazwyElementu(QObject *obiekt, const QString &tekst, const QString &identyfikator);
    // Renames the flow (on disk first) and checks it as above; a kept name makes every list of
    // flows read them again.
    static bool zmienNazwePotoku(Potok *potok, const QString &tekst);
    // The field (identified by its object name) renames this controller's flow when its editing
    // ends; a kept name makes every list of flows read them again, a refused one is put back.
    void podlaczPoleNazwy(QLineEdit *pole);

    // The commands that open items without changing them. Each takes the sender; the two
    // operations take the item.
    void otworzFasolkeNaKarciePortfolio();
    // A folder bean in the window's portfolio tab (none: nothing), a file bean in its application.
    void operacjaOtworzFasolkeNaKarciePortfolio(Fasolka *fasolka);
    void nowaKartaFasolki();
    void noweOknoZKartaFasolki();
    // The sender's represented object names the application (an IdentyfikatorProgramu).
    void otworzBytElementuWProgramie(QObject *nadawca);
    void otworzBytyElementowWDomyslnychAplikacjach(QObject *nadawca);
    void otworzElementyWFinderze(QObject *nadawca);
    // The item's folder in the file manager, with the entry that leads to the secondary item selected.
    void operacjaOtworzElementWFinderze(QObject *element);
    void pokazElementWFinderze();
    void nowaKartaPortfolioZWidokiemElementu();
    void noweOknoZWidokiemElementuNaKarciePortfolio();

    // A bean wins over a flow: the flow a new bean goes to. Nothing without either.
    Potok *potokDocelowy() const;
    // The bean in its flow: in the window's portfolio tab, else in a new window.
    void pokazFasolkeWPotoku();
    // The popovers; the anchor is the sender when it is a button. Their completions work from
    // the selection at that time.
    void wyswietlDymekNowaFasolka(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowaFasolka(const QString &nazwa);
    bool czyMoznaWyswietlicDymekNowaFasolka() const;
    void wyswietlDymekNowyPotok(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowyPotok(const QString &nazwa);
    static bool czyMoznaWyswietlicDymekNowyPotok() { return true; }
    static void wyswietlDymekNowyPotokNaKarcieProtfolio();
    static bool czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio();
    void akcjaPrzejdzDoPotoku();
    // In the window's portfolio tab; without one nothing happens.
    void operacjaPrzejdzDoPotoku(Potok *potok);
    // Each double-clicked item in turn; `modyfikatory` come from the double-click's own event:
    // Alt a new tab, Alt+Ctrl a new window, Ctrl alone nothing, for a folder bean.
    void otworzFasolkeNaKarciePortfolioPrzezDwuklik(const QList<QObject *> &elementy, Qt::KeyboardModifiers modyfikatory);
    void otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik(const QList<QObject *> &elementy,
                                                                      Qt::KeyboardModifiers modyfikatory);

    struct PolecenieStatusu
    {
        Akcja akcja;
        std::int32_t status;
        bool zeZnacznikiem; // its menu item shows whether the beans have the status
    };
    // The eight status commands in menu order, reactivation last.
    static std::span<const PolecenieStatusu> poleceniaStatusu();

    // The status commands. Each moves the beans among its items that have another status, and
    // shows one alert for all that failed.
    void ustawStatusFasolek(std::int32_t status, QObject *nadawca);
    // The header (tag 2) names the beans; each status item is on for one bean that has it,
    // mixed for several, else off.
    static void zaktualizujMenuPodreczneStatusuDlaElementow(Menu *menu, const QList<QObject *> &elementy);
    void wyswietlPozaTabelaMenuPodreczneStatusu(QObject *nadawca);

    // The commands that change beans on disk. Duplicate and trash finish later; the disk watcher
    // brings their changes into the graph.
    void duplikujFasolki(QObject *nadawca);
    void moveToTrash(QObject *nadawca);
    void opakujFasolkePlikowaWKatalog();
    void wypakujZawartoscFasolkiZKatalogu();
    // To the flow that is the sender's represented object.
    void przeniesFasolkiDoPotoku(QObject *nadawca);
    // The main flow, then the topical ones by name; each item sends przeniesFasolkiDoPotoku to
    // the menu's delegate.
    static void zaktualizujPodrzedneMenuPrzeniesDoPotoku(Menu *menu);

    bool validateUserInterfaceItem(const ElementInterfejsu &element) override;
    void menuNeedsUpdate(Menu *menu) override;

signals:
    void kliknietyWierszChanged();
    void zaznaczoneElementyChanged();
    void liczbaZaznaczonychElementowChanged();
    void kliknietyElementChanged();
    void kliknieteElementyChanged();
    void liczbaKliknietychElementowChanged();
    void elementChanged();
    void fasolkaChanged();
    void potokChanged();
    void archiwumPotokuChanged();
    void archiwumChanged();
    void pobraneRzeczyChanged();
    void bibliotekaMatRefChanged();
    void bazaFasolekChanged();
    void dodatkowyElementChanged();
    void dodatkowaFasolkaChanged();
    void dodatkowyPotokChanged();
    void dodatkoweArchiwumPotokuChanged();
    void dodatkowyBytSystemuPlikowChanged();
    void dodatkowyKatalogChanged();

private:
    void dodajPoleceniaOtwierania();
    void dodajPoleceniaZmian();
    void dodajPoleceniaNowychRzeczy();
    QWidget *kotwicaDymka(QObject *nadawca) const;
    void odslonINaznaczNowaFasolke(Fasolka *nowa);
    void zaznaczWLiscie(QObject *obiekt);
    QList<QObject *> elementyDlaPochodzenia(Menu::Pochodzenie pochodzenie) const;
    void zaktualizujMenuPodreczneFasolki(Menu *menu, const QList<QObject *> &elementy);
    // The portfolio view kind of the single item, for the new tab and window commands.
    std::int32_t rodzajWidokuElementu() const;
    void zakonczonoEdycjePolaNazwy(QLineEdit *pole);
    void zmianaZaznaczenia();
    void zmianaUlozenia();
    void zapomnijKliknietyWiersz();
    void ustawMenu(QPointer<Menu> &outlet, Menu *menu);
    void zapomnijKliknietyWierszPoZamknieciu(Menu *menu);
    void ogloszZmianeZaznaczonych();
    void ogloszZmianeKliknietych();
    void ogloszZmianeElementu();

    QPointer<QObject> m_element;
    QPointer<QObject> m_dodatkowyElement;
    std::int64_t m_kliknietyWiersz = -1;
    // Counts the rows set, so a context menu that closes forgets only the row it was opened for.
    std::uint64_t m_numerKlikniecia = 0;
    QPointer<KontrolerTablicy> m_kontrolerTablicy;
    QPointer<QAbstractItemView> m_widokTabeli;
    QPointer<QWidget> m_widokNaKarcie;
    QPointer<Menu> m_menuPodreczneFasolki;
    QPointer<Menu> m_menuPodreczneStatusu;
    QPointer<Menu> m_menuOtworzWProgramie;
    QPointer<Menu> m_menuPrzeniesDoPotoku;
    QPointer<KontrolerBiezacegoWidokuSzczegolow> m_kontrolerBiezacegoWidokuSzczegolow;
    QPointer<ListwaZakresu> m_listwaZakresu;
    QPointer<ProxyWszystkieFasolki> m_proxyWszystkieFasolki;
    QPointer<KontrolerDymkaNowaRzecz> m_kontrolerDymkaNowaRzecz;
    QPointer<QAbstractButton> m_przyciskDlaDymkaNowaRzecz;
    QPointer<KontrolerPaskaNawigacji> m_kontrolerPaskaNawigacji;
    // Until the list shows a new bean it is to select: one listing later at most.
    QMetaObject::Connection m_oczekujaceZaznaczenie;
};
