#include "Model/SpecKatalog.h"

#include "Platform/Bookmark.h"
#include "Platform/Paths.h"
#include "Platform/UserDefaults.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

const QString klucz = QString::fromLatin1(SpecKatalog::kluczUrlaBazowego);

TEST(SpecKatalogTest, NothingStoredGivesTheHomeFolder)
{
    SpecKatalog spec;
    EXPECT_FALSE(spec.czyJestUstawionyUrlBazowy_1_2());
    EXPECT_EQ(spec.urlBazowy(), QDir::homePath());
    EXPECT_EQ(spec.url(SpecKatalog::suWszystkieFasolki), QDir::homePath() + QStringLiteral("/Tarrowind/All Beans"));
    EXPECT_EQ(spec.url(SpecKatalog::suPotokGlowny),
              QDir::homePath() + QStringLiteral("/Tarrowind/All Beans/_Main_Flow"));
    EXPECT_EQ(spec.url(SpecKatalog::suArchiwum), QDir::homePath() + QStringLiteral("/Tarrowind/Archived Beans"));
    EXPECT_EQ(spec.url(6), QString());
    EXPECT_FALSE(KatalogTestowy::istnieje(QDir::homePath() + QStringLiteral("/Tarrowind"))) << "asking creates nothing";
}

TEST(SpecKatalogTest, BaseNamedTarrowindIsThePortfolioItselfButOtherCaseIsNot)
{
    KatalogTestowy dir;
    SpecKatalog spec;
    ASSERT_TRUE(spec.setUrlBazowy(dir.katalog(QStringLiteral("Tarrowind"))));
    EXPECT_EQ(spec.url(SpecKatalog::suWszystkieFasolki), dir.sciezka(QStringLiteral("Tarrowind/All Beans")));
    ASSERT_TRUE(spec.setUrlBazowy(dir.katalog(QStringLiteral("tarrowind"))));
    EXPECT_EQ(spec.url(SpecKatalog::suWszystkieFasolki), dir.sciezka(QStringLiteral("tarrowind/Tarrowind/All Beans")));
    EXPECT_EQ(spec.url(SpecKatalog::suPobraneRzeczy), QDir::homePath() + QStringLiteral("/Downloads"));
    EXPECT_EQ(spec.url(SpecKatalog::suRzeczyNaBiurku), QDir::homePath() + QStringLiteral("/Desktop"));
}

TEST(SpecKatalogTest, BaseFolderRenamedBetweenLoadsResolvesAndPathIsRewritten)
{
    KatalogTestowy dir;
    const QString stara = dir.katalog(QStringLiteral("Projekty"));
    {
        SpecKatalog spec;
        ASSERT_TRUE(spec.setUrlBazowy(stara));
    }
    const QString nowa = dir.sciezka(QStringLiteral("Projekty 2026"));
    ASSERT_TRUE(QDir().rename(stara, nowa));

    SpecKatalog poUruchomieniu;
    EXPECT_TRUE(poUruchomieniu.czyJestUstawionyUrlBazowy_1_2());
    EXPECT_EQ(poUruchomieniu.urlBazowy(), nowa);
    EXPECT_EQ(UserDefaults::standard().dictionaryForKey(klucz).value(QStringLiteral("path")).toString(), nowa);
}

TEST(SpecKatalogTest, DeletedBaseFolderNeedsTheSetUpAgain)
{
    KatalogTestowy dir;
    const QString baza = dir.katalog(QStringLiteral("Baza"));
    {
        SpecKatalog spec;
        ASSERT_TRUE(spec.setUrlBazowy(baza));
    }
    ASSERT_TRUE(QDir(baza).removeRecursively());
    SpecKatalog poUruchomieniu;
    EXPECT_FALSE(poUruchomieniu.czyJestUstawionyUrlBazowy_1_2());
    EXPECT_EQ(poUruchomieniu.urlBazowy(), QDir::homePath());
}

// A folder made beside the deleted base folder got its inode: it is taken only when its birth time
// agrees or, with none to compare (also in an older record), when it is or holds "Tarrowind".
TEST(SpecKatalogTest, FolderThatReusedTheBaseFoldersInodeIsTakenOnlyWhenItIsTheSameFolder)
{
    constexpr qint64 ur = 1700000000123456789;
    const struct
    {
        std::optional<qint64> narodziny;
        bool staryZapis;
        const char *nazwa;
        bool zTarrowind, rozwiazany;
    } przypadki[] = {{ur, false, "Inny", false, true},
                     {ur + 1, false, "Inny", true, false},
                     {std::nullopt, false, "Inny", false, false},
                     {std::nullopt, false, "Inny", true, true},
                     {std::nullopt, false, "Tarrowind", false, true},
                     {ur, true, "Inny", false, false},
                     {ur, true, "Inny", true, true}};
    for (const auto &p : przypadki) {
        SCOPED_TRACE(testing::Message() << p.nazwa << " " << p.narodziny.value_or(0) << " " << p.staryZapis
                                        << p.zTarrowind);
        KatalogTestowy dir;
        const QString baza = dir.katalog(QStringLiteral("Baza")), znaleziony = dir.sciezka(QLatin1String(p.nazwa));
        const QHash<QString, Bookmark::Identity> wezly{
            {baza, {{42, 4242}, p.staryZapis ? std::nullopt : std::optional(ur)}},
            {znaleziony, {{42, 4242}, p.narodziny}}};
        const struct Zdejmij
        {
            ~Zdejmij() { Bookmark::setLookupHookForTests({}); }
        } zdejmij;
        Bookmark::setLookupHookForTests(
            [&](const QString &s) { return wezly.contains(s) ? std::optional(wezly[s]) : std::nullopt; });
        ASSERT_TRUE(SpecKatalog().setUrlBazowy(baza));
        ASSERT_TRUE(QDir().rmdir(baza) && QDir().mkdir(znaleziony));
        if (p.zTarrowind)
            dir.katalog(QLatin1String(p.nazwa) + QStringLiteral("/Tarrowind"));
        SpecKatalog poUruchomieniu;
        EXPECT_EQ(poUruchomieniu.czyJestUstawionyUrlBazowy_1_2(), p.rozwiazany);
        EXPECT_EQ(poUruchomieniu.urlBazowy(), p.rozwiazany ? znaleziony : QDir::homePath());
    }
}

TEST(SpecKatalogTest, FailedStoreKeepsTheOldEntry)
{
    KatalogTestowy dir;
    const QString baza = dir.katalog(QStringLiteral("Baza"));
    SpecKatalog spec;
    ASSERT_TRUE(spec.setUrlBazowy(baza));
    const QVariantMap przed = UserDefaults::standard().dictionaryForKey(klucz);

    EXPECT_FALSE(spec.setUrlBazowy(dir.sciezka(QStringLiteral("nie-istnieje"))));
    EXPECT_EQ(UserDefaults::standard().dictionaryForKey(klucz), przed);
    EXPECT_EQ(spec.urlBazowy(), baza) << "the next read loads the old location again";
}

TEST(SpecKatalogTest, OlderLocationAndSandboxAreReadAsTheyStand)
{
    SpecKatalog spec;
    EXPECT_EQ(spec.sciezkaBazowa_1_1_zUstawien(), QString());
    UserDefaults::standard().setObject(QStringLiteral("sciezkaBazowa"), QStringLiteral("/stara/sciezka"));
    EXPECT_EQ(spec.sciezkaBazowa_1_1_zUstawien(), QStringLiteral("/stara/sciezka"));
    EXPECT_FALSE(SpecKatalog::isAppRunningInSandbox());
    EXPECT_EQ(spec.urlBazowyWPiaskownicy(), QString());
    qputenv("APP_SANDBOX_CONTAINER_ID", "");
    EXPECT_TRUE(SpecKatalog::isAppRunningInSandbox());
    EXPECT_EQ(spec.urlBazowyWPiaskownicy(), QDir::homePath() + QStringLiteral("/Tarrowind"));
    qunsetenv("APP_SANDBOX_CONTAINER_ID");
}

} // namespace
