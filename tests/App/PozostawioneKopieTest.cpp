#include "Support/PozostawioneKopie.h"
#include "Support/Ui/UruchomionyProgram.h"

#include "Platform/TemporaryCopy.h"
#include "Platform/UserDefaults.h"

#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"

using namespace PozostawioneKopie;

namespace {

// The program starts after a move was killed in the middle of its copy, while another instance
// still copies into the same folder.
class StartPoPrzerwanymPrzenoszeniu : public UruchomionyProgram
{
protected:
    void SetUp() override
    {
        m_porzucona = zostaw(m_cel.sciezka(), QStringLiteral(".tarrowind-0123456789abcdef.tmp"), znacznikZabitego());
        m_zywa = zostaw(m_cel.sciezka(), QStringLiteral(".tarrowind-fedcba9876543210.tmp"),
                        TemporaryCopy::markerOf(m_dziala.pid));
        m_zywaPrzed = migawkaKatalogu(m_zywa);
        m_cel.plik(QStringLiteral("notatki.txt"), "notatki");
        UruchomionyProgram::SetUp();
    }

    void TearDown() override
    {
        UruchomionyProgram::TearDown();
        UserDefaults::standard().removeObject(klucz());
    }

    KatalogTestowy m_cel;
    Proces m_dziala;
    QString m_porzucona;
    QString m_zywa;
    QStringList m_zywaPrzed;
};

TEST_F(StartPoPrzerwanymPrzenoszeniu, TheStartRemovesTheKilledMovesCopyAndKeepsTheRunningOne)
{
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !KatalogTestowy::istnieje(m_porzucona) && zapisane() == QStringList{m_zywa}; }, 10000));
    EXPECT_EQ(migawkaKatalogu(m_zywa), m_zywaPrzed);
    EXPECT_EQ(KatalogTestowy::czytaj(m_cel.sciezka(QStringLiteral("notatki.txt"))), "notatki");
}

} // namespace
