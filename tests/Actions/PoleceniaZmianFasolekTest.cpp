#include "Model/OperacjeTestowe.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WhitePaperTableView.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

using Stan = PozycjaMenu::Stan;

// Flows "_Main_Flow", "Potok 0001", "Potok 0002", each: "Fasolka 0000.txt" Active, "Fasolka 0001.pdf"
// Incubation, "Fasolka 0002.png" Waiting, "Fasolka 0003.md" Inactive, "Fasolka 0004.odt" Ready,
// "Fasolka 0005" Done, folders "Projekt 0006" Active and "Projekt 0007" Incubation.
class PoleceniaZmianFasolek : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(), {.potoki = 3, .fasolkiNaPotok = 8, .fasolkiNaArchiwumPotoku = 0}).udany);
        m_kontroler.setKontrolerTablicy(&m_tablica);
    }

    Fasolka *f(const QString &nazwa, const QString &wPotoku = QStringLiteral("Potok 0001")) { return fasolka(wPotoku, nazwa); }
    // The items a command acts on: the selection of the list.
    void zaznacz(const QList<QObject *> &elementy)
    {
        m_tablica.ustawTresc(elementy);
        m_tablica.setSelectedObjects(elementy);
    }
    QStringList wKoszu() const
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files"))
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    KontrolerTablicy m_tablica;
    KontrolerAkcjeNaElementach m_kontroler;
    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(PoleceniaZmianFasolek, AStatusCommandMovesOnlyBeansOfAnotherStatusAndNamesEveryFailureInOneAlert)
{
    Fasolka *aktywna = f(QStringLiteral("Fasolka 0000.txt")), *oczekujaca = f(QStringLiteral("Fasolka 0002.png"));
    zaznacz({aktywna, oczekujaca});
    m_kontroler.performAction(Akcja::aktywujFasolki, nullptr);
    EXPECT_EQ(url(aktywna), R(QStringLiteral("All Beans/Potok 0001/Fasolka 0000.txt")));
    EXPECT_EQ(url(oczekujaca), R(QStringLiteral("All Beans/Potok 0001/Fasolka 0002.png")));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());

    // Two of five clash with a name already in "_Ready": both named in item order, the later reason.
    const QStringList nazwy = {"Fasolka 0001.pdf", "Fasolka 0003.md", "Fasolka 0000.txt", "Projekt 0007", "Fasolka 0005"};
    QList<QObject *> piec;
    for (const QString &nazwa : nazwy)
        piec << f(nazwa);
    plik(QStringLiteral("All Beans/Potok 0001/_Ready/Fasolka 0003.md"));
    katalog(QStringLiteral("All Beans/Potok 0001/_Ready/Projekt 0007"));
    zaznacz(piec);
    m_kontroler.performAction(Akcja::oznaczFasolkiJakoGotowe, nullptr);
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    const Alert &alert = m_alerty.wpisy().first().alert;
    EXPECT_EQ(alert.messageText(), "Could not change status of following Bean(s):\n- 'Fasolka 0003.md'\n- 'Projekt 0007'\n");
    EXPECT_TRUE(alert.informativeText().contains("Projekt 0007")) << qPrintable(alert.informativeText());
    EXPECT_EQ(m_konsola.last(), "Błąd: " + alert.messageText() + " " + alert.informativeText());
    for (int i : {0, 2, 4})
        EXPECT_EQ(qobject_cast<Fasolka *>(piec[i])->statusFasolki(), Fasolka::sfGotowa) << qPrintable(nazwy[i]);
    EXPECT_EQ(qobject_cast<Fasolka *>(piec[1])->statusFasolki(), Fasolka::sfNieaktywna);
}

TEST_F(PoleceniaZmianFasolek, TheStatusMenuMarksTheBeansStatusesAndNamesThemInItsHeader)
{
    const QString dwadziescia = QString(16, QLatin1Char('a')) + ".txt", dwadziesciaJeden = "b" + dwadziescia;
    const QString emoji = QString(19, QLatin1Char('c')) + QStringLiteral("\U0001F600.txt");
    for (const QString &nazwa : {dwadziescia, dwadziesciaJeden, emoji})
        plik("All Beans/Potok 0002/" + nazwa);
    MenuKontroleraElementow::zbuduj(&m_kontroler);
    Menu *statusy = m_kontroler.menuPodreczneStatusu();
    QObject *aktywna = f(QStringLiteral("Fasolka 0000.txt")), *projekt = f(QStringLiteral("Projekt 0006"));
    QObject *oczekujaca = f(QStringLiteral("Fasolka 0002.png"));
    const struct { QList<QObject *> elementy; QString naglowek; Stan aktywne, oczekujace; } przypadki[] = {
        {{aktywna}, "Fasolka 0000.txt", Stan::Wlaczony, Stan::Wylaczony},
        {{aktywna, projekt}, "<Multiple Beans>", Stan::Mieszany, Stan::Wylaczony},
        {{aktywna, oczekujaca, potok(QStringLiteral("Potok 0001"))}, "<Multiple Beans>", Stan::Mieszany, Stan::Mieszany},
        {{}, "<none>", Stan::Wylaczony, Stan::Wylaczony},
        {{f(dwadziescia, QStringLiteral("Potok 0002"))}, dwadziescia, Stan::Wlaczony, Stan::Wylaczony},
        {{f(dwadziesciaJeden, QStringLiteral("Potok 0002"))}, dwadziesciaJeden.left(20) + "...", Stan::Wlaczony, Stan::Wylaczony},
        {{f(emoji, QStringLiteral("Potok 0002"))}, emoji.left(19) + "...", Stan::Wlaczony, Stan::Wylaczony},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(qPrintable(p.naglowek));
        zaznacz(p.elementy);
        statusy->przygotujDoPokazania();
        QMap<Akcja, Stan> stany;
        for (QAction *akcja : statusy->actions()) {
            if (auto *pozycja = qobject_cast<PozycjaMenu *>(akcja); pozycja && pozycja->tag() == 2) {
                EXPECT_EQ(pozycja->text(), p.naglowek);
                EXPECT_FALSE(pozycja->isEnabled());
            } else if (pozycja) {
                stany[pozycja->akcja()] = pozycja->stan();
                EXPECT_EQ(pozycja->isEnabled(), !p.elementy.isEmpty());
            }
        }
        EXPECT_EQ(stany[Akcja::aktywujFasolki], p.aktywne);
        EXPECT_EQ(stany[Akcja::oznaczFasolkiJakoOczekujace], p.oczekujace);
        EXPECT_EQ(stany[Akcja::archiwizujFasolki], Stan::Wylaczony);
        EXPECT_EQ(stany[Akcja::reaktywujFasolke], Stan::Wylaczony) << "reactivation shows no mark";
    }
}

TEST_F(PoleceniaZmianFasolek, TrashAsksFirstAndTakesOnlyTheBeans)
{
    Fasolka *tekst = f(QStringLiteral("Fasolka 0000.txt")), *projekt = f(QStringLiteral("Projekt 0006"));
    const struct { QList<QObject *> elementy; int odpowiedz; QString pytanie; QStringList kosz; } przypadki[] = {
        {{tekst}, 1001, "Confirm move of 'Fasolka 0000.txt' to Trash", {}},
        {{tekst, potok(QStringLiteral("Potok 0001")), projekt}, 1000, "Confirm move of 2 Beans to Trash", {"Fasolka 0000.txt", "Projekt 0006"}},
    };
    for (const auto &p : przypadki) {
        zapamietajStan();
        zaznacz(p.elementy);
        m_alerty.dodajOdpowiedz(p.odpowiedz);
        m_kontroler.performAction(Akcja::moveToTrash, nullptr);
        ASSERT_FALSE(m_alerty.wpisy().isEmpty());
        EXPECT_EQ(m_alerty.wpisy().last().alert.messageText(), p.pytanie);
        EXPECT_EQ(m_alerty.wpisy().last().alert.buttons(), QStringList({"Move to Trash", "Cancel"}));
        if (p.kosz.isEmpty()) {
            QTest::qWait(100);
            sprawdzNiezmienione();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return wKoszu() == p.kosz; }, 5000)) << qPrintable(wKoszu().join(", "));
    }
    const QString info = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/info/Projekt 0006.trashinfo";
    EXPECT_TRUE(KatalogTestowy::istnieje(info));
    EXPECT_TRUE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Potok 0001/_Waiting_For/Fasolka 0002.png")))) << "the flow stays";
    EXPECT_EQ(m_alerty.wpisy().size(), 2) << "no failure";
}

TEST_F(PoleceniaZmianFasolek, DuplicateCopiesBesideTheOriginalUnderTheNextFreeNameAndReportsAVanishedBean)
{
    Fasolka *pdf = f(QStringLiteral("Fasolka 0001.pdf"), QStringLiteral("Potok 0002"));
    Fasolka *projekt = f(QStringLiteral("Projekt 0006"), QStringLiteral("Potok 0002"));
    const QString inkubacja = R(QStringLiteral("All Beans/Potok 0002/_Incubation/"));
    const QString istniejaca = plik(QStringLiteral("All Beans/Potok 0002/_Incubation/Fasolka 0001 copy.pdf"), "stara kopia");
    zaznacz({pdf, potok(QStringLiteral("Potok 0002")), projekt});
    m_kontroler.performAction(Akcja::duplikujFasolki, nullptr);
    const QString druga = inkubacja + "Fasolka 0001 copy 2.pdf", katalogu = R(QStringLiteral("All Beans/Potok 0002/Projekt 0006 copy"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return KatalogTestowy::istnieje(druga) && KatalogTestowy::istnieje(katalogu + "/plik 0.txt"); }, 5000));
    EXPECT_EQ(KatalogTestowy::czytaj(druga), KatalogTestowy::czytaj(url(pdf)));
    EXPECT_EQ(KatalogTestowy::czytaj(istniejaca), "stara kopia");
    EXPECT_FALSE(KatalogTestowy::istnieje(R(QStringLiteral("All Beans/Potok 0002 copy")))) << "the flow row is no bean";

    QFile::remove(url(pdf));
    zaznacz({pdf});
    m_kontroler.performAction(Akcja::duplikujFasolki, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_alerty.wpisy().isEmpty(); }, 5000));
    const Alert &alert = m_alerty.wpisy().first().alert;
    EXPECT_FALSE(alert.messageText().isEmpty());
    EXPECT_FALSE(alert.informativeText().isEmpty());
    EXPECT_EQ(m_konsola.last(), "Błąd: " + alert.messageText() + " " + alert.informativeText());
}

TEST_F(PoleceniaZmianFasolek, MoveToAFlowTriesEveryBeanAndTheSubmenuListsTheMainFlowThenTheOthersByName)
{
    QList<QObject *> trzy{f(QStringLiteral("Fasolka 0000.txt")), f(QStringLiteral("Fasolka 0002.png")), f(QStringLiteral("Projekt 0006"))};
    plik(QStringLiteral("All Beans/Alpha/_Waiting_For/Fasolka 0002.png"), "zajete");
    katalog(QStringLiteral("All Beans/beta"));
    katalog(QStringLiteral("All Beans/Alpha"));
    baza()->synchronizujListePotokow();
    Menu podmenu;
    podmenu.setDelegat(&m_kontroler);
    KontrolerAkcjeNaElementach::zaktualizujPodrzedneMenuPrzeniesDoPotoku(&podmenu);
    QStringList tytuly;
    for (QAction *akcja : podmenu.actions())
        tytuly << akcja->text();
    EXPECT_EQ(tytuly, QStringList({"Main Flow", "Alpha", "beta", "Potok 0001", "Potok 0002"}));
    auto *doAlpha = qobject_cast<PozycjaMenu *>(podmenu.actions().at(1));
    EXPECT_EQ(doAlpha->cel(), &m_kontroler);

    zaznacz(trzy << potok(QStringLiteral("Potok 0001")));
    m_kontroler.performAction(Akcja::przeniesFasolkiDoPotoku, doAlpha);
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_EQ(m_alerty.wpisy().first().alert.messageText(), "Could not move following Bean(s):\n- 'Fasolka 0002.png'\nto Flow 'Alpha'.");
    EXPECT_EQ(m_konsola.last(), "Błąd: " + m_alerty.wpisy().first().alert.messageText());
    EXPECT_EQ(qobject_cast<Fasolka *>(trzy[0])->potok(), potok(QStringLiteral("Alpha")));
    EXPECT_EQ(qobject_cast<Fasolka *>(trzy[1])->potok(), potok(QStringLiteral("Potok 0001")));
    EXPECT_EQ(url(qobject_cast<Fasolka *>(trzy[2])), R(QStringLiteral("All Beans/Alpha/Projekt 0006")));

    ASSERT_TRUE(QDir(R(QStringLiteral("All Beans/_Main_Flow"))).removeRecursively());
    baza()->synchronizujListePotokow();
    KontrolerAkcjeNaElementach::zaktualizujPodrzedneMenuPrzeniesDoPotoku(&podmenu);
    EXPECT_EQ(podmenu.actions().first()->text(), "Alpha") << "without a main flow";
}

TEST_F(PoleceniaZmianFasolek, EachCommandIsEnabledByTheKindsAndNumberOfItsItemsForItsSender)
{
    QObject *tekst = f(QStringLiteral("Fasolka 0000.txt")), *projekt = f(QStringLiteral("Projekt 0006"));
    WhitePaperTableView tabela;
    tabela.setKontrolerTablicy(&m_tablica);
    m_kontroler.setWidokTabeli(&tabela);
    Menu *podreczne = MenuKontroleraElementow::zbuduj(&m_kontroler);
    podreczne->ustawPochodzenie(Menu::Pochodzenie::Podreczne, &tabela);
    QPushButton przycisk;
    QObject inny;
    using A = Akcja;
    const QList<A> naDwochFasolkach = {A::otworzBytyElementowWDomyslnychAplikacjach, A::otworzElementyWFinderze,
        A::nowaKartaPortfolioZWidokiemElementu, A::noweOknoZWidokiemElementuNaKarciePortfolio, A::pokazPanelSzybkiegoPrzegladu,
        A::duplikujFasolki, A::przeniesFasolkiDoPotoku, A::moveToTrash, A::wyswietlPozaTabelaMenuPodreczneStatusu, A::inkubujFasolki,
        A::aktywujFasolki, A::oznaczFasolkiJakoOczekujace, A::deaktywujFasolki, A::oznaczFasolkiJakoGotowe,
        A::oznaczFasolkiJakoUkonczone, A::archiwizujFasolki, A::reaktywujFasolke, A::przelaczWidocznoscPanelaSzybkiegoPrzegladu};
    const struct { const char *przypadek; QObject *nadawca; std::int64_t klikniety; QList<A> wlaczone; } przypadki[] = {
        {"context menu on empty space", podreczne->actions().first(), -1, {A::przelaczWidocznoscPanelaSzybkiegoPrzegladu}},
        {"button on a file and a folder bean", &przycisk, -1, naDwochFasolkach},
        {"context menu on the selection", podreczne->actions().first(), 1, naDwochFasolkach},
        {"other sender on a list", &inny, 1, {A::przelaczWidocznoscPanelaSzybkiegoPrzegladu}},
    };
    zaznacz({tekst, projekt});
    for (const auto &p : przypadki) {
        m_kontroler.setKliknietyWiersz(p.klikniety);
        for (int i = 0; i <= int(A::testProfiler); ++i) {
            const ElementInterfejsu element(A(i), p.nadawca);
            EXPECT_EQ(m_kontroler.validateUserInterfaceItem(element), p.wlaczone.contains(A(i)))
                << p.przypadek << ": " << qPrintable(nazwaSelektora(A(i)));
        }
    }
}

TEST_F(PoleceniaZmianFasolek, TheContextMenuShowsItsItemsForTheKindsOfBeansAndOpenWithIsFilledForAFileBeanOnly)
{
    QObject *tekst = f(QStringLiteral("Fasolka 0000.txt")), *pdf = f(QStringLiteral("Fasolka 0001.pdf"));
    QObject *projekt = f(QStringLiteral("Projekt 0006"));
    Menu *podreczne = MenuKontroleraElementow::zbuduj(&m_kontroler);
    const auto ukryta = [podreczne](const char *tytul) {
        for (QAction *akcja : podreczne->actions()) {
            if (akcja->text() == QLatin1String(tytul))
                return !akcja->isVisible();
        }
        return false;
    };
    const struct { QList<QObject *> elementy; bool otworzWUkryte, noweOknoUkryte, domyslnaUkryta, wypelnione; } przypadki[] = {
        {{tekst}, false, true, false, true},
        {{tekst, pdf}, true, true, false, false},
        {{tekst, projekt}, true, false, false, false},
        {{projekt}, true, false, true, false},
    };
    for (const auto &p : przypadki) {
        zaznacz(p.elementy);
        Menu *otworzW = m_kontroler.menuOtworzWProgramie();
        otworzW->clear();
        QAction *bylo = otworzW->addAction(QStringLiteral("earlier"));
        podreczne->przygotujDoPokazania();
        otworzW->przygotujDoPokazania();
        EXPECT_EQ(ukryta("Open With"), p.otworzWUkryte) << p.elementy.size();
        EXPECT_EQ(ukryta("Open in New Window"), p.noweOknoUkryte) << p.elementy.size();
        EXPECT_EQ(ukryta("Open in Default Application"), p.domyslnaUkryta) << p.elementy.size();
        EXPECT_EQ(!otworzW->actions().contains(bylo), p.wypelnione) << p.elementy.size();
    }
}
