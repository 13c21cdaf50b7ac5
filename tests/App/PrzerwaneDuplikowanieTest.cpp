#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Platform/TreeCopier.h"
#include "Platform/WorkspaceOperations.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/PozostawioneKopie.h"
#include "Support/ProcesDziecka.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/StartProgramu.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

namespace {

constexpr char zmiennaFasolki[] = "TARROWIND_TEST_DUPLIKOWANA_FASOLKA";

QStringList wpisyPotoku(const QString &potok)
{
    return QDir(potok).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// The child: the program duplicating a bean until the parent kills it in the middle of the copy.
TEST(PrzerwaneDuplikowanieWDziecku, DISABLED_DuplicatesUntilKilled)
{
    ASSERT_TRUE(ProcesDziecka::jestemDzieckiem());
    std::atomic<int> skopiowane = 0;
    TreeCopier::setCopiedHookForTests([&](const QString &) {
        if (++skopiowane == 100)
            ProcesDziecka::zglosGotowoscICzekajNaSmierc();
    });
    WorkspaceOperations::duplicateURLs({qEnvironmentVariable(zmiennaFasolki)}, QCoreApplication::instance(),
                                       [](const std::optional<BladOperacji> &) {});
    QTest::qWait(60000);
    FAIL() << "not killed";
}

TEST(PrzerwaneDuplikowanie, AKilledDuplicateIsNoBeanAndTheNextStartRemovesItsTemporary)
{
    KatalogTestowy dir;
    const QString portfolio = zrobPortfolio(dir.sciezka(), 3);
    const QString potok = portfolio + QStringLiteral("/All Beans/_Main_Flow");
    for (int i = 0; i < 300; ++i)
        dir.plik(QStringLiteral("Tarrowind/All Beans/_Main_Flow/Duzy projekt/czesc %1/plik.txt").arg(i % 30)
                 + QString::number(i));
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(dir.sciezka()));
    const QStringList przed = wpisyPotoku(potok);
    {
        ProcesDziecka dziecko(QStringLiteral("PrzerwaneDuplikowanieWDziecku.DISABLED_DuplicatesUntilKilled"),
                              {{QString::fromLatin1(zmiennaFasolki), potok + QStringLiteral("/Duzy projekt")}});
        ASSERT_TRUE(dziecko.czekajNaGotowosc(60000)) << dziecko.wyjscie().toStdString();
        // Halfway through: the copy is not listed under its name, only as a hidden temporary.
        const QStringList wTrakcie = wpisyPotoku(potok);
        EXPECT_EQ(wTrakcie.size(), przed.size() + 1) << wTrakcie.join(' ').toStdString();
        EXPECT_FALSE(wTrakcie.contains(QStringLiteral("Duzy projekt copy")));
        dziecko.zabij();
    }
    EXPECT_EQ(wpisyPotoku(potok).size(), przed.size() + 1) << "the kill left the temporary";

    UserDefaults::standard().synchronize();
    SpecKatalog::sharedSpecKatalog()->zapomnijWczytanaLokalizacje();
    StosCoreData::sharedStosCoreData()->nowyKontekst();
    NagrywarkaAlertow alerty;
    std::unique_ptr<UruchomienieProgramu> uruchomienie;
    BrowserWindow *okno = nullptr;
    uruchomProgram(uruchomienie, okno);
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(QTest::qWaitFor([&] { return wpisyPotoku(potok) == przed; }, 10000))
        << wpisyPotoku(potok).join(' ').toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return PozostawioneKopie::zapisane().isEmpty(); }, 5000));
    QStringList fasolki;
    for (Fasolka *fasolka : BazaFasolek::sharedBazaFasolek()->potokGlowny()->fasolki())
        fasolki << fasolka->nazwa();
    fasolki.sort();
    EXPECT_EQ(fasolki.filter(QStringLiteral("copy")), QStringList()) << fasolki.join(' ').toStdString();
    EXPECT_TRUE(fasolki.contains(QStringLiteral("Duzy projekt")));
    EXPECT_TRUE(alerty.wpisy().isEmpty());
    zatrzymajProgram(uruchomienie);
}
