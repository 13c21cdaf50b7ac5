// Journey 4: quit and start again. Ctrl+Q ends with status 0; the next start shows one window with
// one portfolio tab on the element last selected, with the scope, the division of All Beans and the
// widths and visibility of the navigation bar and the right panel as last left; no bean tab comes
// back, rows are plain again and the history is empty. A second launch raises the running window.

#include "Podroz.h"

#include <QColor>
#include <QTest>

namespace {

// Rows of All Beans' flow headers (pale green across the list) in a screenshot of the window.
int wierszeNaglowkowPotokow(const QImage &obraz)
{
    int wiersze = 0;
    for (int y = 0; y < obraz.height(); ++y) {
        const QColor piksel = obraz.pixelColor(obraz.width() * 2 / 3, y);
        wiersze += piksel.green() >= 250 && piksel.red() < piksel.green() - 5 && piksel.blue() < piksel.green() - 10
                   && piksel.blue() > 220;
    }
    return wiersze;
}

} // namespace

TEST_F(Podroz, ZakonczenieIPonownyStart)
{
    // On the flow view's bottom bar, and "Divided into Flows" on All Beans' scope bar.
    const int przyciskPanelaPrawego = szerokoscPaska + 85;
    const int przyciskPodzialu = 669;
    ASSERT_NO_FATAL_FAILURE(
        zapiszPortfolio({.potoki = 3, .fasolkiNaPotok = 12, .fasolkiNaArchiwumPotoku = 2},
                        {{QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji"), szerokoscPaska}}));
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno()) << "exactly one browser window";
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    ASSERT_NO_FATAL_FAILURE(ponowneUruchomienieWysuwaNaPrzod(m_okno));
    EXPECT_EQ(okna(), QStringList{m_okno}) << "the second launch opened nothing";
    zrzut(QStringLiteral("main-flow"));

    // A bean tab on the first folder bean (row 6, files sort first), then back to the portfolio tab.
    kliknij(wierszListy(6));
    klawisze({QStringLiteral("ctrl+Return")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Projekt 0006"))) << tytul().toStdString();
    zrzut(QStringLiteral("bean-tab"));
    klawisze({QStringLiteral("ctrl+Prior")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    // Tall rows (View ▸ Rows with Details), the right panel closed, the scope Done.
    klawisze({QStringLiteral("alt+v"), QStringLiteral("d")});
    kliknij(QPoint(przyciskPanelaPrawego, 610));
    zrzut(QStringLiteral("tall-rows-right-panel-closed"));
    // All Beans, undivided, with the bar 50 wider.
    klawisze({QStringLiteral("alt+g"), QStringLiteral("a")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("All Beans"))) << tytul().toStdString();
    EXPECT_GE(wierszeNaglowkowPotokow(zrzut(QStringLiteral("all-beans-divided"))), 34) << "no flow header row";
    kliknij(QPoint(przyciskPodzialu, 61));
    przeciagnij(QPoint(dzielnikPaska, 400), QPoint(dzielnikPaska + 50, 400));
    const QImage przedZakonczeniem = zrzut(QStringLiteral("all-beans-undivided-bar-wider"));
    EXPECT_EQ(wierszeNaglowkowPotokow(przedZakonczeniem), 0) << "All Beans still divided";

    klawisze({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(zakonczony()) << "Ctrl+Q did not end the program";
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 0);
    EXPECT_EQ(ustawienie(QStringLiteral("KartaPortfolio.wybranyWidok")).toString(), QStringLiteral("All Beans"));
    EXPECT_FALSE(ustawienie(QStringLiteral("KartaPortfolio.WszystkieFasolki.czyPodzialNaPotoki")).toBool());
    EXPECT_FALSE(ustawienie(QStringLiteral("KartaPortfolio.czyWidocznyPanelPrawy")).toBool());
    EXPECT_NEAR(ustawienie(QStringLiteral("KartaPortfolio.szerokoscPaskaNawigacji")).toDouble(), szerokoscPaska + 50,
                3);

    // Started again: as left, without the bean tab, the tall rows and the history.
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno()) << "exactly one browser window";
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("All Beans"))) << tytul().toStdString();
    QTest::qWait(500);
    const QImage poStarcie = zrzut(QStringLiteral("started-again-all-beans"));
    EXPECT_EQ(wierszeNaglowkowPotokow(poStarcie), 0) << "All Beans divided again";
    klawisze({QStringLiteral("alt+Left"), QStringLiteral("ctrl+Next")});
    QTest::qWait(500);
    EXPECT_EQ(tytul(), QStringLiteral("All Beans")) << "no history, no other tab";
    kliknij(wierszPotoku(0));
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    zrzut(QStringLiteral("started-again-main-flow-plain-rows"));

    // The archive, left and found again.
    klawisze({QStringLiteral("alt+g"), QStringLiteral("r")});
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Archived Beans"))) << tytul().toStdString();
    klawisze({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(zakonczony());
    EXPECT_EQ(m_program.exitCode(), 0);
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno());
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Archived Beans"))) << tytul().toStdString();
    QTest::qWait(500);
    zrzut(QStringLiteral("started-again-archive"));

    // Ears 26 high stand on the strip's bottom, 3 points below the card's top edge (found right of
    // the ears); they are 200 wide from x 6 and overlap by 16; a close button's middle is 28 in from
    // an ear's right end. The new-tab button, then both close buttons: the last tab closes the
    // window, and the program ends.
    const QImage obraz = zrzut(QStringLiteral("one-tab"));
    int gornaKrawedzKarty = 0;
    for (; gornaKrawedzKarty < obraz.height() / 2; ++gornaKrawedzKarty) {
        const QColor piksel = obraz.pixelColor(obraz.width() - 20, gornaKrawedzKarty);
        if (piksel.green() > piksel.red() + 15 && piksel.green() > piksel.blue() + 15)
            break;
    }
    ASSERT_LT(gornaKrawedzKarty, obraz.height() / 2) << "no green card";
    const int yUcha = gornaKrawedzKarty - 10;
    kliknij(QPoint(6 + 200 + 4 + 11, yUcha));
    QTest::qWait(500);
    const QImage dwieKarty = zrzut(QStringLiteral("two-tabs"));
    const QColor drugieUcho = dwieKarty.pixelColor(6 + 184 + 100, gornaKrawedzKarty - 20);
    EXPECT_GT(drugieUcho.green(), drugieUcho.red() + 15)
        << "above its title, where the desk showed, the second ear is green";
    kliknij(QPoint(6 + 184 + 200 - 28, yUcha));
    QTest::qWait(500);
    kliknij(QPoint(6 + 200 - 28, yUcha));
    ASSERT_TRUE(zakonczony()) << "the program went on after its last window closed";
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 0);
}
