#include "KontrolerKartyFasolki.h"

#include "KartaFasolki.h"
#include "KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "TloKarty.h"
#include "UstawieniaKartyFasolki.h"
#include "WidokRozdzielonyPotoku.h"
#include "ZawartoscKarty.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Browser/TabKit/Browser.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"
#include "Widgets/WhitePaperOutlineView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr qreal wysokoscNaglowkaZarysu = 22.0;
constexpr qreal przesuniecieTytuluNaglowkaZarysu = 7.0;
constexpr int bokIkony = 48;

} // namespace

KontrolerKartyFasolki::KontrolerKartyFasolki(QObject *rodzic)
    : KontrolerKarty(rodzic)
    , m_ustawieniaKarty(std::make_unique<UstawieniaKartyFasolki>())
    , m_kontrolerRzeczyFasolki(new KontrolerRzeczyKatalogu(this))
    , m_kontrolerRzeczyPotoku(new KontrolerRzeczyKatalogu(this))
    , m_kontrolerEdytoraSpodziewanegoRezultatu(new KontrolerEdytoraSpodziewanegoRezultatu(this))
    , m_kontrolerWidokuRozdzielonegoZPanelemPrawym(new KontrolerWidokuRozdzielonegoZPanelemPrawym(this))
    , m_kontrolerAkcjeNaFasolkach(new KontrolerAkcjeNaElementach(this))
{
}

KontrolerKartyFasolki::~KontrolerKartyFasolki() = default;

void KontrolerKartyFasolki::loadView()
{
    KontrolerKarty::loadView();
    auto *szczegoly = new QWidget;
    szczegoly->setObjectName(QStringLiteral("widokSzczegolow"));
    m_widokSzczegolow = szczegoly;
    auto *uklad = new QVBoxLayout(szczegoly);
    uklad->setContentsMargins(0, 6, 0, 0);
    uklad->setSpacing(6);
    uklad->addWidget(zbudujNaglowek());

    auto *zEdytorem = new SplitView(Qt::Vertical);
    zEdytorem->setObjectName(QStringLiteral("widokRozdzielonyZEdytoremSpodziewanegoRezultatu"));
    m_widokRozdzielonyZEdytoremSpodziewanegoRezultatu = zEdytorem;
    QWidget *edytor = m_kontrolerEdytoraSpodziewanegoRezultatu->view();
    edytor->resize(edytor->width(), int(KontrolerEdytoraSpodziewanegoRezultatu::minimalnaWysokoscWidokuZEdytorem));
    zEdytorem->addSubview(edytor);
    m_kontrolerEdytoraSpodziewanegoRezultatu->setWidokRozdzielony(zEdytorem);

    auto *zPanelem = new WidokRozdzielonyPotoku;
    zPanelem->setObjectName(QStringLiteral("widokRozdzielonyZPanelemPrawym"));
    m_widokRozdzielonyZPanelemPrawym = zPanelem;
    auto *miejsceFasolki = new QWidget;
    miejsceFasolki->setObjectName(QStringLiteral("widokDlaRzeczyFasolki"));
    m_widokDlaRzeczyFasolki = miejsceFasolki;
    zPanelem->addSubview(miejsceFasolki);
    auto *miejscePotoku = new QWidget;
    miejscePotoku->setObjectName(QStringLiteral("widokDlaRzeczyPotoku"));
    miejscePotoku->resize(200, miejscePotoku->height());
    m_widokDlaRzeczyPotoku = miejscePotoku;
    zPanelem->addSubview(miejscePotoku);
    m_kontrolerWidokuRozdzielonegoZPanelemPrawym->setWidokRozdzielony(zPanelem);
    m_kontrolerWidokuRozdzielonegoZPanelemPrawym->setWidokPanelaPrawego(miejscePotoku);
    zPanelem->setDelegate(m_kontrolerWidokuRozdzielonegoZPanelemPrawym);
    zEdytorem->addSubview(zPanelem);
    uklad->addWidget(zEdytorem, 1);

    tloKarty()->setWidokSzczegolow(szczegoly);
    tloKarty()->awakeFromNib();
}

QWidget *KontrolerKartyFasolki::zbudujNaglowek()
{
    auto *naglowek = new QWidget;
    auto *uklad = new QHBoxLayout(naglowek);
    uklad->setContentsMargins(4, 0, 4, 0);
    auto *ikona = new IkonaZPrzeciaganymFolderem;
    ikona->setObjectName(QStringLiteral("ikonaZFolderemPotoku"));
    ikona->setFixedSize(bokIkony, bokIkony);
    ikona->setDelegate(this);
    m_ikonaZFolderemPotoku = ikona;
    uklad->addWidget(ikona);

    auto *nazwy = new QVBoxLayout;
    auto *nazwa = new QLabel;
    nazwa->setObjectName(QStringLiteral("poleNazwy"));
    QFont pogrubiona = nazwa->font();
    pogrubiona.setBold(true);
    pogrubiona.setPixelSize(16);
    nazwa->setFont(pogrubiona);
    m_poleNazwy = nazwa;
    auto *poleNazwyPotoku = new QLabel;
    poleNazwyPotoku->setObjectName(QStringLiteral("poleNazwyPotoku"));
    m_poleNazwyPotoku = poleNazwyPotoku;
    nazwy->addWidget(nazwa);
    nazwy->addWidget(poleNazwyPotoku);
    uklad->addLayout(nazwy, 1);
    connect(this, &KontrolerKartyFasolki::nazwaPotokuChanged, poleNazwyPotoku,
            [this, poleNazwyPotoku] { poleNazwyPotoku->setText(nazwaPotoku()); });
    return naglowek;
}

void KontrolerKartyFasolki::awakeFromNib()
{
    KontrolerKarty::awakeFromNib();
    tloKarty()->setRodzajKarty(ZawartoscKarty::rodzajKartaFasolki);
    wstawDoLancuchaZaResponderem(m_widokSzczegolow);
    m_kontrolerAkcjeNaFasolkach->wstawDoLancuchaZaResponderem(this);
    KontrolerAkcjeNaElementach::umiescNaKarcie(this, m_widokSzczegolow);
}

void KontrolerKartyFasolki::ustawWidok()
{
    view();
    if (m_widokUstawiony)
        return;
    m_widokUstawiony = true;
    m_ustawieniaKarty->odczytajUstawieniaAplikacji();
    osadzZarys(m_kontrolerRzeczyPotoku, m_widokDlaRzeczyPotoku);
    connect(m_kontrolerRzeczyFasolki->kontrolerDrzewa(), &KontrolerDrzewa::selectionChanged, this,
            &KontrolerKartyFasolki::zmienionoZaznaczenieRzeczyFasolki);
    osadzZarys(m_kontrolerRzeczyFasolki, m_widokDlaRzeczyFasolki);
    m_kontrolerEdytoraSpodziewanegoRezultatu->ustawWidok();
    m_kontrolerWidokuRozdzielonegoZPanelemPrawym->setKontrolerKartyFasolki(this);
    m_kontrolerWidokuRozdzielonegoZPanelemPrawym->odczytajUstawienia();
}

void KontrolerKartyFasolki::osadzZarys(KontrolerRzeczyKatalogu *kontroler, QWidget *miejsce)
{
    auto *uklad = new QVBoxLayout(miejsce);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(kontroler->view());
    WhitePaperOutlineView *zarys = kontroler->widokZaryseli();
    zarys->setHeaderHeight(wysokoscNaglowkaZarysu);
    zarys->setHeaderTitleBaselineVerticalOffset(przesuniecieTytuluNaglowkaZarysu);
    kontroler->ustawWidok();
}

Fasolka *KontrolerKartyFasolki::fasolka() const
{
    return m_fasolka;
}

void KontrolerKartyFasolki::setFasolka(Fasolka *fasolka)
{
    if (fasolka == m_fasolka)
        return;
    m_fasolka = fasolka;
    if (!fasolka)
        return;
    m_kontrolerRzeczyFasolki->setKatalog(fasolka->jestZKatalogiem() ? fasolka->katalog() : nullptr);
    m_kontrolerRzeczyPotoku->setKatalog(fasolka->potok() ? fasolka->potok()->katalogRzeczyPotoku() : nullptr);
    m_kontrolerEdytoraSpodziewanegoRezultatu->setFasolka(fasolka);
    m_kontrolerAkcjeNaFasolkach->setElement(fasolka);
    m_ikonaZFolderemPotoku->setObraz(fasolka->ikona().pixmap(bokIkony * 2).toImage());
    m_poleNazwy->setText(fasolka->nazwa());
    obserwujFasolke();
    uaktualnijUrlIkony();
    emit nazwaPotokuChanged();
}

void KontrolerKartyFasolki::obserwujFasolke()
{
    m_kontekstFasolki = std::make_unique<QObject>();
    QObject *kontekst = m_kontekstFasolki.get();
    Fasolka *fasolka = m_fasolka;
    connect(fasolka, &Fasolka::zostalaUsunietaChanged, kontekst, [this] { fasolkaZmienilaUsuniecie(); });
    connect(fasolka, &Fasolka::nazwaChanged, kontekst, [this] {
        if (m_kartaFasolki)
            m_kartaFasolki->setTitle(m_fasolka->nazwa());
        m_poleNazwy->setText(m_fasolka->nazwa());
    });
    connect(fasolka, &Fasolka::bytFasolkiChanged, kontekst, [this] { obserwujPotok(); });
    connect(fasolka, &Fasolka::potokChanged, kontekst, [this] { obserwujPotok(); });
    connect(fasolka, &Fasolka::archiwumPotokuChanged, kontekst, [this] { obserwujPotok(); });
    obserwujPotok();
}

// What the bean reaches through its relations: its file, its flow and its flow archive.
void KontrolerKartyFasolki::obserwujPotok()
{
    m_kontekstPotoku = std::make_unique<QObject>();
    QObject *kontekst = m_kontekstPotoku.get();
    if (BytSystemuPlikow *byt = m_fasolka->bytFasolki())
        connect(byt, &BytSystemuPlikow::plikowyURLChanged, kontekst, [this] { uaktualnijUrlIkony(); });
    if (Potok *potok = m_fasolka->potok())
        connect(potok, &Potok::nazwaChanged, kontekst, [this] { emit nazwaPotokuChanged(); });
    if (ArchiwumPotoku *archiwum = m_fasolka->archiwumPotoku())
        connect(archiwum, &ArchiwumPotoku::nazwaChanged, kontekst, [this] { emit nazwaPotokuChanged(); });
    uaktualnijUrlIkony();
    emit nazwaPotokuChanged();
}

void KontrolerKartyFasolki::uaktualnijUrlIkony()
{
    BytSystemuPlikow *byt = m_fasolka ? m_fasolka->bytFasolki() : nullptr;
    m_ikonaZFolderemPotoku->setPlikowyURL(byt ? byt->plikowyURL() : QString());
}

void KontrolerKartyFasolki::fasolkaZmienilaUsuniecie()
{
    if (!m_fasolka || !m_fasolka->zostalaUsunieta() || !m_kartaFasolki)
        return;
    // Not inside the bean's own signal: the tab closes on a later turn, if it still lies in a browser.
    QTimer::singleShot(0, m_kartaFasolki, [karta = m_kartaFasolki] {
        Browser *przegladarka = karta ? karta->browser() : nullptr;
        const int indeks = przegladarka ? przegladarka->indexOfTabContents(karta) : -1;
        if (indeks >= 0)
            przegladarka->closeTabAtIndex(indeks);
    });
}

void KontrolerKartyFasolki::zmienionoZaznaczenieRzeczyFasolki()
{
    const QList<WezelDrzewa *> zaznaczone = m_kontrolerRzeczyFasolki->kontrolerDrzewa()->selectedNodes();
    WezelDrzewa *wezel = zaznaczone.value(0) ? zaznaczone.value(0)->wezelNajwyzszegoPoziomu() : nullptr;
    m_kontrolerAkcjeNaFasolkach->setDodatkowyElement(
        wezel ? qobject_cast<BytSystemuPlikow *>(wezel->representedObject()) : nullptr);
}

KartaFasolki *KontrolerKartyFasolki::kartaFasolki() const
{
    return m_kartaFasolki;
}

void KontrolerKartyFasolki::setKartaFasolki(KartaFasolki *karta)
{
    m_kartaFasolki = karta;
}

QString KontrolerKartyFasolki::tytulZakladki() const
{
    return tytulZakladkiDlaFasolki(m_fasolka);
}

QIcon KontrolerKartyFasolki::ikonaZakladki() const
{
    return ikonaZakladkiDlaFasolki(m_fasolka);
}

QString KontrolerKartyFasolki::tytulZakladkiDlaFasolki(const Fasolka *fasolka)
{
    if (!fasolka)
        return QCoreApplication::translate("KontrolerKartyFasolki", "no bean");
    return QCoreApplication::translate("KontrolerKartyFasolki", "Bean: %1").arg(fasolka->nazwa());
}

QIcon KontrolerKartyFasolki::ikonaZakladkiDlaFasolki(const Fasolka *fasolka)
{
    return fasolka ? fasolka->ikona() : QIcon();
}

QString KontrolerKartyFasolki::nazwaPotoku() const
{
    if (!m_fasolka)
        return {};
    if (ArchiwumPotoku *archiwum = m_fasolka->archiwumPotoku())
        return archiwum->nazwa();
    if (Potok *potok = m_fasolka->potok())
        return potok->nazwa();
    return {};
}

Qt::DropAction KontrolerKartyFasolki::ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(IkonaZPrzeciaganymFolderem *,
                                                                                   const InformacjaOPrzeciaganiu &informacja)
{
    return KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
        informacja, m_fasolka, nullptr);
}

bool KontrolerKartyFasolki::ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *ikona,
                                                                   const InformacjaOPrzeciaganiu &informacja)
{
    return AdapterZrzutuUrli::przyjmijZrzutDla(m_fasolka, informacja, ikona, AdapterZrzutuUrli::Wykonanie::OdRazu);
}
