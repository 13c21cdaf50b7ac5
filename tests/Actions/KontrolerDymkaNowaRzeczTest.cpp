#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Actions/DymekNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Support/CzasyOczekiwania.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with a focused field and the button that opens the popover.
class DymekNowaRzeczTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *uklad = new QVBoxLayout(&m_okno);
        uklad->addWidget(m_poprzednie = new QLineEdit);
        uklad->addWidget(m_przycisk = new QPushButton(QStringLiteral("+")));
        m_okno.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_okno));
        m_poprzednie->setFocus();
    }

    void otworz(QObject *zadajacy)
    {
        m_kontroler.wyswietlDymekNowaRzeczWObiektMetodaKonczacaPrzyPrzycisku(
            rnrFasolka, QStringLiteral("Work"), zadajacy,
            [this](const QString &nazwa) { m_wywolania << nazwa + (m_poprzednie->hasFocus() ? "" : " bez fokusu"); },
            m_przycisk);
    }
    PoleNazwa *pole() { return m_kontroler.poleNazwa(); }
    bool otwarty() { return m_kontroler.dymek()->isVisible(); }

    QWidget m_okno;
    QLineEdit *m_poprzednie = nullptr;
    QPushButton *m_przycisk = nullptr;
    QObject m_zadajacy;
    KontrolerDymkaNowaRzecz m_kontroler;
    QStringList m_wywolania;
};

} // namespace

TEST(NowaRzecz, TheCaptionSaysWhatIsMadeAndWhere)
{
    const struct
    {
        int rodzaj;
        QString kontener, opis, nazwa;
    } przypadki[] = {
        {0, "Work", "", "rnrRodzajNieokreslony"},
        {1, "Work", "New Bean in 'Work'", "rnrFasolka"},
        {2, "Work", "New Directory in 'Work'", "rnrKatalog"},
        {2, "_Flow_Items", "New Directory in 'Flow Items'", "rnrKatalog"},
        {2, "", "New Directory", "rnrKatalog"},
        {3, "Work", "New Flow", "rnrPotok"},
        {4, "Work", "", ""},
    };
    for (const auto &p : przypadki) {
        const auto rodzaj = RodzajNowejRzeczy(p.rodzaj);
        EXPECT_EQ(KontrolerDymkaNowaRzecz::opisNowejRzeczy(rodzaj, p.kontener), p.opis) << p.rodzaj;
        EXPECT_EQ(KontrolerDymkaNowaRzecz::tekstowyRodzajNowejRzeczy(rodzaj), p.nazwa) << p.rodzaj;
    }
}

TEST_F(DymekNowaRzeczTest, OnlyReturnWithANameCallsALivingRequesterOnceAfterTheFocusCameBack)
{
    for (Qt::Key koniec : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Return}) {
        otworz(&m_zadajacy);
        EXPECT_TRUE(pole()->text().isEmpty()) << "each opening starts empty";
        QTest::keyClick(pole(), Qt::Key_Return);
        przeczekajCisze(50);
        EXPECT_TRUE(otwarty()) << "Return in an empty field";
        QTest::keyClicks(pole(), QStringLiteral("Nowa"));
        QTest::keyClick(koniec == Qt::Key_Escape ? static_cast<QWidget *>(m_kontroler.dymek()) : pole(), koniec);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !otwarty(); }, 5000)) << koniec;
        EXPECT_TRUE(m_poprzednie->hasFocus()) << koniec;
    }
    EXPECT_EQ(m_kontroler.poleOpis()->text(), QStringLiteral("New Bean in 'Work'"));
    otworz(&m_zadajacy);
    m_kontroler.dymek()->close();
    auto *zadajacy = new QObject;
    otworz(zadajacy);
    QTest::keyClicks(pole(), QStringLiteral("Druga"));
    delete zadajacy;
    QTest::keyClick(pole(), Qt::Key_Return);
    przeczekajCisze(50);
    EXPECT_EQ(m_wywolania, QStringList{QStringLiteral("Nowa")}) << "not repeated, nor given to a requester gone";
}
