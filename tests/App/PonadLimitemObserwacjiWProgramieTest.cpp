#include "Support/LimitObserwacji.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Browser/KontrolerKartyPortfolio.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Views/KontrolerPaskaNawigacji.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"

#include <QFile>

namespace {

// The program started with watches for the folders above the portfolio and its two roots only.
class PonadLimitemObserwacjiWProgramie : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        const QString powod =
            LimitObserwacji::pozwolNaJeszcze(LimitObserwacji::katalogowPowyzej(R(QStringLiteral("All Beans"))) + 2);
        if (!powod.isEmpty())
            GTEST_SKIP() << qPrintable(powod);
        UruchomionyProgram::SetUp();
    }

    int powiadomienOLimicie() const
    {
        int ile = 0;
        for (const NagrywarkaAlertow::Wpis &wpis : m_alerty.wpisy())
            ile += wpis.alert.informativeText().contains(QLatin1String("fs.inotify.max_user_watches"));
        return ile;
    }

    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(PonadLimitemObserwacjiWProgramie, TheWindowTellsOnceWhichSettingRaisesTheLimit)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return powiadomienOLimicie() > 0; }, czasNaZdarzenieMs));
    const NagrywarkaAlertow::Wpis wpis = m_alerty.wpisy().constLast();
    EXPECT_EQ(wpis.okno, m_okno);
    EXPECT_EQ(wpis.alert.messageText(), QStringLiteral("Tarrowind cannot follow every folder of the portfolio: the "
                                                       "system's limit of folder watches is reached."));
    // A stream started again meets the same limit; the user has been told.
    baza()->obserwatorZmianNaDysku()->updateEventListenerAfterUrlBazowyChange();
    przeczekajCisze(ciszaMs * 2);
    EXPECT_EQ(powiadomienOLimicie(), 1);
}

TEST_F(PonadLimitemObserwacjiWProgramie, AFlowShownInTheWindowShowsTheBeanAnotherProgramMadeMeanwhile)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return powiadomienOLimicie() > 0; }, czasNaZdarzenieMs));
    WidokZaryseliPaskaNawigacji *pasek =
        kartaPortfolio()->kontrolerKartyPortfolio()->kontrolerPaskaNawigacji()->widokZaryseli();
    const QModelIndex wiersz = pasek->model()
                                   ->match(pasek->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Potok 0002"),
                                           1, Qt::MatchExactly | Qt::MatchRecursive)
                                   .value(0);
    ASSERT_TRUE(wiersz.isValid());
    ASSERT_FALSE(pasek->selectionModel()->isSelected(wiersz));

    ASSERT_TRUE(
        QFile(R(QStringLiteral("All Beans/Potok 0002/_Ready/Z innego programu.txt"))).open(QIODevice::WriteOnly));
    przeczekajCisze();
    ASSERT_EQ(fasolka(QStringLiteral("Potok 0002"), QStringLiteral("Z innego programu.txt")), nullptr)
        << "the status folder is watched after all";

    const QRect prostokat = pasek->visualRect(wiersz);
    QTest::mouseClick(m_okno->windowHandle(), Qt::LeftButton, {}, pasek->viewport()->mapTo(m_okno, prostokat.center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasek->selectionModel()->isSelected(wiersz); }));
    // Read as the flow is shown, long before the next look at the unwatched folders.
    EXPECT_NE(fasolka(QStringLiteral("Potok 0002"), QStringLiteral("Z innego programu.txt")), nullptr);
}
