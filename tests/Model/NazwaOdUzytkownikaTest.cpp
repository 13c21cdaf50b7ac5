#include "Model/NazwaOdUzytkownika.h"
#include "Model/ZalozoneKatalogi.h"

#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

namespace {

TEST(NazwaOdUzytkownikaTest, EachKindOfItemRefusesItsOwnNames)
{
    const QString opis = QStringLiteral("opis");
    for (const QString &zla :
         {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"),
          QString(QStringLiteral("a") + QChar(u'\0')), QString(QStringLiteral("lone ") + QChar(0xD800))}) {
        BladOperacji blad;
        EXPECT_FALSE(NazwaOdUzytkownika::sprawdz(zla, NazwaOdUzytkownika::rnElement, opis, &blad)) << qPrintable(zla);
        EXPECT_EQ(blad.opis, opis);
        EXPECT_FALSE(blad.przyczyna.isEmpty());
    }
    const QString ukryta = QStringLiteral(".profile");
    EXPECT_TRUE(NazwaOdUzytkownika::sprawdz(ukryta, NazwaOdUzytkownika::rnElement, opis));
    EXPECT_FALSE(NazwaOdUzytkownika::sprawdz(ukryta, NazwaOdUzytkownika::rnElementWidoczny, opis));
    EXPECT_FALSE(NazwaOdUzytkownika::sprawdz(ukryta, NazwaOdUzytkownika::rnFasolka, opis));

    EXPECT_TRUE(NazwaOdUzytkownika::sprawdz(QStringLiteral("_Done"), NazwaOdUzytkownika::rnElementWidoczny, opis));
    EXPECT_FALSE(NazwaOdUzytkownika::sprawdz(QStringLiteral("_Done"), NazwaOdUzytkownika::rnFasolka, opis));
    EXPECT_TRUE(NazwaOdUzytkownika::sprawdz(QStringLiteral("_done"), NazwaOdUzytkownika::rnFasolka, opis))
        << "status folders are matched exactly";
    EXPECT_TRUE(NazwaOdUzytkownika::sprawdz(QStringLiteral("Zażółć gęślą"), NazwaOdUzytkownika::rnFasolka, opis));
}

TEST(ZalozoneKatalogiTest, FoldersMadeForAFailedOperationGoAgainOnlyWhileEmpty)
{
    KatalogTestowy dir;
    {
        ZalozoneKatalogi zalozone;
        ASSERT_TRUE(zalozone.zaloz(dir.sciezka(QStringLiteral("a/b/c")), true));
        ASSERT_TRUE(zalozone.zaloz(dir.sciezka(QStringLiteral("d")), false));
        dir.plik(QStringLiteral("d/zawartosc.txt"));
    }
    EXPECT_FALSE(KatalogTestowy::istnieje(dir.sciezka(QStringLiteral("a"))));
    EXPECT_TRUE(KatalogTestowy::istnieje(dir.sciezka(QStringLiteral("d/zawartosc.txt"))))
        << "a folder that gained contents stays";
    {
        ZalozoneKatalogi zalozone;
        EXPECT_FALSE(zalozone.zaloz(dir.sciezka(QStringLiteral("d")), false))
            << "without intermediates an existing folder clashes";
        ASSERT_TRUE(zalozone.zaloz(dir.sciezka(QStringLiteral("e")), true));
        zalozone.zatrzymaj();
    }
    EXPECT_TRUE(KatalogTestowy::istnieje(dir.sciezka(QStringLiteral("d"))));
    EXPECT_TRUE(KatalogTestowy::istnieje(dir.sciezka(QStringLiteral("e")))) << "kept by a successful operation";
}

} // namespace
