#include "Support/CzasyOczekiwania.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/PortfolioTestowe.h"

#include "Views/ListwaZakresu.h"
#include "Views/ProxyArchiwum.h"
#include "Views/ProxyFasolkiPotoku.h"
#include "Views/ProxyWszystkieFasolki.h"

#include "Model/Fasolka.h"
#include "Model/ObserwatorZmianNaDysku.h"
#include "Model/SCEvents.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

using Powod = ProxyListyFasolek::PowodZmiany;

// Header rows in brackets.
QStringList wiersze(ProxyListyFasolek &proxy)
{
    QStringList wynik;
    for (QObject *obiekt : proxy.tablica()) {
        const QString nazwa = static_cast<RzeczWBazieFasolek *>(obiekt)->nazwa();
        wynik << (qobject_cast<Fasolka *>(obiekt) ? nazwa : QLatin1Char('[') + nazwa + QLatin1Char(']'));
    }
    return wynik;
}

struct Powody : QList<Powod>
{
    explicit Powody(ProxyListyFasolek &proxy)
    {
        QObject::connect(&proxy, &ProxyListyFasolek::tablicaChanged, &kontekst, [this](Powod p) { append(p); });
    }
    QObject kontekst;
};

class ProxyListyFasolekTest : public PortfolioTestowe
{
protected:
    // Main Flow: one bean per status; "Azyl": two names equal but for case; "Zeta": one Inactive bean;
    // the archive: two beans of the main flow, one of "Azyl".
    void zbudujPortfolio()
    {
        for (const char *sciezka :
             {"All Beans/_Main_Flow/Écorce", "All Beans/_Main_Flow/_Incubation/alfa",
              "All Beans/_Main_Flow/_Waiting_For/beta", "All Beans/_Main_Flow/_Ready/gamma",
              "All Beans/_Main_Flow/_Inactive/delta", "All Beans/_Main_Flow/_Done/omega", "All Beans/Azyl/_Ready/kappa",
              "All Beans/Azyl/Kappa", "All Beans/Zeta/_Inactive/eta", "Archived Beans/_Main_Flow/zeta old",
              "Archived Beans/_Main_Flow/arch1", "Archived Beans/Azyl/arch2"})
            plik(QString::fromUtf8(sciezka));
        baza = BazaFasolek::sharedBazaFasolek();
        glowny = baza->potokGlowny();
        ASSERT_NE(glowny, nullptr);
    }
    void TearDown() override
    {
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        PortfolioTestowe::TearDown();
    }

    BazaFasolek *baza = nullptr;
    Potok *glowny = nullptr;
};

TEST_F(ProxyListyFasolekTest, ListsChooseFilterSortGroupAndCountAsTheScopeAndPhraseSay)
{
    zbudujPortfolio();
    enum Lista { Potoku, BezPotoku, Wszystkie, Archiwum };
    const QString e = QStringLiteral("Écorce");
    const struct
    {
        Lista lista;
        StatusPaskaZakresu zakres;
        bool podzial;
        QString fraza;
        QStringList wiersze;
        QString tytul;
    } przypadki[] = {
        {Potoku, 8, true, {}, {"alfa", "beta", "delta", e, "gamma", "omega"}, "Beans (6 of 6)"},
        {Potoku, 3, true, "E", {e}, "Beans (1 of 4 found)"},
        {Potoku, 1, true, {}, {"alfa", "beta", e, "gamma"}, "Beans (4 of 6)"},
        {Potoku, 9, true, {}, {}, "Beans (0 of 6)"},
        {BezPotoku, 8, true, {}, {}, "Beans (0 of 0)"},
        {Wszystkie,
         8,
         true,
         {},
         {"[Main Flow]", "alfa", "beta", "delta", e, "gamma", "omega", "[Azyl]", "Kappa", "kappa", "[Zeta]", "eta"},
         "Beans (9 of 9)"},
        {Wszystkie,
         1,
         true,
         "",
         {"[Main Flow]", "alfa", "beta", e, "gamma", "[Azyl]", "Kappa", "kappa"},
         "Beans (6 of 9)"},
        {Wszystkie, 1, false, {}, {"alfa", "beta", e, "gamma", "Kappa", "kappa"}, "Beans (6 of 9)"},
        {Wszystkie,
         8,
         true,
         "e",
         {"[Main Flow]", "beta", "delta", e, "omega", "[Zeta]", "eta"},
         "Beans (5 of 5 found)"},
        {Wszystkie, 3, true, "A", {"[Azyl]", "Kappa"}, "Beans (1 of 8 found)"},
        {Archiwum, 0, true, {}, {"[Main Flow]", "arch1", "zeta old", "[Azyl]", "arch2"}, "Beans (3 items)"},
        {Archiwum, 0, true, "ZETA", {"[Main Flow]", "zeta old"}, "Beans (1 found)"},
    };
    for (const auto &p : przypadki) {
        const QString opis = p.tytul + QLatin1Char(' ') + p.fraza;
        ListwaZakresu listwa;
        listwa.setStatusPaskaZakresu(p.zakres);
        listwa.setCzyPodzialNaPotoki(p.podzial);
        ProxyFasolkiPotoku potoku;
        ProxyWszystkieFasolki wszystkie;
        ProxyArchiwum archiwum;
        ProxyListyFasolek *proxy = &potoku;
        if (p.lista == Potoku)
            potoku.setPotok(glowny);
        potoku.setListwaZakresu(&listwa);
        if (p.lista == Wszystkie) {
            wszystkie.setBazaFasolek(baza);
            wszystkie.setListwaZakresu(&listwa);
            proxy = &wszystkie;
        } else if (p.lista == Archiwum) {
            archiwum.setArchiwum(baza->archiwum());
            proxy = &archiwum;
        }
        proxy->setFrazaFiltra(p.fraza);
        EXPECT_EQ(wiersze(*proxy), p.wiersze) << qPrintable(opis);
        EXPECT_EQ(proxy->tytulKolumny(), p.tytul) << qPrintable(opis);
        if (p.lista == Wszystkie) {
            EXPECT_EQ(wszystkie.liczbaFasolek(), wiersze(*proxy).filter(QRegularExpression("^[^\\[]")).size());
        }
    }
}

TEST_F(ProxyListyFasolekTest, EachNoticeSaysWhyOwnChangesAtOnceModelChangesOnceOnTheNextTurn)
{
    zbudujPortfolio();
    ListwaZakresu listwa;
    listwa.setCzyWszystkie(true);
    ProxyWszystkieFasolki proxy;
    proxy.setBazaFasolek(baza);
    proxy.setListwaZakresu(&listwa);
    Fasolka *alfa = glowny->znajdzFasolkeONazwie(QStringLiteral("alfa"));
    ASSERT_NE(alfa, nullptr);
    const struct
    {
        const char *opis;
        std::function<void()> czynnosc;
        Powod powod;
    } przypadki[] = {
        {"scope", [&] { listwa.setCzyWObrobce(true); }, Powod::WlasnaZmiana},
        {"division", [&] { listwa.setCzyPodzialNaPotoki(false); }, Powod::WlasnaZmiana},
        {"phrase", [&] { proxy.setFrazaFiltra(QStringLiteral("a")); }, Powod::WlasnaZmiana},
        {"status command", [&] { ASSERT_TRUE(alfa->ustawStatus(Fasolka::sfUkonczona)); }, Powod::ZmianaModelu},
        {"rename", [&] { alfa->setNazwa(QStringLiteral("zuma")); }, Powod::ZmianaModelu},
    };
    for (const auto &p : przypadki) {
        Powody powody(proxy);
        p.czynnosc();
        const bool wlasna = p.powod == Powod::WlasnaZmiana;
        EXPECT_EQ(powody.size(), wlasna ? 1 : 0) << p.opis;
        QCoreApplication::processEvents();
        EXPECT_EQ(powody, QList<Powod>{p.powod}) << p.opis;
    }
    // All, undivided, with "a": the renamed Done bean sorts last.
    listwa.setCzyWszystkie(true);
    EXPECT_EQ(wiersze(proxy), (QStringList{"beta", "delta", "eta", "gamma", "Kappa", "kappa", "omega", "zuma"}));
}

TEST_F(ProxyListyFasolekTest, ABeanMovedByAnotherProgramEntersInWorkOnceWithItsNewStatusAfterOneBatch)
{
    ObserwatorZmianNaDysku::zainstaluj(0.05);
    zbudujPortfolio();
    int katalogi = 0;
    for (const QString &korzen : {R(QStringLiteral("All Beans")), R(QStringLiteral("Archived Beans"))}) {
        QDirIterator it(korzen, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        for (katalogi += 1; it.hasNext(); it.next())
            ++katalogi;
    }
    auto *obserwator = dynamic_cast<ObserwatorZmianNaDysku *>(baza->obserwatorZmianNaDysku());
    ASSERT_TRUE(
        obserwator
        && QTest::qWaitFor(
            [&] { return obserwator->events() && obserwator->events()->liczbaObserwowanychKatalogow() == katalogi; },
            czasNaZdarzenieMs));

    ListwaZakresu listwa;
    ProxyFasolkiPotoku proxy;
    proxy.setPotok(glowny);
    proxy.setListwaZakresu(&listwa);
    Powody powody(proxy);
    ASSERT_EQ(std::rename(qPrintable(R(QStringLiteral("All Beans/_Main_Flow/_Incubation/alfa"))),
                          qPrintable(R(QStringLiteral("All Beans/_Main_Flow/alfa")))),
              0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !powody.isEmpty(); }, czasNaZdarzenieMs));
    EXPECT_EQ(powody, QList<Powod>{Powod::PartiaObserwatora});
    EXPECT_EQ(wiersze(proxy), (QStringList{"alfa", "beta", QStringLiteral("Écorce"), "gamma"}));
    EXPECT_TRUE(glowny->znajdzFasolkeONazwie(QStringLiteral("alfa"))->jestAktywna());
}

TEST_F(ProxyListyFasolekTest, ACommandOnAThousandBeansRecomputesEachShownListOnce)
{
    GeneratorPortfolio::Uklad uklad;
    uklad.potoki = 2;
    uklad.fasolkiNaPotok = 1300;
    uklad.plikiWFasolceKatalogowej = 0;
    uklad.fasolkiNaArchiwumPotoku = 0;
    ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), uklad).udany);
    baza = BazaFasolek::sharedBazaFasolek();
    glowny = baza->potokGlowny();
    QList<Fasolka *> zmieniane;
    for (Fasolka *fasolka : glowny->fasolki()) {
        if (!fasolka->jestUkonczona() && zmieniane.size() < 1000)
            zmieniane.append(fasolka);
    }
    ASSERT_EQ(zmieniane.size(), 1000);

    ListwaZakresu listwa;
    listwa.setCzyUkonczone(true);
    ProxyFasolkiPotoku potoku;
    potoku.setPotok(glowny);
    potoku.setListwaZakresu(&listwa);
    ProxyWszystkieFasolki wszystkie;
    wszystkie.setBazaFasolek(baza);
    wszystkie.setListwaZakresu(&listwa);
    const qsizetype ukonczoneWGlownym = potoku.tablica().size();
    Powody powodyPotoku(potoku), powodyWszystkich(wszystkie);

    for (Fasolka *fasolka : zmieniane)
        ASSERT_TRUE(fasolka->ustawStatus(Fasolka::sfUkonczona));
    QCoreApplication::processEvents();

    EXPECT_EQ(powodyPotoku, QList<Powod>{Powod::ZmianaModelu});
    EXPECT_EQ(powodyWszystkich, QList<Powod>{Powod::ZmianaModelu});
    EXPECT_EQ(potoku.tablica().size(), ukonczoneWGlownym + 1000);
    EXPECT_EQ(wszystkie.liczbaFasolek(), wszystkie.tablica().size() - 2);
}

} // namespace
