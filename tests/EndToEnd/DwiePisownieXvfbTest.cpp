#include "Support/Ui/NazwyWProgramie.h"
#include "Support/ZrzutOkna.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

// On a real X server: the alert the start-up shows for the names it cannot show, over the window,
// and the window with both spellings of "Café.txt" in the bean list and of "Flöw" in the navigation
// bar. The screenshots are for people to look at.
class NazwyNaSerwerzeX : public NazwyWProgramie
{
protected:
    void przedUruchomieniem() override
    {
        NazwyWProgramie::przedUruchomieniem();
        // The alert runs its own loop from the start-up's next turn on: it is caught from a timer.
        m_straznik.setInterval(20);
        QObject::connect(&m_straznik, &QTimer::timeout, [this] {
            auto *okienko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!okienko || !okienko->isVisible() || !QTest::qWaitForWindowExposed(okienko))
                return;
            m_straznik.stop();
            m_tekstAlertu = okienko->text();
            QList<QWidget *> okna{okienko};
            if (m_okno)
                okna.prepend(m_okno);
            zrzutOkien(okna, QStringLiteral("nazwy-poza-kodowaniem.png"));
            okienko->done(0);
            // With no window manager nobody hands the activation back, as one would for the user.
            if (m_okno)
                m_okno->activateWindow();
        });
        m_straznik.start();
    }

    QTimer m_straznik;
    QString m_tekstAlertu;
};

} // namespace

TEST_F(NazwyNaSerwerzeX, TheNoticeOfNamesItCannotShowAndTwinsInBothSpellings)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_tekstAlertu.isEmpty(); }, 5000));
    EXPECT_TRUE(m_tekstAlertu.contains(QStringLiteral("holds 2 items whose names Tarrowind cannot show")))
        << qPrintable(m_tekstAlertu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_okno));
    ASSERT_NE(lista(), nullptr);
    EXPECT_EQ(sciezkiListy().filter(QStringLiteral("Caf")).size(), 2);
    zrzutOkna(m_okno, QStringLiteral("dwie-pisownie.png"));
}
