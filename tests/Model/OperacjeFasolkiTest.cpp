#include "LicznikSygnalow.h"
#include "OperacjeTestowe.h"

#include "Model/BytKatalogu.h"

#include <QDir>
#include <QStringEncoder>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using StatusFasolkiTest = OperacjeTestowe;
using PrzeniesienieDoPotokuTest = OperacjeTestowe;
using OpakowanieFasolkiTest = OperacjeTestowe;
using WypakowanieFasolkiTest = OperacjeTestowe;
using ZmianaNazwyFasolkiTest = OperacjeTestowe;
using SpodziewanyRezultatTest = OperacjeTestowe;

// --- status change ---

TEST_F(StatusFasolkiTest, ReadyMovesTheBeanIntoAReadyFolderMadeOnDemandAndBackToActive)
{
    plik(QStringLiteral("All Beans/Work/a.txt"), "A");
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    Potok *work = a->potok();
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("fasolki"), work, &Potok::fasolkiChanged);
    licznik.obserwuj(QStringLiteral("gotowe"), work, &Potok::fasolkiGotoweChanged);
    licznik.obserwuj(QStringLiteral("status"), a, &Fasolka::statusFasolkiChanged);

    BladOperacji blad;
    ASSERT_TRUE(a->ustawStatus(Fasolka::sfGotowa, &blad));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Ready/a.txt"))), QByteArray("A"));
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/a.txt"))));
    EXPECT_EQ(url(a), R(QStringLiteral("All Beans/Work/_Ready/a.txt")));
    EXPECT_TRUE(a->jestGotowa());
    EXPECT_EQ(a->potok(), work) << "the bean stays in its flow";
    EXPECT_EQ(work->fasolkiGotowe(), QList<Fasolka *>{a});
    EXPECT_EQ(licznik[QStringLiteral("fasolki")], 1);
    EXPECT_EQ(licznik[QStringLiteral("gotowe")], 1);
    EXPECT_GE(licznik[QStringLiteral("status")], 1);

    ASSERT_TRUE(a->ustawStatus(Fasolka::sfAktywna));
    EXPECT_EQ(url(a), R(QStringLiteral("All Beans/Work/a.txt")));
    EXPECT_TRUE(a->jestAktywna());
    work->synchronizujFasolki();
    EXPECT_EQ(work->fasolki().elementy(), QList<Fasolka *>{a}) << "the graph already was in step with the disk";
}

TEST_F(StatusFasolkiTest, TheSameStatusOrTheSamePlaceTouchesNothing)
{
    plik(QStringLiteral("All Beans/Work/_Done/a.txt"));
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    zapamietajStan();
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("fasolki"), a->potok(), &Potok::fasolkiChanged);
    EXPECT_TRUE(a->ustawStatus(Fasolka::sfUkonczona));
    EXPECT_EQ(licznik[QStringLiteral("fasolki")], 0);
    sprawdzNiezmienione();

    ASSERT_TRUE(a->ustawStatus(Fasolka::sfNieokreslony)) << "an unspecified status takes the Active place";
    EXPECT_TRUE(a->jestAktywna());
    zapamietajStan();
    EXPECT_TRUE(a->ustawStatus(Fasolka::sfNieokreslony));
    sprawdzNiezmienione();
}

TEST_F(StatusFasolkiTest, AFailedMoveTakesTheStatusFolderItMadeAway)
{
    const QString plikA = plik(QStringLiteral("All Beans/Work/a.txt"));
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    ASSERT_TRUE(QFile::remove(plikA)) << "gone behind the program's back";
    zapamietajStan();
    BladOperacji blad;
    EXPECT_FALSE(a->ustawStatus(Fasolka::sfOczekujaca, &blad));
    EXPECT_EQ(blad.kod, ENOENT);
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/_Waiting_For"))));
    sprawdzNiezmienione();
}

TEST_F(StatusFasolkiTest, ABeanOutsideAnyFlowFailsWithoutTouchingTheDisk)
{
    auto *sierota = Fasolka::zarzadzanyObiektFasolkiZURLem(plik(QStringLiteral("All Beans/Work/a.txt")));
    zapamietajStan();
    BladOperacji blad;
    EXPECT_FALSE(sierota->ustawStatus(Fasolka::sfGotowa, &blad));
    EXPECT_FALSE(blad.przyczyna.isEmpty());
    sprawdzNiezmienione();
}

TEST_F(StatusFasolkiTest, ABeanNamedLikeAStatusFolderIsNotMovedIntoTheFlowFolder)
{
    katalog(QStringLiteral("All Beans/Work/_Ready/_Done"));
    Fasolka *zastrzezona = fasolka(QStringLiteral("Work"), QStringLiteral("_Done"));
    ASSERT_NE(zastrzezona, nullptr);
    zapamietajStan();
    BladOperacji blad;
    EXPECT_FALSE(zastrzezona->ustawStatus(Fasolka::sfAktywna, &blad)) << "it would become the flow's Done folder";
    EXPECT_TRUE(blad.przyczyna.contains(QStringLiteral("reserved")));
    sprawdzNiezmienione();
}

TEST_F(StatusFasolkiTest, TheContentsOfAMovedFolderBeanAreReadUnderItsNewPath)
{
    plik(QStringLiteral("All Beans/Work/Projekt/notatki.txt"));
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));
    ASSERT_EQ(projekt->katalog()->bytyWewnetrzne().size(), 1);
    ASSERT_TRUE(projekt->ustawStatus(Fasolka::sfWInkubacji));
    ASSERT_EQ(projekt->katalog()->bytyWewnetrzne().size(), 1);
    EXPECT_EQ(projekt->katalog()->bytyWewnetrzne().first()->plikowyURL(),
              R(QStringLiteral("All Beans/Work/_Incubation/Projekt/notatki.txt")));
}

// --- move to another flow ---

TEST_F(PrzeniesienieDoPotokuTest, AReadyBeanLandsInTheOtherFlowsReadyFolderMadeOnDemand)
{
    plik(QStringLiteral("All Beans/Work/_Ready/a.txt"), "A");
    katalog(QStringLiteral("All Beans/Play"));
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    Potok *work = potok(QStringLiteral("Work"));
    Potok *play = potok(QStringLiteral("Play"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("work"), work, &Potok::fasolkiChanged);
    licznik.obserwuj(QStringLiteral("play"), play, &Potok::fasolkiChanged);
    licznik.obserwuj(QStringLiteral("potok"), a, &Fasolka::potokChanged);

    ASSERT_TRUE(a->przeniesDoPotoku(play));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Play/_Ready/a.txt"))), QByteArray("A"));
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/_Ready/a.txt"))));
    EXPECT_EQ(a->potok(), play);
    EXPECT_TRUE(a->jestGotowa());
    EXPECT_TRUE(work->fasolki().isEmpty());
    EXPECT_EQ(play->fasolkiGotowe(), QList<Fasolka *>{a});
    EXPECT_EQ(licznik[QStringLiteral("work")], 1);
    EXPECT_EQ(licznik[QStringLiteral("play")], 1);
    EXPECT_EQ(licznik[QStringLiteral("potok")], 1);
}

TEST_F(PrzeniesienieDoPotokuTest, ItsOwnFlowAndAnArchivedBeanMoveNothing)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("Archived Beans/Work/b.txt"));
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    Fasolka *b = baza()->archiwum()->archiwaPotokow().elementy().first()->fasolki().elementy().first();
    zapamietajStan();
    EXPECT_TRUE(a->przeniesDoPotoku(a->potok()));
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("Próbujesz przenieść fasolkę do tego samego potoku.")));
    EXPECT_FALSE(b->przeniesDoPotoku(a->potok())) << "an archived bean has no place in a flow";
    sprawdzNiezmienione();
}

TEST_F(PrzeniesienieDoPotokuTest, AFlowFolderReSpelledOrGoneBehindTheGraphIsNotMadeAgainInTheOldSpelling)
{
    plik(QStringLiteral("All Beans/\u015Alub/a.txt"));
    plik(QStringLiteral("All Beans/Dom/_Done/b.txt"), "B");
    plik(QStringLiteral("All Beans/Dom/_Ready/c.txt"), "C");
    Potok *slub = potok(QStringLiteral("\u015Alub"));
    Potok *praca = baza()->nowyPotok(QStringLiteral("Praca"));
    Fasolka *b = fasolka(QStringLiteral("Dom"), QStringLiteral("b.txt"));
    Fasolka *c = fasolka(QStringLiteral("Dom"), QStringLiteral("c.txt"));
    // Another program re-spells one flow folder (NFD) and takes the other away.
    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/\u015Alub")), R(QStringLiteral("All Beans/S\u0301lub"))));
    ASSERT_TRUE(QDir().rmdir(R(QStringLiteral("All Beans/Praca"))));
    zapamietajStan();

    EXPECT_FALSE(b->przeniesDoPotoku(slub)) << "a second folder of the same name would hide one of them";
    EXPECT_FALSE(c->przeniesDoPotoku(praca));
    sprawdzNiezmienione();
}

// --- wrap ---

TEST_F(OpakowanieFasolkiTest, AFileBeanBecomesAFolderNamedWithoutItsExtension)
{
    plik(QStringLiteral("All Beans/Work/Report.pdf"), "R");
    plik(QStringLiteral("All Beans/Work/_Ready/notes"), "N");
    Fasolka *raport = fasolka(QStringLiteral("Work"), QStringLiteral("Report.pdf"));
    Fasolka *notatki = fasolka(QStringLiteral("Work"), QStringLiteral("notes"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("katalog"), raport, &Fasolka::jestZKatalogiemChanged);

    ASSERT_TRUE(raport->opakujFasolkePlikowaWKatalog());
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/Report/Report.pdf"))), QByteArray("R"));
    EXPECT_EQ(url(raport), R(QStringLiteral("All Beans/Work/Report")));
    EXPECT_TRUE(raport->jestZKatalogiem());
    EXPECT_EQ(raport->katalog(), raport->bytFasolki());
    EXPECT_GE(licznik[QStringLiteral("katalog")], 1);

    ASSERT_TRUE(notatki->opakujFasolkePlikowaWKatalog());
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Ready/notes/notes"))), QByteArray("N"));
    EXPECT_TRUE(notatki->jestGotowa());
    EXPECT_EQ(wpisy(QStringLiteral("All Beans/Work")),
              (QStringList{QStringLiteral("Report"), QStringLiteral("_Ready")}))
        << "no temporary item is left";

    const auto przed = migawkaKatalogu(R());
    EXPECT_TRUE(raport->opakujFasolkePlikowaWKatalog()) << "a folder bean needs nothing";
    EXPECT_EQ(migawkaKatalogu(R()), przed);
}

TEST_F(OpakowanieFasolkiTest, AStatusFolderNameLeavesTheFileWhereItWas)
{
    plik(QStringLiteral("All Beans/Work/_Done.txt"), "D");
    zapamietajStan();
    EXPECT_FALSE(fasolka(QStringLiteral("Work"), QStringLiteral("_Done.txt"))->opakujFasolkePlikowaWKatalog())
        << "the folder would be the flow's Done folder";
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("Błąd: nie mogłem założyć katalogu.")));
    sprawdzNiezmienione();
}

// --- unwrap ---

TEST_F(WypakowanieFasolkiTest, TheContentsComeOutNextToTheFolderWhichGoesWithItsDsStore)
{
    plik(QStringLiteral("All Beans/Work/_Ready/Projekt/a.txt"), "A");
    plik(QStringLiteral("All Beans/Work/_Ready/Projekt/b/c.txt"), "C");
    plik(QStringLiteral("All Beans/Work/_Ready/Projekt/.DS_Store"), "junk");
    plik(QStringLiteral("All Beans/Work/_Ready/Projekt/expected outcome.txt"), "cel");
    Potok *work = potok(QStringLiteral("Work"));
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("fasolki"), work, &Potok::fasolkiChanged);

    ASSERT_TRUE(projekt->wypakujZawartoscFasolkiZKatalogu());
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Work/_Ready/Projekt"))));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Ready/a.txt"))), QByteArray("A"));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Ready/b/c.txt"))), QByteArray("C"));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Ready/expected outcome.txt"))),
              QByteArray("cel"));
    EXPECT_TRUE(projekt->zostalaUsunieta());
    EXPECT_EQ(work->fasolkiGotowe().size(), 3) << "one Ready bean for each item, the expected outcome too";
    EXPECT_GE(licznik[QStringLiteral("fasolki")], 1);
    EXPECT_EQ(wpisy(QStringLiteral("All Beans/Work/_Ready")).size(), 3);
}

TEST_F(WypakowanieFasolkiTest, AChildNamedLikeTheFolderItselfComesOut)
{
    plik(QStringLiteral("All Beans/Work/notes/notes"), "N");
    ASSERT_TRUE(fasolka(QStringLiteral("Work"), QStringLiteral("notes"))->wypakujZawartoscFasolkiZKatalogu());
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/notes"))), QByteArray("N"));
    EXPECT_TRUE(fasolka(QStringLiteral("Work"), QStringLiteral("notes"))->jestZPlikiem());
}

TEST_F(WypakowanieFasolkiTest, DotFilesAndStatusFolderNamesAreRefusedBeforeAnythingMoves)
{
    plik(QStringLiteral("All Beans/Work/Kropka/a.txt"));
    plik(QStringLiteral("All Beans/Work/Kropka/.ukryty"));
    plik(QStringLiteral("All Beans/Work/Status/_Done/x.txt"));
    plik(QStringLiteral("All Beans/Work/Plik.txt"));
    zapamietajStan();

    EXPECT_FALSE(fasolka(QStringLiteral("Work"), QStringLiteral("Kropka"))->wypakujZawartoscFasolkiZKatalogu());
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("Błąd. Katalog zawiera pliki z kropką. Przerywam operację.")));
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("pliki z kropką = (.ukryty)")));
    EXPECT_FALSE(fasolka(QStringLiteral("Work"), QStringLiteral("Status"))->wypakujZawartoscFasolkiZKatalogu())
        << "its _Done would become the flow's Done folder";
    EXPECT_TRUE(fasolka(QStringLiteral("Work"), QStringLiteral("Plik.txt"))->wypakujZawartoscFasolkiZKatalogu())
        << "a file bean needs nothing";
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("Fasolka nie jest katalogiem. Nic nie trzeba robić.")));
    sprawdzNiezmienione();
}

TEST_F(WypakowanieFasolkiTest, AFailureHalfWayMovesEverythingBackAndRenamesTheFolderBack)
{
    plik(QStringLiteral("All Beans/Work/Projekt/a.txt"), "A");
    plik(QStringLiteral("All Beans/Work/Projekt/b.txt"), "B");
    // A name outside the file-name encoding is never listed, so it cannot be moved out and
    // the emptied folder cannot be removed.
    const QByteArray zly = QFile::encodeName(R(QStringLiteral("All Beans/Work/Projekt"))) + "/z\xff";
    FILE *plikZly = fopen(zly.constData(), "w");
    ASSERT_NE(plikZly, nullptr);
    fclose(plikZly);
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));
    zapamietajStan();

    EXPECT_FALSE(projekt->wypakujZawartoscFasolkiZKatalogu());
    EXPECT_TRUE(m_konsola.contains(QStringLiteral("Błąd usunięcia katalogu. Przerywam operację.")));
    struct stat info;
    EXPECT_EQ(stat(zly.constData(), &info), 0) << "the unlisted file is still in the folder";
    sprawdzNiezmienione();
    EXPECT_FALSE(projekt->zostalaUsunieta());
    unlink(zly.constData()); // the temporary folder cannot remove a name it cannot spell
}

// --- rename ---

TEST_F(ZmianaNazwyFasolkiTest, ANewNameMovesTheItemAndTellsTheFlowAndTheDatabase)
{
    plik(QStringLiteral("All Beans/Work/_Done/a.txt"), "A");
    Fasolka *a = fasolka(QStringLiteral("Work"), QStringLiteral("a.txt"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("nazwa"), a, &Fasolka::nazwaChanged);
    licznik.obserwuj(QStringLiteral("potok"), a->potok(), &Potok::nazwaJakiejsFasolkiZmieniona);
    licznik.obserwuj(QStringLiteral("baza"), baza(), &BazaFasolek::nazwaJakiejsFasolkiZmieniona);

    ASSERT_TRUE(a->zmienNazweBytuFasolkiNaDysku(QStringLiteral("Zażółć.txt")));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Done/Zażółć.txt"))), QByteArray("A"));
    EXPECT_EQ(a->nazwa(), QStringLiteral("Zażółć.txt"));
    EXPECT_TRUE(a->jestUkonczona());
    for (const char *klucz : {"nazwa", "potok", "baza"})
        EXPECT_EQ(licznik[QString::fromLatin1(klucz)], 1) << klucz;

    const auto przed = migawkaKatalogu(R());
    EXPECT_TRUE(a->zmienNazweBytuFasolkiNaDysku(QStringLiteral("Zażółć.txt"))) << "the same name needs nothing";
    EXPECT_EQ(migawkaKatalogu(R()), przed);
    a->setNazwa(QStringLiteral("b.txt"));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Done/b.txt"))), QByteArray("A"));
    EXPECT_EQ(url(a), R(QStringLiteral("All Beans/Work/_Done/b.txt")));
}

// --- expected outcome ---

TEST_F(SpodziewanyRezultatTest, ATextRoundTripsAsUtf8AndTheEmptyTextDeletesTheFile)
{
    katalog(QStringLiteral("All Beans/Work/Projekt"));
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));
    const QString sciezka = R(QStringLiteral("All Beans/Work/Projekt/expected outcome.txt"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("rezultat"), projekt, &Fasolka::spodziewanyRezultatChanged);

    const QString tekst = QStringLiteral("Zażółć gęślą jaźń\ndruga linia");
    ASSERT_TRUE(projekt->ustawSpodziewanyRezultat(tekst));
    EXPECT_EQ(KatalogTestowy::czytaj(sciezka), tekst.toUtf8()) << "UTF-8, no mark, nothing added";
    EXPECT_EQ(projekt->spodziewanyRezultat(), tekst);
    EXPECT_EQ(licznik[QStringLiteral("rezultat")], 1);
    EXPECT_TRUE(projekt->katalog()->bytyWewnetrzne().isEmpty()) << "the file is no item of the bean";

    struct stat przed;
    ASSERT_EQ(stat(QFile::encodeName(sciezka).constData(), &przed), 0);
    EXPECT_TRUE(projekt->ustawSpodziewanyRezultat(tekst));
    struct stat po;
    ASSERT_EQ(stat(QFile::encodeName(sciezka).constData(), &po), 0);
    EXPECT_EQ(po.st_ino, przed.st_ino) << "the same text is not written again";
    EXPECT_EQ(licznik[QStringLiteral("rezultat")], 1);

    ASSERT_TRUE(projekt->ustawSpodziewanyRezultat(QString()));
    EXPECT_FALSE(KatalogTestowy::istnieje(sciezka));
    EXPECT_EQ(licznik[QStringLiteral("rezultat")], 2);
    EXPECT_TRUE(projekt->ustawSpodziewanyRezultat(QString())) << "already empty";

    plik(QStringLiteral("All Beans/Work/plik.txt"));
    projekt->potok()->synchronizujFasolki();
    EXPECT_FALSE(fasolka(QStringLiteral("Work"), QStringLiteral("plik.txt"))->ustawSpodziewanyRezultat(tekst))
        << "a file bean has no folder for it";
}

TEST_F(SpodziewanyRezultatTest, AUtf16FileWithAMarkIsReadAndReplacedByUtf8KeepingItsMode)
{
    QStringEncoder utf16(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    const QString sciezka =
        plik(QStringLiteral("All Beans/Work/Projekt/expected outcome.txt"), utf16.encode(QStringLiteral("Cel: ŁÓDŹ")));
    ASSERT_EQ(chmod(QFile::encodeName(sciezka).constData(), 0640), 0);
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));
    EXPECT_EQ(projekt->spodziewanyRezultat(), QStringLiteral("Cel: ŁÓDŹ"));

    ASSERT_TRUE(projekt->ustawSpodziewanyRezultat(QStringLiteral("Cel: Kraków")));
    EXPECT_EQ(KatalogTestowy::czytaj(sciezka), QStringLiteral("Cel: Kraków").toUtf8());
    struct stat info;
    ASSERT_EQ(stat(QFile::encodeName(sciezka).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(wpisy(QStringLiteral("All Beans/Work/Projekt")), QStringList{QStringLiteral("expected outcome.txt")})
        << "no temporary file is left";
}

TEST_F(SpodziewanyRezultatTest, ALinkNamedLikeTheFileIsReplacedNeverWrittenThrough)
{
    const QString cudzy = m_baza.plik(QStringLiteral("cudzy.txt"), "nie ruszaj");
    katalog(QStringLiteral("All Beans/Work/Projekt"));
    const QString sciezka = R(QStringLiteral("All Beans/Work/Projekt/expected outcome.txt"));
    ASSERT_TRUE(QFile::link(cudzy, sciezka));
    Fasolka *projekt = fasolka(QStringLiteral("Work"), QStringLiteral("Projekt"));

    ASSERT_TRUE(projekt->ustawSpodziewanyRezultat(QStringLiteral("nowy")));
    EXPECT_FALSE(QFileInfo(sciezka).isSymLink());
    EXPECT_EQ(KatalogTestowy::czytaj(sciezka), QByteArray("nowy"));
    EXPECT_EQ(KatalogTestowy::czytaj(cudzy), QByteArray("nie ruszaj"));

    ASSERT_TRUE(QFile::remove(sciezka));
    ASSERT_TRUE(QFile::link(cudzy, sciezka));
    ASSERT_TRUE(projekt->ustawSpodziewanyRezultat(QString()));
    EXPECT_FALSE(KatalogTestowy::istnieje(sciezka)) << "the link goes";
    EXPECT_EQ(KatalogTestowy::czytaj(cudzy), QByteArray("nie ruszaj")) << "its target stays";
}

} // namespace
