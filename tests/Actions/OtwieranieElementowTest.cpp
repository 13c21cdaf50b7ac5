#include "Model/OperacjeTestowe.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/NagrywajaceUslugiPulpitu.h"
#include "Widgets/KontrolerTablicy.h"

namespace {

// Flows "Potok 0001" and "Potok 0002": active "Fasolka 0000.txt" and folder "Projekt 0006", waiting
// "Fasolka 0002.png", inactive "Fasolka 0003.md"; each flow archive holds "Fasolka 0000.txt" and more.
class OtwieranieElementow : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 12,
                                                                  .fasolkiNaArchiwumPotoku = 2}).udany);
        DesktopServices::setShared(std::make_unique<NagrywajaceUslugiPulpitu>(&m_wywolania));
    }
    void TearDown() override
    {
        for (BrowserWindow *okno : widoczneOknaPrzegladarki())
            okno->close();
        wykonajOdlozoneUsuniecia();
        DesktopServices::setShared(nullptr);
        OperacjeTestowe::TearDown();
    }

    Fasolka *f(const QString &nazwa) { return fasolka(QStringLiteral("Potok 0001"), nazwa); }
    ArchiwumPotoku *archiwumPotoku() { return baza()->archiwum()->znajdzArchiwumPotokuONazwie(QStringLiteral("Potok 0001")); }

    QStringList m_wywolania;
    KontrolerAkcjeNaElementach m_kontroler;
};

} // namespace

TEST_F(OtwieranieElementow, OpenInTheFileManagerOpensTheItemsFolderWithTheSecondaryItemSelected)
{
    Fasolka *projekt = f(QStringLiteral("Projekt 0006"));
    BytSystemuPlikow *plikWProjekcie = projekt->katalog()->bytyWewnetrzne().first();
    Fasolka *zarchiwizowana = *archiwumPotoku()->fasolki().begin();
    const QString wszystkie = R(QStringLiteral("All Beans")), katalogPotoku = R(QStringLiteral("All Beans/Potok 0001"));
    const QString archiwum = R(QStringLiteral("Archived Beans")), archiwumP = R(QStringLiteral("Archived Beans/Potok 0001"));
    const struct { const char *przypadek; QObject *element, *dodatkowy; QString wywolanie; } przypadki[] = {
        {"flow, waiting bean", potok(QStringLiteral("Potok 0001")), f(QStringLiteral("Fasolka 0002.png")), "folder " + katalogPotoku + " []"},
        {"flow, active bean", potok(QStringLiteral("Potok 0001")), f(QStringLiteral("Fasolka 0000.txt")),
         QStringLiteral("folder %1 [%1/Fasolka 0000.txt]").arg(katalogPotoku)},
        {"archive, flow archive", baza()->archiwum(), archiwumPotoku(), QStringLiteral("folder %1 [%2]").arg(archiwum, archiwumP)},
        {"archive, archived bean", baza()->archiwum(), zarchiwizowana, QStringLiteral("folder %1 [%2]").arg(archiwum, archiwumP)},
        {"flow archive", archiwumPotoku(), zarchiwizowana, "folder " + archiwumP + " []"},
        {"bean database, flow", baza(), potok(QStringLiteral("Potok 0002")),
         QStringLiteral("folder %1 [%1/Potok 0002]").arg(wszystkie)},
        {"bean database, bean", baza(), f(QStringLiteral("Fasolka 0003.md")), QStringLiteral("folder %1 [%2]").arg(wszystkie, katalogPotoku)},
        {"bean database alone", baza(), nullptr, "folder " + wszystkie + " []"},
        {"folder bean, its file", projekt, plikWProjekcie,
         QStringLiteral("folder %1 [%2]").arg(url(projekt), plikWProjekcie->plikowyURL())},
        {"file bean", f(QStringLiteral("Fasolka 0000.txt")), nullptr, {}},
    };
    for (const auto &p : przypadki) {
        m_wywolania.clear();
        m_kontroler.setElement(p.element);
        m_kontroler.setDodatkowyElement(p.dodatkowy);
        m_kontroler.performAction(Akcja::otworzElementyWFinderze, nullptr);
        EXPECT_EQ(m_wywolania, p.wywolanie.isEmpty() ? QStringList() : QStringList{p.wywolanie}) << p.przypadek;
    }
}

TEST_F(OtwieranieElementow, DefaultApplicationsOpenOnlyTheFileBeansAndOpenWithNeedsAnApplication)
{
    Fasolka *tekst = f(QStringLiteral("Fasolka 0000.txt")), *obraz = f(QStringLiteral("Fasolka 0002.png"));
    KontrolerTablicy tablica;
    tablica.ustawTresc({f(QStringLiteral("Projekt 0006")), tekst, obraz});
    tablica.setSelectedObjects(tablica.arrangedObjects());
    m_kontroler.setKontrolerTablicy(&tablica);
    m_kontroler.performAction(Akcja::otworzBytyElementowWDomyslnychAplikacjach, nullptr);
    EXPECT_EQ(m_wywolania, QStringList({"open " + url(tekst), "open " + url(obraz)}));

    m_wywolania.clear();
    m_kontroler.setKontrolerTablicy(nullptr);
    m_kontroler.setElement(tekst);
    PozycjaMenu pozycja(QStringLiteral("Viewer"), Akcja::otworzBytElementuWProgramie);
    for (const QVariant &program : {QVariant(QStringLiteral("viewer.desktop")),
                                    QVariant::fromValue(IdentyfikatorProgramu{QStringLiteral("viewer.desktop")})}) {
        pozycja.setRepresentedObject(program);
        m_kontroler.performAction(Akcja::otworzBytElementuWProgramie, &pozycja);
    }
    EXPECT_EQ(m_wywolania, QStringList{"openWith " + url(tekst) + " viewer.desktop"}) << "a plain string names no application";
}

TEST_F(OtwieranieElementow, BeansOpenInTheirWindowTabsAndWindowsOpenOnTheItemsView)
{
    Fasolka *projekt = f(QStringLiteral("Projekt 0006")), *tekst = f(QStringLiteral("Fasolka 0000.txt"));
    PrzegladarkaTarrowind *przegladarka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(projekt);
    m_kontroler.setWidokNaKarcie(przegladarka->windowController()->window()->centralWidget());
    m_kontroler.setElement(projekt);
    m_kontroler.performAction(Akcja::otworzFasolkeNaKarciePortfolio, nullptr);
    EXPECT_EQ(przegladarka->tabCount(), 1) << "a bean tab is active: the folder bean goes nowhere";
    m_kontroler.setElement(tekst);
    m_kontroler.performAction(Akcja::otworzFasolkeNaKarciePortfolio, nullptr);
    EXPECT_EQ(m_wywolania, QStringList{"open " + url(tekst)});

    // Each command on each item: the tabs it adds to this window, the windows it opens.
    const struct { QObject *element; Akcja akcja; int karty, okna; bool kartaFasolki; } przypadki[] = {
        {projekt, Akcja::nowaKartaFasolki, 1, 0, true},
        {projekt, Akcja::noweOknoZKartaFasolki, 0, 1, true},
        {baza(), Akcja::nowaKartaPortfolioZWidokiemElementu, 1, 0, false},
        {baza()->archiwum(), Akcja::nowaKartaPortfolioZWidokiemElementu, 1, 0, false},
        {potok(QStringLiteral("Potok 0001")), Akcja::nowaKartaPortfolioZWidokiemElementu, 1, 0, false},
        {baza()->archiwum(), Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, 0, 1, false},
        {potok(QStringLiteral("Potok 0002")), Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, 0, 1, false},
        {archiwumPotoku(), Akcja::nowaKartaPortfolioZWidokiemElementu, 0, 0, false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(qPrintable(nazwaSelektora(p.akcja) + p.element->metaObject()->className()));
        const int karty = przegladarka->tabCount();
        const qsizetype okna = widoczneOknaPrzegladarki().size();
        m_kontroler.setElement(p.element);
        m_kontroler.performAction(p.akcja, nullptr);
        EXPECT_EQ(przegladarka->tabCount(), karty + p.karty);
        EXPECT_EQ(widoczneOknaPrzegladarki().size(), okna + p.okna);
        if (p.karty)
            EXPECT_EQ(qobject_cast<KartaFasolki *>(przegladarka->activeTabContents()) != nullptr, p.kartaFasolki);
    }
}
