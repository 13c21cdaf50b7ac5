#include "KontrolerListyFasolek.h"

#include "AdapterZrzutuListyFasolek.h"
#include "ListwaFiltra.h"
#include "ListwaZakresu.h"
#include "WidokKomorkiFasolki.h"
#include "WidokKomorkiPotoku.h"
#include "WidokKomorkiStatusu.h"
#include "WidokKomorkiZeSpodziewanymRezultatem.h"
#include "WidokTabeliListyFasolek.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/ZapowiedzianePrzybycia.h"
#include "Platform/DelayedOperations.h"
#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WidokDolnegoPaskaIkon.h"
#include "Widgets/WidokPapierowy.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

QColor KontrolerListyFasolek::kolorTlaWierszaNaglowka()
{
    return QColor::fromHsvF(0.275f, 0.07f, 1.0f, 1.0f);
}

KontrolerListyFasolek::KontrolerListyFasolek(WidokTabeliListyFasolek *tabela, ProxyListyFasolek *proxy,
                                             ListwaZakresu *listwa, QObject *rodzic)
    : QObject(rodzic)
    , m_tabela(tabela)
    , m_proxy(proxy)
    , m_kontrolerTablicy(new KontrolerTablicy(this))
    , m_listwaZakresu(listwa)
    , m_listwaFiltra(new ListwaFiltra(listwa))
    , m_widok(new QWidget)
    , m_pasek(new WidokDolnegoPaskaIkon)
    , m_komorkaFasolki(nullptr)
    , m_komorkaZRezultatem(nullptr)
    , m_komorkaZwykla(new DelegatTabeliPapierowej(tabela))
    , m_komorkaNaglowka(new WidokKomorkiPotoku(tabela))
{
    m_kontrolerTablicy->ustawTytulyKolumn({QString(), proxy->tytulKolumny()});
    m_kontrolerTablicy->ustawDaneKomorki(
        [this](QObject *obiekt, int kolumna, int rola) { return daneKomorki(obiekt, kolumna, rola); });
    m_kontrolerTablicy->ustawZapisKomorki(
        [](QObject *obiekt, int, const QVariant &wartosc) { return zapiszNazwe(obiekt, wartosc.toString()); });
    setEdytowalny([](QObject *obiekt) { return qobject_cast<Fasolka *>(obiekt) != nullptr; });
    tabela->setKontrolerTablicy(m_kontrolerTablicy);
    // Made after the model is in place: the tall cell lets go of the beans whose rows leave.
    m_komorkaFasolki = new WidokKomorkiFasolki(tabela);
    m_komorkaZRezultatem = new WidokKomorkiZeSpodziewanymRezultatem(tabela);
    for (WidokKomorkiFasolki *komorka : {m_komorkaFasolki, m_komorkaZRezultatem})
        connect(komorka, &WidokKomorkiFasolki::przyciskStatusuNacisniety, this,
                &KontrolerListyFasolek::wyswietlMenuStatusu);
    tabela->setItemDelegateForColumn(KolumnaStatus, new WidokKomorkiStatusu(tabela));
    tabela->setItemDelegateForColumn(KolumnaNazwa, m_komorkaFasolki);
    tabela->setKomorkaNaglowkow(KolumnaNazwa, m_komorkaNaglowka);
    tabela->setRootIsDecorated(false);
    tabela->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabela->setDragEnabled(true);
    tabela->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    tabela->header()->setStretchLastSection(true);
    tabela->header()->resizeSection(KolumnaStatus, 28);
    tabela->header()->setSectionResizeMode(KolumnaStatus, QHeaderView::Fixed);
    WhitePaperTableView::setHeaderCellsInTableView(tabela);
    // The dotted lines under the rows and through the empty space below them.
    tabela->setGridStyleMask(WidokPapierowy::SolidHorizontalGridLineMask);

    auto *uklad = new QVBoxLayout(m_widok);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(tabela, 1);
    uklad->addWidget(m_pasek);
    zbudujPasek();

    connect(m_listwaFiltra, &ListwaFiltra::frazaFiltraZmieniona, proxy, &ProxyListyFasolek::setFrazaFiltra);
    connect(proxy, &ProxyListyFasolek::tablicaChanged, this, &KontrolerListyFasolek::przeladuj);
    connect(proxy, &ProxyListyFasolek::tytulKolumnyChanged, this, [this] {
        m_kontrolerTablicy->ustawTytulyKolumn({QString(), m_proxy->tytulKolumny()});
    });
    connect(tabela, &QAbstractItemView::doubleClicked, this, [this] {
        emit podwojnaAkcja(m_kontrolerTablicy->selectedObjects(), QGuiApplication::keyboardModifiers());
    });
    connect(tabela, &WhitePaperTableView::rowViewTypeChanged, this, &KontrolerListyFasolek::zmianaRodzajuWidokuWiersza);
    // The strip sits in the tab's filter host, outside the view; it goes with the list.
    connect(this, &QObject::destroyed, m_listwaFiltra, &QObject::deleteLater);
}

QAbstractButton *KontrolerListyFasolek::nowyPrzelacznik(const QString &nazwa, const QString &tekst,
                                                        const QString &podpowiedz)
{
    auto *przycisk = new QToolButton;
    przycisk->setObjectName(nazwa);
    przycisk->setCheckable(true);
    przycisk->setAutoRaise(true);
    przycisk->setText(tekst);
    przycisk->setToolTip(podpowiedz);
    return przycisk;
}

void KontrolerListyFasolek::zbudujPasek()
{
    QAbstractButton *przycisk =
        nowyPrzelacznik(QStringLiteral("przyciskRodzajuWiersza"), QStringLiteral("≡"), tr("Tall rows"));
    connect(przycisk, &QAbstractButton::toggled, this,
            [this](bool wysokie) { m_tabela->setRowViewType(wysokie ? 1 : 0); });
    m_przyciskRodzajuWiersza = przycisk;
    dodajPrzycisk(przycisk);
    m_pasek->ukladPrzyciskow()->addStretch(1);
}

void KontrolerListyFasolek::odslonNowaFasolke(const Fasolka *nowa)
{
    if (m_listwaZakresu)
        m_listwaZakresu->odslonNowaFasolke();
    if (nowa && m_proxy && !m_proxy->pasujeDoFrazy(nowa))
        m_listwaFiltra->wyczyscFraze();
}

void KontrolerListyFasolek::ustawRodzajWidokuWiersza(QObject *nadawca)
{
    if (const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca); pozycja && m_tabela)
        m_tabela->setRowViewType(pozycja->tag());
}

bool KontrolerListyFasolek::walidujRodzajWidokuWiersza(const ElementInterfejsu &element) const
{
    if (!m_tabela)
        return false;
    if (PozycjaMenu *pozycja = element.pozycjaMenu())
        pozycja->setStan(element.tag() == m_tabela->rowViewType() ? PozycjaMenu::Stan::Wlaczony
                                                                  : PozycjaMenu::Stan::Wylaczony);
    return true;
}

void KontrolerListyFasolek::dodajPrzyciskNowejFasolki(Responder *cel, KontrolerAkcjeNaElementach *akcje)
{
    auto *przycisk = new QToolButton;
    przycisk->setObjectName(QStringLiteral("przyciskNowaFasolka"));
    przycisk->setAutoRaise(true);
    przycisk->setText(QStringLiteral("+"));
    przycisk->setToolTip(tr("New Bean"));
    AkcjaPrzycisku::ustaw(przycisk, Akcja::wyswietlDymekNowaFasolka, cel);
    akcje->setPrzyciskDlaDymkaNowaRzecz(przycisk);
    dodajPrzycisk(przycisk);
}

void KontrolerListyFasolek::dodajPrzycisk(QAbstractButton *przycisk)
{
    QHBoxLayout *uklad = m_pasek->ukladPrzyciskow();
    const int rozciagniecie = uklad->count() - 1;
    // Buttons stay left of the stretch that closes the bar.
    if (rozciagniecie >= 0 && uklad->itemAt(rozciagniecie)->spacerItem())
        uklad->insertWidget(rozciagniecie, przycisk);
    else
        uklad->addWidget(przycisk);
}

void KontrolerListyFasolek::setCeleAkcji(const QList<Responder *> &cele)
{
    m_celeAkcji.clear();
    for (Responder *cel : cele)
        m_celeAkcji.append(cel);
}

void KontrolerListyFasolek::walidujPrzyciskiAkcji()
{
    if (!m_pasek)
        return;
    for (QAbstractButton *przycisk : m_pasek->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        const AkcjaPrzycisku *akcja = AkcjaPrzycisku::dla(przycisk);
        if (!akcja || !akcja->cel()) {
            przycisk->setEnabled(true);
            continue;
        }
        Responder *cel = akcja->cel();
        przycisk->setEnabled(
            m_celeAkcji.contains(cel)
            && cel->validateUserInterfaceItem(ElementInterfejsu(akcja->akcja(), przycisk, akcja->tag())));
    }
}

void KontrolerListyFasolek::setUstawieniaKarty(UstawieniaKartyPortfolio *ustawienia)
{
    m_ustawienia = ustawienia;
    if (ustawienia && m_tabela->rowViewType() != ustawienia->rowViewType())
        m_tabela->setRowViewType(ustawienia->rowViewType());
}

void KontrolerListyFasolek::setKolumnaStatusu(bool widoczna)
{
    m_kolumnaStatusu = widoczna;
    m_tabela->setColumnHidden(KolumnaStatus, !widoczna || m_tabela->rowViewType() == 1);
}

void KontrolerListyFasolek::setPrzyciskStatusu(bool widoczny)
{
    m_komorkaFasolki->setPrzyciskStatusu(widoczny);
    m_komorkaZRezultatem->setPrzyciskStatusu(widoczny);
    m_tabela->viewport()->update();
}

void KontrolerListyFasolek::setEdytowalny(std::function<bool(QObject *obiekt)> czyEdytowalny)
{
    m_kontrolerTablicy->ustawEdytowalnosc(std::move(czyEdytowalny));
}

void KontrolerListyFasolek::wlaczZrzuty(std::function<QObject *()> odbiorcaListy)
{
    new AdapterZrzutuListyFasolek(m_tabela, std::move(odbiorcaListy));
}

void KontrolerListyFasolek::wlaczZrzutyNaNaglowki()
{
    new AdapterZrzutuListyFasolek(m_tabela);
}

void KontrolerListyFasolek::polaczZAkcjami(KontrolerAkcjeNaElementach *zaznaczenia, KontrolerAkcjeNaElementach *staly)
{
    m_zaznaczenia = zaznaczenia;
    m_staly = staly;
    zaznaczenia->setKontrolerTablicy(m_kontrolerTablicy);
    zaznaczenia->setWidokTabeli(m_tabela);
    m_tabela->setKontrolerAkcjeNaElementach(zaznaczenia);
    connect(m_kontrolerTablicy, &KontrolerTablicy::selectedObjectsChanged, this,
            &KontrolerListyFasolek::zmianaZaznaczenia, Qt::UniqueConnection);
    connect(m_proxy, &ProxyListyFasolek::tablicaChanged, this, &KontrolerListyFasolek::zmianaZaznaczenia,
            Qt::UniqueConnection);
    zmianaZaznaczenia();
}

void KontrolerListyFasolek::zmianaZaznaczenia()
{
    if (m_staly) {
        const QList<QObject *> zaznaczone = m_kontrolerTablicy->selectedObjects();
        const bool jeden = zaznaczone.size() == 1 && m_proxy && !m_proxy->tablica().isEmpty();
        m_staly->setDodatkowyElement(jeden ? zaznaczone.constFirst() : nullptr);
    }
    walidujPrzyciskiAkcji();
    // A hidden panel keeps its source but shows nothing: no preview is read for it.
    if (PanelSzybkiegoPrzegladu::widoczny() && PanelSzybkiegoPrzegladu::wspolny()->zrodloDanych())
        PanelSzybkiegoPrzegladu::wspolny()->reloadData();
}

void KontrolerListyFasolek::wyswietlMenuStatusu(const QModelIndex &indeks, const QRect &przycisk)
{
    if (!m_zaznaczenia)
        return;
    m_zaznaczenia->setKliknietyWiersz(indeks.row());
    if (m_staly)
        m_staly->setDodatkowyElement(m_zaznaczenia->kliknietyElement());
    if (Menu *menu = m_zaznaczenia->menuPodreczneStatusu())
        menu->popup(m_tabela->viewport()->mapToGlobal(przycisk.topLeft() + QPoint(0, 24)));
}

void KontrolerListyFasolek::przeladujBezZaznaczania()
{
    przeladuj(ProxyListyFasolek::PowodZmiany::WlasnaZmiana);
}

void KontrolerListyFasolek::przeladuj(ProxyListyFasolek::PowodZmiany powod)
{
    if (!m_proxy || !m_tabela)
        return;
    // Of another program's beans only those at a path a command of this program announced.
    m_tabela->setShouldSelectAddedRows(powod != ProxyListyFasolek::PowodZmiany::WlasnaZmiana, [powod](QObject *obiekt) {
        if (powod == ProxyListyFasolek::PowodZmiany::ZmianaModelu)
            return true;
        const auto *fasolka = qobject_cast<Fasolka *>(obiekt);
        return fasolka && fasolka->bytFasolki()
               && ZapowiedzianePrzybycia::instancja()->czyZapowiedziana(fasolka->bytFasolki()->plikowyURL());
    });
    m_kontrolerTablicy->ustawTresc(m_proxy->tablica());
    m_tabela->setShouldSelectAddedRows(false);
    // A row that stayed in place may show a new status or name.
    m_tabela->viewport()->update();
}

void KontrolerListyFasolek::zaznaczIPokaz(QObject *obiekt)
{
    if (m_kontrolerTablicy->wierszObiektu(obiekt) < 0)
        return;
    m_kontrolerTablicy->setSelectedObjects({obiekt});
    przewinDo(obiekt);
    // A table of a window about to open has no height yet: scrolled again once it is shown.
    if (!m_tabela->isVisible()) {
        DelayedOperations::addOperationAfterDelayWithBlock(0, this, [this, obiekt = QPointer<QObject>(obiekt)] {
            if (obiekt)
                przewinDo(obiekt);
        });
    }
}

void KontrolerListyFasolek::przewinDo(QObject *obiekt)
{
    const int wiersz = m_kontrolerTablicy->wierszObiektu(obiekt);
    if (wiersz < 0)
        return;
    m_tabela->doItemsLayout();
    m_tabela->przewinDoWiersza(wiersz);
}

void KontrolerListyFasolek::zmianaRodzajuWidokuWiersza()
{
    if (!m_tabela)
        return;
    const int rodzaj = m_tabela->rowViewType();
    m_tabela->setColumnHidden(KolumnaStatus, !m_kolumnaStatusu || rodzaj == 1);
    m_tabela->setItemDelegateForColumn(KolumnaNazwa, rodzaj == 0   ? m_komorkaFasolki
                                                     : rodzaj == 1 ? m_komorkaZRezultatem
                                                                   : m_komorkaZwykla);
    const QList<QObject *> zaznaczone = m_kontrolerTablicy->selectedObjects();
    QObject *wybrany = zaznaczone.isEmpty() ? nullptr : zaznaczone.constFirst();
    if (wybrany) {
        m_kontrolerTablicy->setSelectedObjects({wybrany});
        przewinDo(wybrany);
    }
    if (m_przyciskRodzajuWiersza) {
        const QSignalBlocker bez(m_przyciskRodzajuWiersza);
        m_przyciskRodzajuWiersza->setChecked(rodzaj == 1);
    }
    if (m_ustawienia)
        m_ustawienia->setRowViewType(rodzaj);
}

bool KontrolerListyFasolek::zapiszNazwe(QObject *obiekt, const QString &nazwa)
{
    if (auto *potok = qobject_cast<Potok *>(obiekt))
        return KontrolerAkcjeNaElementach::zmienNazwePotoku(potok, nazwa);
    return zapiszNazweFasolki(qobject_cast<Fasolka *>(obiekt), nazwa);
}

bool KontrolerListyFasolek::zapiszNazweFasolki(Fasolka *fasolka, const QString &nazwa)
{
    if (!fasolka)
        return false;
    // Setting the name renames on disk; the check reports a refusal one turn later.
    BladOperacji blad;
    fasolka->setNazwa(nazwa, &blad);
    if (!KontrolerAkcjeNaElementach::zakonczonaEdycjaNazwyElementu(fasolka, nazwa, QStringLiteral("nazwaFasolki"),
                                                                   &blad))
        return false;
    if (Potok *potok = fasolka->potok())
        emit potok->nazwaJakiejsFasolkiZmieniona();
    return true;
}

QVariant KontrolerListyFasolek::daneKomorki(QObject *obiekt, int kolumna, int rola) const
{
    if (const auto *fasolka = qobject_cast<Fasolka *>(obiekt)) {
        if (kolumna != KolumnaNazwa)
            return {};
        switch (rola) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return fasolka->nazwa();
        case Qt::ToolTipRole:
            return fasolka->tekstowyStatusFasolki();
        default:
            return {};
        }
    }
    // A header row: its height and colour in every column, its name in the name column.
    const auto *rzecz = qobject_cast<RzeczWBazieFasolek *>(obiekt);
    switch (rola) {
    case KontrolerTablicy::RolaWysokosciWiersza:
        return wysokoscWierszaNaglowka;
    case KontrolerTablicy::RolaKoloruWiersza:
        return kolorTlaWierszaNaglowka();
    case Qt::DisplayRole:
    case Qt::EditRole:
        return rzecz && kolumna == KolumnaNazwa ? QVariant(rzecz->nazwa()) : QVariant();
    default:
        return {};
    }
}
