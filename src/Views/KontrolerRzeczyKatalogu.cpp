#include "KontrolerRzeczyKatalogu.h"

#include "KontrolerDrzewa.h"
#include "WidokKomorkiRzeczy.h"
#include "WidokZaryseliRzeczyKatalogu.h"

#include "Actions/AdapterZrzutuUrli.h"
#include "Actions/AlertNiepowodzenia.h"
#include "Actions/FileSystemEntityActionController.h"
#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Actions/KontrolerPrzeciagnieciaIZrzutu.h"
#include "Actions/OtwarcieRzeczy.h"
#include "Model/BazaFasolek.h"
#include "Model/BytKatalogu.h"
#include "Platform/DelayedOperations.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Konsola.h"
#include "Platform/Opoznienia.h"
#include "Platform/Ui/AkcjaPrzycisku.h"
#include "Platform/Ui/Alert.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/OdpowiedzNaPrzeciaganie.h"
#include "Platform/Ui/PanelSzybkiegoPrzegladu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Platform/Ui/RegulyPolecen.h"
#include "Platform/WorkspaceOperations.h"
#include "Widgets/KomorkaNaglowkaTabeliPapierowej.h"
#include "Widgets/WidokPapierowy.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPersistentModelIndex>

KontrolerRzeczyKatalogu::KontrolerRzeczyKatalogu(QObject *rodzic)
    : ViewController(rodzic)
    , m_kontrolerDrzewa(new KontrolerDrzewa(this))
    , m_kontrolerDymkaNowaRzecz(std::make_unique<KontrolerDymkaNowaRzecz>())
{
    dodajPolecenia();
}

KontrolerRzeczyKatalogu::~KontrolerRzeczyKatalogu() = default;

void KontrolerRzeczyKatalogu::dodajPolecenia()
{
    const std::pair<Akcja, Handler> polecenia[] = {
        {Akcja::otworzBytElementuWProgramie, [this](QObject *nadawca) { otworzBytElementuWProgramie(nadawca); }},
        {Akcja::otworzBytFasolkiWProgramie, [this](QObject *nadawca) { otworzBytElementuWProgramie(nadawca); }},
        {Akcja::otworzBytRzeczyWDomyslnejAplikacji,
         [this](QObject *) {
             if (BytSystemuPlikow *byt = pojedynczeZaznaczenie()) {
                 drukujLinie(QStringLiteral("Otwieram rzecz '%1' w domyślnej aplikacji"), byt->nazwaZlokalizowana());
                 OtwarcieRzeczy::wDomyslnejAplikacji(byt);
             }
         }},
        {Akcja::otworzRzeczWFinderze,
         [this](QObject *) {
             if (BytSystemuPlikow *byt = pojedynczeZaznaczenie())
                 OtwarcieRzeczy::wDomyslnejAplikacji(byt);
         }},
        {Akcja::pokazRzeczWFinderze,
         [this](QObject *) {
             if (BytSystemuPlikow *byt = pojedynczeZaznaczenie())
                 byt->zaznaczWFinderze();
         }},
        {Akcja::pokazPanelSzybkiegoPrzegladu, [](QObject *) { PanelSzybkiegoPrzegladu::pokazWspolny(); }},
        {Akcja::ukryjPanelSzybkiegoPrzegladu, [](QObject *) { PanelSzybkiegoPrzegladu::ukryjWspolny(); }},
        {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu,
         [](QObject *) { PanelSzybkiegoPrzegladu::przelaczWspolny(); }},
        {Akcja::wyswietlDymekNowyKatalog, [this](QObject *nadawca) { wyswietlDymekNowyKatalog(nadawca); }},
        {Akcja::moveToTrash, [this](QObject *) { moveToTrash(); }},
        {Akcja::akcjaDlaDwukliku, [this](QObject *) { akcjaDlaDwukliku(m_kontrolerDrzewa->selectedObjects()); }},
    };
    for (const auto &[akcja, obsluga] : polecenia)
        addHandler(akcja, obsluga);
}

WidokZaryseliRzeczyKatalogu *KontrolerRzeczyKatalogu::widokZaryseli() const
{
    return m_widokZaryseli;
}

void KontrolerRzeczyKatalogu::loadView()
{
    auto *zarys = new WidokZaryseliRzeczyKatalogu;
    zarys->setObjectName(QStringLiteral("widokZaryseli"));
    zarys->setModel(m_kontrolerDrzewa);
    zarys->setSelectionModel(m_kontrolerDrzewa->selectionModel());
    zarys->setSelectionMode(QAbstractItemView::ExtendedSelection);
    zarys->setSelectionBehavior(QAbstractItemView::SelectRows);
    zarys->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    // A double-click opens; the triangle expands.
    zarys->setExpandsOnDoubleClick(false);
    zarys->setDragEnabled(true);
    // The dotted lines under the rows and through the empty space below them.
    zarys->setGridStyleMask(WidokPapierowy::SolidHorizontalGridLineMask);
    m_komorka = new WidokKomorkiRzeczy(zarys);
    zarys->setItemDelegate(m_komorka);
    connect(m_komorka, &WidokKomorkiRzeczy::controlTextDidEndEditing, this,
            &KontrolerRzeczyKatalogu::controlTextDidEndEditing);
    connect(zarys, &QAbstractItemView::doubleClicked, this,
            [this] { performAction(Akcja::akcjaDlaDwukliku, m_widokZaryseli); });
    connect(m_kontrolerDrzewa, &KontrolerDrzewa::selectionChanged, this,
            &KontrolerRzeczyKatalogu::outlineViewSelectionDidChange);
    zarys->installEventFilter(this);
    m_widokZaryseli = zarys;
    zbudujMenu();
    setView(zarys);
}

void KontrolerRzeczyKatalogu::zbudujMenu()
{
    auto *menu = new Menu(QString(), m_widokZaryseli);
    menu->dodajPozycje(tr("Open"), Akcja::otworzBytRzeczyWDomyslnejAplikacji, this);
    m_menuOtworzWProgramie = new Menu(tr("Open With"), m_widokZaryseli);
    m_menuOtworzWProgramie->setDelegat(this);
    PozycjaMenu *otworzW = menu->dodajPozycje(tr("Open With"), Akcja::otworzBytElementuWProgramie, this);
    otworzW->setTag(FileSystemEntityActionController::tagPozycjiOtworzWProgramie);
    otworzW->setMenu(m_menuOtworzWProgramie);
    menu->dodajPozycje(tr("Open in File Manager"), Akcja::otworzRzeczWFinderze, this);
    menu->dodajPozycje(tr("Show in File Manager"), Akcja::pokazRzeczWFinderze, this);
    menu->addSeparator();
    menu->dodajPozycje(tr("Quick Look"), Akcja::pokazPanelSzybkiegoPrzegladu, this);
    menu->dodajPozycje(tr("Close Quick Look"), Akcja::ukryjPanelSzybkiegoPrzegladu, this);
    menu->addSeparator();
    menu->dodajPozycje(tr("New Folder"), Akcja::wyswietlDymekNowyKatalog, this);
    menu->dodajPozycje(tr("Move to Trash"), Akcja::moveToTrash, this);
    menu->setDelegat(this);
    m_menuPodreczneRzeczy = menu;
    m_widokZaryseli->setMenuPodreczneRzeczy(menu);

    // Outside the rows, where an empty folder leaves all the room.
    auto *pozaWierszami = new Menu(QString(), m_widokZaryseli);
    pozaWierszami->dodajPozycje(tr("New Folder"), Akcja::wyswietlDymekNowyKatalog, this);
    m_widokZaryseli->setMenuPozaWierszami(pozaWierszami);
}

void KontrolerRzeczyKatalogu::ustawWidok()
{
    view();
    m_widokZaryseli->layoutSubviews();
    m_widokZaryseli->addAndSetUpTableHeaderSeparator();
    if (KomorkaNaglowkaTabeliPapierowej *komorka = m_widokZaryseli->headerCellInColumn(0))
        komorka->setCzyRysowacLinieNadNaglowkiem(false);
    m_widokZaryseli->addAndSetUpBorderView();
    KontrolerPrzeciagnieciaIZrzutu::skonfigurujZrzucalnoscUrliDlaWidoku(m_widokZaryseli);
    m_obszarZaryseli = m_widokZaryseli->viewport();
    m_obszarZaryseli->installEventFilter(this);
}

void KontrolerRzeczyKatalogu::wlaczRysowanieLiniiNadNaglowkiem()
{
    if (KomorkaNaglowkaTabeliPapierowej *komorka = m_widokZaryseli->headerCellInColumn(0))
        komorka->setCzyRysowacLinieNadNaglowkiem(true);
}

BytKatalogu *KontrolerRzeczyKatalogu::katalog() const
{
    return m_katalog;
}

void KontrolerRzeczyKatalogu::setKatalog(BytKatalogu *katalog)
{
    view();
    // Only a new folder resets the tree: a reset collapses every folder.
    if (katalog != m_kontrolerDrzewa->katalog())
        m_kontrolerDrzewa->setKatalog(katalog);
    m_katalog = katalog;
    m_obserwacjaKatalogu = std::make_unique<QObject>();
    if (katalog) {
        connect(katalog, &BytSystemuPlikow::plikowyURLChanged, m_obserwacjaKatalogu.get(),
                [this] { wyzwalaczSciezki(); });
        // One reload per pulse, each its own half second later; the controller keeps none alive.
        connect(katalog, &BytKatalogu::kvoNodeHasChanged, m_obserwacjaKatalogu.get(), [this] {
            DelayedOperations::addOperationAfterDelayWithBlock(Opoznienia::biezace().przeladowanieKatalogu, this,
                                                               [this] { przeladuj(); });
        });
    }
    wyzwalaczSciezki();
}

void KontrolerRzeczyKatalogu::wyzwalaczSciezki()
{
    synchronizeContentOfExpandedItem(nullptr);
    outlineViewSelectionDidChange();
}

void KontrolerRzeczyKatalogu::synchronizeContentOfExpandedItem(WezelDrzewa *wezel)
{
    if (!wezel) {
        // Listed on a worker thread: a big folder must not stop the window. One never read is
        // being read by the tree already.
        if (m_katalog && m_katalog->czyBytyBylyOdczytaneZDysku())
            m_katalog->synchronizujWTle();
        if (m_kontrolerDrzewa->rowCount() > 0)
            wezel = m_kontrolerDrzewa->korzen();
    }
    if (!wezel)
        return;
    if (!m_widokZaryseli)
        return;
    // Kept as persistent indexes: a re-read may take rows away, nodes with them.
    QList<QPersistentModelIndex> rozwiniete;
    for (WezelDrzewa *dziecko : wezel->childNodes()) {
        if (const QModelIndex indeks = m_kontrolerDrzewa->indeksWezla(dziecko); m_widokZaryseli->isExpanded(indeks))
            rozwiniete.append(indeks);
    }
    for (const QPersistentModelIndex &indeks : std::as_const(rozwiniete)) {
        if (!indeks.isValid() || !m_widokZaryseli || !m_widokZaryseli->isExpanded(indeks))
            continue;
        if (auto *podkatalog = qobject_cast<BytKatalogu *>(m_kontrolerDrzewa->wezel(indeks)->byt())) {
            podkatalog->synchronizujBytyWewnetrzneIZwrocNoweElementy();
            if (indeks.isValid())
                synchronizeContentOfExpandedItem(m_kontrolerDrzewa->wezel(indeks));
        }
    }
}

void KontrolerRzeczyKatalogu::przeladuj()
{
    const QList<BytSystemuPlikow *> zaznaczone = m_kontrolerDrzewa->selectedObjects();
    BytSystemuPlikow *jedyny = zaznaczone.size() == 1 ? zaznaczone.constFirst() : nullptr;
    // Rows follow the folder's children by identity, so only a name changed in place moves one.
    m_kontrolerDrzewa->rearrangeObjects();
    // The stream tells only that the folder changed: its listing is taken on a worker thread and
    // only the difference reaches the rows.
    if (m_katalog && m_katalog->czyBytyBylyOdczytaneZDysku())
        m_katalog->synchronizujWTle();
    if (const QModelIndex indeks = m_kontrolerDrzewa->indexPathOfObject(jedyny); indeks.isValid())
        m_kontrolerDrzewa->setSelectionIndexPaths({indeks});
}

void KontrolerRzeczyKatalogu::outlineViewSelectionDidChange()
{
    walidujPrzyciskiAkcji();
    if (PanelSzybkiegoPrzegladu::istnieje() && PanelSzybkiegoPrzegladu::wspolny()->zrodloDanych())
        PanelSzybkiegoPrzegladu::wspolny()->reloadData();
    PozycjaMenu::zwalidujPozycjeZeSkrotami();
}

BytSystemuPlikow *KontrolerRzeczyKatalogu::pojedynczeZaznaczenie() const
{
    const QList<BytSystemuPlikow *> zaznaczone = m_kontrolerDrzewa->selectedObjects();
    return zaznaczone.size() == 1 ? zaznaczone.constFirst() : nullptr;
}

void KontrolerRzeczyKatalogu::walidujPrzyciskiAkcji()
{
    if (!m_widokDolnegoPaskaIkon)
        return;
    for (QAbstractButton *przycisk :
         m_widokDolnegoPaskaIkon->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        const AkcjaPrzycisku *akcja = AkcjaPrzycisku::dla(przycisk);
        if (!akcja || !akcja->cel())
            przycisk->setEnabled(true);
        else
            przycisk->setEnabled(
                akcja->cel() == this
                && validateUserInterfaceItem(ElementInterfejsu(akcja->akcja(), przycisk, akcja->tag())));
    }
}

namespace {

// What the outline's one selected item is, and whether the preview panel shows.
enum FaktZarysuRzeczy : std::uint32_t {
    rzeczZaznaczona = 1u << 0,
    zaznaczonyPlik = 1u << 1,
    zaznaczonyKatalog = 1u << 2,
    panelRzeczyWidoczny = 1u << 3,
    panelRzeczyNiewidoczny = 1u << 4,
};

// A command in no row is disabled.
constexpr RegulaPolecenia regulyZarysuRzeczy[] = {
    {Akcja::otworzBytElementuWProgramie, zaznaczonyPlik},
    {Akcja::otworzRzeczWFinderze, zaznaczonyKatalog},
    {Akcja::pokazRzeczWFinderze, rzeczZaznaczona},
    {Akcja::moveToTrash, rzeczZaznaczona},
    {Akcja::wyswietlDymekNowyKatalog},
    {Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu},
    {Akcja::pokazPanelSzybkiegoPrzegladu, rzeczZaznaczona, panelRzeczyNiewidoczny},
    {Akcja::ukryjPanelSzybkiegoPrzegladu, rzeczZaznaczona, panelRzeczyWidoczny},
    {Akcja::otworzBytRzeczyWDomyslnejAplikacji, zaznaczonyPlik, zaznaczonyPlik},
};

} // namespace

bool KontrolerRzeczyKatalogu::validateUserInterfaceItem(const ElementInterfejsu &element)
{
    BytSystemuPlikow *byt = pojedynczeZaznaczenie();
    std::uint32_t fakty = PanelSzybkiegoPrzegladu::widoczny() ? panelRzeczyWidoczny : panelRzeczyNiewidoczny;
    if (byt)
        fakty |= rzeczZaznaczona | (byt->toKatalog() ? 0u : zaznaczonyPlik);
    if (qobject_cast<BytKatalogu *>(byt))
        fakty |= zaznaczonyKatalog;
    const RegulaPolecenia *regula = RegulyPolecen::regula(regulyZarysuRzeczy, element.akcja());
    return regula && RegulyPolecen::zastosuj(*regula, fakty, element);
}

void KontrolerRzeczyKatalogu::menuNeedsUpdate(Menu *menu)
{
    BytSystemuPlikow *byt = pojedynczeZaznaczenie();
    if (!byt)
        return;
    // The main menu's Open With comes here from the menu bar, known by its item's command.
    const PozycjaMenu *otwierajaca = Menu::pozycjaOtwierajaca(menu);
    if (menu == m_menuPodreczneRzeczy)
        FileSystemEntityActionController::zaktualizujWidocznoscMenuPodrzednegoOtworzWProgramieDlaBytu(menu, byt);
    else if (menu == m_menuOtworzWProgramie
             || (otwierajaca && otwierajaca->akcja() == Akcja::otworzBytElementuWProgramie))
        FileSystemEntityActionController::zaktualizujPodrzedneMenuOtworzWProgramieDlaBytu(menu, byt);
}

void KontrolerRzeczyKatalogu::otworzBytElementuWProgramie(QObject *nadawca)
{
    const auto *pozycja = qobject_cast<const PozycjaMenu *>(nadawca);
    BytSystemuPlikow *byt = pojedynczeZaznaczenie();
    if (!byt || !pozycja || !pozycja->representedObject().canConvert<IdentyfikatorProgramu>())
        return;
    const auto program = pozycja->representedObject().value<IdentyfikatorProgramu>();
    OtwarcieRzeczy::wProgramie(byt, program.desktopId);
}

KontrolerRzeczyKatalogu *KontrolerRzeczyKatalogu::celDymkaNowyKatalog(const QWidget *widok)
{
    QWidget *okno = widok ? widok->window() : nullptr;
    return qobject_cast<KontrolerRzeczyKatalogu *>(
        LancuchResponderow::targetForAction(Akcja::wyswietlDymekNowyKatalog, okno));
}

BytKatalogu *KontrolerRzeczyKatalogu::bytKataloguDlaZaznaczonejRzeczyIItemBiezacegoKatalogu(WezelDrzewa **wezel) const
{
    BytKatalogu *wynik = m_katalog;
    WezelDrzewa *wybrany = nullptr;
    const QItemSelectionModel *zaznaczenie = m_kontrolerDrzewa->selectionModel();
    QModelIndex wiersz = zaznaczenie->currentIndex();
    if (!zaznaczenie->isSelected(wiersz))
        wiersz = zaznaczenie->selectedRows().value(0);
    if (wiersz.isValid()) {
        wybrany = m_kontrolerDrzewa->wezel(wiersz);
        // Any entity that is not a folder sends the new folder to the folder holding it.
        if (!qobject_cast<BytKatalogu *>(wybrany->byt()))
            wybrany = wybrany->parentNode();
        if (wybrany == m_kontrolerDrzewa->korzen())
            wybrany = nullptr;
        if (auto *katalog = wybrany ? qobject_cast<BytKatalogu *>(wybrany->byt()) : nullptr)
            wynik = katalog;
    }
    if (wezel)
        *wezel = wybrany;
    return wynik;
}

void KontrolerRzeczyKatalogu::wyswietlDymekNowyKatalog(QObject *nadawca)
{
    view();
    QWidget *kotwica = qobject_cast<QAbstractButton *>(nadawca);
    if (!kotwica)
        kotwica = m_widokZaryseli;
    BytKatalogu *katalog = bytKataloguDlaZaznaczonejRzeczyIItemBiezacegoKatalogu();
    if (!katalog)
        return;
    const QString nazwa = katalog->ostatniKomponentSciezki() == QLatin1String("_Flow_Items")
                              ? katalog->ostatniKomponentSciezki()
                              : katalog->nazwaZlokalizowana();
    m_kontrolerDymkaNowaRzecz->wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
        rnrKatalog, nazwa, this, [this](const QString &nowa) { dokonczAkcjeWyswietlDymekNowyKatalog(nowa); }, kotwica);
}

void KontrolerRzeczyKatalogu::dokonczAkcjeWyswietlDymekNowyKatalog(const QString &nazwa)
{
    if (nazwa.isEmpty())
        return;
    WezelDrzewa *wezel = nullptr;
    BytKatalogu *katalog = bytKataloguDlaZaznaczonejRzeczyIItemBiezacegoKatalogu(&wezel);
    if (!katalog)
        return;
    BladOperacji blad;
    BytKatalogu *nowy = katalog->nowyKatalog(nazwa, &blad);
    if (!nowy) {
        AlertNiepowodzenia::pokaz(tr("Could not create directory."), &blad,
                                  AlertNiepowodzenia::LiniaKonsoli::WiadomoscIInformacja);
        return;
    }
    // The popover's Return may be followed by the close of the outline's tab or window before this runs: the folder
    // is made, the outline that is gone is left alone. The node is looked up again, as the new folder's notice may
    // have read the tree anew.
    const QModelIndex indeks = wezel ? m_kontrolerDrzewa->indexPathOfObject(katalog) : QModelIndex();
    if (indeks.isValid() && m_widokZaryseli) {
        // An empty folder's node still counts as a leaf here: read it regardless.
        m_kontrolerDrzewa->fetchMore(indeks);
        m_widokZaryseli->expand(indeks);
    }
    const QModelIndex nowyIndeks = m_kontrolerDrzewa->indexPathOfObject(nowy);
    m_kontrolerDrzewa->setSelectionIndexPaths({nowyIndeks});
    // Made while the folder's rows still come in: its row arrives with the last of them.
    if (nowyIndeks.isValid() || !m_kontrolerDrzewa->wczytuje())
        return;
    const QPointer<BytKatalogu> doZaznaczenia(nowy);
    connect(
        m_kontrolerDrzewa, &KontrolerDrzewa::wczytany, this,
        [this, doZaznaczenia] {
            if (const QModelIndex wiersz = m_kontrolerDrzewa->indexPathOfObject(doZaznaczenia); wiersz.isValid())
                m_kontrolerDrzewa->setSelectionIndexPaths({wiersz});
        },
        Qt::SingleShotConnection);
}

void KontrolerRzeczyKatalogu::moveToTrash()
{
    BytSystemuPlikow *byt = pojedynczeZaznaczenie();
    if (!byt)
        return;
    Alert pytanie;
    pytanie.setAlertStyle(Alert::AlertStyle::Warning);
    pytanie.setMessageText(tr("Confirm move of '%1' to Trash").arg(byt->nazwaZlokalizowana()));
    pytanie.addButtonWithTitle(tr("Move to Trash"));
    pytanie.addButtonWithTitle(tr("Cancel"));
    if (pytanie.runModal() != Alert::firstButton)
        return;
    // The row goes when the watcher reports the file gone.
    const QString nazwaNaDysku = byt->ostatniKomponentSciezki();
    // The one way into the Trash, here on the spot: it says why when no Trash can take the item.
    BladOperacji blad;
    if (!WorkspaceOperations::doKosza(byt->plikowyURL(), &blad))
        AlertNiepowodzenia::pokaz(tr("Could not move '%1' to Trash.").arg(nazwaNaDysku), &blad,
                                  AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
}

void KontrolerRzeczyKatalogu::akcjaDlaDwukliku(const QList<BytSystemuPlikow *> &byty)
{
    for (BytSystemuPlikow *byt : byty)
        OtwarcieRzeczy::wDomyslnejAplikacji(byt);
}

void KontrolerRzeczyKatalogu::controlTextDidEndEditing(const QModelIndex &indeks, const QString &nazwa)
{
    BytSystemuPlikow *byt = m_kontrolerDrzewa->wezel(indeks)->byt();
    if (!byt || !indeks.isValid() || byt->nazwaZlokalizowana() == nazwa)
        return;
    const QString stara = byt->nazwaZlokalizowana();
    BladOperacji blad;
    if (byt->zmienNazweBytuNaDyskuNa(nazwa, &blad)) {
        m_kontrolerDrzewa->rearrangeObjects();
        return;
    }
    // The field shows the model's name again; the alert waits until the edit has ended.
    const QString wiadomosc = tr("Could not change '%1' name to '%2'.").arg(stara, nazwa);
    DelayedOperations::addOperationAfterDelayWithBlock(0, nullptr, [wiadomosc, blad] {
        AlertNiepowodzenia::pokaz(wiadomosc, &blad, AlertNiepowodzenia::LiniaKonsoli::Wiadomosc);
    });
}

int KontrolerRzeczyKatalogu::numberOfPreviewItemsInPreviewPanel(PanelSzybkiegoPrzegladu *)
{
    return m_kontrolerDrzewa->selectedObjects().size() == 1 || m_katalog ? 1 : 0;
}

PreviewItem *KontrolerRzeczyKatalogu::previewPanelPreviewItemAtIndex(PanelSzybkiegoPrzegladu *, int)
{
    const QModelIndex wiersz = m_kontrolerDrzewa->selectionModel()->currentIndex();
    if (m_kontrolerDrzewa->selectionModel()->isSelected(wiersz)) {
        if (BytSystemuPlikow *byt = m_kontrolerDrzewa->wezel(wiersz)->byt())
            return byt;
    }
    return m_katalog;
}

bool KontrolerRzeczyKatalogu::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    // ~QWidget sends events here while the outline is half destroyed: the outline is used as itself
    // only for input it cannot receive then, and its viewport is compared as the widget kept.
    if (zdarzenie->type() == QEvent::KeyPress && obiekt == m_widokZaryseli) {
        // Taken before the outline's keyboard search sees it.
        if (static_cast<QKeyEvent *>(zdarzenie)->text() == QLatin1String(" ")
            && validateUserInterfaceItem(ElementInterfejsu(Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu))) {
            PanelSzybkiegoPrzegladu::przelaczWspolny();
            return true;
        }
        return false;
    }
    if (m_obszarZaryseli && obiekt == m_obszarZaryseli)
        return przeciaganie(zdarzenie);
    return ViewController::eventFilter(obiekt, zdarzenie);
}

WezelDrzewa *KontrolerRzeczyKatalogu::wezelZrzutu(const QPoint &miejsce) const
{
    if (m_widokZaryseli->mouseInDropZone())
        return nullptr;
    const QModelIndex indeks = m_widokZaryseli->indexAt(miejsce);
    if (!indeks.isValid())
        return nullptr;
    WezelDrzewa *wezel = m_kontrolerDrzewa->wezel(indeks);
    if (!qobject_cast<BytKatalogu *>(wezel->byt()))
        wezel = wezel->parentNode();
    return wezel == m_kontrolerDrzewa->korzen() ? nullptr : wezel;
}

bool KontrolerRzeczyKatalogu::przeciaganie(QEvent *zdarzenie)
{
    switch (zdarzenie->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *ruch = static_cast<QDragMoveEvent *>(zdarzenie);
        const QPoint miejsce = ruch->position().toPoint();
        m_widokZaryseli->draggingUpdated(miejsce);
        WezelDrzewa *wezel = wezelZrzutu(miejsce);
        QObject *odbiorca = wezel ? wezel->representedObject() : m_katalog.data();
        const InformacjaOPrzeciaganiu informacja = InformacjaOPrzeciaganiu::zZdarzenia(*ruch);
        Qt::DropAction operacja = Qt::IgnoreAction;
        if (informacja.draggingSourceOperationMask() != Qt::DropActions())
            operacja = KontrolerPrzeciagnieciaIZrzutu::selectDragOperationMaskWithDraggingInfoForDropReceiverInView(
                informacja, odbiorca, m_widokZaryseli);
        const Qt::DropAction odpowiedz = OdpowiedzNaPrzeciaganie::odpowiedzPodczasPrzeciagania(ruch, operacja);
        m_widokZaryseli->showBorder(odpowiedz != Qt::IgnoreAction && !wezel);
        return true;
    }
    case QEvent::DragLeave:
        m_widokZaryseli->showBorder(false);
        return false;
    case QEvent::Drop: {
        auto *zrzut = static_cast<QDropEvent *>(zdarzenie);
        m_widokZaryseli->showBorder(false);
        WezelDrzewa *wezel = wezelZrzutu(zrzut->position().toPoint());
        QObject *odbiorca = wezel ? wezel->representedObject() : m_katalog.data();
        QPointer<KontrolerRzeczyKatalogu> kontroler(this);
        // The shown folder (a flow's items folder) may not exist yet.
        QPointer<BytKatalogu> katalog(m_katalog);
        const bool przyjety = AdapterZrzutuUrli::przyjmijZrzutDla(
            odbiorca, InformacjaOPrzeciaganiu::zZdarzenia(*zrzut), m_widokZaryseli,
            AdapterZrzutuUrli::Wykonanie::PoChwili,
            [katalog] {
                if (katalog)
                    katalog->stworzKatalog();
            },
            [kontroler](const QList<BytSystemuPlikow *> &nowe) {
                if (kontroler)
                    kontroler->zaznaczZrzucone(nowe);
            });
        OdpowiedzNaPrzeciaganie::odpowiedzZrodlu(zrzut, przyjety);
        return true;
    }
    default:
        return false;
    }
}

void KontrolerRzeczyKatalogu::zaznaczZrzucone(const QList<BytSystemuPlikow *> &nowe)
{
    m_kontrolerDrzewa->setSelectionIndexPaths(m_kontrolerDrzewa->indexPathsOfObjectsInArray(nowe));
}
