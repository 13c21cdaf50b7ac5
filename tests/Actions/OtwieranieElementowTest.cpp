#include "OknaZGenerowanymPortfolio.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/OknaTarrowind.h"
#include "Browser/RodzajWidokuPortfolio.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Platform/IdentyfikatorProgramu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/NagrywajaceUslugiPulpitu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Widgets/KontrolerTablicy.h"

namespace {

class OtwieranieElementow : public OknaZGenerowanymPortfolio
{
protected:
    Fasolka *f(const QString &nazwa) { return fasolka(QStringLiteral("Potok 0001"), nazwa); }
    ArchiwumPotoku *archiwumPotoku()
    {
        return baza()->archiwum()->znajdzArchiwumPotokuONazwie(QStringLiteral("Potok 0001"));
    }

    KontrolerAkcjeNaElementach m_kontroler;
};

} // namespace

TEST_F(OtwieranieElementow, OpenInTheFileManagerOpensTheItemsFolderWithTheSecondaryItemSelected)
{
    Fasolka *projekt = f(QStringLiteral("Projekt 0006"));
    BytSystemuPlikow *plikWProjekcie = projekt->katalog()->bytyWewnetrzne().first();
    Fasolka *zarchiwizowana = *archiwumPotoku()->fasolki().begin();
    const QString wszystkie = R(QStringLiteral("All Beans")), katalogPotoku = R(QStringLiteral("All Beans/Potok 0001"));
    const QString archiwum = R(QStringLiteral("Archived Beans")),
                  archiwumP = R(QStringLiteral("Archived Beans/Potok 0001"));
    const struct
    {
        const char *przypadek;
        QObject *element, *dodatkowy;
        QString wywolanie;
    } przypadki[] = {
        {"flow, waiting bean", potok(QStringLiteral("Potok 0001")), f(QStringLiteral("Fasolka 0002.png")),
         "folder " + katalogPotoku + " []"},
        {"flow, active bean", potok(QStringLiteral("Potok 0001")), f(QStringLiteral("Fasolka 0000.txt")),
         QStringLiteral("folder %1 [%1/Fasolka 0000.txt]").arg(katalogPotoku)},
        {"archive, flow archive", baza()->archiwum(), archiwumPotoku(),
         QStringLiteral("folder %1 [%2]").arg(archiwum, archiwumP)},
        {"archive, archived bean", baza()->archiwum(), zarchiwizowana,
         QStringLiteral("folder %1 [%2]").arg(archiwum, archiwumP)},
        {"flow archive", archiwumPotoku(), zarchiwizowana, "folder " + archiwumP + " []"},
        {"bean database, flow", baza(), potok(QStringLiteral("Potok 0002")),
         QStringLiteral("folder %1 [%1/Potok 0002]").arg(wszystkie)},
        {"bean database, bean", baza(), f(QStringLiteral("Fasolka 0003.md")),
         QStringLiteral("folder %1 [%2]").arg(wszystkie, katalogPotoku)},
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
    EXPECT_EQ(m_wywolania, QStringList{"openWith " + url(tekst) + " viewer.desktop"})
        << "a plain string names no application";
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

    // Each command on each item opens a tab in this window or a window, on the item's view.
    const auto pokazuje = [](TabContents *karta, RodzajWidokuPortfolio rodzaj) {
        if (rodzaj == rwpWidokFasolki)
            return qobject_cast<KartaFasolki *>(karta) != nullptr;
        auto *portfolio = qobject_cast<KartaPortfolio *>(karta);
        // The flow is shown through the navigation bar, which does not show one yet.
        if (rodzaj == rwpWidokPotoku)
            return portfolio != nullptr;
        return portfolio && portfolio->czyBiezacyWidokTo(rodzaj);
    };
    const struct
    {
        QObject *element;
        Akcja akcja;
        bool okno;
        RodzajWidokuPortfolio rodzaj;
    } przypadki[] = {
        {projekt, Akcja::nowaKartaFasolki, false, rwpWidokFasolki},
        {projekt, Akcja::noweOknoZKartaFasolki, true, rwpWidokFasolki},
        {baza(), Akcja::nowaKartaPortfolioZWidokiemElementu, false, rwpWidokWszystkieFasolki},
        {baza()->archiwum(), Akcja::nowaKartaPortfolioZWidokiemElementu, false, rwpWidokArchiwum},
        {potok(QStringLiteral("Potok 0001")), Akcja::nowaKartaPortfolioZWidokiemElementu, false, rwpWidokPotoku},
        {baza()->archiwum(), Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, true, rwpWidokArchiwum},
        {potok(QStringLiteral("Potok 0002")), Akcja::noweOknoZWidokiemElementuNaKarciePortfolio, true, rwpWidokPotoku},
        {archiwumPotoku(), Akcja::nowaKartaPortfolioZWidokiemElementu, false, rwpWidokNieokreslony},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(qPrintable(nazwaSelektora(p.akcja) + p.element->metaObject()->className()));
        const int karty = przegladarka->tabCount();
        const QList<BrowserWindow *> okna = widoczneOknaPrzegladarki();
        m_kontroler.setElement(p.element);
        m_kontroler.performAction(p.akcja, nullptr);
        const bool nowaKarta = !p.okno && p.rodzaj != rwpWidokNieokreslony;
        EXPECT_EQ(przegladarka->tabCount(), karty + (nowaKarta ? 1 : 0));
        EXPECT_EQ(widoczneOknaPrzegladarki().size(), okna.size() + (p.okno ? 1 : 0));
        PrzegladarkaTarrowind *nowa = przegladarka;
        for (BrowserWindow *okno : widoczneOknaPrzegladarki()) {
            if (!okna.contains(okno))
                nowa = PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
        }
        if (nowaKarta || p.okno) {
            EXPECT_TRUE(pokazuje(nowa->activeTabContents(), p.rodzaj));
        }
    }

    // With a portfolio tab active (the last one opened here) a folder bean is shown in it.
    m_kontroler.setElement(projekt);
    m_kontroler.performAction(Akcja::otworzFasolkeNaKarciePortfolio, nullptr);
    auto *karta = qobject_cast<KartaPortfolio *>(przegladarka->activeTabContents());
    ASSERT_TRUE(karta);
    EXPECT_TRUE(karta->kontrolerWybranejFasolki());
}
