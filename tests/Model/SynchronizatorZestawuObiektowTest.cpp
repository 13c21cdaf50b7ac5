#include "Model/SynchronizatorZestawuObiektow.h"
#include "Model/BytSystemuPlikow.h"
#include "Model/StosCoreData.h"

#include "Platform/FolderListing.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include <cerrno>

namespace {

class SynchronizatorTest : public ::testing::Test
{
protected:
    void SetUp() override { StosCoreData::sharedStosCoreData()->nowyKontekst(); }
    void TearDown() override { FolderListing::setFaultHookForTests({}); }

    BytSystemuPlikow *obiekt(const QString &url)
    {
        auto *byt = StosCoreData::kontekstOZ()->wstaw<BytSystemuPlikow>();
        byt->setPlikowyURL(url);
        return byt;
    }

    bool porownaj(const QList<BytSystemuPlikow *> &zestaw, const QString &katalog, quint64 pominiecie = 0)
    {
        return synchronizator.zanalizujPotrzebySynchronizacjiZestawu(
            zestaw, [](BytSystemuPlikow *b) { return b->plikowyURL(); }, katalog, pominiecie);
    }

    QSet<QString> nazwyDoDodania() const
    {
        QSet<QString> nazwy;
        for (const QString &url : synchronizator.urleDlaObiektowDoDodania())
            nazwy.insert(QDir(url).dirName());
        return nazwy;
    }

    QSet<BytSystemuPlikow *> doUsuniecia() const
    {
        const QList<BytSystemuPlikow *> lista = synchronizator.obiektyDoUsuniecia<BytSystemuPlikow>();
        return QSet<BytSystemuPlikow *>(lista.begin(), lista.end());
    }

    SynchronizatorZestawuObiektow synchronizator;
};

TEST_F(SynchronizatorTest, ReportsExactlyTheNewEntriesAndTheObjectsOfVanishedOnes)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("a"));
    dir.plik(QStringLiteral("b"));
    dir.plik(QStringLiteral(".x"));
    BytSystemuPlikow *b = obiekt(dir.sciezka(QStringLiteral("b")));
    BytSystemuPlikow *c = obiekt(dir.sciezka(QStringLiteral("c")));
    const std::size_t obiektyPrzed = StosCoreData::kontekstOZ()->liczbaObiektow();
    ASSERT_TRUE(porownaj({b, c}, dir.sciezka()));
    EXPECT_EQ(StosCoreData::kontekstOZ()->liczbaObiektow(), obiektyPrzed) << "a listing makes no graph objects";
    EXPECT_EQ(nazwyDoDodania(), QSet<QString>{QStringLiteral("a")});
    EXPECT_EQ(doUsuniecia(), QSet<BytSystemuPlikow *>{c});
    EXPECT_EQ(synchronizator.obiektZestawuZUrlem(dir.sciezka(QStringLiteral("b"))), b);

    // A second comparison on the same synchroniser replaces both results.
    ASSERT_TRUE(porownaj({b}, dir.sciezka()));
    EXPECT_EQ(nazwyDoDodania(), QSet<QString>{QStringLiteral("a")});
    EXPECT_TRUE(doUsuniecia().isEmpty());
}

TEST_F(SynchronizatorTest, EachMaskBitDropsExactlyTheEntriesItNames)
{
    KatalogTestowy dir;
    const QStringList nazwy = {QStringLiteral("_Done"),        QStringLiteral("_Inactive"),
                               QStringLiteral("_Waiting_For"), QStringLiteral("_Incubation"),
                               QStringLiteral("_Ready"),       QStringLiteral("_Flow_Items")};
    for (const QString &nazwa : nazwy)
        dir.katalog(nazwa);
    dir.katalog(QStringLiteral("_done"));
    dir.katalog(QStringLiteral("Fasolka"));
    dir.plik(QStringLiteral("expected outcome.txt"));
    dir.plik(QStringLiteral("notatka.txt"));
    QSet<QString> wszystkie(nazwy.begin(), nazwy.end());
    wszystkie += {QStringLiteral("_done"), QStringLiteral("Fasolka"), QStringLiteral("expected outcome.txt"),
                  QStringLiteral("notatka.txt")};

    ASSERT_TRUE(porownaj({}, dir.sciezka(), 0));
    EXPECT_EQ(nazwyDoDodania(), wszystkie);

    const QStringList nazwyBitow = nazwy + QStringList{QStringLiteral("expected outcome.txt")};
    for (int i = 0; i < nazwyBitow.size(); ++i) {
        const quint64 bit = quint64(2) << i;
        ASSERT_TRUE(porownaj({}, dir.sciezka(), bit));
        EXPECT_EQ(nazwyDoDodania(), wszystkie - QSet<QString>{nazwyBitow[i]}) << "bit " << bit;
    }

    ASSERT_TRUE(porownaj({}, dir.sciezka(), SynchronizatorZestawuObiektow::pominieciePotoku));
    EXPECT_EQ(nazwyDoDodania(), (QSet<QString>{QStringLiteral("_done"), QStringLiteral("Fasolka"),
                                               QStringLiteral("expected outcome.txt"), QStringLiteral("notatka.txt")}))
        << "126 leaves the status folders and the items folder out, a folder of another case stays";

    ASSERT_TRUE(porownaj({}, dir.sciezka(), SynchronizatorZestawuObiektow::pomijajPliki));
    const QSet<QString> pliki{QStringLiteral("expected outcome.txt"), QStringLiteral("notatka.txt")};
    EXPECT_EQ(nazwyDoDodania(), wszystkie - pliki);
}

TEST_F(SynchronizatorTest, OnlyFoldersKeepsAFileFromStandingInForAFolderObject)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("Potok"));
    ASSERT_EQ(symlink("/", QFile::encodeName(dir.sciezka(QStringLiteral("link"))).constData()), 0);
    BytSystemuPlikow *potok = obiekt(dir.sciezka(QStringLiteral("Potok")));
    ASSERT_TRUE(porownaj({potok}, dir.sciezka(), SynchronizatorZestawuObiektow::pomijajPliki));
    EXPECT_TRUE(synchronizator.urleDlaObiektowDoDodania().isEmpty()) << "a link to a folder is not a folder";
    EXPECT_EQ(doUsuniecia(), QSet<BytSystemuPlikow *>{potok});
}

TEST_F(SynchronizatorTest, ADecomposedNameOnDiskIsTheSameEntryAsAPrecomposedObject)
{
    KatalogTestowy dir;
    const QString nfd = dir.plik(QStringLiteral("Zo\u0301lw"));
    BytSystemuPlikow *zolw = obiekt(dir.sciezka(QStringLiteral("Z\u00f3lw")));
    ASSERT_TRUE(porownaj({zolw}, dir.sciezka()));
    EXPECT_TRUE(synchronizator.urleDlaObiektowDoDodania().isEmpty());
    EXPECT_TRUE(doUsuniecia().isEmpty());
    const auto pisownia = synchronizator.obiektyZNowaPisownia<BytSystemuPlikow>();
    ASSERT_EQ(pisownia.size(), 1);
    EXPECT_EQ(pisownia[0].first, zolw);
    EXPECT_EQ(pisownia[0].second, nfd) << "the object is told the on-disk spelling";
}

TEST_F(SynchronizatorTest, AnObjectWhoseOwnSpellingIsStillOnDiskIsNotReSpelled)
{
    KatalogTestowy dir;
    const QString nfd = dir.plik(QStringLiteral("Zo\u0301lw"));
    dir.plik(QStringLiteral("Z\u00f3lw"));
    BytSystemuPlikow *zolw = obiekt(nfd);
    ASSERT_TRUE(porownaj({zolw}, dir.sciezka()));
    EXPECT_TRUE(synchronizator.obiektyZNowaPisownia<BytSystemuPlikow>().isEmpty());
    EXPECT_TRUE(doUsuniecia().isEmpty());
}

TEST_F(SynchronizatorTest, MergedListingsCountAUrlReachedTwiceOnce)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("a"));
    const auto lista = synchronizator.zestawUrliZKatalogu(dir.sciezka(), 0);
    ASSERT_TRUE(lista.has_value());
    ASSERT_TRUE(synchronizator.zanalizujPotrzebySynchronizacjiZestawuZZestawemUrli(
        QList<BytSystemuPlikow *>{}, [](BytSystemuPlikow *b) { return b->plikowyURL(); }, *lista + *lista));
    EXPECT_EQ(synchronizator.urleDlaObiektowDoDodania(), QStringList{dir.sciezka(QStringLiteral("a"))});
}

TEST_F(SynchronizatorTest, AFolderThatCannotBeReadAnswersNoWhileAVanishedOneEmptiesTheSet)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("a"));
    BytSystemuPlikow *a = obiekt(dir.sciezka(QStringLiteral("a")));
    FolderListing::setFaultHookForTests([](const QString &) -> std::optional<int> { return EACCES; });
    EXPECT_FALSE(porownaj({a, obiekt(dir.sciezka(QStringLiteral("b")))}, dir.sciezka()));
    EXPECT_TRUE(doUsuniecia().isEmpty()) << "a failed listing must not read as an empty folder";
    EXPECT_TRUE(synchronizator.urleDlaObiektowDoDodania().isEmpty());
    EXPECT_FALSE(synchronizator.zestawUrliZKatalogu(dir.sciezka(), 0).has_value());
    FolderListing::setFaultHookForTests({});

    ASSERT_TRUE(porownaj({a}, dir.sciezka(QStringLiteral("nie-ma"))));
    EXPECT_EQ(doUsuniecia(), QSet<BytSystemuPlikow *>{a});
}

TEST_F(SynchronizatorTest, EveryObjectOfAVanishedNameIsReportedAndOfAPresentNameAllButOne)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("jest"));
    BytSystemuPlikow *jest1 = obiekt(dir.sciezka(QStringLiteral("jest")));
    BytSystemuPlikow *jest2 = obiekt(dir.sciezka(QStringLiteral("jest")));
    BytSystemuPlikow *brak1 = obiekt(dir.sciezka(QStringLiteral("brak")));
    BytSystemuPlikow *brak2 = obiekt(dir.sciezka(QStringLiteral("brak")));
    BytSystemuPlikow *bezUrla = obiekt(QString());
    ASSERT_TRUE(porownaj({jest1, brak1, jest2, brak2, bezUrla}, dir.sciezka()));
    EXPECT_EQ(doUsuniecia(), (QSet<BytSystemuPlikow *>{brak1, brak2, jest2, bezUrla}));
    EXPECT_TRUE(synchronizator.urleDlaObiektowDoDodania().isEmpty());
    EXPECT_EQ(synchronizator.obiektZestawuZUrlem(dir.sciezka(QStringLiteral("jest"))), nullptr)
        << "no single object stands for a shared URL";
}

TEST_F(SynchronizatorTest, ANameOutsideTheFileNameEncodingIsNeitherAddedNorKeepsAnObject)
{
    KatalogTestowy dir;
    const QByteArray zly = QFile::encodeName(dir.sciezka()) + "/z\xff";
    FILE *plik = fopen(zly.constData(), "w");
    ASSERT_NE(plik, nullptr);
    fclose(plik);
    BytSystemuPlikow *zastepczy = obiekt(QFile::decodeName(zly));
    ASSERT_TRUE(porownaj({zastepczy}, dir.sciezka()));
    EXPECT_TRUE(synchronizator.urleDlaObiektowDoDodania().isEmpty());
    EXPECT_EQ(doUsuniecia(), QSet<BytSystemuPlikow *>{zastepczy})
        << "a decoded path would point at a file of another name";
}

} // namespace
