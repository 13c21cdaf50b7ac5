#include "KontrolerPaskaNawigacji.h"

#include "ModelDrzewaPaskaNawigacji.h"
#include "WidokKomorkiPaskaNawigacji.h"
#include "WidokZaryseliPaskaNawigacji.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Model/Archiwum.h"
#include "Model/BazaFasolek.h"
#include "Model/BibliotekaMatRef.h"
#include "Model/DeskryptorSortu.h"
#include "Model/Fasolka.h"
#include "Model/PobraneRzeczy.h"
#include "Model/Potok.h"
#include "Model/SplotDanychBazyFasolek.h"
#include "Platform/Konsola.h"
#include "Platform/ObrazyAplikacji.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Widgets/PolozenieZrzutuWWierszu.h"

#include <QVBoxLayout>

namespace {

const QString komorkaDanych = QStringLiteral("WidokKomorkiDanych");
const QString komorkaSeparatora = QStringLiteral("WidokKomorkiSeparatora");
const QString komorkaPrzycisku = QStringLiteral("WidokKomorkiPrzycisku");
const QString komorkaPotoku = QStringLiteral("WidokKomorkiPotoku");
const QString komorkaSrodtytulu = QStringLiteral("WidokKomorkiSrodtytulu");
const QString kluczWszystkichFasolek = QStringLiteral("splot-wszystkie-fasolki");
const QString kluczArchiwum = QStringLiteral("splot-archiwum");

SplotBazowy *nowySplotPomocniczy(QObject *wlasciciel, const QString &identyfikator, const QString &nazwa = {})
{
    auto *splot = new SplotBazowy(wlasciciel);
    splot->setIdentyfikatorWidokuKomorki(identyfikator);
    splot->setCzyMaZaznaczycWiersz(false);
    splot->setNazwa(nazwa);
    return splot;
}

QObject *elementIndeksu(const QModelIndex &indeks)
{
    return indeks.data(ModelDrzewaPaskaNawigacji::rolaElementu).value<QObject *>();
}

} // namespace

KontrolerPaskaNawigacji::KontrolerPaskaNawigacji(QObject *rodzic)
    : PasekNawigacjiKarty(rodzic)
    , m_splotyPomocnicze(std::make_unique<QObject>())
{
    stworzStatyczneObiektyPaskaNawigacji();
    connect(BazaFasolek::sharedBazaFasolek(), &BazaFasolek::potokiChanged, this,
            &KontrolerPaskaNawigacji::przebudujDrzewo);
}

KontrolerPaskaNawigacji::~KontrolerPaskaNawigacji() = default;

void KontrolerPaskaNawigacji::stworzStatyczneObiektyPaskaNawigacji()
{
    struct Opis
    {
        QString klucz, nazwa, ikona, ikonaZaznaczona;
        bool lisc;
        QString widok;
    };
    const Opis opisy[] = {
        {QStringLiteral("splot-pobrane-rzeczy"),
         QStringLiteral("Downloads"),
         QStringLiteral("PasekNawigacji-PobraneRzeczy-22px-Template"),
         {},
         true,
         NazwyWidokow::pobraneRzeczy},
        {QStringLiteral("splot-biblioteka-mat-ref"),
         QStringLiteral("Reference Lib"),
         QStringLiteral("BibliotekaMatRefTemplate"),
         {},
         true,
         NazwyWidokow::bibliotekaMatRef},
        {kluczWszystkichFasolek, QStringLiteral("All Beans"),
         QStringLiteral("PasekNawigacji-WszystkieFasolki-22px-Template"),
         QStringLiteral("PasekNawigacji-WszystkieFasolki-22px-Klikniete-Template"), false,
         NazwyWidokow::wszystkieFasolki},
        {kluczArchiwum, QStringLiteral("Archived Beans"), QStringLiteral("PasekNawigacji-Archiwum-22px-Template"),
         QStringLiteral("PasekNawigacji-Archiwum-22px-Klikniete-Template"), true, NazwyWidokow::archiwum},
    };
    for (const Opis &opis : opisy) {
        auto splot = std::make_unique<SplotDanychBazyFasolek>();
        splot->setNazwa(opis.nazwa);
        // Only the two rows on display load their images.
        if (opis.klucz == kluczWszystkichFasolek || opis.klucz == kluczArchiwum) {
            splot->setIkona(ObrazyAplikacji::ikona(opis.ikona));
            splot->setIkonaZaznaczona(ObrazyAplikacji::ikona(opis.ikonaZaznaczona));
        }
        splot->setSplotJestLisciem(opis.lisc);
        splot->setIdentyfikatorWidokuKomorki(komorkaPrzycisku);
        splot->setWidokSzczegolow(opis.widok);
        m_statyczneSplotyPaskaNawigacji.emplace(opis.klucz, std::move(splot));
    }
    // Made once, like the static nodes: the tree's rows stay with their items from build to build.
    QObject *wlasciciel = m_splotyPomocnicze.get();
    m_gornyPoziom = {
        nowySplotPomocniczy(wlasciciel, komorkaSeparatora),
        nowySplotPomocniczy(wlasciciel, komorkaSrodtytulu, QStringLiteral("IN WORK")),
        statycznySplot(kluczWszystkichFasolek),
        nowySplotPomocniczy(wlasciciel, komorkaSeparatora),
        nowySplotPomocniczy(wlasciciel, komorkaSrodtytulu, QStringLiteral("ARCHIVED")),
        statycznySplot(kluczArchiwum),
        nowySplotPomocniczy(wlasciciel, komorkaSeparatora),
    };
}

SplotDanychBazyFasolek *KontrolerPaskaNawigacji::statycznySplot(const QString &klucz) const
{
    auto wpis = m_statyczneSplotyPaskaNawigacji.find(klucz);
    return wpis == m_statyczneSplotyPaskaNawigacji.end() ? nullptr : wpis->second.get();
}

QList<QObject *> KontrolerPaskaNawigacji::drzewoPaskaNawigacji()
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    SplotDanychBazyFasolek *wszystkie = statycznySplot(kluczWszystkichFasolek);
    QList<QObject *> potoki;
    if (Potok *glowny = baza->potokGlowny())
        potoki.append(glowny);
    QList<Potok *> tematyczne = baza->potokiTematyczne();
    BazaFasolek::deskryptorySortuPoNazwie().constFirst().posortuj(tematyczne);
    for (Potok *potok : std::as_const(tematyczne))
        potoki.append(potok);
    wszystkie->setDzieciSplotu(potoki);
    return m_gornyPoziom;
}

void KontrolerPaskaNawigacji::loadView()
{
    auto *widok = new QWidget;
    widok->setObjectName(QStringLiteral("widokPaskaNawigacji"));
    widok->setFocusPolicy(Qt::NoFocus);
    auto *uklad = new QVBoxLayout(widok);
    uklad->setContentsMargins(0, 0, 0, 0);
    m_widokZaryseli = new WidokZaryseliPaskaNawigacji(widok);
    m_widokZaryseli->setObjectName(QStringLiteral("widokZaryseli"));
    uklad->addWidget(m_widokZaryseli);
    m_model = new ModelDrzewaPaskaNawigacji(this);
    auto *komorka = new WidokKomorkiPaskaNawigacji(m_widokZaryseli);
    m_widokZaryseli->setItemDelegate(komorka);
    m_widokZaryseli->setModel(m_model);
    m_kontrolerAkcjeNaElemencie = new KontrolerAkcjeNaElementach(this);
    polaczAkcjeWierszy(komorka);
    m_widokZaryseli->setMenuPodrecznePotoku(zbudujMenuPodreczne());
    m_widokZaryseli->setMenuPodreczneElementu(zbudujMenuPodreczne());
    m_widokZaryseli->setMenuPodreczneWszystkieFasolki(zbudujMenuPodreczne());
    connect(m_widokZaryseli->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &KontrolerPaskaNawigacji::poZmianieZaznaczenia);
    setView(widok);
    m_kontrolerAkcjeNaElemencie->wstawDoLancuchaZaResponderem(this);
    przebudujDrzewo();
}

void KontrolerPaskaNawigacji::polaczAkcjeWierszy(WidokKomorkiPaskaNawigacji *komorka)
{
    KontrolerPrzeciagnieciaIZrzutu::skonfigurujZrzucalnoscUrliDlaWidoku(m_widokZaryseli);
    m_widokZaryseli->ustawObslugeZrzutow([this](const InformacjaOPrzeciaganiu &informacja,
                                                const QPoint &miejsce) { return operacjaZrzutu(informacja, miejsce); },
                                         [this](const InformacjaOPrzeciaganiu &informacja, const QPoint &miejsce) {
                                             return przyjmijZrzut(informacja, miejsce);
                                         });
    connect(m_widokZaryseli, &WidokZaryseliPaskaNawigacji::dwuklikNaWierszu, this,
            [this](const QModelIndex &, Qt::KeyboardModifiers modyfikatory) { doubleClickAction(modyfikatory); });
    connect(m_widokZaryseli, &WidokZaryseliPaskaNawigacji::przyciskNowegoOknaKlikniety, this,
            &KontrolerPaskaNawigacji::noweOknoPrzegladarkiZZaznaczonymWidokiem);
    connect(komorka, &WidokKomorkiPaskaNawigacji::controlTextDidEndEditing, this,
            &KontrolerPaskaNawigacji::controlTextDidEndEditing);
}

Menu *KontrolerPaskaNawigacji::zbudujMenuPodreczne()
{
    return MenuKontroleraElementow::zbudujMenuElementu(m_kontrolerAkcjeNaElemencie, m_widokZaryseli);
}

void KontrolerPaskaNawigacji::przebudujDrzewo()
{
    if (m_model)
        m_model->ustawDrzewo(drzewoPaskaNawigacji());
}

void KontrolerPaskaNawigacji::skonfigurujWidok(KontrolerKartyPortfolio *kontroler)
{
    view();
    m_kontrolerKartyPortfolio = kontroler;
    rozwinWybraneGaleziePotokow();
}

void KontrolerPaskaNawigacji::rozwinWybraneGaleziePotokow()
{
    if (!m_widokZaryseli)
        return;
    // Read again after every step: opening a branch adds rows.
    for (int wiersz = 0;; ++wiersz) {
        const QModelIndex indeks = m_widokZaryseli->indeksWiersza(wiersz);
        if (!indeks.isValid())
            break;
        if (nazwaElementu(elementIndeksu(indeks)) == QLatin1String("All Beans"))
            m_widokZaryseli->expand(indeks);
    }
}

QList<QModelIndex> KontrolerPaskaNawigacji::widoczneWiersze() const
{
    QList<QModelIndex> wiersze;
    if (!m_widokZaryseli || !m_model)
        return wiersze;
    for (QModelIndex indeks = m_model->index(0, 0); indeks.isValid(); indeks = m_widokZaryseli->indexBelow(indeks))
        wiersze.append(indeks);
    return wiersze;
}

void KontrolerPaskaNawigacji::zaznaczWiersz(const QModelIndex &indeks)
{
    m_widokZaryseli->selectionModel()->select(indeks, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void KontrolerPaskaNawigacji::zaznaczElementONazwie(const QString &nazwa)
{
    view();
    // Only the last of several matches is selected, so the tab switches once.
    QModelIndex ostatni;
    for (const QModelIndex &indeks : widoczneWiersze()) {
        QObject *element = elementIndeksu(indeks);
        const bool nazwany = qobject_cast<SplotBazowy *>(element) || qobject_cast<RzeczWBazieFasolek *>(element);
        if (nazwany && czyMoznaZaznaczyc(element) && nazwaElementu(element) == nazwa)
            ostatni = indeks;
    }
    if (ostatni.isValid())
        zaznaczWiersz(ostatni);
}

void KontrolerPaskaNawigacji::zaznaczElement(QObject *obiekt)
{
    view();
    if (!obiekt)
        return;
    QModelIndex ostatni;
    for (const QModelIndex &indeks : m_model->wszystkieIndeksy()) {
        QObject *element = elementIndeksu(indeks);
        const auto *splot = qobject_cast<SplotDanychBazyFasolek *>(element);
        if (element == obiekt || (splot && splot->reprezentowanyObiekt() == obiekt))
            ostatni = indeks;
    }
    if (!ostatni.isValid())
        return;
    if (ostatni.parent().isValid())
        m_widokZaryseli->expand(ostatni.parent());
    zaznaczWiersz(ostatni);
}

void KontrolerPaskaNawigacji::zaznaczElementDlaWidoku(const ItemWidoku &item)
{
    view();
    // Flows and beans by identity: two flows may show one name. Views by their key.
    QObject *obiekt = item.potok() ? static_cast<QObject *>(item.potok()) : item.fasolka();
    const QString klucz = obiekt ? QString() : nazwaWidokuDlaItem(item);
    for (const QModelIndex &indeks : widoczneWiersze()) {
        QObject *element = elementIndeksu(indeks);
        const bool pasuje = obiekt ? element == obiekt
                                   : !klucz.isNull() && qobject_cast<SplotBazowy *>(element)
                                         && opisRepObjNodePaskaNawigacji(element) == klucz;
        if (pasuje) {
            zaznaczWiersz(indeks);
            return;
        }
    }
    m_widokZaryseli->clearSelection();
}

QString KontrolerPaskaNawigacji::nazwaZaznaczonegoElementu() const
{
    if (!m_widokZaryseli)
        return {};
    const QModelIndexList zaznaczone = m_widokZaryseli->selectionModel()->selectedRows();
    if (zaznaczone.size() != 1)
        return {};
    return nazwaElementu(elementIndeksu(zaznaczone.constFirst()));
}

void KontrolerPaskaNawigacji::poZmianieZaznaczenia()
{
    m_kontrolerAkcjeNaElemencie->setElement(nullptr);
    const QModelIndexList zaznaczone = m_widokZaryseli->selectionModel()->selectedRows();
    QObject *element = zaznaczone.isEmpty() ? nullptr : elementIndeksu(zaznaczone.constFirst());
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    ItemWidoku item;
    if (auto *potok = qobject_cast<Potok *>(element)) {
        m_kontrolerAkcjeNaElemencie->setElement(potok);
        item = ItemWidoku(potok);
    } else if (auto *splot = qobject_cast<SplotBazowy *>(element)) {
        const QString widok = splot->widokSzczegolow();
        if (widok == NazwyWidokow::wszystkieFasolki)
            m_kontrolerAkcjeNaElemencie->setElement(baza);
        else if (widok == NazwyWidokow::archiwum)
            m_kontrolerAkcjeNaElemencie->setElement(baza->archiwum());
        else if (widok == NazwyWidokow::pobraneRzeczy)
            m_kontrolerAkcjeNaElemencie->setElement(baza->pobraneRzeczy());
        else if (widok == NazwyWidokow::bibliotekaMatRef)
            m_kontrolerAkcjeNaElemencie->setElement(baza->bibliotekaMatRef());
        item = ItemWidoku(widok);
    }
    if (m_kontrolerKartyPortfolio && !item.isNull())
        m_kontrolerKartyPortfolio->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(item, true);
    if (PanelSzybkiegoPrzegladu::istnieje() && PanelSzybkiegoPrzegladu::wspolny()->zrodloDanych())
        PanelSzybkiegoPrzegladu::wspolny()->reloadData();
}

QObject *KontrolerPaskaNawigacji::odbiorcaZrzutuDlaElementu(QObject *element)
{
    auto *splot = qobject_cast<SplotDanychBazyFasolek *>(element);
    return splot && splot->reprezentujeBazeFasolek() ? splot->bazaFasolek() : element;
}

QObject *KontrolerPaskaNawigacji::odbiorcaZrzutuWMiejscu(const QPoint &miejsce) const
{
    return odbiorcaZrzutuDlaElementu(elementIndeksu(m_widokZaryseli->indexAt(miejsce)));
}

Qt::DropAction KontrolerPaskaNawigacji::operacjaZrzutu(const InformacjaOPrzeciaganiu &informacja,
                                                       const QPoint &miejsce) const
{
    if (PolozenieZrzutuWWierszu::polozenie(m_widokZaryseli, miejsce) != PolozenieZrzutuWWierszu::NaWierszu)
        return Qt::IgnoreAction;
    QObject *odbiorca = odbiorcaZrzutuWMiejscu(miejsce);
    KontrolerPrzeciagnieciaIZrzutu silnik(odbiorca, informacja.draggingSourceOperationMask());
    if (silnik.pobierzUrleZeSchowkaDlaWidokuUrleZeSchowka(informacja, m_widokZaryseli)
        && silnik.dragOperationShouldBeCanceledWhenDraggedAtLeastOneFlowAndDropReceiverIsFlow())
        return Qt::IgnoreAction;
    return KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
        informacja, odbiorca, m_widokZaryseli);
}

bool KontrolerPaskaNawigacji::przyjmijZrzut(const InformacjaOPrzeciaganiu &informacja, const QPoint &miejsce)
{
    if (operacjaZrzutu(informacja, miejsce) == Qt::IgnoreAction)
        return false;
    return AdapterZrzutuUrli::przyjmijZrzutDla(odbiorcaZrzutuWMiejscu(miejsce), informacja, m_widokZaryseli,
                                               AdapterZrzutuUrli::Wykonanie::PoChwili);
}

void KontrolerPaskaNawigacji::doubleClickAction(Qt::KeyboardModifiers modyfikatory)
{
    if (modyfikatory.testFlag(Qt::AltModifier))
        m_kontrolerAkcjeNaElemencie->nowaKartaPortfolioZWidokiemElementu();
    else
        m_kontrolerAkcjeNaElemencie->noweOknoZWidokiemElementuNaKarciePortfolio();
}

void KontrolerPaskaNawigacji::noweOknoPrzegladarkiZZaznaczonymWidokiem(const QModelIndex &indeks)
{
    const auto *splot = qobject_cast<SplotDanychBazyFasolek *>(elementIndeksu(indeks));
    if (!splot)
        return;
    const RodzajWidokuPortfolio rodzaj =
        KontrolerKartyPortfolio::rodzajWidokuDlaItem(ItemWidoku(splot->widokSzczegolow()));
    if (rodzaj != rwpWidokNieokreslony)
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rodzaj, true);
}

void KontrolerPaskaNawigacji::controlTextDidEndEditing(const QModelIndex &indeks, const QString &tekst)
{
    drukujLinie(QStringLiteral("[KontrolerPaskaNawigacji controlTextDidEndEditing: %1]"), tekst);
    auto *potok = qobject_cast<Potok *>(elementIndeksu(indeks));
    if (!potok)
        return;
    BladOperacji blad;
    if (potok->nazwa() != tekst)
        potok->setNazwa(tekst, &blad);
    if (!KontrolerAkcjeNaElementach::zakonczonaEdycjaNazwyElementu(potok, tekst, QStringLiteral("nazwaPotoku"), &blad))
        return;
    // The flows re-sort in the bar and in every list; a turn later, as the new tree must not
    // take away the editor whose commit this is.
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    QMetaObject::invokeMethod(
        baza, [baza] { emit baza->potokiChanged({}, {}); }, Qt::QueuedConnection);
}

int KontrolerPaskaNawigacji::numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *)
{
    return m_kontrolerAkcjeNaElemencie && m_kontrolerAkcjeNaElemencie->element() ? 1 : 0;
}

PreviewItem *KontrolerPaskaNawigacji::previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *, int)
{
    return m_kontrolerAkcjeNaElemencie ? dynamic_cast<PreviewItem *>(m_kontrolerAkcjeNaElemencie->element()) : nullptr;
}

QString KontrolerPaskaNawigacji::nazwaWidokuDlaItem(const ItemWidoku &item)
{
    if (Potok *potok = item.potok())
        return QStringLiteral("potok '%1'").arg(potok->nazwa());
    if (Fasolka *fasolka = item.fasolka())
        return QStringLiteral("fasolka '%1'").arg(fasolka->nazwa());
    if (!item.nazwaWidoku().isNull())
        return QStringLiteral("widok '%1'").arg(item.nazwaWidoku());
    return {};
}

QString KontrolerPaskaNawigacji::opisRepObjNodePaskaNawigacji(const QObject *element)
{
    QString opis;
    if (const auto *splot = qobject_cast<const SplotBazowy *>(element)) {
        if (splot->identyfikatorWidokuKomorki() == komorkaSeparatora)
            opis = QStringLiteral("separator");
        if (splot->identyfikatorWidokuKomorki() == komorkaSrodtytulu)
            opis = QStringLiteral("śródtytuł '%1'").arg(splot->nazwa());
    }
    if (const auto *splot = qobject_cast<const SplotDanychBazyFasolek *>(element))
        opis = QStringLiteral("widok '%1'").arg(splot->widokSzczegolow());
    if (const auto *potok = qobject_cast<const Potok *>(element))
        opis = QStringLiteral("potok '%1'").arg(potok->nazwa());
    if (const auto *fasolka = qobject_cast<const Fasolka *>(element))
        opis = QStringLiteral("fasolka '%1'").arg(fasolka->nazwa());
    return opis;
}

QString KontrolerPaskaNawigacji::nazwaElementu(const QObject *element)
{
    if (const auto *splot = qobject_cast<const SplotBazowy *>(element))
        return splot->nazwa();
    if (const auto *rzecz = qobject_cast<const RzeczWBazieFasolek *>(element))
        return rzecz->nazwa();
    return {};
}

QString KontrolerPaskaNawigacji::identyfikatorKomorki(const QObject *element)
{
    if (const auto *splot = qobject_cast<const SplotBazowy *>(element))
        return splot->identyfikatorWidokuKomorki().isEmpty() ? komorkaDanych : splot->identyfikatorWidokuKomorki();
    if (qobject_cast<const Potok *>(element))
        return komorkaPotoku;
    return komorkaDanych;
}

double KontrolerPaskaNawigacji::wysokoscWiersza(const QObject *element)
{
    if (const auto *splot = qobject_cast<const SplotBazowy *>(element)) {
        if (splot->identyfikatorWidokuKomorki() == komorkaPrzycisku)
            return 30.0;
        if (splot->identyfikatorWidokuKomorki() == komorkaSeparatora)
            return 10.0;
    }
    if (qobject_cast<const Potok *>(element))
        return 21.0;
    return 19.0;
}

bool KontrolerPaskaNawigacji::czyWierszGrupy(const QObject *element)
{
    const auto *splot = qobject_cast<const SplotBazowy *>(element);
    return splot && splot->identyfikatorWidokuKomorki() == komorkaSrodtytulu;
}

bool KontrolerPaskaNawigacji::czyMoznaZaznaczyc(const QObject *element)
{
    if (const auto *splot = qobject_cast<const SplotBazowy *>(element))
        return splot->czyMaZaznaczycWiersz();
    return qobject_cast<const Potok *>(element) || qobject_cast<const Fasolka *>(element);
}

bool KontrolerPaskaNawigacji::czyMoznaZmienicNazwe(const QObject *element)
{
    // The main flow keeps its folder's name.
    const auto *potok = qobject_cast<const Potok *>(element);
    return potok && !potok->toPotokGlowny();
}

KontrolerKartyPortfolio *KontrolerPaskaNawigacji::kontrolerKartyPortfolio() const
{
    return m_kontrolerKartyPortfolio;
}

WidokZaryseliPaskaNawigacji *KontrolerPaskaNawigacji::widokZaryseli() const
{
    return m_widokZaryseli;
}

KontrolerDymkaNowaRzecz::Kotwica KontrolerPaskaNawigacji::miejsceNowegoPotoku() const
{
    if (!m_widokZaryseli)
        return {};
    QWidget *obszar = m_widokZaryseli->viewport();
    const QString klucz = nazwaWidokuDlaItem(ItemWidoku(NazwyWidokow::wszystkieFasolki));
    for (const QModelIndex &indeks : widoczneWiersze()) {
        QObject *element = elementIndeksu(indeks);
        if (!qobject_cast<SplotBazowy *>(element) || opisRepObjNodePaskaNawigacji(element) != klucz)
            continue;
        const QRect wiersz = m_widokZaryseli->visualRect(indeks);
        if (obszar->rect().contains(wiersz))
            return {obszar, wiersz};
    }
    return {obszar, QRect(0, 0, obszar->width(), 0)};
}

KontrolerAkcjeNaElementach *KontrolerPaskaNawigacji::kontrolerAkcjeNaElemencie() const
{
    return m_kontrolerAkcjeNaElemencie;
}
