#include "KontrolerAkcjeNaElementach.h"

#include "EdycjaNazwyElementu.h"
#include "FaktyPolecenia.h"
#include "MenuPodreczneElementow.h"
#include "PoleceniaNowychRzeczy.h"
#include "PoleceniaOtwieraniaElementow.h"
#include "PoleceniaPlikoweFasolek.h"

#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <QLineEdit>

KontrolerAkcjeNaElementach::KontrolerAkcjeNaElementach(QObject *rodzic)
    : Responder(rodzic)
    , m_otwieranie(std::make_unique<PoleceniaOtwieraniaElementow>(m_elementy))
    , m_status(std::make_unique<PoleceniaStatusuFasolek>(m_elementy))
    , m_plikowe(std::make_unique<PoleceniaPlikoweFasolek>(m_elementy))
    , m_noweRzeczy(std::make_unique<PoleceniaNowychRzeczy>(m_elementy, this))
    , m_edycjaNazwy(std::make_unique<EdycjaNazwyElementu>(m_elementy))
    , m_menu(std::make_unique<MenuPodreczneElementow>(m_elementy, this, [this] { zapomnijKliknietyWiersz(); }))
{
    dodajPoleceniaOtwierania();
    dodajPoleceniaZmian();
    dodajPoleceniaNowychRzeczy();
}

KontrolerAkcjeNaElementach::~KontrolerAkcjeNaElementach() = default;

void KontrolerAkcjeNaElementach::setElement(QObject *element)
{
    m_elementy.setElement(element);
    ogloszZmianeZaznaczonych();
}

void KontrolerAkcjeNaElementach::setDodatkowyElement(QObject *element)
{
    m_elementy.setDodatkowyElement(element);
    emit dodatkowyElementChanged();
    emit dodatkowaFasolkaChanged();
    emit dodatkowyPotokChanged();
    emit dodatkoweArchiwumPotokuChanged();
    emit dodatkowyBytSystemuPlikowChanged();
    emit dodatkowyKatalogChanged();
}

void KontrolerAkcjeNaElementach::setKliknietyWiersz(std::int64_t wiersz)
{
    m_elementy.setKliknietyWiersz(wiersz);
    emit kliknietyWierszChanged();
    ogloszZmianeKliknietych();
}

void KontrolerAkcjeNaElementach::umiescNaKarcie(QObject *wlasciciel, QWidget *widok)
{
    if (auto *kontroler = qobject_cast<KontrolerAkcjeNaElementach *>(wlasciciel))
        kontroler->setWidokNaKarcie(widok);
    for (KontrolerAkcjeNaElementach *kontroler : wlasciciel->findChildren<KontrolerAkcjeNaElementach *>())
        kontroler->setWidokNaKarcie(widok);
}

void KontrolerAkcjeNaElementach::setKontrolerTablicy(KontrolerTablicy *kontroler)
{
    if (KontrolerTablicy *dotychczasowy = m_elementy.kontrolerTablicy())
        disconnect(dotychczasowy, nullptr, this, nullptr);
    m_elementy.setKontrolerTablicy(kontroler);
    if (kontroler) {
        connect(kontroler, &KontrolerTablicy::arrangedObjectsChanged, this,
                &KontrolerAkcjeNaElementach::zmianaUlozenia);
        connect(kontroler, &KontrolerTablicy::selectedObjectsChanged, this,
                &KontrolerAkcjeNaElementach::zmianaZaznaczenia);
    }
    ogloszZmianeZaznaczonych();
    ogloszZmianeKliknietych();
}

void KontrolerAkcjeNaElementach::setKontrolerBiezacegoWidokuSzczegolow(KontrolerBiezacegoWidokuSzczegolow *kontroler)
{
    m_plikowe->setKontrolerBiezacegoWidokuSzczegolow(kontroler);
}

bool KontrolerAkcjeNaElementach::zakonczonaEdycjaNazwyElementu(QObject *obiekt, const QString &tekst,
                                                               const QString &identyfikator, const BladOperacji *blad)
{
    return EdycjaNazwyElementu::zakonczonaEdycjaNazwyElementu(obiekt, tekst, identyfikator, blad);
}

bool KontrolerAkcjeNaElementach::zmienNazwePotoku(Potok *potok, const QString &tekst)
{
    return EdycjaNazwyElementu::zmienNazwePotoku(potok, tekst);
}

void KontrolerAkcjeNaElementach::podlaczPoleNazwy(QLineEdit *pole)
{
    connect(pole, &QLineEdit::editingFinished, this, [this, pole] { m_edycjaNazwy->zakonczonoEdycjePolaNazwy(pole); });
}

void KontrolerAkcjeNaElementach::dodajPoleceniaOtwierania()
{
    const std::pair<Akcja, Handler> polecenia[] = {
        {Akcja::otworzFasolkeNaKarciePortfolio, [this](QObject *) { otworzFasolkeNaKarciePortfolio(); }},
        {Akcja::nowaKartaFasolki, [this](QObject *) { nowaKartaFasolki(); }},
        {Akcja::noweOknoZKartaFasolki, [this](QObject *) { noweOknoZKartaFasolki(); }},
        {Akcja::otworzBytElementuWProgramie, [this](QObject *nadawca) { otworzBytElementuWProgramie(nadawca); }},
        {Akcja::otworzBytyElementowWDomyslnychAplikacjach,
         [this](QObject *nadawca) { otworzBytyElementowWDomyslnychAplikacjach(nadawca); }},
        {Akcja::otworzElementyWFinderze, [this](QObject *nadawca) { otworzElementyWFinderze(nadawca); }},
        {Akcja::pokazElementWFinderze, [this](QObject *) { pokazElementWFinderze(); }},
        {Akcja::nowaKartaPortfolioZWidokiemElementu, [this](QObject *) { nowaKartaPortfolioZWidokiemElementu(); }},
        {Akcja::noweOknoZWidokiemElementuNaKarciePortfolio,
         [this](QObject *) { noweOknoZWidokiemElementuNaKarciePortfolio(); }},
        {Akcja::pokazPanelSzybkiegoPrzegladu, [](QObject *) { PanelSzybkiegoPrzegladu::pokazWspolny(); }},
        {Akcja::ukryjPanelSzybkiegoPrzegladu, [](QObject *) { PanelSzybkiegoPrzegladu::ukryjWspolny(); }},
        {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu,
         [](QObject *) { PanelSzybkiegoPrzegladu::przelaczWspolny(); }},
    };
    for (const auto &[akcja, obsluga] : polecenia)
        addHandler(akcja, obsluga);
}

void KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolio()
{
    m_otwieranie->otworzFasolkeNaKarciePortfolio();
}

void KontrolerAkcjeNaElementach::operacjaOtworzFasolkeNaKarciePortfolio(Fasolka *fasolka)
{
    m_otwieranie->operacjaOtworzFasolkeNaKarciePortfolio(fasolka);
}

void KontrolerAkcjeNaElementach::nowaKartaFasolki()
{
    m_otwieranie->nowaKartaFasolki();
}

void KontrolerAkcjeNaElementach::noweOknoZKartaFasolki()
{
    m_otwieranie->noweOknoZKartaFasolki();
}

void KontrolerAkcjeNaElementach::otworzBytElementuWProgramie(QObject *nadawca)
{
    m_otwieranie->otworzBytElementuWProgramie(nadawca);
}

void KontrolerAkcjeNaElementach::otworzBytyElementowWDomyslnychAplikacjach(QObject *nadawca)
{
    m_otwieranie->otworzBytyElementowWDomyslnychAplikacjach(nadawca);
}

void KontrolerAkcjeNaElementach::otworzElementyWFinderze(QObject *nadawca)
{
    m_otwieranie->otworzElementyWFinderze(nadawca);
}

void KontrolerAkcjeNaElementach::operacjaOtworzElementWFinderze(QObject *element)
{
    m_otwieranie->operacjaOtworzElementWFinderze(element);
}

void KontrolerAkcjeNaElementach::pokazElementWFinderze()
{
    m_otwieranie->pokazElementWFinderze();
}

void KontrolerAkcjeNaElementach::nowaKartaPortfolioZWidokiemElementu()
{
    m_otwieranie->nowaKartaPortfolioZWidokiemElementu();
}

void KontrolerAkcjeNaElementach::noweOknoZWidokiemElementuNaKarciePortfolio()
{
    m_otwieranie->noweOknoZWidokiemElementuNaKarciePortfolio();
}

void KontrolerAkcjeNaElementach::dodajPoleceniaZmian()
{
    for (const PolecenieStatusu &polecenie : poleceniaStatusu()) {
        const std::int32_t status = polecenie.status;
        addHandler(polecenie.akcja, [this, status](QObject *nadawca) { ustawStatusFasolek(status, nadawca); });
    }
    const std::pair<Akcja, Handler> polecenia[] = {
        {Akcja::wyswietlPozaTabelaMenuPodreczneStatusu,
         [this](QObject *nadawca) { wyswietlPozaTabelaMenuPodreczneStatusu(nadawca); }},
        {Akcja::duplikujFasolki, [this](QObject *nadawca) { duplikujFasolki(nadawca); }},
        {Akcja::moveToTrash, [this](QObject *nadawca) { moveToTrash(nadawca); }},
        {Akcja::opakujFasolkePlikowaWKatalog, [this](QObject *) { opakujFasolkePlikowaWKatalog(); }},
        {Akcja::wypakujZawartoscFasolkiZKatalogu, [this](QObject *) { wypakujZawartoscFasolkiZKatalogu(); }},
        {Akcja::przeniesFasolkiDoPotoku, [this](QObject *nadawca) { przeniesFasolkiDoPotoku(nadawca); }},
    };
    for (const auto &[akcja, obsluga] : polecenia)
        addHandler(akcja, obsluga);
}

std::span<const KontrolerAkcjeNaElementach::PolecenieStatusu> KontrolerAkcjeNaElementach::poleceniaStatusu()
{
    return PoleceniaStatusuFasolek::poleceniaStatusu();
}

void KontrolerAkcjeNaElementach::ustawStatusFasolek(std::int32_t status, QObject *nadawca)
{
    m_status->ustawStatusFasolek(status, nadawca);
}

void KontrolerAkcjeNaElementach::zaktualizujMenuPodreczneStatusuDlaElementow(Menu *menu,
                                                                             const QList<QObject *> &elementy)
{
    PoleceniaStatusuFasolek::zaktualizujMenuPodreczneStatusuDlaElementow(menu, elementy);
}

void KontrolerAkcjeNaElementach::wyswietlPozaTabelaMenuPodreczneStatusu(QObject *nadawca)
{
    PoleceniaStatusuFasolek::wyswietlPozaTabelaMenuPodreczneStatusu(m_menu->menuPodreczneStatusu(), nadawca);
}

void KontrolerAkcjeNaElementach::duplikujFasolki(QObject *nadawca)
{
    m_plikowe->duplikujFasolki(nadawca);
}

void KontrolerAkcjeNaElementach::moveToTrash(QObject *nadawca)
{
    m_plikowe->moveToTrash(nadawca);
}

void KontrolerAkcjeNaElementach::opakujFasolkePlikowaWKatalog()
{
    m_plikowe->opakujFasolkePlikowaWKatalog();
}

void KontrolerAkcjeNaElementach::wypakujZawartoscFasolkiZKatalogu()
{
    m_plikowe->wypakujZawartoscFasolkiZKatalogu();
}

void KontrolerAkcjeNaElementach::przeniesFasolkiDoPotoku(QObject *nadawca)
{
    m_plikowe->przeniesFasolkiDoPotoku(nadawca);
}

void KontrolerAkcjeNaElementach::zaktualizujPodrzedneMenuPrzeniesDoPotoku(Menu *menu)
{
    PoleceniaPlikoweFasolek::zaktualizujPodrzedneMenuPrzeniesDoPotoku(menu);
}

bool KontrolerAkcjeNaElementach::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    switch (element.akcja()) {
    case Akcja::wyswietlDymekNowaFasolka:
        return czyMoznaWyswietlicDymekNowaFasolka();
    case Akcja::wyswietlDymekNowyPotok:
        return czyMoznaWyswietlicDymekNowyPotok();
    case Akcja::wyswietlDymekNowyPotokNaKarcieProtfolio:
        return czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio();
    default:
        break;
    }
    const FaktyPolecenia fakty = FaktyPolecenia::zbierz(elementyDlaPolecenia(element.obiekt()));
    if (PozycjaMenu *pozycja = element.pozycjaMenu()) {
        if (const std::optional<bool> ukryta = fakty.ukryta(element.akcja()))
            pozycja->setHidden(*ukryta);
    }
    return fakty.wlaczona(element.akcja());
}

void KontrolerAkcjeNaElementach::menuNeedsUpdate(Menu *menu)
{
    m_menu->menuNeedsUpdate(menu);
}

void KontrolerAkcjeNaElementach::dodajPoleceniaNowychRzeczy()
{
    addHandler(Akcja::pokazFasolkeWPotoku, [this](QObject *) { pokazFasolkeWPotoku(); });
    addHandler(Akcja::akcjaPrzejdzDoPotoku, [this](QObject *) { akcjaPrzejdzDoPotoku(); });
    addHandler(Akcja::wyswietlDymekNowaFasolka, [this](QObject *nadawca) { wyswietlDymekNowaFasolka(nadawca); });
    addHandler(Akcja::wyswietlDymekNowyPotok, [this](QObject *nadawca) { wyswietlDymekNowyPotok(nadawca); });
    addHandler(Akcja::wyswietlDymekNowyPotokNaKarcieProtfolio,
               [](QObject *) { wyswietlDymekNowyPotokNaKarcieProtfolio(); });
}

KontrolerDymkaNowaRzecz *KontrolerAkcjeNaElementach::kontrolerDymkaNowaRzecz()
{
    return m_noweRzeczy->kontrolerDymkaNowaRzecz();
}

void KontrolerAkcjeNaElementach::setKontrolerDymkaNowaRzecz(KontrolerDymkaNowaRzecz *kontroler)
{
    m_noweRzeczy->setKontrolerDymkaNowaRzecz(kontroler);
}

void KontrolerAkcjeNaElementach::setPrzyciskDlaDymkaNowaRzecz(QAbstractButton *przycisk)
{
    m_noweRzeczy->setPrzyciskDlaDymkaNowaRzecz(przycisk);
}

void KontrolerAkcjeNaElementach::setMiejsceDymka(std::function<KontrolerDymkaNowaRzecz::Kotwica()> miejsce)
{
    m_noweRzeczy->setMiejsceDymka(std::move(miejsce));
}

void KontrolerAkcjeNaElementach::setOdslonNowaFasolke(std::function<void(Fasolka *nowa)> odslon)
{
    m_noweRzeczy->setOdslonNowaFasolke(std::move(odslon));
}

void KontrolerAkcjeNaElementach::setWarunekNowejFasolki(std::function<bool()> warunek)
{
    m_noweRzeczy->setWarunekNowejFasolki(std::move(warunek));
}

void KontrolerAkcjeNaElementach::setZaznaczNowyPotok(std::function<void(Potok *)> zaznacz)
{
    m_noweRzeczy->setZaznaczNowyPotok(std::move(zaznacz));
}

void KontrolerAkcjeNaElementach::pokazFasolkeWPotoku()
{
    m_noweRzeczy->pokazFasolkeWPotoku();
}

void KontrolerAkcjeNaElementach::wyswietlDymekNowaFasolka(QObject *nadawca)
{
    m_noweRzeczy->wyswietlDymekNowaFasolka(nadawca);
}

void KontrolerAkcjeNaElementach::dokonczAkcjeWyswietlDymekNowaFasolka(const QString &nazwa)
{
    m_noweRzeczy->dokonczAkcjeWyswietlDymekNowaFasolka(nazwa);
}

bool KontrolerAkcjeNaElementach::czyMoznaWyswietlicDymekNowaFasolka() const
{
    return m_noweRzeczy->czyMoznaWyswietlicDymekNowaFasolka();
}

void KontrolerAkcjeNaElementach::wyswietlDymekNowyPotok(QObject *nadawca)
{
    m_noweRzeczy->wyswietlDymekNowyPotok(nadawca);
}

void KontrolerAkcjeNaElementach::dokonczAkcjeWyswietlDymekNowyPotok(const QString &nazwa)
{
    m_noweRzeczy->dokonczAkcjeWyswietlDymekNowyPotok(nazwa);
}

void KontrolerAkcjeNaElementach::wyswietlDymekNowyPotokNaKarcieProtfolio()
{
    PoleceniaNowychRzeczy::wyswietlDymekNowyPotokNaKarcieProtfolio();
}

bool KontrolerAkcjeNaElementach::czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio()
{
    return PoleceniaNowychRzeczy::czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio();
}

void KontrolerAkcjeNaElementach::akcjaPrzejdzDoPotoku()
{
    m_noweRzeczy->akcjaPrzejdzDoPotoku();
}

void KontrolerAkcjeNaElementach::operacjaPrzejdzDoPotoku(Potok *potok)
{
    m_noweRzeczy->operacjaPrzejdzDoPotoku(potok);
}

void KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioPrzezDwuklik(const QList<QObject *> &elementy,
                                                                            Qt::KeyboardModifiers modyfikatory)
{
    m_noweRzeczy->otworzFasolkeNaKarciePortfolioPrzezDwuklik(elementy, modyfikatory);
}

void KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik(
    const QList<QObject *> &elementy, Qt::KeyboardModifiers modyfikatory)
{
    m_noweRzeczy->otworzFasolkeNaKarciePortfolioPrzezDwuklik(elementy, modyfikatory);
}

void KontrolerAkcjeNaElementach::zmianaZaznaczenia()
{
    zapomnijKliknietyWiersz();
    ogloszZmianeZaznaczonych();
}

void KontrolerAkcjeNaElementach::zmianaUlozenia()
{
    zapomnijKliknietyWiersz();
    ogloszZmianeKliknietych();
}

void KontrolerAkcjeNaElementach::zapomnijKliknietyWiersz()
{
    if (kliknietyWiersz() != -1)
        setKliknietyWiersz(-1);
}

void KontrolerAkcjeNaElementach::ogloszZmianeZaznaczonych()
{
    emit zaznaczoneElementyChanged();
    emit liczbaZaznaczonychElementowChanged();
    emit kliknieteElementyChanged();
    emit liczbaKliknietychElementowChanged();
    ogloszZmianeElementu();
}

void KontrolerAkcjeNaElementach::ogloszZmianeKliknietych()
{
    emit kliknietyElementChanged();
    emit kliknieteElementyChanged();
    emit liczbaKliknietychElementowChanged();
    ogloszZmianeElementu();
}

void KontrolerAkcjeNaElementach::ogloszZmianeElementu()
{
    emit elementChanged();
    emit fasolkaChanged();
    emit potokChanged();
    emit archiwumPotokuChanged();
    emit archiwumChanged();
    emit pobraneRzeczyChanged();
    emit bibliotekaMatRefChanged();
    emit bazaFasolekChanged();
}
