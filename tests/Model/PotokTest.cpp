#include "LicznikSygnalow.h"
#include "Support/PortfolioTestowe.h"

#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include "Platform/ObrazyAplikacji.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

class PotokTest : public PortfolioTestowe
{
protected:
    Potok *potok(const QString &nazwa) { return BazaFasolek::sharedBazaFasolek()->znajdzPotokONazwie(nazwa); }

    static QStringList nazwy(const QList<Fasolka *> &fasolki)
    {
        QStringList wynik;
        for (Fasolka *fasolka : fasolki)
            wynik << fasolka->nazwa();
        wynik.sort(Qt::CaseInsensitive);
        return wynik;
    }
};

TEST_F(PotokTest, KindFollowsThePlaceOfTheFolder)
{
    EXPECT_EQ(Potok::odczytajRodzajPotokuDlaURLa(R(QStringLiteral("All Beans/_Main_Flow"))), Potok::rpGlowny);
    EXPECT_EQ(Potok::odczytajRodzajPotokuDlaURLa(R(QStringLiteral("All Beans/_main_flow"))), Potok::rpTematyczny);
    EXPECT_EQ(Potok::odczytajRodzajPotokuDlaURLa(R(QStringLiteral("All Beans/Work"))), Potok::rpTematyczny);
    EXPECT_EQ(Potok::odczytajRodzajPotokuDlaURLa(R(QStringLiteral("Archived Beans/_Main_Flow"))), Potok::rpBrak);
    EXPECT_EQ(Potok::odczytajRodzajPotokuDlaURLa(R(QStringLiteral("All Beans"))), Potok::rpBrak);
}

TEST_F(PotokTest, BeansAreReadFromTheFlowFolderAndItsFiveStatusFoldersOnlyEachWithItsStatus)
{
    plik(QStringLiteral("All Beans/Work/aktywna.txt"));
    plik(QStringLiteral("All Beans/Work/_Incubation/inkubowana.txt"));
    plik(QStringLiteral("All Beans/Work/_Waiting_For/oczekujaca.pdf"));
    plik(QStringLiteral("All Beans/Work/_Inactive/nieaktywna"));
    plik(QStringLiteral("All Beans/Work/_Ready/gotowa/w srodku.txt"));
    plik(QStringLiteral("All Beans/Work/_Done/ukonczona.txt"));
    plik(QStringLiteral("All Beans/Work/_Flow_Items/rzecz.txt"));
    plik(QStringLiteral("All Beans/Work/Projekt/_Done/gleboko.txt"));
    plik(QStringLiteral("All Beans/Work/_done/inna wielkosc.txt"));
    plik(QStringLiteral("All Beans/Work/.ukryta"));
    Potok *work = potok(QStringLiteral("Work"));
    ASSERT_NE(work, nullptr);

    EXPECT_EQ(
        nazwy(work->fasolki().elementy()),
        (QStringList{QStringLiteral("_done"), QStringLiteral("aktywna.txt"), QStringLiteral("gotowa"),
                     QStringLiteral("inkubowana.txt"), QStringLiteral("nieaktywna"), QStringLiteral("oczekujaca.pdf"),
                     QStringLiteral("Projekt"), QStringLiteral("ukonczona.txt")}));
    EXPECT_EQ(nazwy(work->fasolkiAktywne()),
              (QStringList{QStringLiteral("_done"), QStringLiteral("aktywna.txt"), QStringLiteral("Projekt")}));
    EXPECT_EQ(nazwy(work->fasolkiWInkubacji()), QStringList{QStringLiteral("inkubowana.txt")});
    EXPECT_EQ(nazwy(work->fasolkiOczekujace()), QStringList{QStringLiteral("oczekujaca.pdf")});
    EXPECT_EQ(nazwy(work->fasolkiNieaktywne()), QStringList{QStringLiteral("nieaktywna")});
    EXPECT_EQ(nazwy(work->fasolkiGotowe()), QStringList{QStringLiteral("gotowa")});
    EXPECT_EQ(nazwy(work->fasolkiUkonczone()), QStringList{QStringLiteral("ukonczona.txt")});
    EXPECT_EQ(work->znajdzFasolkeONazwie(QStringLiteral("gotowa"))->statusFasolki(), Fasolka::sfGotowa);
    EXPECT_TRUE(work->maNiepustyKatalogRzeczyPotoku());
}

TEST_F(PotokTest, AnItemReplacedByOneOfTheOtherKindUnderTheSameNameIsReadAsANewItem)
{
    plik(QStringLiteral("All Beans/Work/raport"));
    plik(QStringLiteral("All Beans/Work/Projekt/szkic"));
    Potok *work = potok(QStringLiteral("Work"));
    Fasolka *raport = work->znajdzFasolkeONazwie(QStringLiteral("raport"));
    BytKatalogu *projekt = work->znajdzFasolkeONazwie(QStringLiteral("Projekt"))->katalog();
    ASSERT_EQ(projekt->bytyWewnetrzne().size(), 1);

    // Another program puts a folder where the file was, and a file where the folder was.
    ASSERT_TRUE(QFile::remove(R(QStringLiteral("All Beans/Work/raport"))));
    katalog(QStringLiteral("All Beans/Work/raport"));
    ASSERT_TRUE(QFile::remove(R(QStringLiteral("All Beans/Work/Projekt/szkic"))));
    katalog(QStringLiteral("All Beans/Work/Projekt/szkic"));
    work->synchronizujFasolki();
    projekt->synchronizujZDyskiem();

    Fasolka *nowy = work->znajdzFasolkeONazwie(QStringLiteral("raport"));
    ASSERT_NE(nowy, nullptr);
    EXPECT_NE(nowy, raport);
    EXPECT_TRUE(raport->zostalaUsunieta());
    ASSERT_NE(nowy->katalog(), nullptr) << "a folder bean has its folder entity";
    EXPECT_TRUE(nowy->ustawSpodziewanyRezultat(QStringLiteral("gotowy")));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/raport/expected outcome.txt"))),
              QByteArray("gotowy"));
    ASSERT_EQ(projekt->bytyWewnetrzne().size(), 1);
    EXPECT_NE(qobject_cast<BytKatalogu *>(projekt->bytyWewnetrzne().first()), nullptr);
}

TEST_F(PotokTest, ABeanMovedOntoThePathOfABeanWhoseFileHadGoneLeavesOneBeanAtTheNextRead)
{
    plik(QStringLiteral("All Beans/Work/_Done/raport.txt"), "stary");
    plik(QStringLiteral("All Beans/Home/_Done/raport.txt"), "nowy");
    Potok *work = potok(QStringLiteral("Work"));
    Fasolka *nowy = potok(QStringLiteral("Home"))->znajdzFasolkeONazwie(QStringLiteral("raport.txt"));
    // Another program takes the status folder away; the graph has not heard of it yet.
    ASSERT_TRUE(
        QDir().rename(R(QStringLiteral("All Beans/Work/_Done")), m_baza.sciezka(QStringLiteral("gdzie indziej"))));
    ASSERT_TRUE(nowy->przeniesDoPotoku(work));
    ASSERT_EQ(work->fasolki().size(), 2);

    work->synchronizujFasolki();
    ASSERT_EQ(work->fasolki().size(), 1) << "one bean for one file";
    Fasolka *jedyna = work->fasolki().elementy().first();
    EXPECT_EQ(jedyna->bytFasolki()->plikowyURL(), R(QStringLiteral("All Beans/Work/_Done/raport.txt")));
    EXPECT_TRUE(jedyna->zostalaUsunieta() == false && (jedyna == nowy) != nowy->zostalaUsunieta());
}

TEST_F(PotokTest, NamesIconsAndDropTarget)
{
    katalog(QStringLiteral("All Beans/Praca domowa"));
    Potok *praca = potok(QStringLiteral("Praca domowa"));
    ASSERT_NE(praca, nullptr);
    EXPECT_EQ(praca->dropDestinationURL(), R(QStringLiteral("All Beans/Praca domowa")));
    EXPECT_EQ(praca->previewItemTitle(), QStringLiteral("Praca domowa"));
    EXPECT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("Potok.icns")));
    EXPECT_FALSE(praca->ikona().isNull());
    EXPECT_EQ(praca->ikonaPaskaNawigacji().pixmap(18, 18).toImage(),
              praca->ikonaZaznaczonaPaskaNawigacji().pixmap(18, 18).toImage())
        << "the selected row shows the same image";
    EXPECT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("PasekNawigacji-Potok-18px-Template")));

    auto *bezKatalogu = StosCoreData::kontekstOZ()->wstaw<Potok>();
    bezKatalogu->setNazwaWPamieci(QStringLiteral("zapamietana"));
    EXPECT_EQ(bezKatalogu->rodzajPotoku(), Potok::rpBrak);
    EXPECT_EQ(bezKatalogu->nazwa(), QStringLiteral("zapamietana")) << "a flow of no kind answers its cache";
}

TEST_F(PotokTest, ANewFolderNameCarriesEveryBeanAndTheItemsFolderAlong)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    plik(QStringLiteral("All Beans/Work/_Ready/b.txt"));
    plik(QStringLiteral("All Beans/Work/_Done/c/d.txt"));
    Potok *work = potok(QStringLiteral("Work"));
    ASSERT_EQ(work->fasolki().size(), 3);
    Fasolka *gotowa = work->znajdzFasolkeONazwie(QStringLiteral("b.txt"));
    ASSERT_EQ(gotowa->statusFasolki(), Fasolka::sfGotowa);
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("url"), work, &Potok::urlKataloguRzeczyPotokuChanged);
    licznik.obserwuj(QStringLiteral("fasolki"), work, &Potok::fasolkiChanged);

    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/Work")), R(QStringLiteral("All Beans/Play"))));
    work->bytPotoku()->setPlikowyURL(R(QStringLiteral("All Beans/Play")));

    for (Fasolka *fasolka : work->fasolki()) {
        EXPECT_TRUE(fasolka->bytFasolki()->plikowyURL().startsWith(R(QStringLiteral("All Beans/Play/"))));
        EXPECT_TRUE(fasolka->bytFasolki()->czyIstnieje());
    }
    EXPECT_EQ(gotowa->bytFasolki()->plikowyURL(), R(QStringLiteral("All Beans/Play/_Ready/b.txt")));
    EXPECT_EQ(gotowa->statusFasolki(), Fasolka::sfGotowa);
    EXPECT_EQ(work->katalogRzeczyPotoku()->plikowyURL(), R(QStringLiteral("All Beans/Play/_Flow_Items")));
    EXPECT_EQ(work->nazwa(), QStringLiteral("Play"));
    EXPECT_EQ(licznik[QStringLiteral("url")], 1);
    work->synchronizujFasolki();
    EXPECT_EQ(licznik[QStringLiteral("fasolki")], 0) << "the graph already was in step with the disk";
}

TEST_F(PotokTest, StatusSetsAndTheDatabaseMarkerFollowTheBeans)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    Potok *work = potok(QStringLiteral("Work"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("fasolkiWInkubacji"), work, &Potok::fasolkiWInkubacjiChanged);
    licznik.obserwuj(QStringLiteral("fasolkiAktywne"), work, &Potok::fasolkiAktywneChanged);
    licznik.obserwuj(QStringLiteral("fasolkiOczekujace"), work, &Potok::fasolkiOczekujaceChanged);
    licznik.obserwuj(QStringLiteral("fasolkiNieaktywne"), work, &Potok::fasolkiNieaktywneChanged);
    licznik.obserwuj(QStringLiteral("fasolkiGotowe"), work, &Potok::fasolkiGotoweChanged);
    licznik.obserwuj(QStringLiteral("fasolkiUkonczone"), work, &Potok::fasolkiUkonczoneChanged);

    plik(QStringLiteral("All Beans/Work/_Waiting_For/b.txt"));
    ASSERT_TRUE(QFile::remove(R(QStringLiteral("All Beans/Work/a.txt"))));
    Fasolka *a = work->znajdzFasolkeONazwie(QStringLiteral("a.txt"));
    licznik.obserwuj(QStringLiteral("zostalaUsunieta"), a, &Fasolka::zostalaUsunietaChanged);
    work->synchronizujZDyskiem();

    for (const char *klucz : {"fasolkiWInkubacji", "fasolkiAktywne", "fasolkiOczekujace", "fasolkiNieaktywne",
                              "fasolkiGotowe", "fasolkiUkonczone"})
        EXPECT_EQ(licznik[QString::fromLatin1(klucz)], 2) << klucz << ": one removal, one addition";
    EXPECT_EQ(licznik[QStringLiteral("zostalaUsunieta")], 1);
    EXPECT_TRUE(a->zostalaUsunieta());
    EXPECT_TRUE(work->fasolkiAktywne().isEmpty());
    EXPECT_EQ(nazwy(work->fasolkiOczekujace()), QStringList{QStringLiteral("b.txt")});
}

TEST_F(PotokTest, KindAndItemsFolderUrlFollowTheFolderEntity)
{
    katalog(QStringLiteral("All Beans/Work"));
    Potok *work = potok(QStringLiteral("Work"));
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("rodzaj"), work, &Potok::rodzajPotokuChanged);
    licznik.obserwuj(QStringLiteral("glowny"), work, &Potok::toPotokGlownyChanged);
    licznik.obserwuj(QStringLiteral("tematyczny"), work, &Potok::toPotokTematycznyChanged);
    licznik.obserwuj(QStringLiteral("url"), work, &Potok::urlKataloguRzeczyPotokuChanged);

    BytSystemuPlikow *inny = BytSystemuPlikow::bytSystemuPlikowDlaURL(katalog(QStringLiteral("All Beans/_Main_Flow")));
    work->setBytPotoku(inny);
    EXPECT_TRUE(work->toPotokGlowny());
    EXPECT_EQ(work->urlKataloguRzeczyPotoku(), R(QStringLiteral("All Beans/_Main_Flow/_Flow_Items")));
    inny->setPlikowyURL(katalog(QStringLiteral("All Beans/Other")));
    EXPECT_TRUE(work->toPotokTematyczny());
    for (const char *klucz : {"rodzaj", "glowny", "tematyczny", "url"})
        EXPECT_EQ(licznik[QString::fromLatin1(klucz)], 2) << klucz;
}

TEST_F(PotokTest, ItemsFolderValuesFollowTheItemsFolderAndItsChildren)
{
    katalog(QStringLiteral("All Beans/Work"));
    Potok *work = potok(QStringLiteral("Work"));
    ASSERT_NE(work->katalogRzeczyPotoku(), nullptr) << "an entity even before the folder exists";
    EXPECT_FALSE(work->maKatalogRzeczyPotoku());
    BytKatalogu *rzeczy = work->katalogRzeczyPotoku();
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("ma"), work, &Potok::maKatalogRzeczyPotokuChanged);
    licznik.obserwuj(QStringLiteral("niepusty"), work, &Potok::maNiepustyKatalogRzeczyPotokuChanged);

    plik(QStringLiteral("All Beans/Work/_Flow_Items/rzecz.txt"));
    rzeczy->synchronizujZDyskiem();
    EXPECT_EQ(licznik[QStringLiteral("niepusty")], 1) << "the items folder's children changed";
    EXPECT_TRUE(work->maNiepustyKatalogRzeczyPotoku());

    BytKatalogu *nowy = BytSystemuPlikow::bytKataloguDlaURL(katalog(QStringLiteral("Elsewhere")));
    work->setKatalogRzeczyPotoku(nowy);
    EXPECT_EQ(licznik[QStringLiteral("ma")], 1);
    EXPECT_EQ(licznik[QStringLiteral("niepusty")], 2);
    EXPECT_TRUE(work->maKatalogRzeczyPotoku());
    EXPECT_FALSE(work->maNiepustyKatalogRzeczyPotoku());
    plik(QStringLiteral("All Beans/Work/_Flow_Items/druga.txt"));
    rzeczy->synchronizujZDyskiem();
    EXPECT_EQ(licznik[QStringLiteral("niepusty")], 2) << "the former items folder is no longer observed";
}

// A locked status folder is what an ordinary user meets (ctest entry "nieuprzywilejowany").
using NieuprzywilejowanyPotok = PotokTest;

TEST_F(NieuprzywilejowanyPotok, AnUnreadableStatusFolderKeepsItsBeansWhileTheOtherFoldersAreRead)
{
    plik(QStringLiteral("All Beans/Work/_Waiting_For/oczekujaca.txt"), "oczekujaca");
    plik(QStringLiteral("All Beans/Work/_Ready/gotowa.txt"));
    Potok *work = potok(QStringLiteral("Work"));
    ASSERT_NE(work, nullptr);
    const QByteArray zamkniety = QFile::encodeName(R(QStringLiteral("All Beans/Work/_Waiting_For")));
    chmod(zamkniety.constData(), 0);
    QFile::rename(R(QStringLiteral("All Beans/Work/_Ready/gotowa.txt")),
                  R(QStringLiteral("All Beans/Work/_Ready/nowa.txt")));
    work->synchronizujFasolki();
    chmod(zamkniety.constData(), 0755);
    EXPECT_EQ(nazwy(work->fasolki().elementy()),
              (QStringList{QStringLiteral("nowa.txt"), QStringLiteral("oczekujaca.txt")}));
    EXPECT_EQ(KatalogTestowy::czytaj(R(QStringLiteral("All Beans/Work/_Waiting_For/oczekujaca.txt"))), "oczekujaca");
}

} // namespace
