#include "OperacjeTestowe.h"

#include "Model/ObserwatorZmianNaDysku.h"
#include "Platform/Paths.h"

#include <QFileInfo>

#include <functional>
#include <ostream>

namespace {

// Two names that differ only in Unicode normalisation ("Café" composed and decomposed) are two
// items on Linux: both are in the graph, each is acted on alone, and whatever another program
// does with them ends in the graph a fresh build makes.
class DwiePisownie;

QString S(const char *tekst)
{
    return QString::fromUtf8(tekst);
}

const QString flowNfc = S("All Beans/Fl\u00f6w");
const QString flowNfd = S("All Beans/Flo\u0308w");
const QString cafeNfc = S("All Beans/Work/Caf\u00e9");
const QString cafeNfd = S("All Beans/Work/Cafe\u0301");
const QString naiveNfc = S("Archived Beans/Work/Na\u00efve");
const QString naiveNfd = S("Archived Beans/Work/Nai\u0308ve");

// Items laid out first, by path below the portfolio; no bytes make a folder.
using Uklad = QList<std::pair<QString, const char *>>;

const Uklad bliznietaPotokow{{flowNfc + S("/a.txt"), "a"}, {flowNfd + S("/_Ready/b.txt"), "b"}};
const Uklad bliznietaFasolek{
    {cafeNfc + S("/menu.txt"), "menu"}, {cafeNfd + S("/karta.txt"), "karta"}, {S("All Beans/Play/x"), "x"}};
const Uklad bliznietaWArchiwum{{naiveNfc, "nfc"}, {naiveNfd, "nfd"}, {S("All Beans/Work/w"), "w"}};

class DwiePisownie : public OperacjeTestowe
{
public:
    using OperacjeTestowe::baza;

    void rozloz(const Uklad &uklad)
    {
        for (const auto &[wzgledna, tresc] : uklad)
            tresc ? (void)plik(wzgledna, tresc) : (void)katalog(wzgledna);
    }

    Fasolka *fasolkaPod(const QString &wzgledna)
    {
        for (Fasolka *f : wszystkieFasolki()) {
            if (url(f) == R(wzgledna))
                return f;
        }
        return nullptr;
    }
    Potok *potokPod(const QString &wzgledna)
    {
        for (Potok *p : baza()->potoki()) {
            if (p->bytPotoku()->plikowyURL() == R(wzgledna))
                return p;
        }
        return nullptr;
    }

    // Flows, flow archives and beans by path as spelled on disk, with each bean's status and owner.
    QStringList opisGrafu()
    {
        QStringList opis;
        const auto wzgledna = [&](const QString &sciezka) { return sciezka.mid(R().size() + 1); };
        for (Potok *p : baza()->potoki()) {
            opis << S("flow ") + wzgledna(p->bytPotoku()->plikowyURL());
            for (Fasolka *f : p->fasolki())
                opis << S("bean %1 %2 in %3").arg(wzgledna(url(f))).arg(f->statusFasolki()).arg(p->nazwaKatalogu());
        }
        for (ArchiwumPotoku *a : baza()->archiwum()->archiwaPotokow()) {
            opis << S("archive ") + wzgledna(a->katalog()->plikowyURL());
            for (Fasolka *f : a->fasolki())
                opis << S("archived %1 in %2").arg(wzgledna(url(f)), a->nazwaKatalogu());
        }
        opis.sort();
        return opis;
    }

    // The graph a fresh build makes of the disk as it is now; the current graph is left behind.
    QStringList opisSwiezegoGrafu()
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        return opisGrafu();
    }

private:
    QList<Fasolka *> wszystkieFasolki()
    {
        QList<Fasolka *> fasolki;
        for (Potok *p : baza()->potoki())
            fasolki += p->fasolki().elementy();
        for (ArchiwumPotoku *a : baza()->archiwum()->archiwaPotokow())
            fasolki += a->fasolki().elementy();
        return fasolki;
    }
};

// --- both twins are in the graph

struct Blizniaki
{
    const char *nazwa;
    Uklad uklad;
    QStringList oczekiwane; // lines of the graph's description
};

void PrintTo(const Blizniaki &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class BliznietaWGrafie : public DwiePisownie, public ::testing::WithParamInterface<Blizniaki>
{
};

const Blizniaki blizniaki[] = {
    {"FlowsInAllBeans",
     bliznietaPotokow,
     {S("flow ") + flowNfc, S("flow ") + flowNfd, S("bean %1/a.txt 2 in Fl\u00f6w").arg(flowNfc),
      S("bean %1/_Ready/b.txt 5 in Flo\u0308w").arg(flowNfd)}},
    {"BeansInOneFlow", bliznietaFasolek, {S("bean %1 2 in Work").arg(cafeNfc), S("bean %1 2 in Work").arg(cafeNfd)}},
    {"BeansInOneFlowArchive",
     bliznietaWArchiwum,
     {S("archived %1 in Work").arg(naiveNfc), S("archived %1 in Work").arg(naiveNfd)}},
};

TEST_P(BliznietaWGrafie, BothAreItemsOfTheGraphAndAReReadKeepsThem)
{
    rozloz(GetParam().uklad);
    QStringList opis = opisGrafu();
    for (const QString &linia : GetParam().oczekiwane)
        EXPECT_TRUE(opis.contains(linia)) << qPrintable(linia) << "\n" << qPrintable(opis.join(u'\n'));
    baza()->synchronizujZDyskiem();
    baza()->archiwum()->synchronizujZDyskiem();
    EXPECT_EQ(opisGrafu(), opis) << "a re-read neither merges nor re-spells them";
}

INSTANTIATE_TEST_SUITE_P(Uklady, BliznietaWGrafie, ::testing::ValuesIn(blizniaki),
                         [](const ::testing::TestParamInfo<Blizniaki> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// --- each twin is acted on alone

struct Operacja
{
    const char *nazwa;
    Uklad uklad;
    QString dzialajNa; // the twin acted on: a flow folder or a bean, by path
    std::function<bool(DwiePisownie &, BladOperacji *)> operacja;
    QString wynik;    // where the item acted on lies after
    QString blizniak; // the other twin, which keeps its object, path and bytes
};

void PrintTo(const Operacja &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class JedenZBlizniakow : public DwiePisownie, public ::testing::WithParamInterface<Operacja>
{
};

const Operacja operacje[] = {
    {"RenameAFlow", bliznietaPotokow, flowNfc,
     [](DwiePisownie &t, BladOperacji *b) { return t.potokPod(flowNfc)->zmienNazwePotokuNaDysku(S("Rzeka"), b); },
     S("All Beans/Rzeka"), flowNfd},
    {"MoveABeanOutOfAFlow", bliznietaPotokow, flowNfd + S("/_Ready/b.txt"),
     [](DwiePisownie &t, BladOperacji *) {
         return t.fasolkaPod(flowNfd + S("/_Ready/b.txt"))->przeniesDoPotoku(t.baza()->potokGlowny());
     },
     S("All Beans/_Main_Flow/_Ready/b.txt"), flowNfc},
    {"ArchiveFromAFlowIntoItsOwnFlowArchive", bliznietaPotokow, flowNfd + S("/_Ready/b.txt"),
     [](DwiePisownie &t, BladOperacji *b) {
         return t.fasolkaPod(flowNfd + S("/_Ready/b.txt"))->ustawStatus(Fasolka::sfZarchiwizowana, b);
     },
     S("Archived Beans/Flo\u0308w/b.txt"), flowNfc},
    {"ArchiveAndReactivateIntoItsOwnFlow", bliznietaPotokow, flowNfd + S("/_Ready/b.txt"),
     [](DwiePisownie &t, BladOperacji *b) {
         Fasolka *fasolka = t.fasolkaPod(flowNfd + S("/_Ready/b.txt"));
         return fasolka->ustawStatus(Fasolka::sfZarchiwizowana, b) && fasolka->ustawStatus(Fasolka::sfGotowa, b);
     },
     flowNfd + S("/_Ready/b.txt"), flowNfc},
    {"RenameABean", bliznietaFasolek, cafeNfc,
     [](DwiePisownie &t, BladOperacji *b) { return t.fasolkaPod(cafeNfc)->zmienNazweBytuFasolkiNaDysku(S("Tea"), b); },
     S("All Beans/Work/Tea"), cafeNfd},
    {"ChangeABeansStatus", bliznietaFasolek, cafeNfd,
     [](DwiePisownie &t, BladOperacji *b) { return t.fasolkaPod(cafeNfd)->ustawStatus(Fasolka::sfUkonczona, b); },
     S("All Beans/Work/_Done/Cafe\u0301"), cafeNfc},
    {"MoveABeanToAnotherFlow", bliznietaFasolek, cafeNfc,
     [](DwiePisownie &t, BladOperacji *) {
         return t.fasolkaPod(cafeNfc)->przeniesDoPotoku(t.baza()->znajdzPotokONazwie(S("Play")));
     },
     S("All Beans/Play/Caf\u00e9"), cafeNfd},
    {"ArchiveABean", bliznietaFasolek, cafeNfd,
     [](DwiePisownie &t, BladOperacji *b) { return t.fasolkaPod(cafeNfd)->ustawStatus(Fasolka::sfZarchiwizowana, b); },
     S("Archived Beans/Work/Cafe\u0301"), cafeNfc},
    {"ReactivateABean", bliznietaWArchiwum, naiveNfd,
     [](DwiePisownie &t, BladOperacji *b) { return t.fasolkaPod(naiveNfd)->ustawStatus(Fasolka::sfOczekujaca, b); },
     S("All Beans/Work/_Waiting_For/Nai\u0308ve"), naiveNfc},
};

TEST_P(JedenZBlizniakow, MovesAloneAndLeavesTheOtherAsItWas)
{
    const Operacja &przypadek = GetParam();
    rozloz(przypadek.uklad);
    Potok *potokBlizniak = potokPod(przypadek.blizniak);
    Fasolka *fasolkaBlizniak = fasolkaPod(przypadek.blizniak);
    ASSERT_TRUE(potokBlizniak || fasolkaBlizniak);
    ASSERT_TRUE(potokPod(przypadek.dzialajNa) || fasolkaPod(przypadek.dzialajNa));
    const QStringList dyskBlizniaka = migawkaKatalogu(R(przypadek.blizniak));

    BladOperacji blad;
    ASSERT_TRUE(przypadek.operacja(*this, &blad)) << qPrintable(blad.przyczyna);
    EXPECT_TRUE(potokPod(przypadek.wynik) || fasolkaPod(przypadek.wynik)) << qPrintable(opisGrafu().join(u'\n'));
    EXPECT_TRUE(QFileInfo::exists(R(przypadek.wynik)));
    EXPECT_EQ(migawkaKatalogu(R(przypadek.blizniak)), dyskBlizniaka) << "the twin on disk is untouched";
    if (potokBlizniak)
        EXPECT_EQ(potokPod(przypadek.blizniak), potokBlizniak) << "the twin keeps its flow object";
    else
        EXPECT_EQ(fasolkaPod(przypadek.blizniak), fasolkaBlizniak) << "the twin keeps its bean object";
    const QStringList opis = opisGrafu();
    EXPECT_EQ(opis, opisSwiezegoGrafu());
}

INSTANTIATE_TEST_SUITE_P(Operacje, JedenZBlizniakow, ::testing::ValuesIn(operacje),
                         [](const ::testing::TestParamInfo<Operacja> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// --- another program re-spells a name

struct ZmianaPisowni
{
    const char *nazwa;
    Uklad uklad;
    QString usun; // taken away first, when given: the twin whose spelling the other takes
    QString z;
    QString na;
    QString zgloszony; // the folder the watcher reports
};

void PrintTo(const ZmianaPisowni &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class InnaPisownia : public DwiePisownie, public ::testing::WithParamInterface<ZmianaPisowni>
{
};

const ZmianaPisowni zmianyPisowni[] = {
    {"AFileBean", {{cafeNfc, "c"}}, {}, cafeNfc, cafeNfd, S("All Beans/Work")},
    {"AFolderBean", {{cafeNfd + S("/menu.txt"), "m"}}, {}, cafeNfd, cafeNfc, S("All Beans/Work")},
    {"AFlow", {{flowNfc + S("/_Done/a.txt"), "a"}}, {}, flowNfc, flowNfd, S("All Beans")},
    {"AnArchivedBean", {{naiveNfd, "n"}}, {}, naiveNfd, naiveNfc, S("Archived Beans/Work")},
    {"ABeanOntoItsTwinsSpelling", bliznietaFasolek, cafeNfd, cafeNfc, cafeNfd, S("All Beans/Work")},
    {"AFlowOntoItsTwinsSpelling", bliznietaPotokow, flowNfd, flowNfc, flowNfd, S("All Beans")},
};

TEST_P(InnaPisownia, EndsInTheGraphOfAFreshBuild)
{
    const ZmianaPisowni &przypadek = GetParam();
    rozloz(przypadek.uklad);
    baza();
    if (const QString usun = R(przypadek.usun); !przypadek.usun.isEmpty()) {
        ASSERT_TRUE(QFileInfo(usun).isDir() ? QDir(usun).removeRecursively() : QFile::remove(usun));
    }
    ASSERT_TRUE(QDir().rename(R(przypadek.z), R(przypadek.na)));

    ObserwatorZmianNaDysku obserwator;
    obserwator.zsynchronizujObiektyModeluDlaSciezki(R(przypadek.zgloszony));
    const QStringList opis = opisGrafu();
    EXPECT_TRUE(potokPod(przypadek.na) || fasolkaPod(przypadek.na)) << qPrintable(opis.join(u'\n'));
    EXPECT_EQ(opis, opisSwiezegoGrafu());
}

INSTANTIATE_TEST_SUITE_P(Zmiany, InnaPisownia, ::testing::ValuesIn(zmianyPisowni),
                         [](const ::testing::TestParamInfo<ZmianaPisowni> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

// --- a typed name finds its item in either spelling

TEST_F(DwiePisownie, ANameTypedInEitherSpellingFindsItsItemAndTheExactSpellingFirst)
{
    plik(cafeNfc + S("/Zo\u0301lw"), "z");
    plik(cafeNfc + S("/Z\u00f3lw.txt"), "t");
    plik(cafeNfc + S("/Z\u00f3lw.txt").normalized(QString::NormalizationForm_D), "d");
    BytKatalogu *kawiarnia = fasolkaPod(cafeNfc)->katalog();
    ASSERT_NE(kawiarnia, nullptr);
    BytSystemuPlikow *zolw = kawiarnia->znajdzBytZOstatnimKomponentemSciezki(S("Z\u00f3lw"));
    ASSERT_NE(zolw, nullptr);
    EXPECT_EQ(zolw->plikowyURL(), R(cafeNfc + S("/Zo\u0301lw")));
    for (const QString &nazwa : {S("Z\u00f3lw.txt"), S("Z\u00f3lw.txt").normalized(QString::NormalizationForm_D)}) {
        BytSystemuPlikow *twin = kawiarnia->znajdzBytZOstatnimKomponentemSciezki(nazwa);
        ASSERT_NE(twin, nullptr);
        EXPECT_EQ(Paths::lastComponent(twin->plikowyURL()), nazwa) << "of twins, the one spelled as given";
    }
}

} // namespace
