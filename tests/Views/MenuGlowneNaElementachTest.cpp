#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Model/BazaFasolek.h"
#include "Model/BytSystemuPlikow.h"
#include "Platform/Ui/DelegatMenu.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/Ui/Menu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>

// Item commands chosen from the main menu of the window the program's start-up builds: an item
// without a target, in a menu of that window's menu bar, finds its handler from the focused view
// along the responder chain and acts on that view's selection or item.
namespace {

using namespace PolecenieWOknie;

enum class Fokus { ListaPotoku, PasekNaPotoku, ZarysKartyFasolki, EdytorKartyFasolki, ZarysWidokuFasolki };
enum class Skutek {
    FasolkaKartyNieaktywna, // the bean shown (tab or view) lies in its flow's "_Inactive" folder
    KatalogPotokuOtwarty,   // the file manager was asked for the folder of "Potok 0001"
    NicSieNieZmienilo,      // disk and graph as before, no alert, no desktop call
    WierszeZeSzczegolami,   // row type 1: list, tall-rows button, tab settings, the item's checkmark
    StanEdytoraWypisany,    // the editor's state on the console
};

struct Przypadek
{
    const char *nazwa;
    Fokus fokus;
    Akcja akcja;
    int tag;
    bool wlaczona;
    Skutek skutek;
};

void PrintTo(const Przypadek &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

const Przypadek przypadkiMenuGlownego[] = {
    {"KartaFasolkiZmieniaStatusSwojejFasolki", Fokus::ZarysKartyFasolki, Akcja::deaktywujFasolki, 0, true,
     Skutek::FasolkaKartyNieaktywna},
    {"WidokFasolkiZmieniaStatusSwojejFasolki", Fokus::ZarysWidokuFasolki, Akcja::deaktywujFasolki, 0, true,
     Skutek::FasolkaKartyNieaktywna},
    {"PasekOtwieraKatalogPotoku", Fokus::PasekNaPotoku, Akcja::otworzElementyWFinderze, 0, true,
     Skutek::KatalogPotokuOtwarty},
    {"PasekNieWyrzucaDoKosza", Fokus::PasekNaPotoku, Akcja::moveToTrash, 0, false, Skutek::NicSieNieZmienilo},
    {"PasekNieZmieniaStatusu", Fokus::PasekNaPotoku, Akcja::aktywujFasolki, 0, false, Skutek::NicSieNieZmienilo},
    {"ListaWierszeZeSzczegolami", Fokus::ListaPotoku, Akcja::ustawRodzajWidokuWiersza, 1, true,
     Skutek::WierszeZeSzczegolami},
    {"EdytorWypisujeSwojStan", Fokus::EdytorKartyFasolki, Akcja::wyswietlStanEdytora, 0, true,
     Skutek::StanEdytoraWypisany},
};

class MenuGlowneNaElementach : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        UruchomionyProgram::SetUp();
        if (HasFatalFailure())
            return;
        // Hidden: only its being a menu bar of this window counts.
        auto *pasek = new QMenuBar(m_okno);
        pasek->hide();
        m_menu = new Menu(QStringLiteral("Bean"), pasek);
        pasek->addMenu(m_menu);
        ASSERT_TRUE(QTest::qWaitFor([&] { return lista() && lista()->kontrolerTablicy()->rowCount() >= 4; }));
    }

    WidokTabeliFasolkiPotoku *lista() { return widocznyWidok<WidokTabeliFasolkiPotoku>(m_okno); }
    Fasolka *fasolkaWWierszu(int wiersz)
    {
        return qobject_cast<Fasolka *>(lista()->kontrolerTablicy()->obiektWWierszu(wiersz));
    }
    Potok *pokazanyPotok() { return kartaPortfolio()->kontrolerWybranegoPotoku()->potok(); }

    PozycjaMenu *pozycja(Akcja akcja, int tag = 0)
    {
        PozycjaMenu *nowa = m_menu->dodajPozycje(QStringLiteral("item"), akcja);
        nowa->setTag(tag);
        return nowa;
    }

    // A submenu of the Bean menu whose item sends `akcja`, filled as the menu bar fills it: by the
    // controller the item's command reaches from the focused view.
    Menu *podmenu(Akcja akcja)
    {
        auto *nowe = new Menu(QStringLiteral("submenu"), m_menu);
        nowe->addAction(QStringLiteral("stale"));
        auto *trzymajaca = new PozycjaMenu(nowe->title(), akcja, m_menu);
        trzymajaca->setMenu(nowe);
        m_menu->addAction(trzymajaca);
        return nowe;
    }
    void wypelnij(Menu *podmenu)
    {
        auto *cel = dynamic_cast<DelegatMenu *>(
            LancuchResponderow::targetForAction(Menu::pozycjaOtwierajaca(podmenu)->akcja(), m_okno));
        ASSERT_NE(cel, nullptr);
        cel->menuNeedsUpdate(podmenu);
    }
    static QStringList tytuly(const QMenu *menu)
    {
        QStringList wynik;
        for (QAction *akcja : menu->actions())
            wynik << akcja->text();
        return wynik;
    }

    // A click on the row, as the user selects a bean; the list keeps the focus.
    void zaznaczWiersz(int wiersz)
    {
        const QModelIndex indeks = lista()->model()->index(wiersz, 1);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualRect(indeks).center());
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return lista()->kontrolerTablicy()->selectedObjects() == QList<QObject *>{fasolkaWWierszu(wiersz)};
        }));
        ASSERT_TRUE(lista()->hasFocus());
    }
    int pierwszyWiersz(const std::function<bool(Fasolka *)> &warunek)
    {
        for (int wiersz = 0; wiersz < lista()->kontrolerTablicy()->rowCount(); ++wiersz)
            if (warunek(fasolkaWWierszu(wiersz)))
                return wiersz;
        return -1;
    }

    // A folder bean of the list in a bean tab of its own, opened by the main menu's command; answers it.
    Fasolka *otworzKarteFasolki()
    {
        const int wiersz = pierwszyWiersz([](Fasolka *f) { return f->jestZKatalogiem() && !f->jestNieaktywna(); });
        EXPECT_GE(wiersz, 0);
        if (wiersz < 0)
            return nullptr;
        zaznaczWiersz(wiersz);
        Fasolka *fasolka = fasolkaWWierszu(wiersz);
        pozycja(Akcja::nowaKartaFasolki)->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return przegladarka()->tabCount() == 2; }, 2000));
        przegladarka()->selectTabAtIndex(1);
        KartaFasolki *karta = przegladarka()->wybranaKartaFasolki();
        EXPECT_TRUE(karta && karta->fasolka() == fasolka);
        return karta ? fasolka : nullptr;
    }

    void ustawFokus(Fokus fokus)
    {
        switch (fokus) {
        case Fokus::ListaPotoku:
            zaznaczWiersz(0);
            break;
        case Fokus::PasekNaPotoku: {
            WidokZaryseliPaskaNawigacji *pasek =
                kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji()->widokZaryseli();
            const QModelIndex potok = pasek->model()
                                          ->match(pasek->model()->index(0, 0), Qt::DisplayRole,
                                                  QStringLiteral("Potok 0001"), 1,
                                                  Qt::MatchExactly | Qt::MatchRecursive)
                                          .value(0);
            ASSERT_TRUE(potok.isValid());
            QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, pasek->visualRect(potok).center());
            ASSERT_TRUE(QTest::qWaitFor([&] { return pokazanyPotok() && pokazanyPotok()->nazwa() == "Potok 0001"; }));
            pasek->setFocus(Qt::MouseFocusReason);
            ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->hasFocus(); }));
            break;
        }
        case Fokus::ZarysKartyFasolki:
        case Fokus::EdytorKartyFasolki: {
            m_fasolkaKarty = otworzKarteFasolki();
            ASSERT_NE(m_fasolkaKarty, nullptr);
            KontrolerKartyFasolki *karta = przegladarka()->wybranaKartaFasolki()->kontrolerKartyFasolki();
            QWidget *cel = fokus == Fokus::ZarysKartyFasolki
                               ? static_cast<QWidget *>(karta->kontrolerRzeczyFasolki()->widokZaryseli())
                               : karta->kontrolerEdytoraSpodziewanegoRezultatu()->edytor();
            cel->setFocus(Qt::MouseFocusReason);
            ASSERT_TRUE(QTest::qWaitFor([&] { return cel->hasFocus(); })) << "no focus in the bean tab";
            break;
        }
        case Fokus::ZarysWidokuFasolki: {
            const int wiersz = pierwszyWiersz([](Fasolka *f) { return f->jestZKatalogiem() && !f->jestNieaktywna(); });
            ASSERT_GE(wiersz, 0);
            m_fasolkaKarty = fasolkaWWierszu(wiersz);
            kartaPortfolio()->otworzFasolkeNaKarciePortfolio(m_fasolkaKarty);
            KontrolerWidokuFasolki *widok = nullptr;
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return (widok = kartaPortfolio()->kontrolerWybranejFasolki()) != nullptr; }));
            QWidget *cel = widok->kontrolerRzeczyFasolki()->widokZaryseli();
            cel->setFocus(Qt::MouseFocusReason);
            ASSERT_TRUE(QTest::qWaitFor([&] { return cel->hasFocus(); })) << "no focus in the bean view";
            break;
        }
        }
    }

    Menu *m_menu = nullptr;
    Fasolka *m_fasolkaKarty = nullptr;
    NagrywarkaAlertow m_alerty;
};

class MenuGlowneNaElementachTabela : public MenuGlowneNaElementach, public ::testing::WithParamInterface<Przypadek>
{
};

} // namespace

TEST_P(MenuGlowneNaElementachTabela, ReachesTheFocusedViewsHandler)
{
    const Przypadek &p = GetParam();
    ustawFokus(p.fokus);
    if (HasFatalFailure())
        return;
    const QString sciezkaFasolkiKarty = url(m_fasolkaKarty);
    zapamietajStan();
    m_wywolania.clear();
    m_konsola.clear();

    PozycjaMenu *polecenie = pozycja(p.akcja, p.tag);
    ASSERT_EQ(polecenie->zwaliduj(), p.wlaczona);
    polecenie->trigger();

    switch (p.skutek) {
    case Skutek::FasolkaKartyNieaktywna: {
        const QString potokFasolki = m_fasolkaKarty->potok()->bytPotoku()->plikowyURL();
        const QString oczekiwana = potokFasolki + "/" + Fasolka::oksDlaStatusuFasolki(Fasolka::sfNieaktywna) + "/"
                                   + QFileInfo(sciezkaFasolkiKarty).fileName();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(oczekiwana).isDir(); }, 3000)) << oczekiwana.toStdString();
        EXPECT_FALSE(QFileInfo::exists(sciezkaFasolkiKarty));
        EXPECT_EQ(m_fasolkaKarty->statusFasolki(), Fasolka::sfNieaktywna);
        break;
    }
    case Skutek::KatalogPotokuOtwarty:
        EXPECT_EQ(m_wywolania,
                  QStringList{"folder " + potok(QStringLiteral("Potok 0001"))->bytPotoku()->plikowyURL() + " []"});
        break;
    case Skutek::NicSieNieZmienilo:
        sprawdzNiezmienione();
        EXPECT_TRUE(m_wywolania.isEmpty()) << m_wywolania.join('\n').toStdString();
        break;
    case Skutek::WierszeZeSzczegolami: {
        EXPECT_EQ(lista()->rowViewType(), 1);
        auto *przycisk = m_okno->findChild<QAbstractButton *>(QStringLiteral("przyciskRodzajuWiersza"));
        ASSERT_NE(przycisk, nullptr);
        EXPECT_TRUE(przycisk->isChecked());
        EXPECT_EQ(kartaPortfolio()->kontrolerKartyPortfolio()->ustawieniaKarty()->rowViewType(), 1);
        PozycjaMenu *zwykle = pozycja(p.akcja, 0);
        EXPECT_TRUE(polecenie->zwaliduj() && zwykle->zwaliduj());
        EXPECT_EQ(polecenie->stan(), PozycjaMenu::Stan::Wlaczony);
        EXPECT_EQ(zwykle->stan(), PozycjaMenu::Stan::Wylaczony);
        break;
    }
    case Skutek::StanEdytoraWypisany:
        EXPECT_TRUE(m_konsola.contains(QStringLiteral("Stan edytora:"))) << m_konsola.join('\n').toStdString();
        break;
    }
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabela, MenuGlowneNaElementachTabela, ::testing::ValuesIn(przypadkiMenuGlownego),
                         [](const ::testing::TestParamInfo<Przypadek> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// Move to Flow from the main menu lists every flow, the main one first and the others by name,
// and moves the list's selected bean, whatever the menu's own delegate is.
TEST_F(MenuGlowneNaElementach, MoveToFlowListsTheFlowsAndMovesTheSelectedBean)
{
    ASSERT_TRUE(QDir().mkpath(m_baza.sciezka() + QStringLiteral("/Tarrowind/All Beans/Cel")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return potok(QStringLiteral("Cel")) != nullptr; }, 5000));
    const int wiersz = pierwszyWiersz([](Fasolka *f) { return f->jestAktywna(); });
    ASSERT_GE(wiersz, 0);
    zaznaczWiersz(wiersz);
    Fasolka *fasolka = fasolkaWWierszu(wiersz);
    const QString zrodlo = url(fasolka);
    Menu *doPotoku = podmenu(Akcja::przeniesFasolkiDoPotoku);
    wypelnij(doPotoku);
    ASSERT_EQ(tytuly(doPotoku), QStringList({"Main Flow", "Cel", "Potok 0001", "Potok 0002"}));

    const QString cel = potok(QStringLiteral("Cel"))->bytPotoku()->plikowyURL() + "/" + QFileInfo(zrodlo).fileName();
    doPotoku->actions().at(1)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(cel); }, 3000)) << cel.toStdString();
    EXPECT_FALSE(QFileInfo::exists(zrodlo));
    EXPECT_EQ(fasolka->potok(), potok(QStringLiteral("Cel")));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());
}

// The Status submenu names the selected bean and checks its status; Open With is filled only for a file bean.
TEST_F(MenuGlowneNaElementach, StatusAndOpenWithSubmenusFollowTheSelection)
{
    Menu *status = podmenu(Akcja::wyswietlPozaTabelaMenuPodreczneStatusu);
    status->clear();
    status->dodajPozycje(QStringLiteral("header"), Akcja::generalItem)
        ->setTag(MenuKontroleraElementow::tagNaglowkaStatusu);
    for (const auto &polecenie : KontrolerAkcjeNaElementach::poleceniaStatusu())
        status->dodajPozycje(QStringLiteral("status"), polecenie.akcja);
    Menu *otworzW = podmenu(Akcja::otworzBytElementuWProgramie);

    for (const bool katalogowa : {true, false}) {
        SCOPED_TRACE(katalogowa);
        const int wiersz = pierwszyWiersz([katalogowa](Fasolka *f) { return f->jestZKatalogiem() == katalogowa; });
        ASSERT_GE(wiersz, 0);
        zaznaczWiersz(wiersz);
        Fasolka *fasolka = fasolkaWWierszu(wiersz);
        ASSERT_LE(fasolka->nazwa().size(), 20) << "a longer name is cut in the header";
        wypelnij(status);
        const QList<QAction *> pozycje = status->actions();
        EXPECT_EQ(pozycje.at(0)->text(), fasolka->nazwa());
        const auto polecenia = KontrolerAkcjeNaElementach::poleceniaStatusu();
        for (qsizetype i = 0; i < qsizetype(polecenia.size()); ++i) {
            const auto *pozycjaStatusu = qobject_cast<PozycjaMenu *>(pozycje.at(i + 1));
            const bool zaznaczona = polecenia[i].zeZnacznikiem && polecenia[i].status == fasolka->statusFasolki();
            EXPECT_EQ(pozycjaStatusu->stan() == PozycjaMenu::Stan::Wlaczony, zaznaczona) << i;
        }
        wypelnij(otworzW);
        EXPECT_EQ(tytuly(otworzW).contains(QStringLiteral("stale")), katalogowa);
    }
}

// In a bean tab's folder outline the main menu's Open With is the outline's: filled for its selected file.
TEST_F(MenuGlowneNaElementach, OpenWithInABeanTabOutlineFollowsItsSelectedEntry)
{
    ustawFokus(Fokus::ZarysKartyFasolki);
    if (HasFatalFailure())
        return;
    WidokZaryseliRzeczyKatalogu *zarys =
        przegladarka()->wybranaKartaFasolki()->kontrolerKartyFasolki()->kontrolerRzeczyFasolki()->widokZaryseli();
    ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->model()->rowCount() >= 1; }, 3000));
    QTest::mouseClick(zarys->viewport(), Qt::LeftButton, {}, zarys->visualRect(zarys->model()->index(0, 0)).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return zarys->selectionModel()->selectedRows().size() == 1; }));
    const QList<BytSystemuPlikow *> zaznaczone = qobject_cast<KontrolerDrzewa *>(zarys->model())->selectedObjects();
    ASSERT_TRUE(zaznaczone.size() == 1 && !zaznaczone.constFirst()->toKatalog());
    Menu *otworzW = podmenu(Akcja::otworzBytElementuWProgramie);
    ASSERT_EQ(LancuchResponderow::targetForAction(Akcja::otworzBytElementuWProgramie, m_okno),
              przegladarka()->wybranaKartaFasolki()->kontrolerKartyFasolki()->kontrolerRzeczyFasolki());
    wypelnij(otworzW);
    EXPECT_FALSE(tytuly(otworzW).contains(QStringLiteral("stale")));
}

// A flow or a bean named "R&D" shows its ampersand in the menus, not a mnemonic.
TEST_F(MenuGlowneNaElementach, AnAmpersandInANameShowsInTheMenus)
{
    const QString potokRD = m_baza.sciezka() + QStringLiteral("/Tarrowind/All Beans/R&D");
    ASSERT_TRUE(QDir().mkpath(potokRD));
    const QString fasolkaRD = pokazanyPotok()->bytPotoku()->plikowyURL() + QStringLiteral("/R&D");
    ASSERT_TRUE(QDir().mkpath(fasolkaRD));
    ASSERT_TRUE(QTest::qWaitFor([&] { return potok(QStringLiteral("R&D")) != nullptr; }, 5000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return pierwszyWiersz([](Fasolka *f) { return f->nazwa() == "R&D"; }) >= 0; }, 5000));
    zaznaczWiersz(pierwszyWiersz([](Fasolka *f) { return f->nazwa() == "R&D"; }));

    Menu *doPotoku = podmenu(Akcja::przeniesFasolkiDoPotoku);
    wypelnij(doPotoku);
    EXPECT_TRUE(tytuly(doPotoku).contains(QStringLiteral("R&&D"))) << tytuly(doPotoku).join('|').toStdString();
    Menu *status = podmenu(Akcja::wyswietlPozaTabelaMenuPodreczneStatusu);
    status->dodajPozycje(QStringLiteral("header"), Akcja::generalItem)
        ->setTag(MenuKontroleraElementow::tagNaglowkaStatusu);
    wypelnij(status);
    EXPECT_EQ(status->actions().constLast()->text(), QStringLiteral("R&&D"));
}
