#pragma once

#include "ElementyDlaPolecen.h"
#include "KontrolerDymkaNowaRzecz.h"
#include "MenuPodreczneElementow.h"
#include "PoleceniaStatusuFasolek.h"

#include "Platform/Ui/DelegatMenu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/Responder.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractItemView>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

struct BladOperacji;
class Archiwum;
class ArchiwumPotoku;
class BazaFasolek;
class BibliotekaMatRef;
class BytKatalogu;
class BytSystemuPlikow;
class EdycjaNazwyElementu;
class Fasolka;
class KontrolerBiezacegoWidokuSzczegolow;
class PobraneRzeczy;
class PoleceniaNowychRzeczy;
class PoleceniaOtwieraniaElementow;
class PoleceniaPlikoweFasolek;
class Potok;
class QAbstractButton;
class QLineEdit;

// The item commands of one content view. It holds no items of its own: its owner gives it a
// fixed item, or the array controller of a list, and for each command it works out from the
// sender and the right-clicked row which items the command acts on. It registers the commands
// and hands each to the helper of its kind; all helpers read one ElementyDlaPolecen.
class KontrolerAkcjeNaElementach : public Responder, public DelegatMenu
{
    Q_OBJECT

public:
    explicit KontrolerAkcjeNaElementach(QObject *rodzic = nullptr);
    ~KontrolerAkcjeNaElementach() override;

    // Set-up by the owner.
    void setElement(QObject *element);
    QObject *dodatkowyElement() const { return m_elementy.dodatkowyElement(); }
    void setDodatkowyElement(QObject *element);
    std::int64_t kliknietyWiersz() const { return m_elementy.kliknietyWiersz(); }
    // The row the list was right-clicked on, set before its menu opens; -1: none.
    void setKliknietyWiersz(std::int64_t wiersz);
    KontrolerTablicy *kontrolerTablicy() const { return m_elementy.kontrolerTablicy(); }
    void setKontrolerTablicy(KontrolerTablicy *kontroler);
    QAbstractItemView *widokTabeli() const { return m_elementy.widokTabeli(); }
    void setWidokTabeli(QAbstractItemView *widok) { m_elementy.setWidokTabeli(widok); }
    QWidget *widokNaKarcie() const { return m_elementy.widokNaKarcie(); }
    void setWidokNaKarcie(QWidget *widok) { m_elementy.setWidokNaKarcie(widok); }
    // Gives `widok` (a view inside a tab) to every actions controller among `wlasciciel` and its
    // descendants: the tab calls it where it attaches a view, so no view's commands miss their tab.
    static void umiescNaKarcie(QObject *wlasciciel, QWidget *widok);
    Menu *menuPodreczneFasolki() const { return m_menu->menuPodreczneFasolki(); }
    void setMenuPodreczneFasolki(Menu *menu) { m_menu->setMenuPodreczneFasolki(menu); }
    Menu *menuPodreczneStatusu() const { return m_menu->menuPodreczneStatusu(); }
    void setMenuPodreczneStatusu(Menu *menu) { m_menu->setMenuPodreczneStatusu(menu); }
    Menu *menuOtworzWProgramie() const { return m_menu->menuOtworzWProgramie(); }
    void setMenuOtworzWProgramie(Menu *menu) { m_menu->setMenuOtworzWProgramie(menu); }
    Menu *menuPrzeniesDoPotoku() const { return m_menu->menuPrzeniesDoPotoku(); }
    void setMenuPrzeniesDoPotoku(Menu *menu) { m_menu->setMenuPrzeniesDoPotoku(menu); }
    // The details view whose action buttons a wrap revalidates.
    void setKontrolerBiezacegoWidokuSzczegolow(KontrolerBiezacegoWidokuSzczegolow *kontroler);
    // The owning view's part in a new item: it makes its list show a new bean, says when a new
    // bean may be made (the All Beans list, by its scope), and selects a new flow.
    void setOdslonNowaFasolke(std::function<void(Fasolka *nowa)> odslon);
    void setWarunekNowejFasolki(std::function<bool()> warunek);
    void setZaznaczNowyPotok(std::function<void(Potok *)> zaznacz);
    // Without one given, the controller makes its own on first use.
    KontrolerDymkaNowaRzecz *kontrolerDymkaNowaRzecz();
    void setKontrolerDymkaNowaRzecz(KontrolerDymkaNowaRzecz *kontroler);
    void setPrzyciskDlaDymkaNowaRzecz(QAbstractButton *przycisk);
    // Where a popover points that opens without a button (a menu's command), asked as it opens.
    void setMiejsceDymka(std::function<KontrolerDymkaNowaRzecz::Kotwica()> miejsce);

    // What the commands act on (see ElementyDlaPolecen, which every helper reads).
    QList<QObject *> zaznaczoneElementy() const { return m_elementy.zaznaczoneElementy(); }
    int liczbaZaznaczonychElementow() const { return int(zaznaczoneElementy().size()); }
    QObject *kliknietyElement() const { return m_elementy.kliknietyElement(); }
    QList<QObject *> kliknieteElementy() const { return m_elementy.kliknieteElementy(); }
    int liczbaKliknietychElementow() const { return int(kliknieteElementy().size()); }
    QObject *element() const { return m_elementy.element(); }

    Fasolka *fasolka() const { return m_elementy.fasolka(); }
    Potok *potok() const { return m_elementy.potok(); }
    ArchiwumPotoku *archiwumPotoku() const { return m_elementy.archiwumPotoku(); }
    Archiwum *archiwum() const { return m_elementy.archiwum(); }
    PobraneRzeczy *pobraneRzeczy() const { return m_elementy.pobraneRzeczy(); }
    BibliotekaMatRef *bibliotekaMatRef() const { return m_elementy.bibliotekaMatRef(); }
    BazaFasolek *bazaFasolek() const { return m_elementy.bazaFasolek(); }
    Fasolka *dodatkowaFasolka() const { return m_elementy.dodatkowaFasolka(); }
    Potok *dodatkowyPotok() const { return m_elementy.dodatkowyPotok(); }
    ArchiwumPotoku *dodatkoweArchiwumPotoku() const { return m_elementy.dodatkoweArchiwumPotoku(); }
    BytSystemuPlikow *dodatkowyBytSystemuPlikow() const { return m_elementy.dodatkowyBytSystemuPlikow(); }
    BytKatalogu *dodatkowyKatalog() const { return m_elementy.dodatkowyKatalog(); }
    QList<QObject *> elementyDlaPolecenia(QObject *nadawca) const { return m_elementy.elementyDlaPolecenia(nadawca); }

    // The in-place rename (EdycjaNazwyElementu).
    static bool zakonczonaEdycjaNazwyElementu(QObject *obiekt, const QString &tekst, const QString &identyfikator,
                                              const BladOperacji *blad = nullptr);
    static bool zmienNazwePotoku(Potok *potok, const QString &tekst);
    // The field (identified by its object name) renames this controller's flow when its editing
    // ends; a kept name makes every list of flows read them again, a refused one is put back.
    void podlaczPoleNazwy(QLineEdit *pole);

    // The commands that open items without changing them (PoleceniaOtwieraniaElementow).
    void otworzFasolkeNaKarciePortfolio();
    void operacjaOtworzFasolkeNaKarciePortfolio(Fasolka *fasolka);
    void nowaKartaFasolki();
    void noweOknoZKartaFasolki();
    void otworzBytElementuWProgramie(QObject *nadawca);
    void otworzBytyElementowWDomyslnychAplikacjach(QObject *nadawca);
    void otworzElementyWFinderze(QObject *nadawca);
    void operacjaOtworzElementWFinderze(QObject *element);
    void pokazElementWFinderze();
    void nowaKartaPortfolioZWidokiemElementu();
    void noweOknoZWidokiemElementuNaKarciePortfolio();

    // New beans and flows, going to a flow, the double-click (PoleceniaNowychRzeczy).
    Potok *potokDocelowy() const { return m_elementy.potokDocelowy(); }
    void pokazFasolkeWPotoku();
    void wyswietlDymekNowaFasolka(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowaFasolka(const QString &nazwa);
    bool czyMoznaWyswietlicDymekNowaFasolka() const;
    void wyswietlDymekNowyPotok(QObject *nadawca);
    void dokonczAkcjeWyswietlDymekNowyPotok(const QString &nazwa);
    static bool czyMoznaWyswietlicDymekNowyPotok() { return true; }
    static void wyswietlDymekNowyPotokNaKarcieProtfolio();
    static bool czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio();
    void akcjaPrzejdzDoPotoku();
    void operacjaPrzejdzDoPotoku(Potok *potok);
    void otworzFasolkeNaKarciePortfolioPrzezDwuklik(const QList<QObject *> &elementy,
                                                    Qt::KeyboardModifiers modyfikatory);
    void otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik(const QList<QObject *> &elementy,
                                                                      Qt::KeyboardModifiers modyfikatory);

    // The status commands and menu (PoleceniaStatusuFasolek).
    using PolecenieStatusu = PoleceniaStatusuFasolek::PolecenieStatusu;
    static std::span<const PolecenieStatusu> poleceniaStatusu();
    void ustawStatusFasolek(std::int32_t status, QObject *nadawca);
    static void zaktualizujMenuPodreczneStatusuDlaElementow(Menu *menu, const QList<QObject *> &elementy);
    void wyswietlPozaTabelaMenuPodreczneStatusu(QObject *nadawca);

    // The commands that change beans on disk (PoleceniaPlikoweFasolek).
    void duplikujFasolki(QObject *nadawca);
    void moveToTrash(QObject *nadawca);
    void opakujFasolkePlikowaWKatalog();
    void wypakujZawartoscFasolkiZKatalogu();
    void przeniesFasolkiDoPotoku(QObject *nadawca);
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
    void zmianaZaznaczenia();
    void zmianaUlozenia();
    void zapomnijKliknietyWiersz();
    void ogloszZmianeZaznaczonych();
    void ogloszZmianeKliknietych();
    void ogloszZmianeElementu();

    ElementyDlaPolecen m_elementy;
    std::unique_ptr<PoleceniaOtwieraniaElementow> m_otwieranie;
    std::unique_ptr<PoleceniaStatusuFasolek> m_status;
    std::unique_ptr<PoleceniaPlikoweFasolek> m_plikowe;
    std::unique_ptr<PoleceniaNowychRzeczy> m_noweRzeczy;
    std::unique_ptr<EdycjaNazwyElementu> m_edycjaNazwy;
    std::unique_ptr<MenuPodreczneElementow> m_menu;
};
