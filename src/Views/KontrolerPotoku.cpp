#include "KontrolerPotoku.h"

#include "KontrolerListyFasolek.h"
#include "KontrolerRzeczyKatalogu.h"
#include "ListwaFiltra.h"
#include "ListwaZakresu.h"
#include "ProxyFasolkiPotoku.h"
#include "WidokTabeliFasolkiPotoku.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Browser/ItemWidoku.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Konsola.h"
#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/Menu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int bokIkonyPotoku = 32;

} // namespace

KontrolerPotoku::KontrolerPotoku(QObject *rodzic)
    : KontrolerWidokuZPanelemRzeczy(rodzic)
    , m_proxy(new ProxyFasolkiPotoku(this))
    , m_listwaZakresu(new ListwaZakresu(this))
    , m_kontrolerAkcjeNaFasolkach(new KontrolerAkcjeNaElementach(this))
    , m_kontrolerAkcjeNaPotoku(new KontrolerAkcjeNaElementach(this))
{
    m_proxy->setListwaZakresu(m_listwaZakresu);
    addHandler(Akcja::wyswietlDymekNowaFasolka,
               [this](QObject *nadawca) { m_kontrolerAkcjeNaPotoku->wyswietlDymekNowaFasolka(nadawca); });
    addHandler(Akcja::testuj, [this](QObject *nadawca) { testuj(nadawca); });
    // The list's button and the tab's settings follow the table.
    addHandler(Akcja::ustawRodzajWidokuWiersza, [this](QObject *nadawca) {
        if (m_lista)
            m_lista->ustawRodzajWidokuWiersza(nadawca);
    });
}

KontrolerPotoku::~KontrolerPotoku() = default;

QWidget *KontrolerPotoku::zbudujWidokLewy()
{
    auto *lewy = new QWidget;
    auto *uklad = new QVBoxLayout(lewy);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);

    m_edytorNazwyPotoku = new QLineEdit;
    m_edytorNazwyPotoku->setObjectName(QStringLiteral("nazwaPotoku"));
    m_edytorNazwyPotoku->setFrame(false);
    QFont czcionka = m_edytorNazwyPotoku->font();
    czcionka.setPointSizeF(czcionka.pointSizeF() * 1.3);
    czcionka.setBold(true);
    m_edytorNazwyPotoku->setFont(czcionka);
    m_edytorNazwyPotoku->setContentsMargins(8, 6, 8, 6);
    m_kontrolerAkcjeNaPotoku->podlaczPoleNazwy(m_edytorNazwyPotoku);
    m_ikonaZFolderemPotoku = new IkonaZPrzeciaganymFolderem;
    m_ikonaZFolderemPotoku->setObjectName(QStringLiteral("ikonaZFolderemPotoku"));
    m_ikonaZFolderemPotoku->setFixedSize(bokIkonyPotoku, bokIkonyPotoku);
    m_ikonaZFolderemPotoku->setDelegate(this);
    auto *naglowek = new QHBoxLayout;
    naglowek->setContentsMargins(8, 4, 0, 0);
    naglowek->addWidget(m_ikonaZFolderemPotoku);
    naglowek->addWidget(m_edytorNazwyPotoku, 1);
    uklad->addLayout(naglowek);

    m_widokTabeli = new WidokTabeliFasolkiPotoku;
    m_lista = new KontrolerListyFasolek(m_widokTabeli, m_proxy, m_listwaZakresu, this);
    uklad->addWidget(m_lista->widok(), 1);
    setWidokListwyFiltra(m_lista->listwaFiltra());

    m_kontrolerAkcjeNaFasolkach->setKontrolerBiezacegoWidokuSzczegolow(this);
    m_kontrolerAkcjeNaPotoku->setKontrolerBiezacegoWidokuSzczegolow(this);
    // The new-bean popover completes here: the new bean must come into the scope and be selected.
    // The flow stays this controller's item whatever the list selects.
    m_kontrolerAkcjeNaPotoku->setKontrolerTablicy(m_lista->kontrolerTablicy());
    m_kontrolerAkcjeNaPotoku->setWidokTabeli(m_widokTabeli);
    m_kontrolerAkcjeNaPotoku->setOdslonNowaFasolke([lista = QPointer<KontrolerListyFasolek>(m_lista)](Fasolka *nowa) {
        if (lista)
            lista->odslonNowaFasolke(nowa);
    });
    m_lista->wlaczZrzuty([this] { return m_potok.data(); });
    m_widokTabeli->setMenuPodreczneFasolki(MenuKontroleraElementow::zbuduj(m_kontrolerAkcjeNaFasolkach, m_widokTabeli));

    m_lista->dodajPrzyciskNowejFasolki(this, m_kontrolerAkcjeNaPotoku);

    QAbstractButton *przyciskPanelu = KontrolerListyFasolek::nowyPrzelacznik(QStringLiteral("czyWidocznyPanelPrawy"),
                                                                             QStringLiteral("◨"), tr("Flow items"));
    KontrolerWidokuRozdzielonegoZPanelemPrawym *rozdzielony = kontrolerWidokuRozdzielonegoZPanelemPrawym();
    connect(przyciskPanelu, &QAbstractButton::toggled, rozdzielony,
            &KontrolerWidokuRozdzielonegoZPanelemPrawym::setCzyWidocznyPanelPrawy);
    connect(rozdzielony, &KontrolerWidokuRozdzielonegoZPanelemPrawym::czyWidocznyPanelPrawyChanged, przyciskPanelu,
            [przyciskPanelu, rozdzielony] { przyciskPanelu->setChecked(rozdzielony->czyWidocznyPanelPrawy()); });
    m_lista->dodajPrzycisk(przyciskPanelu);
    m_przyciskPanelu = przyciskPanelu;

    // A new folder goes into the items outline of the panel, which comes out first to show it.
    auto *przyciskNowyKatalog = new QToolButton;
    przyciskNowyKatalog->setObjectName(QStringLiteral("przyciskNowyKatalog"));
    przyciskNowyKatalog->setAutoRaise(true);
    przyciskNowyKatalog->setIcon(przyciskNowyKatalog->style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    przyciskNowyKatalog->setToolTip(tr("New Folder"));
    connect(przyciskNowyKatalog, &QAbstractButton::pressed, rozdzielony,
            [rozdzielony] { rozdzielony->setCzyWidocznyPanelPrawy(true); });
    AkcjaPrzycisku::ustaw(przyciskNowyKatalog, Akcja::wyswietlDymekNowyKatalog, kontrolerRzeczyPanelu());
    m_lista->dodajPrzycisk(przyciskNowyKatalog);
    m_lista->setCeleAkcji({this, m_kontrolerAkcjeNaFasolkach, m_kontrolerAkcjeNaPotoku, kontrolerRzeczyPanelu()});

    m_lista->polaczZAkcjami(m_kontrolerAkcjeNaFasolkach, m_kontrolerAkcjeNaPotoku);
    setKontroleryPrzegladu(m_kontrolerAkcjeNaFasolkach, m_kontrolerAkcjeNaPotoku);
    connect(m_lista, &KontrolerListyFasolek::podwojnaAkcja, m_kontrolerAkcjeNaFasolkach,
            &KontrolerAkcjeNaElementach::otworzFasolkeNaKarciePortfolioPrzezDwuklik);
    return lewy;
}

void KontrolerPotoku::ustawWidok()
{
    view();
    KontrolerWidokuZPanelemRzeczy::ustawWidok();
    m_widokTabeli->addAndSetUpBorderView();
    // The list's commands come right after this controller's.
    m_kontrolerAkcjeNaFasolkach->wstawDoLancuchaZaResponderem(this);
    kontrolerRzeczyPanelu()->wlaczRysowanieLiniiNadNaglowkiem();
}

void KontrolerPotoku::odczytajUstawienia()
{
    view();
    KontrolerKartyPortfolio *karta = kontrolerKartyPortfolio();
    m_lista->setUstawieniaKarty(karta ? karta->ustawieniaKarty() : nullptr);
    m_proxy->setKontrolerKartyPortfolio(karta);
    m_proxy->odczytajUstawienia();
    KontrolerWidokuZPanelemRzeczy::odczytajUstawienia();
    m_przyciskPanelu->setChecked(kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy());
}

void KontrolerPotoku::ustawWidokJakoPierwszyResponder()
{
    if (m_widokTabeli)
        m_widokTabeli->setFocus(Qt::OtherFocusReason);
}

Potok *KontrolerPotoku::potok() const
{
    return m_potok;
}

void KontrolerPotoku::setPotok(Potok *potok)
{
    view();
    if (potok != m_potok) {
        m_potok = potok;
        m_proxy->setPotok(potok);
        sledz(potok, &Potok::zostalUsunietyChanged, &Potok::zostalUsuniety,
              potok ? potok->katalogRzeczyPotoku() : nullptr);
        m_kontrolerAkcjeNaPotoku->setElement(potok);
        m_obserwacjaPotoku = std::make_unique<QObject>();
        if (potok) {
            connect(potok, &RzeczWBazieFasolek::nazwaChanged, m_obserwacjaPotoku.get(), [this] {
                if (m_potok && !m_edytorNazwyPotoku->hasFocus())
                    m_edytorNazwyPotoku->setText(m_potok->nazwa());
            });
            connect(potok, &Potok::bytPotokuChanged, m_obserwacjaPotoku.get(), [this] { obserwujBytPotoku(); });
        }
        obserwujBytPotoku();
        walidujPrzyciskiAkcji();
    }
    m_edytorNazwyPotoku->setText(potok ? potok->nazwa() : QString());
    m_edytorNazwyPotoku->setReadOnly(!potok || potok->toPotokGlowny());
    uaktualnijUrlIkony();
    m_ikonaZFolderemPotoku->setObraz(potok ? potok->ikona().pixmap(bokIkonyPotoku * 2).toImage() : QImage());
}

// The icon stands for the folder where it is now: a path kept from before a rename would drag
// whatever another program puts under the old name.
void KontrolerPotoku::obserwujBytPotoku()
{
    m_obserwacjaBytuPotoku = std::make_unique<QObject>();
    if (BytSystemuPlikow *byt = m_potok ? m_potok->bytPotoku() : nullptr)
        connect(byt, &BytSystemuPlikow::plikowyURLChanged, m_obserwacjaBytuPotoku.get(),
                [this] { uaktualnijUrlIkony(); });
    uaktualnijUrlIkony();
}

void KontrolerPotoku::uaktualnijUrlIkony()
{
    BytSystemuPlikow *byt = m_potok ? m_potok->bytPotoku() : nullptr;
    m_ikonaZFolderemPotoku->setPlikowyURL(byt ? byt->plikowyURL() : QString());
}

Qt::DropAction KontrolerPotoku::ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(IkonaZPrzeciaganymFolderem *,
                                                                            const InformacjaOPrzeciaganiu &informacja)
{
    return KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
        informacja, m_potok.data(), nullptr);
}

bool KontrolerPotoku::ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *ikona,
                                                             const InformacjaOPrzeciaganiu &informacja)
{
    return AdapterZrzutuUrli::przyjmijZrzutDla(m_potok.data(), informacja, ikona, AdapterZrzutuUrli::Wykonanie::OdRazu);
}

KartaPortfolio *KontrolerPotoku::kartaPortfolio() const
{
    return m_kartaPortfolio;
}

void KontrolerPotoku::setKartaPortfolio(KartaPortfolio *karta)
{
    m_kartaPortfolio = karta;
}

KontrolerTablicy *KontrolerPotoku::kontrolerTablicy() const
{
    return m_lista ? m_lista->kontrolerTablicy() : nullptr;
}

QString KontrolerPotoku::tytulZakladki() const
{
    if (!m_potok)
        return QCoreApplication::translate("KontrolerPotoku", "no flow");
    return QCoreApplication::translate("KontrolerPotoku", "Flow: %1").arg(m_potok->nazwa());
}

QIcon KontrolerPotoku::ikonaZakladki() const
{
    return m_potok ? m_potok->ikona() : QIcon();
}

void KontrolerPotoku::walidujPrzyciskiAkcji()
{
    if (m_lista)
        m_lista->walidujPrzyciskiAkcji();
}

bool KontrolerPotoku::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    if (const QAbstractButton *przycisk = element.przycisk();
        przycisk && przycisk->objectName() == QLatin1String("czyWidocznyPanelPrawy"))
        return true;
    switch (element.akcja()) {
    case Akcja::wyswietlDymekNowaFasolka:
    case Akcja::wyswietlDymekNowyKatalog:
    case Akcja::testuj:
        return true;
    case Akcja::pokazSzybkiPrzeglad:
    case Akcja::pokazMenuAkcji:
        return m_lista && m_lista->kontrolerTablicy()->selectedObjects().size() == 1;
    case Akcja::ustawRodzajWidokuWiersza:
        return m_lista && m_lista->walidujRodzajWidokuWiersza(element);
    default:
        return false;
    }
}

void KontrolerPotoku::testuj(QObject *nadawca)
{
    drukujLinie(QStringLiteral("[KontrolerPotoku testuj: %1]"),
                nadawca ? nadawca->objectName() : QStringLiteral("(null)"));
    view();
    auto *przycisk = qobject_cast<QAbstractButton *>(nadawca);
    m_kontrolerAkcjeNaPotoku->kontrolerDymkaNowaRzecz()->wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrKatalog, QStringLiteral("katalog"), this,
        [](const QString &nazwa) { drukujLinie(QStringLiteral("[KontrolerPotoku dokonczAkcjeTestuj: %1]"), nazwa); },
        przycisk ? static_cast<QWidget *>(przycisk) : m_widokTabeli);
}

void KontrolerPotoku::zaznaczFasolke(Fasolka *fasolka)
{
    if (!fasolka || !m_lista)
        return;
    ListwaZakresu *zakres = m_listwaZakresu;
    if ((fasolka->jestNieaktywna() && !zakres->czyNieaktywne()) || (fasolka->jestUkonczona() && !zakres->czyUkonczone())
        || ((fasolka->jestAktywna() || fasolka->jestWInkubacji()) && !zakres->czyAktywne()))
        zakres->setCzyWszystkie(true);
    // A bean the scope still hides (Waiting For, Ready, or Incubation under Active) would be
    // left unselected, and the command would do nothing; All lists every bean of the flow.
    if (!m_proxy->tablica().contains(fasolka) && fasolka->potok() == m_potok)
        zakres->setCzyWszystkie(true);
    m_lista->przeladujBezZaznaczania();
    m_lista->zaznaczIPokaz(fasolka);
}

void KontrolerPotoku::wyswietlDymekNowaFasolka()
{
    view();
    m_kontrolerAkcjeNaPotoku->wyswietlDymekNowaFasolka(nullptr);
}

void KontrolerPotoku::przejdzDoWyszukiwarki(QObject *nadawca)
{
    drukujLinie(QStringLiteral("[KontrolerPotoku przejdzDoWyszukiwarki: %1]"),
                nadawca ? nadawca->objectName() : QStringLiteral("(null)"));
    view();
    m_lista->listwaFiltra()->przejdzDoWyszukiwarki();
}

void KontrolerPotoku::wyswietlWTabeliMenuPodreczneStatusu(const QModelIndex &indeks, const QRect &przycisk)
{
    view();
    m_lista->wyswietlMenuStatusu(indeks, przycisk);
}

void KontrolerPotoku::przyjmijItem(const ItemWidoku &item)
{
    setPotok(item.potok());
}

void KontrolerPotoku::pokazFasolkeWPotoku(Fasolka *fasolka)
{
    zaznaczFasolke(fasolka);
}

bool KontrolerPotoku::czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *) const
{
    return kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy();
}

void KontrolerPotoku::wyswietlDymekNowyKatalog(ZawartoscKarty *)
{
    if (kontrolerWidokuRozdzielonegoZPanelemPrawym()->czyWidocznyPanelPrawy())
        kontrolerRzeczyPotoku()->wyswietlDymekNowyKatalog(nullptr);
}
