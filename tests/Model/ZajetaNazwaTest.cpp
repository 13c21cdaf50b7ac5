#include "OperacjeTestowe.h"

#include "Model/BytKatalogu.h"

#include <cerrno>
#include <functional>
#include <ostream>

namespace {

// Every operation that gives an item a name, onto a name already taken (in any spelling): it
// fails, both items keep their bytes, and the graph stays as it was.
class ZajetaNazwa;

struct Przypadek
{
    const char *nazwa;
    // Items laid out first, by path below the portfolio; no bytes make a folder.
    QList<std::pair<QString, const char *>> uklad;
    std::function<bool(ZajetaNazwa &, BladOperacji *)> operacja;
    int kod = 0;            // the error it reports, where it reports one
    QString przyczyna = {}; // a part of the reason given
    QString konsola = {};   // a line it writes to the console
    QString opis = {};      // what failed, as an alert shows it
};

void PrintTo(const Przypadek &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class ZajetaNazwa : public OperacjeTestowe, public ::testing::WithParamInterface<Przypadek>
{
public:
    using OperacjeTestowe::baza;
    using OperacjeTestowe::potok;

    Fasolka *pod(const QString &wzgledna)
    {
        QList<Fasolka *> fasolki;
        for (Potok *p : baza()->potoki())
            fasolki += p->fasolki().elementy();
        for (ArchiwumPotoku *a : baza()->archiwum()->archiwaPotokow())
            fasolki += a->fasolki().elementy();
        for (Fasolka *f : fasolki) {
            if (url(f) == R(wzgledna))
                return f;
        }
        return nullptr;
    }
    BytSystemuPlikow *wFasolce(const QString &wzgledna)
    {
        BytKatalogu *projekt = pod(QStringLiteral("All Beans/Work/Projekt"))->katalog();
        return wzgledna.isEmpty() ? projekt : projekt->znajdzBytZOstatnimKomponentemSciezki(wzgledna);
    }
};

const QString bladPrzeniesienia = QStringLiteral("Błąd: Nie mogłem przenieść bytu fasolki do nowego katalogu");
const QString uwagaNazwy = QStringLiteral("Uwaga. Zmiana nazwy na dysku się nie powiodła.");
const QString juzJest = QStringLiteral("already exists");

QString S(const char *tekst)
{
    return QString::fromUtf8(tekst);
}

const Przypadek przypadkiZajetejNazwy[] = {
    {"StatusChange",
     {{S("All Beans/Work/a.txt"), "aktywna"}, {S("All Beans/Work/_Done/a.txt"), "ukonczona"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/a.txt"))->ustawStatus(Fasolka::sfUkonczona, b);
     },
     EEXIST,
     juzJest,
     bladPrzeniesienia},
    {"StatusChangeInAnotherSpelling",
     {{S("All Beans/Work/Z\u00f3lw"), "aktywna"}, {S("All Beans/Work/_Done/Zo\u0301lw"), "ukonczona"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/Z\u00f3lw"))->ustawStatus(Fasolka::sfUkonczona, b);
     },
     EEXIST,
     {},
     bladPrzeniesienia},
    {"MoveToFlow",
     {{S("All Beans/Work/_Inactive/a.txt"), "work"}, {S("All Beans/Play/_Inactive/a.txt"), "play"}},
     [](ZajetaNazwa &t, BladOperacji *) {
         return t.pod(S("All Beans/Work/_Inactive/a.txt"))->przeniesDoPotoku(t.potok(S("Play")));
     },
     0,
     {},
     bladPrzeniesienia},
    {"MoveToFlowInAnotherSpelling",
     {{S("All Beans/Work/_Ready/\u00e9t\u00e9"), "work"}, {S("All Beans/Play/_Ready/e\u0301te\u0301"), "play"}},
     [](ZajetaNazwa &t, BladOperacji *) {
         return t.pod(S("All Beans/Work/_Ready/\u00e9t\u00e9"))->przeniesDoPotoku(t.potok(S("Play")));
     }},
    {"Archive",
     {{S("All Beans/Work/a.txt"), "w potoku"}, {S("Archived Beans/Work/a.txt"), "w archiwum"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/a.txt"))->ustawStatus(Fasolka::sfZarchiwizowana, b);
     },
     EEXIST,
     {},
     S("Błąd: Nie mogłem przenieść bytu fasolki do katalogu archiwum potoku.")},
    {"ArchiveInAnotherSpelling",
     {{S("All Beans/Work/Caf\u00e9"), "w potoku"}, {S("Archived Beans/Work/Cafe\u0301"), "w archiwum"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/Caf\u00e9"))->ustawStatus(Fasolka::sfZarchiwizowana, b);
     },
     EEXIST},
    {"ReactivateInAnotherSpelling",
     {{S("Archived Beans/Work/Na\u00efve"), "archiwalna"}, {S("All Beans/Work/Nai\u0308ve"), "aktywna"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("Archived Beans/Work/Na\u00efve"))->ustawStatus(Fasolka::sfAktywna, b);
     },
     EEXIST},
    {"Unwrap",
     {{S("All Beans/Work/Kolizja/a.txt"), "w srodku"},
      {S("All Beans/Work/Kolizja/z.txt"), "z"},
      {S("All Beans/Work/a.txt"), "obok"}},
     [](ZajetaNazwa &t, BladOperacji *) {
         return t.pod(S("All Beans/Work/Kolizja"))->wypakujZawartoscFasolkiZKatalogu();
     },
     0,
     {},
     S("Błąd. Obok katalogu są już rzeczy o tych nazwach. Przerywam operację.")},
    {"Wrap",
     {{S("All Beans/Work/Report.pdf"), "R"}, {S("All Beans/Work/Report/inny.txt"), "I"}},
     [](ZajetaNazwa &t, BladOperacji *) {
         return t.pod(S("All Beans/Work/Report.pdf"))->opakujFasolkePlikowaWKatalog();
     },
     0,
     {},
     S("Błąd: nie mogłem założyć katalogu.")},
    {"BeanRename",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Work/b.txt"), "B"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/a.txt"))->zmienNazweBytuFasolkiNaDysku(S("b.txt"), b);
     },
     EEXIST,
     juzJest},
    {"BeanRenameInAnotherSpelling",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Work/Zo\u0301lw"), "Z"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/a.txt"))->zmienNazweBytuFasolkiNaDysku(S("Z\u00f3lw"), b);
     },
     EEXIST},
    {"BeanSetNazwa",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Work/b.txt"), "B"}},
     [](ZajetaNazwa &t, BladOperacji *) {
         Fasolka *a = t.pod(S("All Beans/Work/a.txt"));
         a->setNazwa(S("b.txt"));
         return a->nazwa() != S("a.txt");
     },
     0,
     {},
     uwagaNazwy},
    {"FlowRenameOntoAnEmptyFolder",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Pusty"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.potok(S("Work"))->zmienNazwePotokuNaDysku(S("Pusty"), b); },
     EEXIST},
    {"FlowRenameOntoAFullFolder",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Pelny/b.txt"), "B"}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.potok(S("Work"))->zmienNazwePotokuNaDysku(S("Pelny"), b); },
     EEXIST},
    {"FlowSetNazwa",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Pusty"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *) {
         Potok *work = t.potok(S("Work"));
         work->setNazwa(S("Pusty"));
         return work->nazwa() != S("Work");
     },
     0,
     {},
     uwagaNazwy},
    {"NewFlowOntoAFolder",
     {{S("All Beans/Work"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.baza()->nowyPotok(S("Work"), b) != nullptr; },
     EEXIST,
     juzJest},
    {"NewFlowOntoAFile",
     {{S("All Beans/plik"), "plik"}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.baza()->nowyPotok(S("plik"), b) != nullptr; },
     EEXIST,
     juzJest},
    {"NewFlowInAnotherSpelling",
     {{S("All Beans/Zo\u0301lw"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.baza()->nowyPotok(S("Z\u00f3lw"), b) != nullptr; },
     EEXIST,
     juzJest},
    {"NewFlowComposedOntoADecomposedOne",
     {{S("All Beans/Fl\u00f6w"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.baza()->nowyPotok(S("Flo\u0308w"), b) != nullptr; },
     EEXIST,
     juzJest},
    {"NewBeanInAnotherSpelling",
     {{S("All Beans/Work/_Incubation/Cafe\u0301"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.potok(S("Work"))->nowaFasolka(S("Caf\u00e9"), b) != nullptr; },
     EEXIST},
    {"FlowRenameInAnotherSpelling",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Flo\u0308w"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.potok(S("Work"))->zmienNazwePotokuNaDysku(S("Fl\u00f6w"), b); },
     EEXIST},
    {"BeanRenameDecomposedOntoAComposedOne",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Work/Z\u00f3lw"), "Z"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/a.txt"))->zmienNazweBytuFasolkiNaDysku(S("Zo\u0301lw"), b);
     },
     EEXIST},
    {"BeanRenameOntoTwins",
     {{S("All Beans/Work/a.txt"), "A"}, {S("All Beans/Work/Z\u00f3lw"), "Z"}, {S("All Beans/Work/Zo\u0301lw"), "D"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return t.pod(S("All Beans/Work/a.txt"))->zmienNazweBytuFasolkiNaDysku(S("Zo\u0301lw"), b);
     },
     EEXIST},
    {"NewBean",
     {{S("All Beans/Work/_Incubation/X"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.potok(S("Work"))->nowaFasolka(S("X"), b) != nullptr; },
     EEXIST},
    {"NewFolderInABean",
     {{S("All Beans/Work/Projekt/zajety"), "plik"}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return static_cast<BytKatalogu *>(t.wFasolce({}))->nowyKatalog(S("zajety"), b) != nullptr;
     },
     0,
     S("Directory already exists."),
     {},
     S("Could not create directory.")},
    {"NewFolderInABeanInAnotherSpelling",
     {{S("All Beans/Work/Projekt/Zo\u0301lw"), nullptr}},
     [](ZajetaNazwa &t, BladOperacji *b) {
         return static_cast<BytKatalogu *>(t.wFasolce({}))->nowyKatalog(S("Z\u00f3lw"), b) != nullptr;
     },
     0,
     S("Directory already exists."),
     {},
     S("Could not create directory.")},
    {"ItemRenameInABean",
     {{S("All Beans/Work/Projekt/a"), "A"}, {S("All Beans/Work/Projekt/b"), "B"}},
     [](ZajetaNazwa &t, BladOperacji *b) { return t.wFasolce(S("a"))->zmienNazweBytuNaDyskuNa(S("b"), b); },
     EEXIST},
};

TEST_P(ZajetaNazwa, FailsAndKeepsBothItemsAndTheGraph)
{
    const Przypadek &przypadek = GetParam();
    for (const auto &[wzgledna, tresc] : przypadek.uklad)
        tresc ? (void)plik(wzgledna, tresc) : (void)katalog(wzgledna);
    zapamietajStan();
    BladOperacji blad;
    EXPECT_FALSE(przypadek.operacja(*this, &blad));
    if (przypadek.kod) {
        EXPECT_EQ(blad.kod, przypadek.kod) << qPrintable(blad.przyczyna);
    }
    EXPECT_TRUE(blad.przyczyna.contains(przypadek.przyczyna)) << qPrintable(blad.przyczyna);
    if (!przypadek.opis.isEmpty()) {
        EXPECT_EQ(blad.opis, przypadek.opis);
    }
    if (!przypadek.konsola.isEmpty()) {
        EXPECT_TRUE(m_konsola.contains(przypadek.konsola)) << qPrintable(m_konsola.join(u'\n'));
    }
    sprawdzNiezmienione();
}

INSTANTIATE_TEST_SUITE_P(Operacje, ZajetaNazwa, ::testing::ValuesIn(przypadkiZajetejNazwy),
                         [](const ::testing::TestParamInfo<Przypadek> &wiersz) {
                             return std::string(wiersz.param.nazwa);
                         });

} // namespace
