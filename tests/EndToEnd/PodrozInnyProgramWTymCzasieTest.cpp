// Journey 3: another program meanwhile. It moves a bean of the shown flow into "_Ready": the flow
// list shows it there (the time it took is printed, not asserted), and Ctrl+6 on it lands it in "_Done", which a graph
// left behind could not. Then it renames the folder of the bean open in the bean tab: the tab closes, its bean being
// gone, and the new name shows in the flow list.

#include "Podroz.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

TEST_F(Podroz, InnyProgramWTymCzasie)
{
    // "Potok 0001" with the scope Ready: "Fasolka 0004.odt" and "Projekt 0010", in name order.
    ASSERT_NO_FATAL_FAILURE(
        zapiszPortfolio({.potoki = 3, .fasolkiNaPotok = 12, .fasolkiNaArchiwumPotoku = 2},
                        {{QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji"), szerokoscPaska},
                         {QStringLiteral("KartaPortfolio.wybranyWidok"), QStringLiteral("Potok 0001")},
                         {QStringLiteral("KartaPortfolio.statusPaskaZakresu"), 5}}));
    const QString potok = R(QStringLiteral("All Beans/Potok 0001"));
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno());
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Potok 0001"))) << tytul().toStdString();
    QTest::qWait(500);
    zrzut(QStringLiteral("flow-scope-ready"));
    ASSERT_TRUE(pokazujeCos(nazwaWWierszu(1)));
    ASSERT_FALSE(pokazujeCos(nazwaWWierszu(2)));

    // An active bean moved into "_Ready" by another program comes first in the list.
    ASSERT_TRUE(
        QDir().rename(potok + QStringLiteral("/Fasolka 0000.txt"), potok + QStringLiteral("/_Ready/Fasolka 0000.txt")));
    QElapsedTimer zegar;
    zegar.start();
    EXPECT_TRUE(poczekaj([&] { return pokazujeCos(nazwaWWierszu(2)); }, czasNaWynikMs)) << "the list did not follow";
    std::printf("The flow list followed another program's move after %lld ms\n", zegar.elapsed());
    zrzut(QStringLiteral("moved-into-ready-by-another-program"));
    kliknij(nazwaWWierszu(0).center());
    klawisze({QStringLiteral("ctrl+6")});
    EXPECT_TRUE(czekajNaPlik(potok + QStringLiteral("/_Done/Fasolka 0000.txt")))
        << "Ctrl+6 did not reach the moved bean";
    EXPECT_FALSE(istnieje(potok + QStringLiteral("/_Ready/Fasolka 0000.txt")));
    EXPECT_TRUE(poczekaj([&] { return !pokazujeCos(nazwaWWierszu(2)); }, czasNaWynikMs))
        << "the done bean stayed in the Ready list";
    zrzut(QStringLiteral("done-by-ctrl-6"));

    // The folder bean open in a bean tab, renamed by another program: the tab closes.
    kliknij(nazwaWWierszu(1).center());
    klawisze({QStringLiteral("ctrl+Return")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Projekt 0010"))) << tytul().toStdString();
    zrzut(QStringLiteral("bean-tab"));
    ASSERT_TRUE(QDir().rename(potok + QStringLiteral("/_Ready/Projekt 0010"),
                              potok + QStringLiteral("/_Ready/Projekt 0010 renamed")));
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Potok 0001"))) << "the bean tab stayed: " << tytul().toStdString();
    QTest::qWait(300);
    zrzut(QStringLiteral("bean-tab-closed-new-name-in-list"));
    // The row is the renamed bean: Ctrl+6 moves the new name.
    kliknij(nazwaWWierszu(1).center());
    klawisze({QStringLiteral("ctrl+6")});
    EXPECT_TRUE(czekajNaPlik(potok + QStringLiteral("/_Done/Projekt 0010 renamed")))
        << "the row is not the renamed bean";

    klawisze({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(zakonczony());
    EXPECT_EQ(m_program.exitCode(), 0);
    sprawdzRachunek(QStringLiteral("another program's moves and renames"));
}
