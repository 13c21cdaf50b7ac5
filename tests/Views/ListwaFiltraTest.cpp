#include "Views/ListwaFiltra.h"
#include "Views/ListwaZakresu.h"

#include "Support/CzasyOczekiwania.h"

#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(ListwaFiltra, ThePhraseFollowsTypingAfterAPauseAndReturnOrClearingAtOnce)
{
    ListwaFiltra listwa(nullptr);
    QLineEdit *pole = listwa.poleWyszukiwarki();
    QSignalSpy frazy(&listwa, &ListwaFiltra::frazaFiltraZmieniona);

    QTest::keyClicks(pole, QStringLiteral("ab"));
    EXPECT_EQ(frazy.count(), 0);
    ASSERT_TRUE(frazy.wait(5000));
    EXPECT_EQ(frazy.takeFirst().at(0).toString(), QStringLiteral("ab"));

    QTest::keyClicks(pole, QStringLiteral(" c"));
    QTest::keyClick(pole, Qt::Key_Return);
    ASSERT_EQ(frazy.count(), 1);
    EXPECT_EQ(frazy.takeFirst().at(0).toString(), QStringLiteral("ab c"));

    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole, Qt::Key_Backspace);
    ASSERT_EQ(frazy.count(), 1);
    EXPECT_EQ(frazy.takeFirst().at(0).toString(), QString());
    // No late echo of the typing that Return and clearing already gave.
    przeczekajCisze();
    EXPECT_EQ(frazy.count(), 0);

    pole->setText(QStringLiteral("stare"));
    listwa.przejdzDoWyszukiwarki();
    EXPECT_EQ(pole->selectedText(), QStringLiteral("stare"));
}

// Room to spare goes to the search field up to its width and then to the left of it, so the field
// keeps to the strip's right edge with the scope bar and without one (the archive).
TEST(ListwaFiltra, TheSearchFieldTakesItsWidthAtTheRightEdgeWhenThereIsRoom)
{
    ListwaZakresu zakres;
    for (ListwaZakresu *listwa : {static_cast<ListwaZakresu *>(nullptr), &zakres}) {
        ListwaFiltra pasek(listwa);
        pasek.resize(1200, pasek.sizeHint().height());
        pasek.show();
        QCoreApplication::processEvents();
        QLineEdit *pole = pasek.poleWyszukiwarki();
        EXPECT_EQ(pole->width(), ListwaFiltra::najszerszePoleWyszukiwarki)
            << (listwa ? "with" : "without") << " a scope bar";
        EXPECT_EQ(pole->geometry().right(), pasek.width() - 1 - pasek.layout()->contentsMargins().right());
    }
}
