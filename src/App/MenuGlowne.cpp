#include "MenuGlowne.h"

#include "TarrowindAppDelegate.h"

#include "Actions/KontrolerAkcjeNaMenuGlownym.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"

#include <QApplication>
#include <QMenuBar>

#include <span>

namespace {

// Where an item's command goes.
enum class Cel {
    Delegat,       // the application delegate
    KontrolerMenu, // the main-menu actions controller
    Lancuch,       // along the window's chain, from its focus widget
};

enum class Podmenu {
    Brak,
    WypelniaCel, // filled by the holder's target when it opens
    Statusu,     // the status commands, checked by the holder's target when it opens
};

constexpr QKeyCombination bezKlawisza = QKeyCombination::fromCombined(0);

struct OpisPozycji
{
    const char *tytul; // null: a separator
    Akcja akcja = Akcja::generalItem;
    Cel cel = Cel::Lancuch;
    QKeyCombination klawisz = bezKlawisza;
    int tag = 0;
    Podmenu podmenu = Podmenu::Brak;
};

constexpr OpisPozycji menuPlik[] = {
    {"New &Window", Akcja::noweOknoZKartaPortfolio, Cel::Delegat, Qt::CTRL | Qt::Key_N},
    {"New &Tab", Akcja::nowaKartaPortfolio, Cel::Delegat, Qt::CTRL | Qt::Key_T},
    {"New Window with &Archive", Akcja::noweOknoZKartaArchiwum, Cel::Delegat},
    {"New Tab with Arc&hive", Akcja::nowaKartaArchiwum, Cel::Delegat},
    {nullptr},
    {"New &Bean\u2026", Akcja::wyswietlDymekNowaFasolka, Cel::KontrolerMenu, Qt::CTRL | Qt::SHIFT | Qt::Key_N},
    {"New &Flow\u2026", Akcja::wyswietlDymekNowyPotok, Cel::KontrolerMenu},
    {"New F&older\u2026", Akcja::wyswietlDymekNowyKatalog, Cel::KontrolerMenu},
    {nullptr},
    {"Open &Portfolio Folder", Akcja::otworzBazeFasolekWFinderze, Cel::Delegat},
    {nullptr},
    {"&Close Tab", Akcja::zamknijKarte, Cel::Delegat, Qt::CTRL | Qt::Key_W},
    {"Close Wi&ndow", Akcja::zamknijOknoPrzegladarki, Cel::Delegat, Qt::CTRL | Qt::SHIFT | Qt::Key_W},
    {nullptr},
    {"&Quit", Akcja::terminate, Cel::Delegat, TarrowindAppDelegate::klawiszZakonczenia},
};

constexpr OpisPozycji menuEdycja[] = {
    {"&Find\u2026", Akcja::przejdzDoWyszukiwarki, Cel::Delegat, Qt::CTRL | Qt::Key_F},
    {nullptr},
    {"&Preferences\u2026", Akcja::otworzPreferencje, Cel::Delegat, Qt::CTRL | Qt::Key_Comma},
};

// The two navigation bar items share their key; only the one that can act is shown.
constexpr OpisPozycji menuWidok[] = {
    {"Show &Navigation Bar", Akcja::akcjaPokazPasekNawigacji, Cel::Delegat, QKeyCombination(Qt::Key_F9)},
    {"Hide &Navigation Bar", Akcja::akcjaUkryjPasekNawigacji, Cel::Delegat, QKeyCombination(Qt::Key_F9)},
    {nullptr},
    // One item that reads "Close Quick Look" while the panel shows: beside it, the show and hide
    // items would repeat its title.
    {"&Quick Look", Akcja::przelaczWidocznoscPanelaSzybkiegoPrzegladu, Cel::KontrolerMenu},
    {nullptr},
    {"&Plain Rows", Akcja::ustawRodzajWidokuWiersza, Cel::Lancuch, bezKlawisza, 0},
    {"Rows with &Details", Akcja::ustawRodzajWidokuWiersza, Cel::Lancuch, bezKlawisza, 1},
};

constexpr OpisPozycji menuIdz[] = {
    {"&Back", Akcja::przejdzDoPoprzedniegoWidoku, Cel::Delegat, Qt::ALT | Qt::Key_Left},
    {"&Forward", Akcja::przejdzDoNastepnegoWidoku, Cel::Delegat, Qt::ALT | Qt::Key_Right},
    {nullptr},
    {"&All Beans", Akcja::pokazWszystkieFasolki, Cel::Delegat},
    {"A&rchived Beans", Akcja::pokazArchiwum, Cel::Delegat},
    {nullptr},
    {"&Previous Tab", Akcja::wybierzPoprzedniaKarte, Cel::Delegat, Qt::CTRL | Qt::Key_PageUp},
    {"&Next Tab", Akcja::wybierzNastepnaKarte, Cel::Delegat, Qt::CTRL | Qt::Key_PageDown},
};

constexpr OpisPozycji menuFasolka[] = {
    {"&Open", Akcja::otworzFasolkeNaKarciePortfolio, Cel::Lancuch, Qt::CTRL | Qt::Key_O},
    {"Open in New &Tab", Akcja::nowaKartaFasolki, Cel::Lancuch, Qt::CTRL | Qt::Key_Return},
    {"Open in New &Window", Akcja::noweOknoZKartaFasolki, Cel::Lancuch, Qt::SHIFT | Qt::Key_Return},
    {"Open in &Default Application", Akcja::otworzBytyElementowWDomyslnychAplikacjach},
    {"Open Wit&h", Akcja::otworzBytElementuWProgramie, Cel::Lancuch, bezKlawisza, 0, Podmenu::WypelniaCel},
    {nullptr},
    {"&Show in File Manager", Akcja::pokazElementWFinderze},
    {"Open in File &Manager", Akcja::otworzElementyWFinderze},
    {"Open in New &Portfolio Tab", Akcja::nowaKartaPortfolioZWidokiemElementu},
    {"Open in New Portfolio W&indow", Akcja::noweOknoZWidokiemElementuNaKarciePortfolio},
    {"Show in &Flow", Akcja::pokazFasolkeWPotoku},
    {"&Go to Flow", Akcja::akcjaPrzejdzDoPotoku},
    {nullptr},
    {"Stat&us", Akcja::wyswietlPozaTabelaMenuPodreczneStatusu, Cel::Lancuch, bezKlawisza, 0, Podmenu::Statusu},
    {"Move to F&low", Akcja::przeniesFasolkiDoPotoku, Cel::Lancuch, bezKlawisza, 0, Podmenu::WypelniaCel},
    {nullptr},
    {"Dupli&cate", Akcja::duplikujFasolki, Cel::Lancuch, Qt::CTRL | Qt::Key_D},
    {"Wrap in Bean Fold&er", Akcja::opakujFasolkePlikowaWKatalog},
    {"U&nwrap Bean Folder", Akcja::wypakujZawartoscFasolkiZKatalogu},
    {nullptr},
    {"Move to T&rash", Akcja::moveToTrash, Cel::Lancuch, QKeyCombination(Qt::Key_Delete)},
};

constexpr OpisPozycji menuPomoc[] = {
    {"Tarrowind &Help", Akcja::otworzStronePomocy, Cel::Delegat, QKeyCombination(Qt::Key_F1)},
    {"&Website", Akcja::otworzWitryneTarrowind, Cel::Delegat},
    {"&Release Notes", Akcja::otworzStroneChangeloga, Cel::Delegat},
    {nullptr},
    {"&About Tarrowind", Akcja::otworzPanelOProgramie, Cel::Delegat},
};

constexpr OpisPozycji menuDewelopera[] = {
    {"&Responder Chain", Akcja::wyswietlLancuchResponderow, Cel::Delegat},
    {"&Test", Akcja::testuj, Cel::Delegat},
    {"&Flow Object State", Akcja::wyswietlStanObiektuPotoku, Cel::Delegat},
    {"Tab &History", Akcja::wyswietlListyPoprzednichINastepnychWidokow},
    {"&Profile All Beans", Akcja::testProfiler},
    {"&Editor State", Akcja::wyswietlStanEdytora},
};

// The status items get their mnemonics and keys here; the status menu itself is the one the
// context menus use.
struct OpisPozycjiStatusu
{
    Akcja akcja;
    const char *tytul;
    QKeyCombination klawisz = bezKlawisza;
};

constexpr OpisPozycjiStatusu pozycjeStatusu[] = {
    {Akcja::inkubujFasolki, "&Incubation", Qt::CTRL | Qt::Key_1},
    {Akcja::aktywujFasolki, "&Active", Qt::CTRL | Qt::Key_2},
    {Akcja::oznaczFasolkiJakoOczekujace, "&Waiting for", Qt::CTRL | Qt::Key_3},
    {Akcja::deaktywujFasolki, "I&nactive", Qt::CTRL | Qt::Key_4},
    {Akcja::oznaczFasolkiJakoGotowe, "&Ready", Qt::CTRL | Qt::Key_5},
    {Akcja::oznaczFasolkiJakoUkonczone, "&Done", Qt::CTRL | Qt::Key_6},
    {Akcja::archiwizujFasolki, "Archi&ved", Qt::CTRL | Qt::Key_7},
    {Akcja::reaktywujFasolke, "R&eactivate"},
};

QString trMenuGlowne(const char *tekst)
{
    return QCoreApplication::translate("MenuGlowne", tekst);
}

struct Cele
{
    TarrowindAppDelegate *delegat;
    KontrolerAkcjeNaMenuGlownym *kontroler;

    Responder *dla(Cel cel) const
    {
        switch (cel) {
        case Cel::Delegat:
            return delegat;
        case Cel::KontrolerMenu:
            return kontroler;
        case Cel::Lancuch:
            break;
        }
        return nullptr;
    }
};

void oznaczPozycjeStatusu(Menu *menu)
{
    for (QAction *akcja : menu->actions()) {
        auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
        for (const OpisPozycjiStatusu &opis : pozycjeStatusu) {
            if (!pozycja || pozycja->akcja() != opis.akcja)
                continue;
            pozycja->setText(trMenuGlowne(opis.tytul));
            if (opis.klawisz.toCombined() != 0)
                pozycja->setShortcut(opis.klawisz);
        }
    }
}

void dodajPozycjeZOpisow(Menu *menu, std::span<const OpisPozycji> opisy, const Cele &cele, MenuGlowne *delegatPodmenu)
{
    for (const OpisPozycji &opis : opisy) {
        if (!opis.tytul) {
            menu->addSeparator();
            continue;
        }
        const QKeySequence klawisz = opis.klawisz.toCombined() != 0 ? QKeySequence(opis.klawisz) : QKeySequence();
        if (opis.podmenu == Podmenu::Brak) {
            menu->dodajPozycje(trMenuGlowne(opis.tytul), opis.akcja, cele.dla(opis.cel), klawisz)->setTag(opis.tag);
            continue;
        }
        auto *podmenu = new Menu(trMenuGlowne(opis.tytul), menu);
        podmenu->setDelegat(delegatPodmenu);
        if (opis.podmenu == Podmenu::Statusu) {
            MenuKontroleraElementow::dodajPozycjeStatusu(podmenu, nullptr);
            oznaczPozycjeStatusu(podmenu);
        }
        // The submenu's holder becomes its menuAction: menuNeedsUpdate finds the command there.
        auto *uchwyt = new PozycjaMenu(podmenu->title(), opis.akcja, menu);
        uchwyt->setCel(cele.dla(opis.cel));
        uchwyt->setMenu(podmenu);
        menu->addAction(uchwyt);
    }
}

Menu *dodajMenu(QMenuBar *pasek, const char *tytul, std::span<const OpisPozycji> opisy, const Cele &cele,
                MenuGlowne *delegatPodmenu)
{
    auto *menu = new Menu(trMenuGlowne(tytul), pasek);
    dodajPozycjeZOpisow(menu, opisy, cele, delegatPodmenu);
    pasek->addMenu(menu);
    return menu;
}

} // namespace

QMenuBar *MenuGlowne::zbuduj(BrowserWindow *okno, TarrowindAppDelegate *delegat, KontrolerAkcjeNaMenuGlownym *kontroler)
{
    auto *pasek = new QMenuBar(okno);
    // Walked by keys, the bar takes the focus, and Qt gives it back only when it knew the widget
    // before: meanwhile the commands of its menus go on from that widget, not from the window.
    QObject::connect(qApp, &QApplication::focusChanged, pasek, [pasek](QWidget *stary, QWidget *nowy) {
        if (nowy == pasek && stary && stary->window() == pasek->window())
            LancuchResponderow::ustawNastepny(pasek, stary);
    });
    auto *menuGlowne = new MenuGlowne(pasek);
    const Cele cele{delegat, kontroler};

    Menu *plik = dodajMenu(pasek, "&File", menuPlik, cele, menuGlowne);
    if (kontroler)
        kontroler->setMenuPlik(plik);
    dodajMenu(pasek, "&Edit", menuEdycja, cele, menuGlowne);
    // The delegate announces the selected tab's state again as these open.
    dodajMenu(pasek, "&View", menuWidok, cele, menuGlowne)->setDelegat(delegat);
    dodajMenu(pasek, "&Go", menuIdz, cele, menuGlowne)->setDelegat(delegat);
    dodajMenu(pasek, "&Bean", menuFasolka, cele, menuGlowne);
    dodajMenu(pasek, "&Help", menuPomoc, cele, menuGlowne);
#ifndef NDEBUG
    pasek->addMenu(zbudujMenuDewelopera(pasek, delegat));
#endif
    return pasek;
}

Menu *MenuGlowne::zbudujMenuDewelopera(QWidget *rodzic, TarrowindAppDelegate *delegat)
{
    auto *menu = new Menu(trMenuGlowne("&Developer"), rodzic);
    dodajPozycjeZOpisow(menu, menuDewelopera, Cele{delegat, nullptr}, nullptr);
    return menu;
}

void MenuGlowne::menuNeedsUpdate(Menu *podmenu)
{
    const auto *uchwyt = qobject_cast<const PozycjaMenu *>(podmenu->menuAction());
    if (!uchwyt)
        return;
    Responder *cel = LancuchResponderow::targetForAction(uchwyt->akcja(), podmenu->oknoPolecenia());
    if (auto *wypelniajacy = dynamic_cast<DelegatMenu *>(cel))
        wypelniajacy->menuNeedsUpdate(podmenu);
}
