#include "Support/PortfolioTestowe.h"

#include "Model/AnalizatorUrlaModelu.h"
#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/PobraneRzeczy.h"
#include "Model/Potok.h"
#include "Model/RelacjeModelu.h"

#include <QDir>

namespace {

class AnalizatorUrlaModeluTest : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        plik(QStringLiteral("All Beans/_Main_Flow/notes.txt"));
        plik(QStringLiteral("All Beans/_Main_Flow/Garden/plan.txt"));
        plik(QStringLiteral("All Beans/_Main_Flow/Garden/sub/deep/seed.txt"));
        plik(QStringLiteral("All Beans/_Main_Flow/Garden/.cache/x.txt"));
        plik(QStringLiteral("All Beans/_Main_Flow/_Done/old.txt"));
        plik(QStringLiteral("All Beans/_Main_Flow/_Flow_Items/docs/a.txt"));
        plik(QStringLiteral("All Beans/Caf\u00e9/menu.txt"));
        plik(QStringLiteral("Archived Beans/_Main_Flow/ancient.txt"));
    }

    struct Odpowiedz
    {
        QObject *obiekt;
        bool rowny;
    };
    Odpowiedz znajdz(const QString &wzgledna)
    {
        bool rowny = true; // so that a NO is known to be written
        QObject *obiekt = AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(R(wzgledna), &rowny);
        return {obiekt, rowny};
    }
    Fasolka *fasolka(Potok *potok, const QString &nazwa) { return potok->znajdzFasolkeONazwie(nazwa); }
};

TEST_F(AnalizatorUrlaModeluTest, PortfolioFoldersAnswerTheirModelObjectsWithEquality)
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    Potok *kawiarnia = baza->znajdzPotokONazwie(QStringLiteral("Caf\u00e9"));
    ASSERT_TRUE(glowny && kawiarnia);

    auto odpowiedz = znajdz(QStringLiteral("All Beans"));
    EXPECT_EQ(odpowiedz.obiekt, baza);
    EXPECT_TRUE(odpowiedz.rowny);
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow"));
    EXPECT_EQ(odpowiedz.obiekt, glowny);
    EXPECT_TRUE(odpowiedz.rowny);
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/_Done"));
    EXPECT_EQ(odpowiedz.obiekt, glowny) << "a status folder is its flow's";
    EXPECT_FALSE(odpowiedz.rowny);
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/_Done/old.txt"));
    EXPECT_EQ(odpowiedz.obiekt, fasolka(glowny, QStringLiteral("old.txt")));
    EXPECT_TRUE(odpowiedz.rowny);
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden"));
    EXPECT_EQ(odpowiedz.obiekt, fasolka(glowny, QStringLiteral("Garden"))) << "a folder bean itself, no descent";
    EXPECT_TRUE(odpowiedz.rowny);

    odpowiedz = znajdz(QStringLiteral("Archived Beans"));
    EXPECT_EQ(odpowiedz.obiekt, baza->archiwum());
    EXPECT_TRUE(odpowiedz.rowny);
    ArchiwumPotoku *archiwumGlownego = baza->archiwum()->archiwumPotokuDlaPotoku(glowny);
    ASSERT_NE(archiwumGlownego, nullptr);
    EXPECT_EQ(znajdz(QStringLiteral("Archived Beans/_Main_Flow")).obiekt, archiwumGlownego);
    odpowiedz = znajdz(QStringLiteral("Archived Beans/_Main_Flow/ancient.txt"));
    ASSERT_EQ(archiwumGlownego->fasolki().size(), 1);
    EXPECT_EQ(odpowiedz.obiekt, archiwumGlownego->fasolki().elementy().first());
    EXPECT_TRUE(odpowiedz.rowny);

    // Spelled in decomposed form it is another item, the twin a flow "Café" may have beside it: the
    // look-up goes no deeper than the folder both would lie in.
    const QString rozlozona = QStringLiteral("All Beans/Cafe\u0301/menu.txt");
    odpowiedz = znajdz(rozlozona);
    EXPECT_EQ(odpowiedz.obiekt, baza);
    EXPECT_FALSE(odpowiedz.rowny);

    EXPECT_EQ(znajdz(QStringLiteral("elsewhere")).obiekt, nullptr);
    EXPECT_FALSE(znajdz(QStringLiteral("elsewhere")).rowny);
    bool rowny = true;
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(QStringLiteral("/"), &rowny),
              nullptr);
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(QDir::homePath()), nullptr);
}

TEST_F(AnalizatorUrlaModeluTest, InsideFolderTreesTheLookupDescendsOnlyThroughFoldersAlreadyRead)
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    Fasolka *ogrod = fasolka(glowny, QStringLiteral("Garden"));
    ASSERT_TRUE(ogrod && ogrod->katalog());
    BytKatalogu *katalogOgrodu = ogrod->katalog();

    if (!katalogOgrodu->czyBytyBylyOdczytaneZDysku()) {
        auto odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden/sub"));
        EXPECT_EQ(odpowiedz.obiekt, katalogOgrodu) << "a bean folder nobody read is as deep as it goes";
        EXPECT_FALSE(odpowiedz.rowny);
        EXPECT_FALSE(katalogOgrodu->czyBytyBylyOdczytaneZDysku()) << "answering read nothing";
    }

    katalogOgrodu->bytyWewnetrzne();
    auto *sub = qobject_cast<BytKatalogu *>(katalogOgrodu->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("sub")));
    ASSERT_NE(sub, nullptr);
    auto odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden/sub"));
    EXPECT_EQ(odpowiedz.obiekt, sub);
    EXPECT_TRUE(odpowiedz.rowny);
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden/plan.txt"));
    EXPECT_EQ(odpowiedz.obiekt, katalogOgrodu->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("plan.txt")));
    EXPECT_TRUE(odpowiedz.rowny);

    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden/sub/deep"));
    EXPECT_EQ(odpowiedz.obiekt, sub) << "stops at the deepest known folder";
    EXPECT_FALSE(odpowiedz.rowny);
    EXPECT_FALSE(sub->czyBytyBylyOdczytaneZDysku()) << "a lookup never reads a deeper folder";

    sub->bytyWewnetrzne();
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden/sub/deep"));
    EXPECT_EQ(odpowiedz.obiekt, sub->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("deep")));
    EXPECT_TRUE(odpowiedz.rowny);

    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/Garden/.cache"));
    EXPECT_EQ(odpowiedz.obiekt, nullptr) << "hidden folders are not in the tree";
    EXPECT_FALSE(odpowiedz.rowny);

    BytKatalogu *rzeczy = glowny->katalogRzeczyPotoku();
    ASSERT_NE(rzeczy, nullptr);
    rzeczy->bytyWewnetrzne();
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/_Flow_Items"));
    EXPECT_EQ(odpowiedz.obiekt, rzeczy);
    EXPECT_TRUE(odpowiedz.rowny);
    odpowiedz = znajdz(QStringLiteral("All Beans/_Main_Flow/_Flow_Items/docs"));
    EXPECT_EQ(odpowiedz.obiekt, rzeczy->znajdzBytZOstatnimKomponentemSciezki(QStringLiteral("docs")));
    EXPECT_TRUE(odpowiedz.rowny);
}

TEST_F(AnalizatorUrlaModeluTest, ContainerOfAnItemIsWhatHoldsIt)
{
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    ArchiwumPotoku *archiwumGlownego = baza->archiwum()->archiwumPotokuDlaPotoku(glowny);

    auto kontener = [&](const QString &wzgledna) {
        return AnalizatorUrlaModelu::znajdzObiektZawierajacyURL(R(wzgledna));
    };
    EXPECT_EQ(kontener(QStringLiteral("All Beans/_Main_Flow/notes.txt")), glowny);
    EXPECT_EQ(kontener(QStringLiteral("All Beans/_Main_Flow/_Done/old.txt")), glowny);
    EXPECT_EQ(kontener(QStringLiteral("Archived Beans/_Main_Flow/ancient.txt")), archiwumGlownego);
    EXPECT_EQ(kontener(QStringLiteral("All Beans/_Main_Flow")), baza);
    EXPECT_EQ(kontener(QStringLiteral("All Beans")), nullptr);
    EXPECT_EQ(kontener(QStringLiteral("Archived Beans/_Main_Flow")), baza->archiwum());
    EXPECT_EQ(kontener(QStringLiteral("All Beans/_Main_Flow/Garden/sub/deep")),
              fasolka(glowny, QStringLiteral("Garden")))
        << "no descent into the bean's folder";
    EXPECT_EQ(kontener(QStringLiteral("All Beans/_Main_Flow/_Flow_Items/docs")), glowny->katalogRzeczyPotoku());
}

TEST_F(AnalizatorUrlaModeluTest, ContainmentIsComponentWiseInPrecomposedForm)
{
    bool rowny = true;
    EXPECT_TRUE(
        AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(QStringLiteral("/a/b/c"), QStringLiteral("/a/b"), &rowny));
    EXPECT_FALSE(rowny);
    EXPECT_TRUE(
        AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(QStringLiteral("/a/b/"), QStringLiteral("/a/b"), &rowny));
    EXPECT_TRUE(rowny);
    EXPECT_FALSE(AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(QStringLiteral("/a/bc"), QStringLiteral("/a/b")));
    EXPECT_FALSE(AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(QStringLiteral("/a"), QStringLiteral("/a/b")));
    EXPECT_TRUE(AnalizatorUrlaModelu::url1ZawieraSieWIJestRowny(QStringLiteral("/a"), QStringLiteral("/")));

    EXPECT_FALSE(AnalizatorUrlaModelu::firstURLIsContainedIn(QStringLiteral("/a/b"), QStringLiteral("/a/b")));
    EXPECT_TRUE(AnalizatorUrlaModelu::firstURLIsContainedIn(QStringLiteral("/a/b/c"), QStringLiteral("/a/b")));
    // Names that differ only in normalisation are two items on Linux.
    EXPECT_FALSE(
        AnalizatorUrlaModelu::firstURLIsEqualTo(QStringLiteral("/x/Cafe\u0301"), QStringLiteral("/x/Caf\u00e9")));
    EXPECT_FALSE(
        AnalizatorUrlaModelu::firstURLIsContainedIn(QStringLiteral("/x/Caf\u00e9/m"), QStringLiteral("/x/Cafe\u0301")));
    EXPECT_FALSE(AnalizatorUrlaModelu::firstURLIsEqualTo(QStringLiteral("/x/a"), QStringLiteral("/x/A")));
}

TEST_F(AnalizatorUrlaModeluTest, PortfolioInsideDownloadsKeepsItsOwnAnswers)
{
    const QString pobrane = QDir::homePath() + QStringLiteral("/Downloads");
    ASSERT_TRUE(QDir().mkpath(pobrane + QStringLiteral("/Tarrowind/All Beans/_Main_Flow/bean")));
    ASSERT_TRUE(QDir().mkpath(pobrane + QStringLiteral("/other")));
    ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(pobrane));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    ASSERT_NE(glowny, nullptr);
    const QString fasolka = pobrane + QStringLiteral("/Tarrowind/All Beans/_Main_Flow/bean");

    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(fasolka),
              glowny->znajdzFasolkeONazwie(QStringLiteral("bean")));
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURL(fasolka), glowny);
    EXPECT_EQ(
        AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(pobrane + QStringLiteral("/other")),
        nullptr);

    // Where a Downloads item exists, it answers for Downloads outside the portfolio.
    PobraneRzeczy *rzecz = PobraneRzeczy::zarzadzanyObiektPobraneRzeczy();
    RelacjeModelu::pobraneRzeczy.ustaw(baza, rzecz);
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(fasolka),
              glowny->znajdzFasolkeONazwie(QStringLiteral("bean")));
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURL(fasolka), glowny);
    bool rowny = false;
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(pobrane, &rowny), rzecz);
    EXPECT_TRUE(rowny);
    EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURL(pobrane + QStringLiteral("/other")), rzecz);
}

} // namespace
