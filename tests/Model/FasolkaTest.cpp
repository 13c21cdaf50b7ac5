#include "LicznikSygnalow.h"
#include "Support/PortfolioTestowe.h"

#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/DekoratorIkonyFasolki.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/RelacjeModelu.h"

#include "Platform/ObrazyAplikacji.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

namespace {

class FasolkaTest : public PortfolioTestowe
{
protected:
    Fasolka *fasolkaWPotoku(const QString &potok, const QString &nazwa)
    {
        Potok *wlasciciel = BazaFasolek::sharedBazaFasolek()->znajdzPotokONazwie(potok);
        return wlasciciel ? wlasciciel->znajdzFasolkeONazwie(nazwa) : nullptr;
    }

    static void obserwujZaleznePodBytem(LicznikSygnalow &licznik, Fasolka *fasolka)
    {
        licznik.obserwuj(QStringLiteral("nazwa"), fasolka, &Fasolka::nazwaChanged);
        licznik.obserwuj(QStringLiteral("ikona"), fasolka, &Fasolka::ikonaChanged);
        licznik.obserwuj(QStringLiteral("rodzajFasolki"), fasolka, &Fasolka::rodzajFasolkiChanged);
        licznik.obserwuj(QStringLiteral("statusFasolki"), fasolka, &Fasolka::statusFasolkiChanged);
        licznik.obserwuj(QStringLiteral("spodziewanyRezultat"), fasolka, &Fasolka::spodziewanyRezultatChanged);
        licznik.obserwuj(QStringLiteral("tekstowyStatusFasolki"), fasolka, &Fasolka::tekstowyStatusFasolkiChanged);
        licznik.obserwuj(QStringLiteral("ikonaStatusuFasolki"), fasolka, &Fasolka::ikonaStatusuFasolkiChanged);
        licznik.obserwuj(QStringLiteral("jestWInkubacji"), fasolka, &Fasolka::jestWInkubacjiChanged);
        licznik.obserwuj(QStringLiteral("jestAktywna"), fasolka, &Fasolka::jestAktywnaChanged);
        licznik.obserwuj(QStringLiteral("jestOczekujaca"), fasolka, &Fasolka::jestOczekujacaChanged);
        licznik.obserwuj(QStringLiteral("jestNieaktywna"), fasolka, &Fasolka::jestNieaktywnaChanged);
        licznik.obserwuj(QStringLiteral("jestGotowa"), fasolka, &Fasolka::jestGotowaChanged);
        licznik.obserwuj(QStringLiteral("jestUkonczona"), fasolka, &Fasolka::jestUkonczonaChanged);
        licznik.obserwuj(QStringLiteral("jestZarchiwizowana"), fasolka, &Fasolka::jestZarchiwizowanaChanged);
        licznik.obserwuj(QStringLiteral("jestZPlikiem"), fasolka, &Fasolka::jestZPlikiemChanged);
        licznik.obserwuj(QStringLiteral("jestZKatalogiem"), fasolka, &Fasolka::jestZKatalogiemChanged);
    }

    static const QStringList &zaleznePodBytem()
    {
        static const QStringList klucze{
            QStringLiteral("nazwa"),
            QStringLiteral("ikona"),
            QStringLiteral("rodzajFasolki"),
            QStringLiteral("statusFasolki"),
            QStringLiteral("spodziewanyRezultat"),
            QStringLiteral("tekstowyStatusFasolki"),
            QStringLiteral("ikonaStatusuFasolki"),
            QStringLiteral("jestWInkubacji"),
            QStringLiteral("jestAktywna"),
            QStringLiteral("jestOczekujaca"),
            QStringLiteral("jestNieaktywna"),
            QStringLiteral("jestGotowa"),
            QStringLiteral("jestUkonczona"),
            QStringLiteral("jestZarchiwizowana"),
            QStringLiteral("jestZPlikiem"),
            QStringLiteral("jestZKatalogiem"),
        };
        return klucze;
    }
};

TEST_F(FasolkaTest, StatusFollowsThePlaceOnly)
{
    const struct
    {
        const char *sciezka;
        int status;
    } przypadki[] = {
        {"All Beans/_Main_Flow/a.txt", Fasolka::sfAktywna},
        {"All Beans/Work/a.txt", Fasolka::sfAktywna},
        {"All Beans/Work/_Incubation/a", Fasolka::sfWInkubacji},
        {"All Beans/Work/_Waiting_For/a", Fasolka::sfOczekujaca},
        {"All Beans/Work/_Inactive/a", Fasolka::sfNieaktywna},
        {"All Beans/Work/_Ready/a", Fasolka::sfGotowa},
        {"All Beans/_Main_Flow/_Done/a", Fasolka::sfUkonczona},
        {"Archived Beans/_Main_Flow/a", Fasolka::sfZarchiwizowana},
        {"Archived Beans/Work/a", Fasolka::sfZarchiwizowana},
        {"All Beans/a.txt", Fasolka::sfNieokreslony},
        {"Archived Beans/a.txt", Fasolka::sfNieokreslony},
        {"All Beans/Work/_Flow_Items/a", Fasolka::sfNieokreslony},
        {"All Beans/Work/_ready/a", Fasolka::sfNieokreslony},
        {"All Beans/Work/Projekt/_Done/a", Fasolka::sfNieokreslony},
    };
    for (const auto &przypadek : przypadki)
        EXPECT_EQ(Fasolka::odczytajStatusFasolkiDlaURLa(R(QString::fromLatin1(przypadek.sciezka))), przypadek.status)
            << przypadek.sciezka;
    EXPECT_EQ(Fasolka::odczytajStatusFasolkiDlaURLa(m_baza.sciezka(QStringLiteral("Inne/Work/_Done/a"))),
              Fasolka::sfNieokreslony);
}

TEST_F(FasolkaTest, KindsTextsStatusFoldersAndPlaces)
{
    const QString plikA = plik(QStringLiteral("a.txt"));
    const QString folder = katalog(QStringLiteral("folder"));
    ASSERT_TRUE(QFile::link(folder, R(QStringLiteral("dowiazanie"))));
    EXPECT_EQ(Fasolka::odczytajRodzajFasolkiDlaURLa(R(QStringLiteral("brak"))), Fasolka::rfBrak);
    EXPECT_EQ(Fasolka::odczytajRodzajFasolkiDlaURLa(plikA), Fasolka::rfPlik);
    EXPECT_EQ(Fasolka::odczytajRodzajFasolkiDlaURLa(folder), Fasolka::rfKatalog);
    EXPECT_EQ(Fasolka::odczytajRodzajFasolkiDlaURLa(R(QStringLiteral("dowiazanie"))), Fasolka::rfKatalog);

    const QStringList teksty{QStringLiteral("Unspecified"), QStringLiteral("Incubation"), QStringLiteral("Active"),
                             QStringLiteral("Waiting for"), QStringLiteral("Inactive"),   QStringLiteral("Ready"),
                             QStringLiteral("Done"),        QStringLiteral("Archived")};
    for (int status = 0; status < 8; ++status) {
        EXPECT_EQ(Fasolka::tekstowyStatusFasolki(status), teksty.at(status));
        EXPECT_FALSE(Fasolka::ikonaStatusuFasolki(status).isNull());
    }
    EXPECT_EQ(Fasolka::tekstowyStatusFasolki(8), QString());
    EXPECT_TRUE(ObrazyAplikacji::istnieje(QStringLiteral("StatusFasolkaOczekujaca3")));
    const QString potok = R(QStringLiteral("All Beans/Work"));
    EXPECT_EQ(Fasolka::urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(true, QStringLiteral("X"), 1, potok),
              potok + QStringLiteral("/_Incubation/X"));
    EXPECT_EQ(Fasolka::urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(false, QStringLiteral("a.txt"), 2, potok),
              potok + QStringLiteral("/a.txt"));
    EXPECT_EQ(Fasolka::urlDlaFasolkiZKatalogiemZOKSZeStatusemWPotokuOUrlu(false, QStringLiteral("a.txt"), 7, potok),
              potok + QStringLiteral("/a.txt"));
}

TEST_F(FasolkaTest, AnObserverThatHearsOfAMoveBeforeTheBeanStillReadsTheNewStatus)
{
    const QString stary = plik(QStringLiteral("All Beans/Work/a.txt"));
    BytSystemuPlikow *byt = BytSystemuPlikow::bytSystemuPlikowDlaURL(stary);
    Fasolka *fasolka = nullptr;
    QList<int> odczytane;
    QObject::connect(byt, &BytSystemuPlikow::plikowyURLChanged, [&] { odczytane << fasolka->statusFasolki(); });
    fasolka = StosCoreData::kontekstOZ()->wstaw<Fasolka>();
    fasolka->setBytFasolki(byt);
    ASSERT_EQ(fasolka->statusFasolki(), Fasolka::sfAktywna);

    const QString nowy = R(QStringLiteral("All Beans/Work/_Ready/a.txt"));
    katalog(QStringLiteral("All Beans/Work/_Ready"));
    ASSERT_TRUE(QFile::rename(stary, nowy));
    byt->setPlikowyURL(nowy);
    EXPECT_EQ(odczytane, QList<int>{Fasolka::sfGotowa});
    EXPECT_TRUE(fasolka->jestGotowa());
}

TEST_F(FasolkaTest, EverythingReadFromTheEntityIsAnnouncedWhenTheEntityOrItsUrlChanges)
{
    katalog(QStringLiteral("All Beans/Work/Projekt"));
    Fasolka *fasolka = fasolkaWPotoku(QStringLiteral("Work"), QStringLiteral("Projekt"));
    ASSERT_NE(fasolka, nullptr);
    ASSERT_TRUE(fasolka->jestAktywna());
    LicznikSygnalow licznik;
    obserwujZaleznePodBytem(licznik, fasolka);

    katalog(QStringLiteral("All Beans/Work/_Done"));
    ASSERT_TRUE(
        QDir().rename(R(QStringLiteral("All Beans/Work/Projekt")), R(QStringLiteral("All Beans/Work/_Done/Projekt"))));
    fasolka->bytFasolki()->setPlikowyURL(R(QStringLiteral("All Beans/Work/_Done/Projekt")));
    for (const QString &klucz : zaleznePodBytem())
        EXPECT_EQ(licznik[klucz], 1) << qPrintable(klucz);
    EXPECT_TRUE(fasolka->jestUkonczona());
    EXPECT_EQ(fasolka->tekstowyStatusFasolki(), QStringLiteral("Done"));

    fasolka->setBytFasolki(BytSystemuPlikow::bytSystemuPlikowDlaURL(plik(QStringLiteral("All Beans/Work/x.txt"))));
    for (const QString &klucz : zaleznePodBytem())
        EXPECT_EQ(licznik[klucz], 2) << qPrintable(klucz);
    EXPECT_TRUE(fasolka->jestZPlikiem());
    EXPECT_TRUE(fasolka->jestAktywna());
    EXPECT_EQ(fasolka->nazwa(), QStringLiteral("x.txt"));
}

TEST_F(FasolkaTest, LeavingItsFlowAndItsFlowArchiveIsAnnouncedAsRemoval)
{
    auto *fasolka = Fasolka::zarzadzanyObiektFasolkiZURLem(plik(QStringLiteral("All Beans/Work/a.txt")));
    auto *potok = StosCoreData::kontekstOZ()->wstaw<Potok>();
    auto *archiwumPotoku = StosCoreData::kontekstOZ()->wstaw<ArchiwumPotoku>();
    EXPECT_TRUE(fasolka->zostalaUsunieta()) << "a bean that belongs nowhere yet";
    LicznikSygnalow licznik;
    licznik.obserwuj(QStringLiteral("zostalaUsunieta"), fasolka, &Fasolka::zostalaUsunietaChanged);

    RelacjeModelu::fasolkiPotoku.dodaj(potok, {fasolka});
    RelacjeModelu::fasolkiArchiwumPotoku.dodaj(archiwumPotoku, {fasolka});
    RelacjeModelu::fasolkiPotoku.usun(potok, {fasolka});
    EXPECT_EQ(licznik[QStringLiteral("zostalaUsunieta")], 3);
    EXPECT_FALSE(fasolka->zostalaUsunieta()) << "still in its flow archive";
    RelacjeModelu::fasolkiArchiwumPotoku.usun(archiwumPotoku, {fasolka});
    EXPECT_EQ(licznik[QStringLiteral("zostalaUsunieta")], 4);
    EXPECT_TRUE(fasolka->zostalaUsunieta());
}

TEST_F(FasolkaTest, AFolderBeanListsItsContentsWithoutTheExpectedOutcomeAndReadsIt)
{
    plik(QStringLiteral("All Beans/Work/Projekt/notatki.txt"));
    plik(QStringLiteral("All Beans/Work/Projekt/pod/x.txt"));
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    plik(QStringLiteral("All Beans/Work/Projekt/expected outcome.txt"), utf16.encode(QStringLiteral("Zażółć gęślą")));
    plik(QStringLiteral("All Beans/Work/plik.pdf"));
    ASSERT_TRUE(QFile::link(R(QStringLiteral("All Beans/Work/Projekt")), R(QStringLiteral("All Beans/Work/skrot"))));
    Fasolka *projekt = fasolkaWPotoku(QStringLiteral("Work"), QStringLiteral("Projekt"));
    Fasolka *plikowa = fasolkaWPotoku(QStringLiteral("Work"), QStringLiteral("plik.pdf"));
    Fasolka *skrot = fasolkaWPotoku(QStringLiteral("Work"), QStringLiteral("skrot"));
    ASSERT_TRUE(projekt && plikowa && skrot);

    ASSERT_EQ(projekt->katalog(), projekt->bytFasolki());
    EXPECT_EQ(projekt->katalog()->opcjeSynchronizacji(), 128u);
    QStringList dzieci;
    for (BytSystemuPlikow *byt : projekt->katalog()->bytyWewnetrzne())
        dzieci << byt->ostatniKomponentSciezki();
    dzieci.sort();
    EXPECT_EQ(dzieci, (QStringList{QStringLiteral("notatki.txt"), QStringLiteral("pod")}));
    EXPECT_EQ(projekt->spodziewanyRezultat(), QStringLiteral("Zażółć gęślą"));
    EXPECT_TRUE(projekt->canReceiveDrop());
    EXPECT_EQ(projekt->dropDestinationURL(), R(QStringLiteral("All Beans/Work/Projekt")));
    EXPECT_EQ(projekt->ikona().pixmap(64, 64).toImage(),
              ObrazyAplikacji::ikona(QStringLiteral("Fasolka.icns")).pixmap(64, 64).toImage());

    EXPECT_EQ(plikowa->katalog(), nullptr);
    EXPECT_EQ(plikowa->spodziewanyRezultat(), QString());
    EXPECT_FALSE(plikowa->canReceiveDrop());
    EXPECT_EQ(plikowa->previewItemTitle(), QStringLiteral("plik.pdf"));

    EXPECT_TRUE(skrot->jestZKatalogiem()) << "a link to a folder is a folder bean";
    EXPECT_TRUE(skrot->canReceiveDrop());
    EXPECT_EQ(skrot->katalog(), nullptr) << "but has no folder entity";
    EXPECT_EQ(skrot->spodziewanyRezultat(), QString());
}

TEST_F(FasolkaTest, ReReadingAFolderBeanReadsItsContentsAndAnnouncesItsEntity)
{
    plik(QStringLiteral("All Beans/Work/Projekt/a.txt"));
    Fasolka *projekt = fasolkaWPotoku(QStringLiteral("Work"), QStringLiteral("Projekt"));
    ASSERT_EQ(projekt->katalog()->bytyWewnetrzne().size(), 1);
    LicznikSygnalow licznik;
    obserwujZaleznePodBytem(licznik, projekt);

    plik(QStringLiteral("All Beans/Work/Projekt/b.txt"));
    projekt->synchronizujZDyskiem();
    EXPECT_EQ(projekt->katalog()->bytyWewnetrzne().size(), 2);
    EXPECT_EQ(licznik[QStringLiteral("statusFasolki")], 1);
    EXPECT_EQ(licznik[QStringLiteral("nazwa")], 1);
    EXPECT_TRUE(projekt->jestAktywna());
}

TEST_F(FasolkaTest, AFileBeanShowsTheBadgedFormOfItsFileIcon)
{
    plik(QStringLiteral("All Beans/Work/a.txt"));
    Fasolka *fasolka = fasolkaWPotoku(QStringLiteral("Work"), QStringLiteral("a.txt"));
    const QIcon oczekiwana = DekoratorIkonyFasolki::ikonaUdekorowanaKielkiem(fasolka->bytFasolki()->ikona());
    const QIcon pierwsza = fasolka->ikona();
    EXPECT_EQ(pierwsza.availableSizes(), oczekiwana.availableSizes());
    if (!pierwsza.isNull()) {
        EXPECT_EQ(fasolka->ikona().cacheKey(), pierwsza.cacheKey()) << "kept while the file icon is the same";
    }
}

} // namespace
