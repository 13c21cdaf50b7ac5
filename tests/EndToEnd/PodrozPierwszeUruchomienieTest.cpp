// Journey 1: the first run. An empty home, the set-up wizard, the real folder dialog with the path
// typed in, Create, and the start of use: one window on "Main Flow", the portfolio on disk.

#include "Podroz.h"

#include <QColor>
#include <QTest>

namespace {

// The wooden desk shows around the wizard's white page.
bool deskaIStrona(const QImage &obraz)
{
    const QColor deska = obraz.pixelColor(5, obraz.height() / 2);
    return deska.red() > deska.blue() + 40
           && obraz.pixelColor(obraz.width() / 2, obraz.height() / 2) == QColor(Qt::white);
}

} // namespace

TEST_F(Podroz, PierwszeUruchomienie)
{
    // Started and left from its wizard: the program ends and makes no portfolio. A second launch
    // meanwhile brings the wizard forward.
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno()) << "one window, the wizard alone";
    EXPECT_EQ(tytul(), QStringLiteral("Tarrowind"));
    ASSERT_NO_FATAL_FAILURE(ponowneUruchomienieWysuwaNaPrzod(m_okno));
    EXPECT_EQ(okna(), QStringList{m_okno}) << "the wizard alone still";
    QImage obraz;
    EXPECT_TRUE(poczekaj([&] { return deskaIStrona(obraz = zrzut(QStringLiteral("wizard-welcome"))); }, 10000))
        << "a white page on the wooden desk";
    // Quit, bottom left of the page.
    kliknij(QPoint(85, geometria().height() - 54));
    ASSERT_TRUE(zakonczony()) << "the program went on after its wizard was closed";
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_FALSE(istnieje(m_baza.sciezka(QStringLiteral("Tarrowind")))) << "quitting made no portfolio";

    // Again, and through: Continue, Choose… (the folder dialog), the path typed in, Create, Start Using.
    ASSERT_TRUE(uruchomProgram());
    ASSERT_TRUE(czekajNaOkno());
    const QString kreator = m_okno;
    klawisze({QStringLiteral("Return")});
    zrzut(QStringLiteral("wizard-choose-a-location"));
    // "Choose…" has the focus, and Return presses it.
    klawisze({QStringLiteral("Return")});
    ASSERT_TRUE(poczekaj([&] { return okna().size() == 2; }, 10000)) << "no folder dialog";
    QTest::qWait(500);
    zrzut(QStringLiteral("folder-dialog"));
    klawisze({QStringLiteral("ctrl+a")});
    pisz(m_baza.sciezka());
    zrzut(QStringLiteral("folder-dialog-path-typed"));
    klawisze({QStringLiteral("Return")});
    if (!poczekaj([&] { return okna().size() == 1; }, 2000))
        klawisze({QStringLiteral("Return")}); // the first Return took the completion
    ASSERT_TRUE(poczekaj([&] { return okna() == QStringList{kreator}; }, 5000)) << "the folder dialog stayed";
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), kreator});
    QTest::qWait(300);
    zrzut(QStringLiteral("wizard-create"));
    EXPECT_FALSE(istnieje(R())) << "nothing made before Create";
    klawisze({QStringLiteral("Return")});
    ASSERT_TRUE(czekajNaPlik(R(QStringLiteral("All Beans/_Main_Flow")), 10000)) << "Create made no portfolio";
    EXPECT_TRUE(istnieje(R(QStringLiteral("Archived Beans"))));
    // The last page follows the set-up's pauses; Return there starts the use.
    ASSERT_TRUE(poczekaj(
        [&] {
            if (okna() != QStringList{kreator})
                return true;
            xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), kreator});
            zrzut(QStringLiteral("wizard-ready"));
            klawisze({QStringLiteral("Return")});
            QTest::qWait(700);
            return okna() != QStringList{kreator};
        },
        15000))
        << "the wizard did not give way";
    ASSERT_TRUE(czekajNaOkno()) << "exactly one browser window";
    EXPECT_NE(m_okno, kreator);
    EXPECT_TRUE(czekajNaTytul(QStringLiteral("Flow: Main Flow"))) << tytul().toStdString();
    zrzut(QStringLiteral("main-flow"));

    klawisze({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(zakonczony());
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 0);
}
