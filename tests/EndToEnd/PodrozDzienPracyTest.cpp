// Journey 2: a day's work on a generated portfolio of 20 flows of 50 beans. A new flow, a new bean
// in it, its status from its context menu and from the main menu, a drag from the archive onto its
// flow, a move to another flow, a rename in place, its expected outcome typed in the bean view,
// archived and reactivated, a search, a bean tab and Show in Flow, and the navigation bar collapsed
// by its divider and brought back. Every file not touched on purpose keeps its bytes.

#include "Podroz.h"

#include <QColor>
#include <QTest>

namespace {

// The first bean below the archive's first header.
constexpr int wierszArchiwumPodNaglowkiem = 147;

} // namespace

TEST_F(Podroz, DzienPracy)
{
    ASSERT_NO_FATAL_FAILURE(
        zapiszPortfolio({.potoki = 20, .fasolkiNaPotok = 50},
                        {{QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji"), szerokoscPaska}}));
    const QString wszystkie = R(QStringLiteral("All Beans/"));
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno());
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"), 10000)) << tytul().toStdString();
    zrzut(QStringLiteral("main-flow"));

    // A new flow (File ▸ New Flow…): "Garden" comes right after "Main Flow".
    klawisze({QStringLiteral("alt+f"), QStringLiteral("f")});
    pisz(QStringLiteral("Garden"));
    zrzut(QStringLiteral("new-flow-popover"));
    klawisze({QStringLiteral("Return")});
    ASSERT_TRUE(czekajNaPlik(wszystkie + QStringLiteral("Garden"))) << "no flow folder";
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Garden"))) << tytul().toStdString();
    zrzut(QStringLiteral("new-flow"));

    // A new bean (Ctrl+Shift+N), selected and shown.
    klawisze({QStringLiteral("ctrl+shift+n")});
    pisz(QStringLiteral("Seed trays"));
    klawisze({QStringLiteral("Return")});
    const QString garden = wszystkie + QStringLiteral("Garden/");
    ASSERT_TRUE(czekajNaPlik(garden + QStringLiteral("_Incubation/Seed trays"))) << "no bean folder";
    EXPECT_TRUE(poczekaj([&] { return pokazujeCos(nazwaWWierszu(0)); }, czasNaWynikMs));
    zrzut(QStringLiteral("new-bean-selected"));

    // Ready from the bean's context menu, opened by a right click on its row: the sixth item of
    // the Status submenu, below the bean's name.
    wybierzStatusZMenuPodrecznego(wierszListy(0), 112, QStringLiteral("context-menu-status-ready"));
    ASSERT_TRUE(czekajNaPlik(garden + QStringLiteral("_Ready/Seed trays"))) << "not Ready";
    zrzut(QStringLiteral("ready"));

    // Archived from the main menu (Bean ▸ Status ▸ Archived), walked by keys after a click on the row.
    kliknij(wierszListy(0));
    klawisze({QStringLiteral("alt+b"), QStringLiteral("u")});
    zrzut(QStringLiteral("main-menu-status"));
    klawisze({QStringLiteral("v")});
    const QString archiwum = R(QStringLiteral("Archived Beans/Garden/Seed trays"));
    ASSERT_TRUE(czekajNaPlik(archiwum)) << "not archived";

    // From the archive (Go ▸ Archived Beans, found by a search) dragged onto its flow in the bar:
    // back in Incubation.
    klawisze({QStringLiteral("alt+g"), QStringLiteral("r")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Archived Beans"))) << tytul().toStdString();
    klawisze({QStringLiteral("ctrl+f")});
    pisz(QStringLiteral("Seed"));
    QTest::qWait(800);
    zrzut(QStringLiteral("archive-search"));
    przeciagnij(QPoint(xNazwy, wierszArchiwumPodNaglowkiem), wierszPotoku(1));
    ASSERT_TRUE(czekajNaPlik(garden + QStringLiteral("_Incubation/Seed trays"))) << "the drop did not bring it back";
    EXPECT_FALSE(istnieje(archiwum));
    zrzut(QStringLiteral("dragged-onto-its-flow"));

    // Moved to another flow (Bean ▸ Move to Flow ▸ Main Flow).
    kliknij(wierszPotoku(1));
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Garden"))) << tytul().toStdString();
    kliknij(wierszListy(0));
    klawisze({QStringLiteral("alt+b"), QStringLiteral("l")});
    zrzut(QStringLiteral("move-to-flow"));
    klawisze({QStringLiteral("Return")}); // "Main Flow", the first
    const QString glowny = wszystkie + QStringLiteral("_Main_Flow/_Incubation/");
    ASSERT_TRUE(czekajNaPlik(glowny + QStringLiteral("Seed trays"))) << "not moved to Main Flow";
    EXPECT_TRUE(poczekaj([&] { return !pokazujeCos(nazwaWWierszu(0)); }, czasNaWynikMs)) << "still listed in Garden";

    // In Main Flow, found by a search and renamed in place: a click on the selected row's name.
    kliknij(wierszPotoku(0));
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    klawisze({QStringLiteral("ctrl+f")});
    pisz(QStringLiteral("Seed"));
    QTest::qWait(800);
    kliknij(wierszListy(0));
    QTest::qWait(800);
    kliknij(wierszListy(0));
    QTest::qWait(800);
    zrzut(QStringLiteral("rename-in-place"));
    klawisze({QStringLiteral("ctrl+a")});
    pisz(QStringLiteral("Seedlings"));
    klawisze({QStringLiteral("Return")});
    ASSERT_TRUE(czekajNaPlik(glowny + QStringLiteral("Seedlings"))) << "not renamed";
    zrzut(QStringLiteral("renamed"));

    // Opened in this tab (Ctrl+O); its expected outcome typed in.
    klawisze({QStringLiteral("ctrl+o")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Bean: Seedlings"))) << tytul().toStdString();
    zrzut(QStringLiteral("bean-view"));
    const QString rezultat = QStringLiteral("Trays of seedlings on the sill by May.");
    // A double-click on the field below the bean's name and flow starts the editing.
    kliknij(QPoint(szerokoscPaska + 200, 140), 1, 2);
    pisz(rezultat);
    klawisze({QStringLiteral("Return")});
    const QString plikRezultatu = glowny + QStringLiteral("Seedlings/expected outcome.txt");
    ASSERT_TRUE(
        poczekaj([&] { return KatalogTestowy::czytaj(plikRezultatu).contains(rezultat.toUtf8()); }, czasNaWynikMs))
        << "the expected outcome did not land on disk";
    m_rachunek.dolicz(KatalogTestowy::czytaj(plikRezultatu), plikRezultatu);
    zrzut(QStringLiteral("expected-outcome-typed"));

    // Archived (Ctrl+7), then found in the archive (Go ▸ Archived Beans and a search) and brought back
    // with Bean ▸ Status ▸ Reactivate from the main menu: active again.
    klawisze({QStringLiteral("ctrl+7")});
    const QString zarchiwizowana = R(QStringLiteral("Archived Beans/_Main_Flow/Seedlings"));
    ASSERT_TRUE(czekajNaPlik(zarchiwizowana)) << "not archived";
    QTest::qWait(500);
    zrzut(QStringLiteral("archived-in-bean-view"));
    klawisze({QStringLiteral("alt+g"), QStringLiteral("r")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Archived Beans"))) << tytul().toStdString();
    klawisze({QStringLiteral("ctrl+f"), QStringLiteral("ctrl+a")});
    pisz(QStringLiteral("Seedlings"));
    QTest::qWait(800);
    kliknij(QPoint(xNazwy, wierszArchiwumPodNaglowkiem));
    klawisze({QStringLiteral("alt+b"), QStringLiteral("u")});
    zrzut(QStringLiteral("main-menu-reactivate"));
    klawisze({QStringLiteral("e")});
    const QString aktywna = wszystkie + QStringLiteral("_Main_Flow/Seedlings");
    ASSERT_TRUE(czekajNaPlik(aktywna)) << "not reactivated (as active)";
    EXPECT_FALSE(istnieje(zarchiwizowana));
    zrzut(QStringLiteral("reactivated"));

    // A search: only the matches listed ("Projekt 0010", "0011", "0018", "0019").
    kliknij(wierszPotoku(0));
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    klawisze({QStringLiteral("ctrl+f"), QStringLiteral("ctrl+a")});
    pisz(QStringLiteral("Projekt 001"));
    EXPECT_TRUE(
        poczekaj([&] { return pokazujeCos(nazwaWWierszu(3)) && !pokazujeCos(nazwaWWierszu(4)); }, czasNaWynikMs))
        << "not four matches";
    zrzut(QStringLiteral("search"));

    // Open in New Tab (Ctrl+Return), then Bean ▸ Show in Flow from the bean tab: the window's active
    // tab is no portfolio tab, so a new window shows the flow with the bean selected.
    kliknij(wierszListy(1));
    klawisze({QStringLiteral("ctrl+Return")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Projekt 0011"))) << tytul().toStdString();
    zrzut(QStringLiteral("bean-tab"));
    const QString oknoKartyFasolki = m_okno;
    klawisze({QStringLiteral("alt+b"), QStringLiteral("f")});
    ASSERT_TRUE(poczekaj([&] { return okna().size() == 2; }, 5000)) << "no window shows the flow";
    m_okno = okna().at(okna().at(0) == oknoKartyFasolki ? 1 : 0);
    aktywujOkno();
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    QTest::qWait(500);
    zrzut(QStringLiteral("shown-in-flow"));
    klawisze({QStringLiteral("ctrl+shift+w")});
    ASSERT_TRUE(poczekaj([&] { return okna() == QStringList{oknoKartyFasolki}; }, 5000)) << "the new window stayed";
    m_okno = oknoKartyFasolki;
    aktywujOkno();
    klawisze({QStringLiteral("ctrl+Prior")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();

    // The navigation bar collapsed by its divider and brought back.
    // The bar's green shows right of its rows' names, or the white list over it.
    const auto zielonyPasek = [](const QImage &obraz) {
        const QColor piksel = obraz.pixelColor(180, 400);
        return piksel.green() > piksel.red() + 15 && piksel.green() > piksel.blue() + 15;
    };
    przeciagnij(QPoint(dzielnikPaska, 400), QPoint(22, 400));
    EXPECT_FALSE(zielonyPasek(zrzut(QStringLiteral("navigation-bar-collapsed")))) << "the bar did not collapse";
    // The collapsed bar leaves a grip 27 wide at the card's left edge.
    przeciagnij(QPoint(40, 400), QPoint(dzielnikPaska, 400));
    EXPECT_TRUE(zielonyPasek(zrzut(QStringLiteral("navigation-bar-back")))) << "the bar did not come back";

    klawisze({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(zakonczony());
    EXPECT_EQ(m_program.exitCode(), 0);
    sprawdzRachunek(QStringLiteral("a day's work"));
}
