#include "KontrolerAkcjeNaElementach.h"

#include "AlertNiepowodzenia.h"
#include "FaktyPolecenia.h"
#include "FileSystemEntityActionController.h"
#include "JakoElement.h"
#include "KontrolerDymkaNowaRzecz.h"
#include "MenuKontroleraElementow.h"

#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BazaFasolek.h"
#include "Model/BibliotekaMatRef.h"
#include "Model/BytKatalogu.h"
#include "Model/DeskryptorSortu.h"
#include "Model/Fasolka.h"
#include "Model/PobraneRzeczy.h"
#include "Model/Potok.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerBiezacegoWidokuSzczegolow.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/RodzajWidokuPortfolio.h"
#include "Platform/DelayedOperations.h"
#include "Platform/DesktopServices.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Konsola.h"
#include "Platform/WorkspaceOperations.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/ListwaZakresu.h"
#include "Views/ProxyWszystkieFasolki.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSet>

namespace {

const QString identyfikatorNazwyPotoku = QStringLiteral("nazwaPotoku");
const QString identyfikatorNazwyFasolki = QStringLiteral("nazwaFasolki");

// A longer bean name is cut in the status menu's header.
constexpr int najdluzszaNazwaWNaglowku = 20;
constexpr int bokIkonyPotoku = 16;

constexpr KontrolerAkcjeNaElementach::PolecenieStatusu tabelaPolecenStatusu[] = {
    {Akcja::inkubujFasolki, Fasolka::sfWInkubacji, true},
    {Akcja::aktywujFasolki, Fasolka::sfAktywna, true},
    {Akcja::oznaczFasolkiJakoOczekujace, Fasolka::sfOczekujaca, true},
    {Akcja::deaktywujFasolki, Fasolka::sfNieaktywna, true},
    {Akcja::oznaczFasolkiJakoGotowe, Fasolka::sfGotowa, true},
    {Akcja::oznaczFasolkiJakoUkonczone, Fasolka::sfUkonczona, true},
    {Akcja::archiwizujFasolki, Fasolka::sfZarchiwizowana, true},
    {Akcja::reaktywujFasolke, Fasolka::sfAktywna, false},
};

QList<Fasolka *> fasolkiWsrod(const QList<QObject *> &elementy)
{
    QList<Fasolka *> fasolki;
    for (QObject *element : elementy) {
        if (Fasolka *fasolka = jakoFasolka(element))
            fasolki << fasolka;
    }
    return fasolki;
}

// Only beans: a flow among the items must never be copied or trashed with its folder.
QStringList urleFasolek(const QList<Fasolka *> &fasolki)
{
    QStringList urle;
    for (const Fasolka *fasolka : fasolki) {
        if (fasolka->bytFasolki())
            urle << fasolka->bytFasolki()->plikowyURL();
    }
    return urle;
}

void pokazBladOperacjiNaPlikach(const std::optional<BladOperacji> &blad)
{
    if (blad)
        AlertNiepowodzenia::pokaz(blad->opis, &*blad, AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
}

PozycjaMenu *pozycjaZTagiem(const QMenu *menu, int tag)
{
    for (QAction *akcja : menu->actions()) {
        if (auto *pozycja = qobject_cast<PozycjaMenu *>(akcja); pozycja && pozycja->tag() == tag)
            return pozycja;
    }
    return nullptr;
}

QString naglowekMenuStatusu(const QList<Fasolka *> &fasolki)
{
    if (fasolki.isEmpty())
        return QCoreApplication::translate("KontrolerAkcjeNaElementach", "<none>");
    if (fasolki.size() > 1)
        return QCoreApplication::translate("KontrolerAkcjeNaElementach", "<Multiple Beans>");
    const QString nazwa = fasolki.first()->nazwa();
    if (nazwa.size() <= najdluzszaNazwaWNaglowku)
        return nazwa;
    // Never half of a surrogate pair: the cut goes before it.
    const qsizetype ciecie = nazwa.at(najdluzszaNazwaWNaglowku - 1).isHighSurrogate() ? najdluzszaNazwaWNaglowku - 1
                                                                                      : najdluzszaNazwaWNaglowku;
    return nazwa.left(ciecie) + QStringLiteral("...");
}

void dodajPozycjePotoku(Menu *menu, Potok *potok)
{
    auto *pozycja = new PozycjaMenu(potok->nazwa(), Akcja::przeniesFasolkiDoPotoku, menu);
    if (auto *delegat = qobject_cast<Responder *>(menu->delegat()))
        pozycja->setCel(delegat);
    pozycja->setIcon(QIcon(potok->ikona().pixmap(bokIkonyPotoku, bokIkonyPotoku)));
    pozycja->setRepresentedObject(QVariant::fromValue<QObject *>(potok));
    menu->addAction(pozycja);
}

} // namespace

KontrolerAkcjeNaElementach::KontrolerAkcjeNaElementach(QObject *rodzic)
    : Responder(rodzic)
{
    dodajPoleceniaOtwierania();
    dodajPoleceniaZmian();
    dodajPoleceniaNowychRzeczy();
}

KontrolerAkcjeNaElementach::~KontrolerAkcjeNaElementach() = default;

void KontrolerAkcjeNaElementach::setElement(QObject *element)
{
    m_element = element;
    ogloszZmianeZaznaczonych();
}

void KontrolerAkcjeNaElementach::setDodatkowyElement(QObject *element)
{
    m_dodatkowyElement = element;
    emit dodatkowyElementChanged();
    emit dodatkowaFasolkaChanged();
    emit dodatkowyPotokChanged();
    emit dodatkoweArchiwumPotokuChanged();
    emit dodatkowyBytSystemuPlikowChanged();
    emit dodatkowyKatalogChanged();
}

void KontrolerAkcjeNaElementach::setKliknietyWiersz(std::int64_t wiersz)
{
    m_kliknietyWiersz = wiersz;
    ++m_numerKlikniecia;
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
    if (m_kontrolerTablicy)
        disconnect(m_kontrolerTablicy, nullptr, this, nullptr);
    m_kontrolerTablicy = kontroler;
    if (kontroler) {
        connect(kontroler, &KontrolerTablicy::arrangedObjectsChanged, this, &KontrolerAkcjeNaElementach::zmianaUlozenia);
        connect(kontroler, &KontrolerTablicy::selectedObjectsChanged, this,
                &KontrolerAkcjeNaElementach::zmianaZaznaczenia);
    }
    ogloszZmianeZaznaczonych();
    ogloszZmianeKliknietych();
}

void KontrolerAkcjeNaElementach::setMenuPodreczneFasolki(Menu *menu)
{
    ustawMenu(m_menuPodreczneFasolki, menu);
}

void KontrolerAkcjeNaElementach::setMenuPodreczneStatusu(Menu *menu)
{
    ustawMenu(m_menuPodreczneStatusu, menu);
}

void KontrolerAkcjeNaElementach::setMenuOtworzWProgramie(Menu *menu)
{
    ustawMenu(m_menuOtworzWProgramie, menu);
}

void KontrolerAkcjeNaElementach::setMenuPrzeniesDoPotoku(Menu *menu)
{
    ustawMenu(m_menuPrzeniesDoPotoku, menu);
}

std::span<const KontrolerAkcjeNaElementach::PolecenieStatusu> KontrolerAkcjeNaElementach::poleceniaStatusu()
{
    return tabelaPolecenStatusu;
}

void KontrolerAkcjeNaElementach::setKontrolerBiezacegoWidokuSzczegolow(KontrolerBiezacegoWidokuSzczegolow *kontroler)
{
    m_kontrolerBiezacegoWidokuSzczegolow = kontroler;
}

QList<QObject *> KontrolerAkcjeNaElementach::zaznaczoneElementy() const
{
    if (m_element)
        return {m_element.data()};
    return m_kontrolerTablicy ? m_kontrolerTablicy->selectedObjects() : QList<QObject *>();
}

QObject *KontrolerAkcjeNaElementach::kliknietyElement() const
{
    return m_kontrolerTablicy && m_kliknietyWiersz >= 0 && m_kliknietyWiersz < m_kontrolerTablicy->rowCount()
        ? m_kontrolerTablicy->obiektWWierszu(int(m_kliknietyWiersz))
        : nullptr;
}

QList<QObject *> KontrolerAkcjeNaElementach::kliknieteElementy() const
{
    QObject *klikniety = kliknietyElement();
    if (!klikniety)
        return {};
    const QList<QObject *> zaznaczone = m_kontrolerTablicy->selectedObjects();
    return zaznaczone.contains(klikniety) ? zaznaczone : QList<QObject *>{klikniety};
}

QObject *KontrolerAkcjeNaElementach::element() const
{
    if (QObject *klikniety = kliknietyElement())
        return klikniety;
    const QList<QObject *> zaznaczone = zaznaczoneElementy();
    return zaznaczone.size() == 1 ? zaznaczone.first() : m_element.data();
}

Fasolka *KontrolerAkcjeNaElementach::fasolka() const
{
    return qobject_cast<Fasolka *>(element());
}

Potok *KontrolerAkcjeNaElementach::potok() const
{
    return qobject_cast<Potok *>(element());
}

ArchiwumPotoku *KontrolerAkcjeNaElementach::archiwumPotoku() const
{
    return qobject_cast<ArchiwumPotoku *>(element());
}

Archiwum *KontrolerAkcjeNaElementach::archiwum() const
{
    return qobject_cast<Archiwum *>(element());
}

PobraneRzeczy *KontrolerAkcjeNaElementach::pobraneRzeczy() const
{
    return qobject_cast<PobraneRzeczy *>(element());
}

BibliotekaMatRef *KontrolerAkcjeNaElementach::bibliotekaMatRef() const
{
    return qobject_cast<BibliotekaMatRef *>(element());
}

BazaFasolek *KontrolerAkcjeNaElementach::bazaFasolek() const
{
    return qobject_cast<BazaFasolek *>(element());
}

Fasolka *KontrolerAkcjeNaElementach::dodatkowaFasolka() const
{
    return qobject_cast<Fasolka *>(m_dodatkowyElement);
}

Potok *KontrolerAkcjeNaElementach::dodatkowyPotok() const
{
    return qobject_cast<Potok *>(m_dodatkowyElement);
}

ArchiwumPotoku *KontrolerAkcjeNaElementach::dodatkoweArchiwumPotoku() const
{
    return qobject_cast<ArchiwumPotoku *>(m_dodatkowyElement);
}

BytSystemuPlikow *KontrolerAkcjeNaElementach::dodatkowyBytSystemuPlikow() const
{
    return qobject_cast<BytSystemuPlikow *>(m_dodatkowyElement);
}

BytKatalogu *KontrolerAkcjeNaElementach::dodatkowyKatalog() const
{
    return qobject_cast<BytKatalogu *>(m_dodatkowyElement);
}

QList<QObject *> KontrolerAkcjeNaElementach::elementyDlaPolecenia(QObject *nadawca) const
{
    if (!m_widokTabeli || !m_kontrolerTablicy)
        return zaznaczoneElementy();
    if (const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca))
        return elementyDlaPochodzenia(pozycja->pochodzenieMenu());
    if (const auto *menu = qobject_cast<const QMenu *>(nadawca))
        return elementyDlaPochodzenia(Menu::pochodzenieMenu(menu));
    if (qobject_cast<const QAbstractButton *>(nadawca))
        return zaznaczoneElementy();
    return {};
}

QList<QObject *> KontrolerAkcjeNaElementach::elementyDlaPochodzenia(Menu::Pochodzenie pochodzenie) const
{
    // A button's pop-up, like the button itself, acts on the selection: beside the list nothing
    // was right-clicked.
    const bool naZaznaczonych = pochodzenie == Menu::Pochodzenie::Glowne || pochodzenie == Menu::Pochodzenie::ZPrzycisku;
    return naZaznaczonych ? zaznaczoneElementy() : kliknieteElementy();
}

bool KontrolerAkcjeNaElementach::zakonczonaEdycjaNazwyElementu(QObject *obiekt, const QString &tekst,
                                                               const QString &identyfikator)
{
    QString nazwa;
    QString linia;
    QString wiadomosc;
    const auto *potok = qobject_cast<const Potok *>(obiekt);
    const auto *fasolka = qobject_cast<const Fasolka *>(obiekt);
    if (identyfikator == identyfikatorNazwyPotoku && potok && potok->nazwa() != tekst) {
        nazwa = potok->nazwa();
        linia = QStringLiteral("Ustawienie nowej nazwy '%1' dla potoku się nie udało. Odczytuję nazwę '%2' z obiektu potoku.");
        wiadomosc = tr("Could not change flow name.");
    } else if (identyfikator == identyfikatorNazwyFasolki && fasolka && fasolka->nazwa() != tekst) {
        nazwa = fasolka->nazwa();
        linia = QStringLiteral("Ustawienie nowej nazwy '%1' dla fasolki się nie udało. Odczytuję nazwę '%2' z obiektu fasolki.");
        wiadomosc = tr("Could not change bean name.");
    } else {
        return true;
    }
    drukujLinie(linia, tekst, nazwa);
    DelayedOperations::addOperationAfterDelayWithBlock(0, nullptr, [wiadomosc] {
        AlertNiepowodzenia::pokaz(wiadomosc, nullptr, AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
    });
    return false;
}

void KontrolerAkcjeNaElementach::podlaczPoleNazwy(QLineEdit *pole)
{
    connect(pole, &QLineEdit::editingFinished, this, [this, pole] { zakonczonoEdycjePolaNazwy(pole); });
}

void KontrolerAkcjeNaElementach::zakonczonoEdycjePolaNazwy(QLineEdit *pole)
{
    if (pole->objectName() != identyfikatorNazwyPotoku)
        return;
    // The field names the view's own flow, whatever row of its list is clicked or selected.
    Potok *edytowany = qobject_cast<Potok *>(m_element.data());
    if (!edytowany)
        return;
    if (!zmienNazwePotoku(edytowany, pole->text()))
        pole->setText(edytowany->nazwa());
}

bool KontrolerAkcjeNaElementach::zmienNazwePotoku(Potok *potok, const QString &tekst)
{
    if (potok->nazwa() != tekst)
        potok->setNazwa(tekst);
    if (!zakonczonaEdycjaNazwyElementu(potok, tekst, identyfikatorNazwyPotoku))
        return false;
    emit BazaFasolek::sharedBazaFasolek()->potokiChanged({}, {});
    return true;
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
        {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, [](QObject *) { PanelSzybkiegoPrzegladu::przelaczWspolny(); }},
    };
    for (const auto &[akcja, obsluga] : polecenia)
        addHandler(akcja, obsluga);
}

void KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolio()
{
    if (Fasolka *otwierana = fasolka())
        operacjaOtworzFasolkeNaKarciePortfolio(otwierana);
}

void KontrolerAkcjeNaElementach::operacjaOtworzFasolkeNaKarciePortfolio(Fasolka *fasolka)
{
    if (fasolka->jestZKatalogiem()) {
        if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(m_widokNaKarcie))
            karta->otworzFasolkeNaKarciePortfolio(fasolka);
    } else if (fasolka->jestZPlikiem() && fasolka->bytFasolki()) {
        fasolka->bytFasolki()->otworzWDomyslnejAplikacji();
    }
}

void KontrolerAkcjeNaElementach::nowaKartaFasolki()
{
    Fasolka *otwierana = fasolka();
    if (PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(m_widokNaKarcie); otwierana && przegladarka)
        przegladarka->nowaKartaFasolki(otwierana);
}

void KontrolerAkcjeNaElementach::noweOknoZKartaFasolki()
{
    if (Fasolka *otwierana = fasolka())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(otwierana);
}

void KontrolerAkcjeNaElementach::otworzBytElementuWProgramie(QObject *nadawca)
{
    const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca);
    if (!pozycja || !pozycja->representedObject().canConvert<IdentyfikatorProgramu>())
        return;
    const auto program = pozycja->representedObject().value<IdentyfikatorProgramu>();
    if (Fasolka *otwierana = fasolka(); otwierana && otwierana->bytFasolki())
        DesktopServices::shared()->openWithApplication(otwierana->bytFasolki()->plikowyURL(), program.desktopId);
}

void KontrolerAkcjeNaElementach::otworzBytyElementowWDomyslnychAplikacjach(QObject *nadawca)
{
    for (QObject *element : elementyDlaPolecenia(nadawca)) {
        Fasolka *otwierana = jakoFasolka(element);
        if (otwierana && otwierana->jestZPlikiem() && otwierana->bytFasolki())
            otwierana->bytFasolki()->otworzWDomyslnejAplikacji();
    }
}

void KontrolerAkcjeNaElementach::otworzElementyWFinderze(QObject *nadawca)
{
    for (QObject *element : elementyDlaPolecenia(nadawca))
        operacjaOtworzElementWFinderze(element);
}

void KontrolerAkcjeNaElementach::operacjaOtworzElementWFinderze(QObject *element)
{
    const BytSystemuPlikow *katalog = nullptr;
    QStringList zaznaczone;
    const auto zaznacz = [&zaznaczone](const BytSystemuPlikow *byt) {
        if (byt)
            zaznaczone << byt->plikowyURL();
    };
    Fasolka *dodatkowa = dodatkowaFasolka();
    if (Fasolka *fasolka = jakoFasolka(element); fasolka && fasolka->jestZKatalogiem()) {
        katalog = fasolka->bytFasolki();
        zaznacz(dodatkowyBytSystemuPlikow());
    } else if (Potok *potok = jakoPotok(element)) {
        // Only active beans lie directly in the flow folder.
        katalog = potok->bytPotoku();
        if (dodatkowa && dodatkowa->jestAktywna())
            zaznacz(dodatkowa->bytFasolki());
    } else if (ArchiwumPotoku *archiwumPotoku = jakoArchiwumPotoku(element)) {
        katalog = archiwumPotoku->katalog();
    } else if (Archiwum *archiwum = jakoArchiwum(element)) {
        katalog = archiwum->katalog();
        if (ArchiwumPotoku *dodatkowe = dodatkoweArchiwumPotoku())
            zaznacz(dodatkowe->katalog());
        if (dodatkowa && dodatkowa->archiwumPotoku())
            zaznacz(dodatkowa->archiwumPotoku()->katalog());
    } else if (PobraneRzeczy *pobrane = jakoPobraneRzeczy(element)) {
        katalog = pobrane->katalog();
        zaznacz(dodatkowyBytSystemuPlikow());
    } else if (BibliotekaMatRef *biblioteka = jakoBibliotekaMatRef(element)) {
        katalog = biblioteka->katalog();
        zaznacz(dodatkowyBytSystemuPlikow());
    } else if (BazaFasolek *baza = jakoBazaFasolek(element)) {
        katalog = baza->katalog();
        if (Potok *dodatkowy = dodatkowyPotok())
            zaznacz(dodatkowy->bytPotoku());
        if (dodatkowa && dodatkowa->potok())
            zaznacz(dodatkowa->potok()->bytPotoku());
    }
    if (katalog)
        DesktopServices::shared()->openFolderInFileManager(katalog->plikowyURL(), zaznaczone);
}

void KontrolerAkcjeNaElementach::pokazElementWFinderze()
{
    const BytSystemuPlikow *pokazywany = nullptr;
    if (Fasolka *f = fasolka())
        pokazywany = f->bytFasolki();
    else if (Potok *p = potok())
        pokazywany = p->bytPotoku();
    else if (ArchiwumPotoku *a = archiwumPotoku())
        pokazywany = a->katalog();
    else if (Archiwum *a = archiwum())
        pokazywany = a->katalog();
    if (pokazywany)
        pokazywany->zaznaczWFinderze();
}

std::int32_t KontrolerAkcjeNaElementach::rodzajWidokuElementu() const
{
    if (pobraneRzeczy())
        return rwpWidokPobranychRzeczy;
    if (bibliotekaMatRef())
        return rwpWidokBibliotekiMatRef;
    if (archiwum())
        return rwpWidokArchiwum;
    if (bazaFasolek())
        return rwpWidokWszystkieFasolki;
    return rwpWidokNieokreslony;
}

void KontrolerAkcjeNaElementach::nowaKartaPortfolioZWidokiemElementu()
{
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(m_widokNaKarcie);
    if (!przegladarka)
        return;
    if (const std::int32_t rodzaj = rodzajWidokuElementu())
        przegladarka->nowaKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rodzaj, false);
    if (Potok *pokazywany = potok())
        przegladarka->nowaKartaPortfolioZPotokiemIZaznaczonaFasolka(pokazywany, dodatkowaFasolka());
}

void KontrolerAkcjeNaElementach::noweOknoZWidokiemElementuNaKarciePortfolio()
{
    if (const std::int32_t rodzaj = rodzajWidokuElementu())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rodzaj, false);
    if (Potok *pokazywany = potok())
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(pokazywany, dodatkowaFasolka());
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

void KontrolerAkcjeNaElementach::ustawStatusFasolek(std::int32_t status, QObject *nadawca)
{
    QString nieudane;
    std::optional<BladOperacji> ostatniBlad;
    for (Fasolka *fasolka : fasolkiWsrod(elementyDlaPolecenia(nadawca))) {
        if (fasolka->statusFasolki() == status)
            continue;
        BladOperacji blad;
        if (!fasolka->ustawStatus(status, &blad)) {
            nieudane += QStringLiteral("- '%1'\n").arg(fasolka->nazwa());
            ostatniBlad = blad;
        }
    }
    if (nieudane.isEmpty())
        return;
    AlertNiepowodzenia::pokaz(tr("Could not change status of following Bean(s):\n%1").arg(nieudane),
                              ostatniBlad ? &*ostatniBlad : nullptr, AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
}

void KontrolerAkcjeNaElementach::zaktualizujMenuPodreczneStatusuDlaElementow(Menu *menu, const QList<QObject *> &elementy)
{
    const QList<Fasolka *> fasolki = fasolkiWsrod(elementy);
    QSet<std::int32_t> statusy;
    for (const Fasolka *fasolka : fasolki)
        statusy.insert(fasolka->statusFasolki());
    const PozycjaMenu::Stan obecny = fasolki.size() < 2 ? PozycjaMenu::Stan::Wlaczony : PozycjaMenu::Stan::Mieszany;
    for (QAction *akcja : menu->actions()) {
        auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
        if (!pozycja)
            continue;
        if (pozycja->tag() == MenuKontroleraElementow::tagNaglowkaStatusu) {
            pozycja->setText(naglowekMenuStatusu(fasolki));
            pozycja->setEnabled(false);
            continue;
        }
        for (const PolecenieStatusu &polecenie : poleceniaStatusu()) {
            if (polecenie.zeZnacznikiem && polecenie.akcja == pozycja->akcja())
                pozycja->setStan(statusy.contains(polecenie.status) ? obecny : PozycjaMenu::Stan::Wylaczony);
        }
    }
}

void KontrolerAkcjeNaElementach::wyswietlPozaTabelaMenuPodreczneStatusu(QObject *nadawca)
{
    if (auto *przycisk = qobject_cast<QWidget *>(nadawca); przycisk && m_menuPodreczneStatusu)
        m_menuPodreczneStatusu->pokazPodPrzyciskiem(przycisk);
}

void KontrolerAkcjeNaElementach::duplikujFasolki(QObject *nadawca)
{
    const QStringList urle = urleFasolek(fasolkiWsrod(elementyDlaPolecenia(nadawca)));
    if (!urle.isEmpty())
        WorkspaceOperations::duplicateURLs(urle, QCoreApplication::instance(), &pokazBladOperacjiNaPlikach);
}

void KontrolerAkcjeNaElementach::moveToTrash(QObject *nadawca)
{
    const QList<Fasolka *> fasolki = fasolkiWsrod(elementyDlaPolecenia(nadawca));
    if (fasolki.isEmpty())
        return;
    Alert pytanie;
    pytanie.setAlertStyle(Alert::AlertStyle::Warning);
    pytanie.setMessageText(fasolki.size() == 1 ? tr("Confirm move of '%1' to Trash").arg(fasolki.first()->nazwa())
                                               : tr("Confirm move of %1 Beans to Trash").arg(fasolki.size()));
    pytanie.addButtonWithTitle(tr("Move to Trash"));
    pytanie.addButtonWithTitle(tr("Cancel"));
    if (pytanie.runModal() != Alert::firstButton)
        return;
    WorkspaceOperations::recycleURLs(urleFasolek(fasolki), QCoreApplication::instance(), &pokazBladOperacjiNaPlikach);
}

void KontrolerAkcjeNaElementach::opakujFasolkePlikowaWKatalog()
{
    Fasolka *opakowywana = fasolka();
    if (!opakowywana || (opakowywana->bytFasolki() && opakowywana->bytFasolki()->toKatalog()))
        return;
    if (!opakowywana->opakujFasolkePlikowaWKatalog()) {
        AlertNiepowodzenia::pokaz(tr("Could not move Bean into Bean Folder."), nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
        return;
    }
    if (m_kontrolerBiezacegoWidokuSzczegolow)
        m_kontrolerBiezacegoWidokuSzczegolow->walidujPrzyciskiAkcji();
}

void KontrolerAkcjeNaElementach::wypakujZawartoscFasolkiZKatalogu()
{
    Fasolka *wypakowywana = fasolka();
    if (!wypakowywana || !wypakowywana->bytFasolki() || !wypakowywana->bytFasolki()->toKatalog())
        return;
    if (!wypakowywana->wypakujZawartoscFasolkiZKatalogu())
        AlertNiepowodzenia::pokaz(tr("Could not content out of Bean Folder."), nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::Brak);
}

void KontrolerAkcjeNaElementach::przeniesFasolkiDoPotoku(QObject *nadawca)
{
    const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca);
    Potok *cel = pozycja ? qobject_cast<Potok *>(pozycja->representedObject().value<QObject *>()) : nullptr;
    if (!cel)
        return;
    QString nieudane;
    QStringList pozostawione;
    QStringList pozostawioneOryginaly;
    QString przyczynaPozostawienia;
    for (Fasolka *fasolka : fasolkiWsrod(elementyDlaPolecenia(nadawca))) {
        // A bean already in the flow is not moved, and what an earlier move left says nothing.
        const bool zInnegoPotoku = fasolka->potok() != cel;
        if (!fasolka->przeniesDoPotoku(cel)) {
            nieudane += QStringLiteral("- '%1'\n").arg(fasolka->nazwa());
            continue;
        }
        if (zInnegoPotoku && !fasolka->przyczynaPozostawieniaOryginalu().isEmpty()) {
            pozostawioneOryginaly << fasolka->nazwa();
            przyczynaPozostawienia = fasolka->przyczynaPozostawieniaOryginalu();
        }
        if (zInnegoPotoku && !fasolka->katalogPozostawionych().isEmpty())
            pozostawione << fasolka->katalogPozostawionych();
    }
    if (!nieudane.isEmpty())
        AlertNiepowodzenia::pokaz(tr("Could not move following Bean(s):\n%1to Flow '%2'.").arg(nieudane, cel->nazwa()),
                                  nullptr, AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
    AlertNiepowodzenia::pokazPozostawioneOryginaly(pozostawioneOryginaly, przyczynaPozostawienia,
                                                   AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
    AlertNiepowodzenia::pokazPozostawione(
        tr("Some items stayed where the moved Bean(s) were."),
        tr("Items written into a Bean while it moved were not moved with it. They stay in %1."), pozostawione,
        AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
}

void KontrolerAkcjeNaElementach::zaktualizujPodrzedneMenuPrzeniesDoPotoku(Menu *menu)
{
    menu->clear();
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    if (Potok *glowny = baza->potokGlowny())
        dodajPozycjePotoku(menu, glowny);
    QList<Potok *> tematyczne = baza->potokiTematyczne();
    BazaFasolek::deskryptorySortuPoNazwie().first().posortuj(tematyczne);
    for (Potok *potok : tematyczne)
        dodajPozycjePotoku(menu, potok);
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
    const QList<QObject *> elementy = elementyDlaPolecenia(menu);
    if (menu == m_menuPodreczneFasolki)
        zaktualizujMenuPodreczneFasolki(menu, elementy);
    if (menu == m_menuPodreczneStatusu)
        zaktualizujMenuPodreczneStatusuDlaElementow(menu, elementy);
    if (menu == m_menuOtworzWProgramie) {
        if (Fasolka *otwierana = fasolka(); otwierana && otwierana->bytFasolki() && !otwierana->bytFasolki()->toKatalog())
            FileSystemEntityActionController::zaktualizujPodrzedneMenuOtworzWProgramieDlaBytu(menu, otwierana->bytFasolki());
    }
    if (menu == m_menuPrzeniesDoPotoku)
        zaktualizujPodrzedneMenuPrzeniesDoPotoku(menu);
}

void KontrolerAkcjeNaElementach::dodajPoleceniaNowychRzeczy()
{
    addHandler(Akcja::pokazFasolkeWPotoku, [this](QObject *) { pokazFasolkeWPotoku(); });
    addHandler(Akcja::akcjaPrzejdzDoPotoku, [this](QObject *) { akcjaPrzejdzDoPotoku(); });
    addHandler(Akcja::wyswietlDymekNowaFasolka, [this](QObject *nadawca) { wyswietlDymekNowaFasolka(nadawca); });
    addHandler(Akcja::wyswietlDymekNowyPotok, [this](QObject *nadawca) { wyswietlDymekNowyPotok(nadawca); });
    addHandler(Akcja::wyswietlDymekNowyPotokNaKarcieProtfolio, [](QObject *) { wyswietlDymekNowyPotokNaKarcieProtfolio(); });
}

void KontrolerAkcjeNaElementach::setListwaZakresu(ListwaZakresu *listwa)
{
    m_listwaZakresu = listwa;
}

void KontrolerAkcjeNaElementach::setProxyWszystkieFasolki(ProxyWszystkieFasolki *proxy)
{
    m_proxyWszystkieFasolki = proxy;
}

void KontrolerAkcjeNaElementach::setKontrolerDymkaNowaRzecz(KontrolerDymkaNowaRzecz *kontroler)
{
    m_kontrolerDymkaNowaRzecz = kontroler;
}

void KontrolerAkcjeNaElementach::setPrzyciskDlaDymkaNowaRzecz(QAbstractButton *przycisk)
{
    m_przyciskDlaDymkaNowaRzecz = przycisk;
}

void KontrolerAkcjeNaElementach::setKontrolerPaskaNawigacji(KontrolerPaskaNawigacji *kontroler)
{
    m_kontrolerPaskaNawigacji = kontroler;
}

KontrolerDymkaNowaRzecz *KontrolerAkcjeNaElementach::kontrolerDymkaNowaRzecz()
{
    if (!m_kontrolerDymkaNowaRzecz)
        m_kontrolerDymkaNowaRzecz = new KontrolerDymkaNowaRzecz(this);
    return m_kontrolerDymkaNowaRzecz;
}

Potok *KontrolerAkcjeNaElementach::potokDocelowy() const
{
    if (Fasolka *wybrana = fasolka())
        return wybrana->potok();
    return potok();
}

QWidget *KontrolerAkcjeNaElementach::kotwicaDymka(QObject *nadawca) const
{
    if (auto *przycisk = qobject_cast<QAbstractButton *>(nadawca))
        return przycisk;
    return m_przyciskDlaDymkaNowaRzecz;
}

void KontrolerAkcjeNaElementach::pokazFasolkeWPotoku()
{
    Fasolka *pokazywana = fasolka();
    if (!pokazywana)
        return;
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(m_widokNaKarcie))
        karta->pokazFasolkeWPotoku(pokazywana);
    else
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZPotokiemIZaznaczonaFasolka(pokazywana->potok(), pokazywana);
}

void KontrolerAkcjeNaElementach::wyswietlDymekNowaFasolka(QObject *nadawca)
{
    Potok *docelowy = potokDocelowy();
    if (!docelowy)
        return;
    kontrolerDymkaNowaRzecz()->wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrFasolka, docelowy->nazwa(), this, [this](const QString &nazwa) { dokonczAkcjeWyswietlDymekNowaFasolka(nazwa); },
        kotwicaDymka(nadawca));
}

void KontrolerAkcjeNaElementach::dokonczAkcjeWyswietlDymekNowaFasolka(const QString &nazwa)
{
    // The selection may have changed while the popover was open.
    Potok *docelowy = potokDocelowy();
    BladOperacji blad;
    Fasolka *nowa = docelowy ? docelowy->nowaFasolka(nazwa, &blad) : nullptr;
    if (!nowa) {
        AlertNiepowodzenia::pokaz(tr("Could not create Bean Directory."), docelowy ? &blad : nullptr,
                                  AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
        return;
    }
    odslonINaznaczNowaFasolke(nowa);
}

// A new bean lies in Incubation: a scope that hides it gives way to In Work.
void KontrolerAkcjeNaElementach::odslonINaznaczNowaFasolke(Fasolka *nowa)
{
    if (ListwaZakresu *listwa = m_listwaZakresu;
        listwa && !listwa->czyWObrobce() && !listwa->czyWInkubacji() && !listwa->czyWszystkie())
        listwa->setCzyWObrobce(true);
    zaznaczWLiscie(nowa);
}

void KontrolerAkcjeNaElementach::zaznaczWLiscie(QObject *obiekt)
{
    if (!m_kontrolerTablicy)
        return;
    QObject::disconnect(m_oczekujaceZaznaczenie);
    const qsizetype wiersz = m_kontrolerTablicy->arrangedObjects().indexOf(obiekt);
    if (wiersz < 0) {
        // The list learns of the model's change on a later turn.
        const QPointer<QObject> oczekujacy = obiekt;
        m_oczekujaceZaznaczenie = connect(m_kontrolerTablicy, &KontrolerTablicy::arrangedObjectsChanged, this,
                                          [this, oczekujacy] {
                                              QObject::disconnect(m_oczekujaceZaznaczenie);
                                              if (oczekujacy && m_kontrolerTablicy->arrangedObjects().contains(oczekujacy))
                                                  zaznaczWLiscie(oczekujacy);
                                          });
        return;
    }
    m_kontrolerTablicy->setSelectedObjects({obiekt});
    if (m_widokTabeli && m_widokTabeli->model())
        m_widokTabeli->scrollTo(m_widokTabeli->model()->index(int(wiersz), 0));
}

bool KontrolerAkcjeNaElementach::czyMoznaWyswietlicDymekNowaFasolka() const
{
    if (m_proxyWszystkieFasolki) {
        const ListwaZakresu *listwa = m_proxyWszystkieFasolki->listwaZakresu();
        return element() && listwa && listwa->czyPodzialNaPotoki();
    }
    return potokDocelowy() != nullptr;
}

void KontrolerAkcjeNaElementach::wyswietlDymekNowyPotok(QObject *nadawca)
{
    kontrolerDymkaNowaRzecz()->wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrPotok, QString(), this, [this](const QString &nazwa) { dokonczAkcjeWyswietlDymekNowyPotok(nazwa); },
        kotwicaDymka(nadawca));
}

void KontrolerAkcjeNaElementach::dokonczAkcjeWyswietlDymekNowyPotok(const QString &nazwa)
{
    BladOperacji blad;
    Potok *nowy = BazaFasolek::sharedBazaFasolek()->nowyPotok(nazwa, &blad);
    if (!nowy) {
        AlertNiepowodzenia::pokaz(tr("Could not create Flow Directory."), &blad,
                                  AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
        return;
    }
    if (m_kontrolerPaskaNawigacji)
        m_kontrolerPaskaNawigacji->zaznaczElement(nowy);
}

void KontrolerAkcjeNaElementach::wyswietlDymekNowyPotokNaKarcieProtfolio()
{
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolio())
        karta->wyswietlDymekNowyPotok();
}

bool KontrolerAkcjeNaElementach::czyMoznaWyswietlicDymekNowyPotokNaKarciePortfolio()
{
    return KartaPortfolio::wybranaKartaPortfolio() != nullptr;
}

void KontrolerAkcjeNaElementach::akcjaPrzejdzDoPotoku()
{
    if (Potok *wybrany = potok())
        operacjaPrzejdzDoPotoku(wybrany);
}

void KontrolerAkcjeNaElementach::operacjaPrzejdzDoPotoku(Potok *potok)
{
    if (!potok)
        return;
    if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(m_widokNaKarcie))
        karta->pokazPotok(potok);
}

void KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioPrzezDwuklik(const QList<QObject *> &elementy,
                                                                            Qt::KeyboardModifiers modyfikatory)
{
    const bool opcja = modyfikatory.testFlag(Qt::AltModifier);
    const bool komenda = modyfikatory.testFlag(Qt::ControlModifier);
    for (QObject *element : elementy) {
        if (auto *otwierany = qobject_cast<Potok *>(element)) {
            operacjaPrzejdzDoPotoku(otwierany);
            continue;
        }
        auto *otwierana = qobject_cast<Fasolka *>(element);
        if (!otwierana)
            continue;
        if (otwierana->jestZPlikiem()) {
            if (otwierana->bytFasolki())
                otwierana->bytFasolki()->otworzWDomyslnejAplikacji();
        } else if (otwierana->jestZKatalogiem()) {
            if (!opcja && !komenda) {
                if (KartaPortfolio *karta = KartaPortfolio::wybranaKartaPortfolioWPrzegladarceZWidokiem(m_widokNaKarcie))
                    karta->otworzFasolkeNaKarciePortfolio(otwierana);
            } else if (opcja && !komenda) {
                if (PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::przegladarkaDlaWidoku(m_widokNaKarcie))
                    przegladarka->nowaKartaFasolki(otwierana);
            } else if (opcja && komenda) {
                PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(otwierana);
            }
        }
    }
}

void KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioLubPrzejdzDoPotokuPrzezDwuklik(
    const QList<QObject *> &elementy, Qt::KeyboardModifiers modyfikatory)
{
    otworzFasolkeNaKarciePortfolioPrzezDwuklik(elementy, modyfikatory);
}

void KontrolerAkcjeNaElementach::zaktualizujMenuPodreczneFasolki(Menu *menu, const QList<QObject *> &elementy)
{
    const Fasolka *jedyna = elementy.size() == 1 ? jakoFasolka(elementy.first()) : nullptr;
    const bool jednaFasolkaZPlikiem = jedyna && jedyna->bytFasolki() && !jedyna->bytFasolki()->toKatalog();
    bool fasolkaZKatalogiem = false;
    for (const Fasolka *fasolka : fasolkiWsrod(elementy))
        fasolkaZKatalogiem = fasolkaZKatalogiem || (fasolka->bytFasolki() && fasolka->bytFasolki()->toKatalog());
    if (PozycjaMenu *pozycja = pozycjaZTagiem(menu, MenuKontroleraElementow::tagOtworzWProgramie))
        pozycja->setHidden(!jednaFasolkaZPlikiem);
    if (PozycjaMenu *pozycja = pozycjaZTagiem(menu, MenuKontroleraElementow::tagOtworzWNowymOknie))
        pozycja->setHidden(!fasolkaZKatalogiem);
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
    if (m_kliknietyWiersz != -1)
        setKliknietyWiersz(-1);
}

void KontrolerAkcjeNaElementach::ustawMenu(QPointer<Menu> &outlet, Menu *menu)
{
    if (outlet)
        disconnect(outlet, nullptr, this, nullptr);
    outlet = menu;
    if (menu)
        connect(menu, &QMenu::aboutToHide, this, [this, menu] { zapomnijKliknietyWierszPoZamknieciu(menu); });
}

void KontrolerAkcjeNaElementach::zapomnijKliknietyWierszPoZamknieciu(Menu *menu)
{
    if (Menu::pochodzenieMenu(menu) != Menu::Pochodzenie::Podreczne)
        return;
    const QMenu *gorne = menu;
    while (const QMenu *wyzej = Menu::menuNadrzedne(gorne))
        gorne = wyzej;
    // Qt hides a menu before it triggers the chosen item, so the row is kept for that command;
    // a submenu that closes while its context menu stays open keeps it too.
    const QPointer<const QMenu> gorneMenu = gorne;
    const std::uint64_t numer = m_numerKlikniecia;
    DelayedOperations::addOperationAfterDelayWithBlock(0, this, [this, gorneMenu, numer] {
        if (numer == m_numerKlikniecia && (!gorneMenu || !gorneMenu->isVisible()))
            zapomnijKliknietyWiersz();
    });
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
