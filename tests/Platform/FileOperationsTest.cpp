#include "Platform/FileOperations.h"
#include "Platform/FolderListing.h"
#include "Platform/Konsola.h"

#include "Support/DwaSystemyPlikow.h"
#include "Support/KatalogTestowy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(MoveNoReplace, ClashOnFileKeepsBothFilesByteForByte)
{
    KatalogTestowy dir;
    const QString a = dir.plik(QStringLiteral("a/plik.txt"), "pierwszy");
    const QString b = dir.plik(QStringLiteral("b/plik.txt"), "drugi");
    BladOperacji blad;
    EXPECT_FALSE(FileOperations::moveNoReplace(a, b, &blad));
    EXPECT_EQ(KatalogTestowy::czytaj(a), "pierwszy");
    EXPECT_EQ(KatalogTestowy::czytaj(b), "drugi");
    EXPECT_EQ(blad.kod, EEXIST);
    EXPECT_EQ(blad.przyczyna, QStringLiteral("An item named \u201Cplik.txt\u201D already exists in \u201C"
                                             "b\u201D."));
}

TEST(MoveNoReplace, ClashOnEmptyFolderKeepsBoth)
{
    KatalogTestowy dir;
    const QString zrodlo = dir.katalog(QStringLiteral("zrodlo"));
    dir.plik(QStringLiteral("zrodlo/w.txt"), "w");
    const QString cel = dir.katalog(QStringLiteral("cel"));
    EXPECT_FALSE(FileOperations::moveNoReplace(zrodlo, cel));
    EXPECT_EQ(KatalogTestowy::czytaj(zrodlo + QStringLiteral("/w.txt")), "w");
    EXPECT_TRUE(QDir(cel).isEmpty());
}

TEST(MoveNoReplace, FolderIntoItsOwnInsideIsRefused)
{
    KatalogTestowy dir;
    const QString zrodlo = dir.katalog(QStringLiteral("a"));
    dir.katalog(QStringLiteral("a/b"));
    EXPECT_FALSE(FileOperations::moveNoReplace(zrodlo, zrodlo + QStringLiteral("/b/a")));
    EXPECT_TRUE(QFileInfo(zrodlo + QStringLiteral("/b")).isDir());
}

TEST(MoveNoReplace, MovesFileAndFolder)
{
    KatalogTestowy dir;
    const QString plik = dir.plik(QStringLiteral("p.txt"), "dane");
    const QString folder = dir.katalog(QStringLiteral("f"));
    dir.plik(QStringLiteral("f/w"), "x");
    EXPECT_TRUE(FileOperations::moveNoReplace(plik, dir.sciezka(QStringLiteral("q.txt"))));
    EXPECT_TRUE(FileOperations::moveNoReplace(folder, dir.sciezka(QStringLiteral("g"))));
    EXPECT_FALSE(KatalogTestowy::istnieje(plik));
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("q.txt"))), "dane");
    EXPECT_EQ(KatalogTestowy::czytaj(dir.sciezka(QStringLiteral("g/w"))), "x");
}

using MoveAcrossDevices = DwaSystemyPlikow;

TEST_F(MoveAcrossDevices, FolderTreeArrivesWholeWithLinksAndModesAndSourceIsGone)
{
    const QString zrodlo = dir.katalog(QStringLiteral("fasolka"));
    dir.plik(QStringLiteral("fasolka/a.txt"), "aaa");
    const QString wykonywalny = dir.plik(QStringLiteral("fasolka/pod/skrypt.sh"), "#!/bin/sh\n");
    QFile::setPermissions(wykonywalny, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(symlink("a.txt", QFile::encodeName(zrodlo + QStringLiteral("/link")).constData()), 0);

    const QString cel = inny->path() + QStringLiteral("/fasolka");
    ASSERT_TRUE(FileOperations::moveNoReplace(zrodlo, cel));
    EXPECT_FALSE(KatalogTestowy::istnieje(zrodlo));
    EXPECT_EQ(KatalogTestowy::czytaj(cel + QStringLiteral("/a.txt")), "aaa");
    EXPECT_TRUE(QFileInfo(cel + QStringLiteral("/link")).isSymLink());
    EXPECT_TRUE(QFileInfo(cel + QStringLiteral("/pod/skrypt.sh")).isExecutable());
    EXPECT_EQ(FolderListing::list(inny->path()).wpisy.size(), 1) << "no temporary copy is left behind";
}

TEST_F(MoveAcrossDevices, ClashKeepsBothItemsByteForByte)
{
    const QString zrodlo = dir.plik(QStringLiteral("x.txt"), "zrodlo");
    const QString cel = inny->path() + QStringLiteral("/x.txt");
    QFile f(cel);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("cel");
    f.close();
    EXPECT_FALSE(FileOperations::moveNoReplace(zrodlo, cel));
    EXPECT_EQ(KatalogTestowy::czytaj(zrodlo), "zrodlo");
    EXPECT_EQ(KatalogTestowy::czytaj(cel), "cel");
}

TEST(CreateFolder, WithoutIntermediatesAnExistingItemIsAClash)
{
    KatalogTestowy dir;
    const QString folder = dir.katalog(QStringLiteral("jest"));
    BladOperacji blad;
    EXPECT_FALSE(FileOperations::createFolder(folder, false, &blad));
    EXPECT_EQ(blad.kod, EEXIST);
    EXPECT_TRUE(FileOperations::createFolder(folder, true));
    EXPECT_TRUE(FileOperations::createFolder(dir.sciezka(QStringLiteral("a/b/c")), true));
    EXPECT_TRUE(QFileInfo(dir.sciezka(QStringLiteral("a/b/c"))).isDir());
    const QString plik = dir.plik(QStringLiteral("plik"));
    EXPECT_FALSE(FileOperations::createFolder(plik, true));
}

TEST(TextFiles, AtomicWriteKeepsModeAndReplacesALinkInsteadOfWritingThroughIt)
{
    KatalogTestowy dir;
    const QString cel = dir.plik(QStringLiteral("cel.txt"), "nie ruszac");
    const QString link = dir.sciezka(QStringLiteral("tekst.txt"));
    ASSERT_EQ(symlink(QFile::encodeName(cel).constData(), QFile::encodeName(link).constData()), 0);
    ASSERT_TRUE(FileOperations::writeTextAtomically(link, QStringLiteral("zażółć")));
    EXPECT_EQ(KatalogTestowy::czytaj(cel), "nie ruszac");
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(FileOperations::readText(link), QStringLiteral("zażółć"));

    QFile::setPermissions(link, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(FileOperations::writeTextAtomically(link, QStringLiteral("drugi")));
    struct stat info;
    ASSERT_EQ(stat(QFile::encodeName(link).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(FolderListing::list(dir.sciezka()).wpisy.size(), 2) << "no temporary file is left";
}

TEST(TextFiles, ReadTextHonoursByteOrderMarks)
{
    KatalogTestowy dir;
    QByteArray utf16("\xff\xfe", 2);
    for (QChar znak : QStringLiteral("Łódź"))
        utf16.append(char(znak.unicode() & 0xff)).append(char(znak.unicode() >> 8));
    EXPECT_EQ(FileOperations::readText(dir.plik(QStringLiteral("u16.txt"), utf16)), QStringLiteral("Łódź"));
    EXPECT_EQ(FileOperations::readText(dir.plik(QStringLiteral("bom8.txt"), "\xef\xbb\xbf"
                                                                            "abc")),
              QStringLiteral("abc"));
    EXPECT_EQ(FileOperations::readText(dir.plik(QStringLiteral("u8.txt"), "\xc5\x81"), nullptr), QStringLiteral("Ł"));
    EXPECT_FALSE(FileOperations::readText(dir.sciezka(QStringLiteral("brak.txt"))).has_value());
}

// Each failure gets its own reason; "into itself" only where a move into itself was checked.
TEST(ReasonsInAlerts, EachErrnoNamesItsOwnReason)
{
    const QList<QPair<int, QString>> tabela = {
        {ENOTEMPTY, "The folder \u201C"
                    "a\u201D isn\u2019t empty."},
        {EACCES, "You don\u2019t have permission to access \u201C"
                 "a\u201D."},
        {EPERM, "The system doesn\u2019t permit this operation on \u201C"
                "a\u201D."},
        {EDQUOT, "Your disk quota doesn\u2019t leave room to complete the operation on \u201C"
                 "a\u201D."},
        {EINVAL, "The system refused the operation on \u201C"
                 "a\u201D as invalid."},
        {EIO, "A read or write error occurred on \u201C"
              "a\u201D."},
    };
    BladOperacji blad;
    for (const auto &[numerBledu, przyczyna] : tabela) {
        BladOperacji::zErrno(&blad, numerBledu, QStringLiteral("Opis."), QStringLiteral("/dom/cel/a"));
        EXPECT_EQ(blad.przyczyna, przyczyna) << numerBledu;
    }
    KatalogTestowy dir;
    EXPECT_FALSE(
        FileOperations::moveNoReplace(dir.katalog(QStringLiteral("a")), dir.sciezka(QStringLiteral("a/b/a")), &blad));
    EXPECT_TRUE(blad.przyczyna.endsWith(QStringLiteral("can\u2019t be moved into itself.")))
        << qPrintable(blad.przyczyna);
    EXPECT_FALSE(FileOperations::readText(dir.sciezka(QStringLiteral("a")), &blad));
    EXPECT_EQ(blad.kod, EISDIR) << "a folder is no unreadable text";
}

TEST(TextFiles, RemoveEmptyFolderNeverRemovesAFullOne)
{
    KatalogTestowy dir;
    const QString pelny = dir.katalog(QStringLiteral("pelny"));
    dir.plik(QStringLiteral("pelny/x"));
    EXPECT_FALSE(FileOperations::removeEmptyFolder(pelny));
    EXPECT_TRUE(KatalogTestowy::istnieje(pelny + QStringLiteral("/x")));
    EXPECT_TRUE(FileOperations::removeEmptyFolder(dir.katalog(QStringLiteral("pusty"))));
}

TEST(FolderListingTest, SkipsHiddenNamesAndTellsFoldersAndLinks)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral(".ukryty"));
    dir.plik(QStringLiteral("plik"));
    dir.katalog(QStringLiteral("folder"));
    ASSERT_EQ(symlink("folder", QFile::encodeName(dir.sciezka(QStringLiteral("link"))).constData()), 0);
    const FolderListing::Wynik wynik = FolderListing::list(dir.sciezka());
    ASSERT_TRUE(wynik.ok());
    QMap<QString, FolderListing::Wpis> wpisy;
    for (const auto &w : wynik.wpisy)
        wpisy.insert(w.nazwa, w);
    EXPECT_EQ(wpisy.keys(), (QStringList{QStringLiteral("folder"), QStringLiteral("link"), QStringLiteral("plik")}));
    EXPECT_TRUE(wpisy[QStringLiteral("folder")].toKatalog);
    EXPECT_FALSE(wpisy[QStringLiteral("link")].toKatalog);
    EXPECT_TRUE(wpisy[QStringLiteral("link")].toDowiazanie);
    EXPECT_TRUE(wpisy[QStringLiteral("link")].celToKatalog);
}

TEST(FolderListingTest, NfdNameKeepsItsSpellingInNameAndPath)
{
    KatalogTestowy dir;
    const QString nfd = QStringLiteral("Zo\u0301lw");
    dir.katalog(nfd);
    const FolderListing::Wynik wynik = FolderListing::list(dir.sciezka());
    ASSERT_EQ(wynik.wpisy.size(), 1);
    EXPECT_EQ(wynik.wpisy[0].nazwa, nfd);
    EXPECT_TRUE(QFileInfo(wynik.wpisy[0].sciezka).isDir());
    EXPECT_EQ(wynik.wpisy[0].sciezka, dir.sciezka(nfd)) << "the path is the item's key, never folded";
}

TEST(FolderListingTest, NameOutsideTheFileNameEncodingIsSkippedWithOneLine)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("dobry"));
    const QByteArray zly = QFile::encodeName(dir.sciezka()) + "/z\xff\xfe";
    QFile f(QFile::decodeName(zly));
    FILE *plik = fopen(zly.constData(), "w");
    ASSERT_NE(plik, nullptr);
    fclose(plik);
    QList<QByteArray> linie;
    Konsola::ustawWyjscie([&](const QByteArray &l) { linie.append(l); });
    const FolderListing::Wynik wynik = FolderListing::list(dir.sciezka());
    Konsola::ustawWyjscie({});
    ASSERT_EQ(wynik.wpisy.size(), 1);
    EXPECT_EQ(wynik.wpisy[0].nazwa, QStringLiteral("dobry"));
    EXPECT_EQ(linie.size(), 1);
    unlink(zly.constData());
}

TEST(FolderListingTest, ANameSkippedLastDoesNotTurnTheListingIntoAFailure)
{
    KatalogTestowy dir;
    const QByteArray zly = QFile::encodeName(dir.sciezka()) + "/z\xff";
    FILE *plik = fopen(zly.constData(), "w");
    ASSERT_NE(plik, nullptr);
    fclose(plik);
    // Writing the console line may leave errno set, as stdio does on a pipe.
    Konsola::ustawWyjscie([](const QByteArray &) { errno = EIO; });
    const FolderListing::Wynik wynik = FolderListing::list(dir.sciezka());
    Konsola::ustawWyjscie({});
    EXPECT_TRUE(wynik.ok());
    EXPECT_TRUE(wynik.wpisy.isEmpty());
    EXPECT_FALSE(FolderListing::hasVisibleEntry(dir.sciezka())) << "a leaf exactly when it lists empty";
}

TEST(FolderListingTest, FaultHookTellsAFailureFromAMissingFolder)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("a"));
    const QString zepsuty = dir.sciezka();
    FolderListing::setFaultHookForTests([&](const QString &katalog) -> std::optional<int> {
        if (katalog == zepsuty)
            return EIO;
        return std::nullopt;
    });
    const FolderListing::Wynik wynik = FolderListing::list(zepsuty);
    EXPECT_EQ(wynik.stan, FolderListing::Stan::Blad);
    EXPECT_EQ(wynik.blad.kod, EIO);
    EXPECT_FALSE(FolderListing::hasVisibleEntry(zepsuty));
    EXPECT_EQ(FolderListing::list(dir.sciezka(QStringLiteral("nie-ma"))).stan, FolderListing::Stan::Brak);
    EXPECT_EQ(FolderListing::list(dir.sciezka(QStringLiteral("a"))).stan, FolderListing::Stan::Brak)
        << "a file is no folder";

    FolderListing::setFaultHookForTests([](const QString &) -> std::optional<int> { return ENOENT; });
    EXPECT_EQ(FolderListing::list(zepsuty).stan, FolderListing::Stan::Brak);
    FolderListing::setFaultHookForTests({});
    EXPECT_TRUE(FolderListing::list(zepsuty).ok());
}

} // namespace

// A listing handed over in parts: first after `ile` entries, then as often as each answer asks,
// the parts together the whole listing in its order.
TEST(FolderListingTest, PartsHandedOverAsAskedAddUpToTheListing)
{
    KatalogTestowy dir;
    for (int i = 0; i < 10; ++i)
        dir.plik(QStringLiteral("p%1").arg(i));
    const QList<qsizetype> odpowiedzi = {3, 0};
    QList<qsizetype> rozmiary;
    const FolderListing::Wynik wynik =
        FolderListing::list(dir.sciezka(), 2, [&](const QList<FolderListing::Wpis> &dotad) {
            rozmiary.append(dotad.size());
            return odpowiedzi.value(rozmiary.size() - 1);
        });
    ASSERT_TRUE(wynik.ok());
    EXPECT_EQ(rozmiary, (QList<qsizetype>{2, 5})) << "after 2, then 3 more, then never";
    EXPECT_EQ(wynik.wpisy.size(), 10);
}

// A sub-folder asked of through its open parent answers as when asked by its whole path: only a
// visible, encodable name makes it hold something, and the fault hook still decides for it.
TEST(FolderListingTest, ASubFolderAskedThroughItsParentAnswersAsByItsPath)
{
    KatalogTestowy dir;
    dir.katalog(QStringLiteral("pusty"));
    dir.plik(QStringLiteral("ukryte/.a"));
    dir.plik(QStringLiteral("ukryte/.b"));
    dir.plik(QStringLiteral("z plikiem/p"));
    dir.katalog(QStringLiteral("z folderem/f"));
    // More hidden names than one read of the entries brings.
    for (int i = 0; i < 200; ++i)
        dir.plik(QStringLiteral("wiele ukrytych/.ukryty dlugiej nazwy %1").arg(i));
    dir.plik(QStringLiteral("wiele ukrytych/widoczny"));
    dir.katalog(QStringLiteral("zla nazwa"));
    const QByteArray zlaNazwa = QFile::encodeName(dir.sciezka(QStringLiteral("zla nazwa"))) + "/z\xff";
    FILE *zly = fopen(zlaNazwa.constData(), "w");
    ASSERT_NE(zly, nullptr);
    fclose(zly);
    const struct
    {
        const char *nazwa;
        bool cos;
    } przypadki[] = {
        {"pusty", false},         {"ukryte", false},    {"z plikiem", true}, {"z folderem", true},
        {"wiele ukrytych", true}, {"zla nazwa", false}, {"nie-ma", false},
    };
    const UchwytPliku rodzic = FolderListing::openFolder(dir.sciezka());
    ASSERT_TRUE(rodzic.otwarty());
    for (const auto &przypadek : przypadki) {
        const QString sciezka = dir.sciezka(QString::fromUtf8(przypadek.nazwa));
        BladOperacji blad;
        EXPECT_EQ(FolderListing::hasVisibleEntry(rodzic, sciezka, &blad), przypadek.cos) << przypadek.nazwa;
        EXPECT_EQ(FolderListing::hasVisibleEntry(sciezka, &blad), przypadek.cos) << przypadek.nazwa;
        EXPECT_EQ(blad.kod, 0) << przypadek.nazwa << ": an empty or missing folder is no failure";
    }
    const QString zepsuty = dir.sciezka(QStringLiteral("z plikiem"));
    FolderListing::setFaultHookForTests([&](const QString &katalog) -> std::optional<int> {
        return katalog == zepsuty ? std::optional<int>(EIO) : std::nullopt;
    });
    BladOperacji blad;
    EXPECT_FALSE(FolderListing::hasVisibleEntry(rodzic, zepsuty, &blad)) << "the hook fails it as it fails the path";
    EXPECT_EQ(blad.kod, EIO);
    EXPECT_TRUE(FolderListing::hasVisibleEntry(rodzic, dir.sciezka(QStringLiteral("z folderem"))));
    FolderListing::setFaultHookForTests({});
    EXPECT_FALSE(FolderListing::openFolder(dir.sciezka(QStringLiteral("nie-ma"))).otwarty());
}

// A folder the user may not read (mode 0300; the ctest entry "nieuprzywilejowany" runs this as an ordinary user):
// it holds nothing to show, and it says why, through its open parent as by its path, as its listing does.
TEST(FolderListingNieuprzywilejowany, AFolderTheUserMayNotReadHoldsNothingAndSaysWhy)
{
    KatalogTestowy dir;
    dir.plik(QStringLiteral("zamkniety/w"));
    const QString zamkniety = dir.sciezka(QStringLiteral("zamkniety"));
    ASSERT_EQ(chmod(QFile::encodeName(zamkniety).constData(), 0300), 0);
    const UchwytPliku rodzic = FolderListing::openFolder(dir.sciezka());
    BladOperacji przezRodzica;
    BladOperacji poSciezce;
    const bool cosPrzezRodzica = FolderListing::hasVisibleEntry(rodzic, zamkniety, &przezRodzica);
    const bool cosPoSciezce = FolderListing::hasVisibleEntry(zamkniety, &poSciezce);
    const FolderListing::Wynik lista = FolderListing::list(zamkniety);
    chmod(QFile::encodeName(zamkniety).constData(), 0755);
    EXPECT_FALSE(cosPrzezRodzica);
    EXPECT_FALSE(cosPoSciezce);
    EXPECT_EQ(lista.stan, FolderListing::Stan::Blad);
    for (const BladOperacji &blad : {przezRodzica, poSciezce}) {
        EXPECT_EQ(blad.kod, EACCES);
        EXPECT_EQ(blad.przyczyna, lista.blad.przyczyna);
    }
}
