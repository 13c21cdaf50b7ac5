#include "Support/PortfolioTestowe.h"

#include "Model/AnalizatorUrlaModelu.h"
#include "Model/Archiwum.h"
#include "Model/ArchiwumPotoku.h"
#include "Model/BytKatalogu.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"

#include <QDir>

#include <functional>

namespace {

using IndeksFasolekTest = PortfolioTestowe;

// Every bean of the graph answers itself, and a path inside a folder bean its folder entity.
void sprawdzWyszukiwanie(BazaFasolek *baza, const QString &poKroku)
{
    QList<Fasolka *> fasolki;
    for (Potok *potok : baza->potoki())
        fasolki += potok->fasolki().elementy();
    for (ArchiwumPotoku *archiwumPotoku : baza->archiwum()->archiwaPotokow())
        fasolki += archiwumPotoku->fasolki().elementy();
    for (Fasolka *fasolka : fasolki) {
        const QString url = fasolka->bytFasolki()->plikowyURL();
        EXPECT_EQ(AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(url), fasolka)
            << poKroku.toStdString() << ": " << url.toStdString();
        if (fasolka->katalog()) {
            EXPECT_EQ(
                AnalizatorUrlaModelu::znajdzObiektZawierajacyURLISprawdzCzyURLJestRowny(url + QStringLiteral("/x")),
                static_cast<QObject *>(fasolka->katalog()))
                << poKroku.toStdString() << ": inside " << url.toStdString();
        }
    }
}

// The watcher's look-up goes through an index of each flow's beans that is built once and then
// kept in step: after each way a bean gets another path or owner it must still find every bean.
TEST_F(IndeksFasolekTest, TheLookUpFindsEveryBeanAfterEachWayABeanMovesOrIsRenamed)
{
    plik(QStringLiteral("All Beans/_Main_Flow/a.txt"));
    katalog(QStringLiteral("All Beans/_Main_Flow/_Incubation/B"));
    plik(QStringLiteral("All Beans/_Main_Flow/_Done/c.pdf"));
    katalog(QStringLiteral("All Beans/Work/D"));
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    Potok *work = baza->znajdzPotokONazwie(QStringLiteral("Work"));
    ASSERT_TRUE(glowny && work);
    const auto fasolka = [&](Potok *potok, const char *nazwa) {
        return potok->znajdzFasolkeONazwie(QString::fromUtf8(nazwa));
    };

    const std::pair<const char *, std::function<bool()>> kroki[] = {
        {"status change", [&] { return fasolka(glowny, "a.txt")->ustawStatus(Fasolka::sfGotowa); }},
        {"rename", [&] { return fasolka(glowny, "B")->zmienNazweBytuFasolkiNaDysku(QStringLiteral("Żuk")); }},
        {"move to another flow", [&] { return fasolka(glowny, "c.pdf")->przeniesDoPotoku(work); }},
        {"archive", [&] { return fasolka(work, "D")->ustawStatus(Fasolka::sfZarchiwizowana); }},
        {"reactivate",
         [&] {
             return baza->archiwum()->archiwaPotokow().elementy().first()->fasolki().elementy().first()->ustawStatus(
                 Fasolka::sfAktywna);
         }},
        {"flow renamed", [&] { return work->zmienNazwePotokuNaDysku(QStringLiteral("Praca")); }},
        {"wrapped into a folder", [&] { return fasolka(glowny, "a.txt")->opakujFasolkePlikowaWKatalog(); }},
        {"re-spelled by another program and read again",
         [&] {
             const QString stara = R(QStringLiteral("All Beans/_Main_Flow/_Incubation/Żuk"));
             const bool udane = QDir().rename(stara, stara.normalized(QString::NormalizationForm_D));
             baza->synchronizujZDyskiem();
             return udane;
         }},
    };
    sprawdzWyszukiwanie(baza, QStringLiteral("the build"));
    for (const auto &[opis, krok] : kroki) {
        ASSERT_TRUE(krok()) << opis;
        sprawdzWyszukiwanie(baza, QString::fromUtf8(opis));
    }
}

} // namespace
