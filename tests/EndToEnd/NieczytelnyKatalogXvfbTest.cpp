#include "Support/Ui/UruchomionyProgram.h"
#include "Support/ZrzutOkna.h"

#include "Platform/FolderListing.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include <cerrno>

namespace {

// On a real X server: the alert the start-up shows for the main flow's items folder it cannot read, over the
// window whose items outline stays empty. The screenshot is for people to look at.
class NieczytelnyKatalogNaSerwerzeX : public UruchomionyProgram
{
protected:
    void przedUruchomieniem() override
    {
        m_rzeczy = m_baza.sciezka(QStringLiteral("Tarrowind/All Beans/_Main_Flow/_Flow_Items"));
        ASSERT_TRUE(QDir().mkpath(m_rzeczy));
        FolderListing::setFaultHookForTests([this](const QString &katalog) -> std::optional<int> {
            return katalog == m_rzeczy ? std::optional<int>(EACCES) : std::nullopt;
        });
        // The alert runs its own loop: it is caught from a timer.
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
            zrzutOkien(okna, QStringLiteral("nieczytelny-katalog.png"));
            okienko->done(0);
            if (m_okno)
                m_okno->activateWindow();
        });
        m_straznik.start();
    }
    void TearDown() override
    {
        FolderListing::setFaultHookForTests({});
        UruchomionyProgram::TearDown();
    }

    QString m_rzeczy;
    QTimer m_straznik;
    QString m_tekstAlertu;
};

} // namespace

TEST_F(NieczytelnyKatalogNaSerwerzeX, TheNoticeOfAFolderItCannotRead)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_tekstAlertu.isEmpty(); }, 5000));
    EXPECT_EQ(m_tekstAlertu, QStringLiteral("The contents of \u201C%1\u201D cannot be read. You don\u2019t have "
                                            "permission to access \u201C_Flow_Items\u201D.")
                                 .arg(m_rzeczy));
}
