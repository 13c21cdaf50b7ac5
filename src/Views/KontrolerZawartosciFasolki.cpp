#include "KontrolerZawartosciFasolki.h"

#include "KontrolerDrzewa.h"
#include "KontrolerRzeczyKatalogu.h"
#include "WidokZaryseliRzeczyKatalogu.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/WidokRozdzielonyPotoku.h"
#include "Browser/ZawartoscKarty.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Widgets/IkonaZPrzeciaganymFolderem.h"
#include "Widgets/WhitePaperOutlineView.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// Lower than a paper outline's own header, which suits a whole window.
constexpr qreal wysokoscNaglowkaZarysuFasolki = 22.0;
constexpr qreal przesuniecieTytuluNaglowkaZarysuFasolki = 7.0;
constexpr int bokIkonyZawartosciFasolki = 48;
constexpr int szerokoscPanelaRzeczyPotokuFasolki = 200;

} // namespace

KontrolerZawartosciFasolki::KontrolerZawartosciFasolki(QObject *rodzic)
    : ZawartoscFasolkiNaKarcie(rodzic)
    , m_kontrolerRzeczyFasolki(new KontrolerRzeczyKatalogu(this))
    , m_kontrolerRzeczyPotoku(new KontrolerRzeczyKatalogu(this))
    , m_kontrolerEdytoraSpodziewanegoRezultatu(new KontrolerEdytoraSpodziewanegoRezultatu(this))
    , m_kontrolerWidokuRozdzielonegoZPanelemPrawym(new KontrolerWidokuRozdzielonegoZPanelemPrawym(this))
    , m_kontrolerAkcjeNaFasolkach(new KontrolerAkcjeNaElementach(this))
{
}

KontrolerZawartosciFasolki::~KontrolerZawartosciFasolki() = default;

void KontrolerZawartosciFasolki::loadView()
{
    auto *zawartosc = new QWidget;
    auto *uklad = new QVBoxLayout(zawartosc);
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
    miejscePotoku->resize(szerokoscPanelaRzeczyPotokuFasolki, miejscePotoku->height());
    m_widokDlaRzeczyPotoku = miejscePotoku;
    zPanelem->addSubview(miejscePotoku);
    m_kontrolerWidokuRozdzielonegoZPanelemPrawym->setWidokRozdzielony(zPanelem);
    m_kontrolerWidokuRozdzielonegoZPanelemPrawym->setWidokPanelaPrawego(miejscePotoku);
    zPanelem->setDelegate(m_kontrolerWidokuRozdzielonegoZPanelemPrawym);
    zEdytorem->addSubview(zPanelem);
    uklad->addWidget(zEdytorem, 1);
    setView(zawartosc);
    // Item commands from the main menu reach the bean through the chain, in the bean tab and the bean view alike.
    m_kontrolerAkcjeNaFasolkach->wstawDoLancuchaZaResponderem(this);
}

QWidget *KontrolerZawartosciFasolki::zbudujNaglowek()
{
    auto *naglowek = new QWidget;
    auto *uklad = new QHBoxLayout(naglowek);
    uklad->setContentsMargins(4, 0, 4, 0);
    m_ukladNaglowka = uklad;
    auto *ikona = new IkonaZPrzeciaganymFolderem;
    ikona->setObjectName(QStringLiteral("ikonaZFolderemPotoku"));
    ikona->setFixedSize(bokIkonyZawartosciFasolki, bokIkonyZawartosciFasolki);
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
    connect(this, &KontrolerZawartosciFasolki::nazwaPotokuChanged, poleNazwyPotoku,
            [this, poleNazwyPotoku] { poleNazwyPotoku->setText(nazwaPotoku()); });
    return naglowek;
}

void KontrolerZawartosciFasolki::ustawWidok()
{
    view();
    if (m_widokUstawiony)
        return;
    m_widokUstawiony = true;
    osadzZarys(m_kontrolerRzeczyPotoku, m_widokDlaRzeczyPotoku);
    connect(m_kontrolerRzeczyFasolki->kontrolerDrzewa(), &KontrolerDrzewa::selectionChanged, this,
            &KontrolerZawartosciFasolki::zmienionoZaznaczenieRzeczyFasolki);
    osadzZarys(m_kontrolerRzeczyFasolki, m_widokDlaRzeczyFasolki);
    m_kontrolerEdytoraSpodziewanegoRezultatu->ustawWidok();
}

void KontrolerZawartosciFasolki::osadzZarys(KontrolerRzeczyKatalogu *kontroler, QWidget *miejsce)
{
    auto *uklad = new QVBoxLayout(miejsce);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(kontroler->view());
    WhitePaperOutlineView *zarys = kontroler->widokZaryseli();
    zarys->setHeaderHeight(wysokoscNaglowkaZarysuFasolki);
    zarys->setHeaderTitleBaselineVerticalOffset(przesuniecieTytuluNaglowkaZarysuFasolki);
    kontroler->ustawWidok();
}

Fasolka *KontrolerZawartosciFasolki::fasolka() const
{
    return m_fasolka;
}

void KontrolerZawartosciFasolki::setFasolka(Fasolka *fasolka)
{
    if (fasolka == m_fasolka)
        return;
    m_fasolka = fasolka;
    if (!fasolka)
        return;
    view();
    m_kontrolerRzeczyFasolki->setKatalog(fasolka->jestZKatalogiem() ? fasolka->katalog() : nullptr);
    m_kontrolerRzeczyPotoku->setKatalog(katalogRzeczyPotoku());
    m_kontrolerEdytoraSpodziewanegoRezultatu->setFasolka(fasolka);
    m_kontrolerAkcjeNaFasolkach->setElement(fasolka);
    m_ikonaZFolderemPotoku->setObraz(fasolka->ikona().pixmap(bokIkonyZawartosciFasolki * 2).toImage());
    m_poleNazwy->setText(fasolka->nazwa());
    obserwujFasolke();
}

void KontrolerZawartosciFasolki::obserwujFasolke()
{
    m_kontekstFasolki = std::make_unique<QObject>();
    QObject *kontekst = m_kontekstFasolki.get();
    Fasolka *fasolka = m_fasolka;
    connect(fasolka, &Fasolka::zostalaUsunietaChanged, kontekst, [this] {
        if (m_fasolka && m_fasolka->zostalaUsunieta())
            emit fasolkaZostalaUsunieta();
    });
    // The bean outlives the widgets it is shown in: a change after they went reaches no label.
    connect(fasolka, &Fasolka::nazwaChanged, kontekst, [this] {
        if (m_poleNazwy)
            m_poleNazwy->setText(m_fasolka->nazwa());
        emit nazwaFasolkiChanged();
    });
    connect(fasolka, &Fasolka::bytFasolkiChanged, kontekst, [this] { obserwujPotok(); });
    connect(fasolka, &Fasolka::potokChanged, kontekst, [this] {
        // Set anew only for another flow: each setting reads the folder again and folds the outline.
        if (m_kontrolerRzeczyPotoku->katalog() != katalogRzeczyPotoku())
            m_kontrolerRzeczyPotoku->setKatalog(katalogRzeczyPotoku());
        obserwujPotok();
    });
    connect(fasolka, &Fasolka::archiwumPotokuChanged, kontekst, [this] { obserwujPotok(); });
    obserwujPotok();
}

// What the bean reaches through its relations: its file, its flow and its flow archive.
void KontrolerZawartosciFasolki::obserwujPotok()
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

// The items of the bean's flow; an archived bean has no flow, and its outline shows nothing.
BytKatalogu *KontrolerZawartosciFasolki::katalogRzeczyPotoku() const
{
    return m_fasolka && m_fasolka->potok() ? m_fasolka->potok()->katalogRzeczyPotoku() : nullptr;
}

void KontrolerZawartosciFasolki::uaktualnijUrlIkony()
{
    BytSystemuPlikow *byt = m_fasolka ? m_fasolka->bytFasolki() : nullptr;
    if (m_ikonaZFolderemPotoku)
        m_ikonaZFolderemPotoku->setPlikowyURL(byt ? byt->plikowyURL() : QString());
}

void KontrolerZawartosciFasolki::zmienionoZaznaczenieRzeczyFasolki()
{
    const QList<WezelDrzewa *> zaznaczone = m_kontrolerRzeczyFasolki->kontrolerDrzewa()->selectedNodes();
    WezelDrzewa *wezel = zaznaczone.value(0) ? zaznaczone.value(0)->wezelNajwyzszegoPoziomu() : nullptr;
    m_kontrolerAkcjeNaFasolkach->setDodatkowyElement(
        wezel ? qobject_cast<BytSystemuPlikow *>(wezel->representedObject()) : nullptr);
}

void KontrolerZawartosciFasolki::ustawWidokJakoPierwszyResponder()
{
    if (WhitePaperOutlineView *zarys = m_kontrolerRzeczyFasolki->widokZaryseli())
        zarys->setFocus(Qt::OtherFocusReason);
}

bool KontrolerZawartosciFasolki::czyMoznaWyswietlicDymekNowyKatalog(const ZawartoscKarty *karta) const
{
    if (!m_kontrolerWidokuRozdzielonegoZPanelemPrawym->czyWidocznyPanelPrawy())
        return true;
    return KontrolerRzeczyKatalogu::celDymkaNowyKatalog(karta->view());
}

void KontrolerZawartosciFasolki::wyswietlDymekNowyKatalog(ZawartoscKarty *karta)
{
    if (!m_kontrolerWidokuRozdzielonegoZPanelemPrawym->czyWidocznyPanelPrawy())
        m_kontrolerRzeczyFasolki->wyswietlDymekNowyKatalog(nullptr);
    else if (KontrolerRzeczyKatalogu::celDymkaNowyKatalog(karta->view()))
        LancuchResponderow::sendAction(Akcja::wyswietlDymekNowyKatalog, nullptr, karta, karta->view()->window());
}

QString KontrolerZawartosciFasolki::nazwaPotoku() const
{
    if (!m_fasolka)
        return {};
    if (ArchiwumPotoku *archiwum = m_fasolka->archiwumPotoku())
        return archiwum->nazwa();
    if (Potok *potok = m_fasolka->potok())
        return potok->nazwa();
    return {};
}

Qt::DropAction KontrolerZawartosciFasolki::ikonaZPrzeciaganymFolderemOperacjaDlaZrzutu(
    IkonaZPrzeciaganymFolderem *, const InformacjaOPrzeciaganiu &informacja)
{
    return KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
        informacja, m_fasolka, nullptr);
}

bool KontrolerZawartosciFasolki::ikonaZPrzeciaganymFolderemOdbierzZrzut(IkonaZPrzeciaganymFolderem *ikona,
                                                                        const InformacjaOPrzeciaganiu &informacja)
{
    return AdapterZrzutuUrli::przyjmijZrzutDla(m_fasolka, informacja, ikona, AdapterZrzutuUrli::Wykonanie::OdRazu);
}
