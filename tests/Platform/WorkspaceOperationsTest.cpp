#include "Platform/WorkspaceOperations.h"
#include "Platform/Paths.h"
#include "Platform/TreeCopier.h"

#include "Support/KatalogTestowy.h"
#include "Support/MigawkaKatalogu.h"
#include "Support/PozostawioneKopie.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <QThread>

#include <atomic>
#include <sys/resource.h>
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

    // Duplicates the items in one run and waits for the answer: the last failure, or none.
    static std::optional<BladOperacji> zduplikuj(const QStringList &oryginaly)
    {
        std::optional<std::optional<BladOperacji>> wynik;
        QObject kontekst;
        WorkspaceOperations::duplicateURLs(oryginaly, &kontekst,
                                           [&](const std::optional<BladOperacji> &blad) { wynik = blad; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return wynik.has_value(); }, 10000)) << "no answer";
        return wynik.value_or(std::nullopt);
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
    const std::optional<BladOperacji> blad = zduplikuj({oryginal});
    EXPECT_FALSE(blad.has_value()) << blad->przyczyna.toStdString();
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
    const std::optional<BladOperacji> blad = zduplikuj({oryginal});
    EXPECT_FALSE(blad.has_value());
    EXPECT_EQ(migawkaKatalogu(dir.sciezka(QStringLiteral("Projekt copy 2"))), migawkaKatalogu(oryginal));
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("Projekt copy/cudzy.txt"))), QByteArray("cudzy"));
    EXPECT_EQ(obokOryginalu(oryginal), QStringList({QStringLiteral("Projekt copy"), QStringLiteral("Projekt copy 2")}));
}

// Each item holds the folder of its temporary open only while it is duplicated: a selection of more items than
// the process may open files at once is duplicated whole.
TEST_F(Duplikaty, MoreItemsThanTheProcessMayOpenFilesAtOnceAreAllDuplicated)
{
    QStringList oryginaly;
    for (int i = 0; i < 120; ++i)
        oryginaly << dir.plik(QStringLiteral("umowa %1.txt").arg(i), "umowa");
    struct rlimit przed;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &przed), 0);
    // Room for some 60 more descriptors than are open now.
    struct rlimit ciasny = przed;
    const QDir otwarte(QStringLiteral("/proc/self/fd"));
    ciasny.rlim_cur = rlim_t(otwarte.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()) + 60;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &ciasny), 0);
    const std::optional<BladOperacji> blad = zduplikuj(oryginaly);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &przed), 0);
    EXPECT_FALSE(blad.has_value()) << blad->przyczyna.toStdString();
    QStringList bezKopii;
    for (int i = 0; i < 120; ++i) {
        if (KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("umowa %1 copy.txt").arg(i))) != "umowa")
            bezKopii << QString::number(i);
    }
    EXPECT_EQ(bezKopii.join(u' ').toStdString(), "");
    EXPECT_EQ(obokOryginalu(oryginaly.constFirst()).size(), 2 * 120 - 1) << "no temporary stays";
    EXPECT_TRUE(PozostawioneKopie::zapisane().isEmpty());
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

namespace {

// Another program moves a folder while a duplicate copies into it: at the item given, or (none) as the
// copy completes, when the bean's own folder is reported last.
struct PrzeniesienieWTrakcie
{
    const char *nazwa;
    const char *katalog;   // moved, below the test folder
    const char *nowaNazwa; // where it goes, below the test folder
    int poIlu;
};

class PrzeniesionyKatalogDuplikatu : public Duplikaty, public ::testing::WithParamInterface<PrzeniesienieWTrakcie>
{
protected:
    // Every hidden temporary below the test folder, wherever it went.
    QStringList ukryteTymczasowe() const
    {
        QStringList wynik;
        QDirIterator it(dir.sciezka(), {QStringLiteral(".tarrowind-*")},
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            wynik << it.next();
        return wynik;
    }
};

} // namespace

// The temporary goes with its folder and is removed there; the failure names the bean, not an item inside it.
TEST_P(PrzeniesionyKatalogDuplikatu, TheTemporaryIsRemovedWhereItsFolderWentAndTheFailureNamesTheBean)
{
    const PrzeniesienieWTrakcie &p = GetParam();
    const QString fasolka = dir.katalog(QStringLiteral("Portfolio/Potok/_Done/Projekt"));
    for (int i = 0; i < 200; ++i)
        dir.plik(QStringLiteral("Portfolio/Potok/_Done/Projekt/czesc %1/f%2").arg(i % 10).arg(i));
    const QStringList przed = migawkaKatalogu(fasolka);
    const QString przeniesiona = dir.sciezka(QLatin1String(p.nowaNazwa))
                                 + fasolka.mid(dir.sciezka(QLatin1String(p.katalog)).size());
    std::atomic<int> skopiowane = 0;
    TreeCopier::setCopiedHookForTests([&](const QString &zrodlo) {
        if (p.poIlu ? ++skopiowane == p.poIlu : zrodlo == fasolka) {
            EXPECT_TRUE(QDir().rename(dir.sciezka(QLatin1String(p.katalog)), dir.sciezka(QLatin1String(p.nowaNazwa))));
        }
    });
    const std::optional<BladOperacji> blad = zduplikuj({fasolka});
    ASSERT_TRUE(blad.has_value());
    EXPECT_EQ(blad->przyczyna.toStdString(), "The item \u201CProjekt\u201D couldn\u2019t be found.");
    EXPECT_EQ(ukryteTymczasowe().join(u' ').toStdString(), "");
    EXPECT_TRUE(PozostawioneKopie::zapisane().isEmpty());
    EXPECT_EQ(migawkaKatalogu(przeniesiona), przed);
    EXPECT_EQ(QDir(Paths::parent(przeniesiona))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .join(u' ')
                  .toStdString(),
              "Projekt");
}

INSTANTIATE_TEST_SUITE_P(
    Duplikaty, PrzeniesionyKatalogDuplikatu,
    ::testing::Values(PrzeniesienieWTrakcie{"PortfolioRenamed", "Portfolio", "Portfolio 2", 50},
                      PrzeniesienieWTrakcie{"StatusFolderMovedOut", "Portfolio/Potok/_Done", "_Done", 50},
                      PrzeniesienieWTrakcie{"PortfolioRenamedAsTheCopyCompletes", "Portfolio", "Portfolio 2", 0}),
    [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });

namespace {

struct ZaDlugaNazwa
{
    const char *nazwa;
    QString oryginal;
    QString zajeta; // a copy name another item holds; none when empty
    QString nazwanaWBledzie;
};

class ZaDlugaNazwaKopii : public Duplikaty, public ::testing::WithParamInterface<ZaDlugaNazwa>
{
};

} // namespace

// The name that does not fit is the copy's; nothing of the copy stays.
TEST_P(ZaDlugaNazwaKopii, TheFailureNamesTheCopysNameAndLeavesNothing)
{
    const ZaDlugaNazwa &z = GetParam();
    ASSERT_LE(z.oryginal.toUtf8().size(), 255);
    const QString oryginal = dir.plik(z.oryginal, "umowa");
    if (!z.zajeta.isEmpty())
        dir.plik(z.zajeta, "cudza");
    const std::optional<BladOperacji> blad = zduplikuj({oryginal});
    ASSERT_TRUE(blad.has_value());
    EXPECT_EQ(blad->opis.toStdString(), "Could not duplicate the item.");
    EXPECT_EQ(blad->przyczyna.toStdString(),
              QStringLiteral("The name \u201C%1\u201D is too long.").arg(z.nazwanaWBledzie).toStdString());
    EXPECT_EQ(obokOryginalu(oryginal).join(u'|').toStdString(), z.zajeta.toStdString());
    EXPECT_EQ(KatalogTestowy::czytaj(oryginal), "umowa");
    EXPECT_TRUE(PozostawioneKopie::zapisane().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Duplikaty, ZaDlugaNazwaKopii,
                         ::testing::Values(ZaDlugaNazwa{"NoCopyNameFits",
                                                        QString(247, u'a') + QStringLiteral(".pdf"),
                                                        {},
                                                        QString(247, u'a') + QStringLiteral(" copy.pdf")},
                                           ZaDlugaNazwa{"TheFirstIsTakenAndTheNextDoesNotFit", QString(250, u'b'),
                                                        QString(250, u'b') + QStringLiteral(" copy"),
                                                        QString(250, u'b') + QStringLiteral(" copy 2")}),
                         [](const auto &wiersz) { return std::string(wiersz.param.nazwa); });
