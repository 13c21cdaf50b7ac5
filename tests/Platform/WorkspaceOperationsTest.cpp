#include "Platform/WorkspaceOperations.h"
#include "Platform/TreeCopier.h"

#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/PozostawioneKopie.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <QThread>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <utility>

namespace {

class Duplikaty : public ::testing::Test
{
protected:
    void TearDown() override { TreeCopier::setCopiedHookForTests({}); }

    // What lies in the folder besides the original, hidden items too.
    QStringList obokOryginalu(const QString &oryginal) const
    {
        QStringList wpisy = QDir(dir.sciezka()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        wpisy.removeAll(QFileInfo(oryginal).fileName());
        return wpisy;
    }

    KatalogTestowy dir;
};

struct Duplikat
{
    const char *nazwa;
    const char *kopia;
    // Makes the original in the folder and answers its path.
    QString (*przygotuj)(KatalogTestowy &dir);
};

QString folderZPrywatnymiTrybami(KatalogTestowy &dir)
{
    const QString fasolka = dir.katalog(QStringLiteral("Projekt"));
    for (int i = 0; i < 40; ++i)
        dir.plik(QStringLiteral("Projekt/teczka/plik %1.txt").arg(i));
    dir.plik(QStringLiteral("Projekt/skrypt.sh"), "#!/bin/sh\n");
    chmod(QFile::encodeName(fasolka + QStringLiteral("/skrypt.sh")).constData(), 0750);
    chmod(QFile::encodeName(fasolka + QStringLiteral("/teczka")).constData(), 0751);
    chmod(QFile::encodeName(fasolka).constData(), 0755);
    return fasolka;
}

QString plikTylkoDoOdczytu(KatalogTestowy &dir)
{
    const QString plik = dir.plik(QStringLiteral("Umowa.pdf"), QByteArray(64 * 1024, 'u'));
    chmod(QFile::encodeName(plik).constData(), 0444);
    return plik;
}

class DuplikatyWTabeli : public Duplikaty, public ::testing::WithParamInterface<Duplikat>
{
};

} // namespace

TEST_P(DuplikatyWTabeli, TheCopyTakesItsNameOnlyWhenCompleteWithTheOriginalsModes)
{
    const Duplikat &d = GetParam();
    const QString oryginal = d.przygotuj(dir);
    const QString kopia = dir.sciezka(QLatin1String(d.kopia));
    // In the middle of the copy nothing is listed under the copy's name.
    std::atomic<int> widocznaWTrakcie = 0;
    std::atomic<int> skopiowane = 0;
    TreeCopier::setCopiedHookForTests([&](const QString &) {
        ++skopiowane;
        if (QFileInfo::exists(kopia))
            ++widocznaWTrakcie;
    });
    std::optional<std::optional<BladOperacji>> wynik;
    QObject kontekst;
    WorkspaceOperations::duplicateURLs({oryginal}, &kontekst,
                                       [&](const std::optional<BladOperacji> &blad) { wynik = blad; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return wynik.has_value(); }, 10000));
    EXPECT_FALSE(wynik->has_value()) << wynik->value().przyczyna.toStdString();
    EXPECT_GT(skopiowane, 0);
    EXPECT_EQ(widocznaWTrakcie, 0);
    EXPECT_EQ(migawkaKatalogu(kopia), migawkaKatalogu(oryginal)) << "the same items with the same modes";
    struct stat wOryginale, wKopii;
    ASSERT_EQ(lstat(QFile::encodeName(oryginal).constData(), &wOryginale), 0);
    ASSERT_EQ(lstat(QFile::encodeName(kopia).constData(), &wKopii), 0);
    EXPECT_EQ(wKopii.st_mode, wOryginale.st_mode);
    EXPECT_EQ(obokOryginalu(oryginal), QStringList{QFileInfo(kopia).fileName()}) << "no temporary stays";
    EXPECT_TRUE(PozostawioneKopie::zapisane().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Duplikaty, DuplikatyWTabeli,
                         ::testing::Values(Duplikat{"AFolderBean", "Projekt copy", folderZPrywatnymiTrybami},
                                           Duplikat{"AReadOnlyFileBean", "Umowa copy.pdf", plikTylkoDoOdczytu}),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

TEST_F(Duplikaty, ANameTakenMeanwhileGivesTheNextNameAndKeepsWhatTookIt)
{
    const QString oryginal = folderZPrywatnymiTrybami(dir);
    bool zajeta = false;
    TreeCopier::setCopiedHookForTests([&](const QString &) {
        if (!std::exchange(zajeta, true))
            dir.plik(QStringLiteral("Projekt copy/cudzy.txt"), "cudzy");
    });
    std::optional<std::optional<BladOperacji>> wynik;
    QObject kontekst;
    WorkspaceOperations::duplicateURLs({oryginal}, &kontekst,
                                       [&](const std::optional<BladOperacji> &blad) { wynik = blad; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return wynik.has_value(); }, 10000));
    EXPECT_FALSE(wynik->has_value());
    EXPECT_EQ(migawkaKatalogu(dir.sciezka(QStringLiteral("Projekt copy 2"))), migawkaKatalogu(oryginal));
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("Projekt copy/cudzy.txt"))), QByteArray("cudzy"));
    EXPECT_EQ(obokOryginalu(oryginal), QStringList({QStringLiteral("Projekt copy"), QStringLiteral("Projekt copy 2")}));
}

TEST_F(Duplikaty, CancelledAsTheProgramEndsItLeavesNeitherACopyNorATemporaryAndNeverAnswers)
{
    const QString oryginal = folderZPrywatnymiTrybami(dir);
    std::atomic<bool> wTrakcie = false;
    std::atomic<bool> anulowany = false;
    TreeCopier::setCopiedHookForTests([&](const QString &) {
        wTrakcie = true;
        // Held until the cancel, as a long copy would be.
        while (!anulowany)
            QThread::msleep(1);
    });
    bool odpowiedz = false;
    QObject kontekst;
    WorkspaceOperations::duplicateURLs({oryginal}, &kontekst,
                                       [&](const std::optional<BladOperacji> &) { odpowiedz = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return wTrakcie.load(); }, 10000));
    EXPECT_EQ(obokOryginalu(oryginal).size(), 1) << "only the hidden temporary";
    EXPECT_EQ(PozostawioneKopie::zapisane().size(), 1);
    // Let go only once the cancel is under way: the main thread waits inside it.
    std::thread zwolnienie([&] {
        QThread::msleep(100);
        anulowany = true;
    });
    WorkspaceOperations::cancelAndWait();
    zwolnienie.join();
    EXPECT_TRUE(obokOryginalu(oryginal).isEmpty()) << obokOryginalu(oryginal).join(' ').toStdString();
    EXPECT_TRUE(PozostawioneKopie::zapisane().isEmpty());
    QTest::qWait(200);
    EXPECT_FALSE(odpowiedz);
}
