#include "Support/Ui/LapaczAlertu.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Platform/FolderListing.h"

#include <QDir>
#include <QGuiApplication>

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
        m_alert.lap(QStringLiteral("nieczytelny-katalog.png"), [this] { return m_okno; });
    }
    void TearDown() override
    {
        FolderListing::setFaultHookForTests({});
        UruchomionyProgram::TearDown();
    }

    QString m_rzeczy;
    LapaczAlertu m_alert;
};

} // namespace

TEST_F(NieczytelnyKatalogNaSerwerzeX, TheNoticeOfAFolderItCannotRead)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alert.zlapany(); }, 5000));
    EXPECT_EQ(m_alert.tekst(), QStringLiteral("The contents of \u201C%1\u201D cannot be read. You don\u2019t have "
                                              "permission to access \u201C_Flow_Items\u201D.")
                                   .arg(m_rzeczy));
}
