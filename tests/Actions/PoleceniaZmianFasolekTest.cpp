#include "Model/OperacjeTestowe.h"

#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/MenuKontroleraElementow.h"
#include "Platform/Ui/ElementInterfejsu.h"
#include "Platform/Ui/PozycjaMenu.h"
#include "Support/CzasyOczekiwania.h"
#include "Support/GeneratorPortfolio.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Widgets/KontrolerTablicy.h"
#include "Widgets/WhitePaperTableView.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

using Stan = PozycjaMenu::Stan;

// Flows "_Main_Flow", "Potok 0001", "Potok 0002", each: "Fasolka 0000.txt" Active, "0001.pdf" Incubation, "0002.png"
// Waiting, "0003.md" Inactive, "0004.odt" Ready, "0005" Done, folders "Projekt 0006" Active, "Projekt 0007" Incubation.
class PoleceniaZmianFasolek : public OperacjeTestowe
{
protected:
    void SetUp() override
    {
        OperacjeTestowe::SetUp();
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(m_baza.sciezka(),
                                               {.potoki = 3, .fasolkiNaPotok = 8, .fasolkiNaArchiwumPotoku = 0})
                        .udany);
        m_kontroler.setKontrolerTablicy(&m_tablica);
    }

    Fasolka *f(const QString &nazwa, const QString &wPotoku = QStringLiteral("Potok 0001"))
    {
        return fasolka(wPotoku, nazwa);
    }
    QString tekstAlertu(int i = 0) const { return m_alerty.wpisy().at(i).alert.messageText(); }
    // The items a command acts on: the selection of the list.
    void zaznacz(const QList<QObject *> &elementy)
    {
        m_tablica.ustawTresc(elementy);
        m_tablica.setSelectedObjects(elementy);
    }

    KontrolerTablicy m_tablica;
    KontrolerAkcjeNaElementach m_kontroler;
    NagrywarkaAlertow m_alerty;
};

} // namespace

TEST_F(PoleceniaZmianFasolek, AStatusCommandMovesOnlyBeansOfAnotherStatusAndNamesEveryFailureInOneAlert)
{
    Fasolka *aktywna = f("Fasolka 0000.txt"), *oczekujaca = f("Fasolka 0002.png");
    zaznacz({aktywna, oczekujaca});
    m_kontroler.performAction(Akcja::aktywujFasolki, nullptr);
    EXPECT_EQ(QStringList({url(aktywna), url(oczekujaca)}),
              QStringList({R("All Beans/Potok 0001/Fasolka 0000.txt"), R("All Beans/Potok 0001/Fasolka 0002.png")}));
    EXPECT_TRUE(m_alerty.wpisy().isEmpty());

    // Two of five clash with a name already in "_Ready": both named in item order, the later reason.
    const QList<QObject *> piec{f("Fasolka 0001.pdf"), f("Fasolka 0003.md"), f("Fasolka 0000.txt"), f("Projekt 0007"),
                                f("Fasolka 0005")};
    plik("All Beans/Potok 0001/_Ready/Fasolka 0003.md");
    katalog("All Beans/Potok 0001/_Ready/Projekt 0007");
    zaznacz(piec);
    m_kontroler.performAction(Akcja::oznaczFasolkiJakoGotowe, nullptr);
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    const Alert &alert = m_alerty.wpisy().first().alert;
    EXPECT_EQ(alert.messageText(),
              "Could not change status of following Bean(s):\n- 'Fasolka 0003.md'\n- 'Projekt 0007'\n");
    EXPECT_TRUE(alert.informativeText().contains("Projekt 0007")) << qPrintable(alert.informativeText());
    EXPECT_EQ(m_konsola.last(), "Błąd: " + alert.messageText() + " " + alert.informativeText());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(qobject_cast<Fasolka *>(piec[i])->statusFasolki(), i == 1   ? Fasolka::sfNieaktywna
                                                                     : i == 3 ? Fasolka::sfWInkubacji
                                                                              : Fasolka::sfGotowa)
            << i;
}

TEST_F(PoleceniaZmianFasolek, TheStatusMenuMarksTheBeansStatusesAndNamesThemInItsHeader)
{
    const QString dwadziescia = QString(16, 'a') + ".txt", dwadziesciaJeden = "b" + dwadziescia;
    const QString emoji = QString(19, 'c') + QStringLiteral("\U0001F600.txt");
    for (const QString &nazwa : {dwadziescia, dwadziesciaJeden, emoji})
        plik("All Beans/Potok 0002/" + nazwa);
    MenuKontroleraElementow::zbuduj(&m_kontroler);
    QObject *aktywna = f("Fasolka 0000.txt"), *projekt = f("Projekt 0006"), *oczekujaca = f("Fasolka 0002.png");
    const struct
    {
        QList<QObject *> elementy;
        QString naglowek;
        Stan aktywne, oczekujace;
    } przypadki[] = {
        {{aktywna}, "Fasolka 0000.txt", Stan::Wlaczony, Stan::Wylaczony},
        {{aktywna, projekt}, "<Multiple Beans>", Stan::Mieszany, Stan::Wylaczony},
        {{aktywna, oczekujaca, potok("Potok 0001")}, "<Multiple Beans>", Stan::Mieszany, Stan::Mieszany},
        {{}, "<none>", Stan::Wylaczony, Stan::Wylaczony},
        {{f(dwadziescia, "Potok 0002")}, dwadziescia, Stan::Wlaczony, Stan::Wylaczony},
        {{f(dwadziesciaJeden, "Potok 0002")}, dwadziesciaJeden.left(20) + "...", Stan::Wlaczony, Stan::Wylaczony},
        {{f(emoji, "Potok 0002")}, emoji.left(19) + "...", Stan::Wlaczony, Stan::Wylaczony},
    };
    const Stan w = Stan::Wylaczony;
    for (const auto &p : przypadki) {
        zaznacz(p.elementy);
        Menu *menu = m_kontroler.menuPodreczneStatusu();
        menu->przygotujDoPokazania();
        const QAction *naglowek = menu->actions().first();
        EXPECT_EQ(naglowek->isEnabled() ? QString() : naglowek->text(), p.naglowek);
        QList<Stan> stany; // of the status items enabled as there are beans, the last one reactivation
        for (QAction *akcja : menu->actions().mid(1)) {
            if (auto *pozycja = qobject_cast<PozycjaMenu *>(akcja);
                pozycja && pozycja->isEnabled() == !p.elementy.isEmpty())
                stany << pozycja->stan();
        }
        EXPECT_EQ(stany, QList<Stan>({w, p.aktywne, p.oczekujace, w, w, w, w, w})) << qPrintable(p.naglowek);
    }
}

TEST_F(PoleceniaZmianFasolek, TrashAsksFirstDuplicateTakesTheNextFreeNameAndBothTouchOnlyBeans)
{
    Fasolka *tekst = f("Fasolka 0000.txt"), *projekt = f("Projekt 0006");
    const QString kosz = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/";
    const auto wKoszu = [&kosz] { return QDir(kosz + "files").entryList(QDir::NoDotAndDotDot | QDir::AllEntries); };
    const struct
    {
        QList<QObject *> elementy;
        int odpowiedz;
        QString pytanie;
        QStringList kosz;
    } przypadki[] = {
        {{tekst}, 1001, "Confirm move of 'Fasolka 0000.txt' to Trash", {}},
        {{tekst, potok("Potok 0001"), projekt},
         1000,
         "Confirm move of 2 Beans to Trash",
         {"Fasolka 0000.txt", "Projekt 0006"}},
    };
    for (int i = 0; i < 2; ++i) {
        zapamietajStan();
        zaznacz(przypadki[i].elementy);
        m_alerty.dodajOdpowiedz(przypadki[i].odpowiedz);
        m_kontroler.performAction(Akcja::moveToTrash, nullptr);
        EXPECT_EQ(tekstAlertu(i), przypadki[i].pytanie);
        if (i == 0) {
            przeczekajCisze(100);
            sprawdzNiezmienione();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return wKoszu() == przypadki[i].kosz; }, 5000))
            << qPrintable(wKoszu().join(", "));
    }
    EXPECT_TRUE(KatalogTestowy::istnieje(kosz + "info/Projekt 0006.trashinfo"));
    EXPECT_TRUE(KatalogTestowy::istnieje(R("All Beans/Potok 0001/_Waiting_For/Fasolka 0002.png"))) << "the flow stays";
    EXPECT_EQ(m_alerty.wpisy().size(), 2) << "no failure";

    // A duplicate lies beside its original under the next free name; a taken one keeps its bytes.
    Fasolka *pdf = f("Fasolka 0001.pdf", "Potok 0002");
    const QString istniejaca = plik("All Beans/Potok 0002/_Incubation/Fasolka 0001 copy.pdf", "stara kopia");
    zaznacz({pdf, potok("Potok 0002"), f("Projekt 0006", "Potok 0002")});
    m_kontroler.performAction(Akcja::duplikujFasolki, nullptr);
    const QString druga = R("All Beans/Potok 0002/_Incubation/Fasolka 0001 copy 2.pdf"),
                  wKopiiKatalogu = R("All Beans/Potok 0002/Projekt 0006 copy/plik 0.txt");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return KatalogTestowy::istnieje(druga) && KatalogTestowy::istnieje(wKopiiKatalogu); }, 5000));
    EXPECT_EQ(KatalogTestowy::czytaj(druga), KatalogTestowy::czytaj(url(pdf)));
    EXPECT_EQ(KatalogTestowy::czytaj(istniejaca), "stara kopia");
    EXPECT_FALSE(KatalogTestowy::istnieje(R("All Beans/Potok 0002 copy"))) << "the flow row is no bean";

    QFile::remove(url(pdf));
    zaznacz({pdf});
    m_kontroler.performAction(Akcja::duplikujFasolki, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_alerty.wpisy().size() == 3; }, 5000)) << "a bean gone before its copy";
    const Alert &alert = m_alerty.wpisy().last().alert;
    EXPECT_EQ(m_konsola.last(), "Błąd: " + alert.messageText() + " " + alert.informativeText());
    EXPECT_TRUE(!alert.messageText().isEmpty() && !alert.informativeText().isEmpty());
}

TEST_F(PoleceniaZmianFasolek, MoveToAFlowTriesEveryBeanAndTheSubmenuListsTheMainFlowThenTheOthersByName)
{
    const QList<QObject *> trzy{f("Fasolka 0000.txt"), f("Fasolka 0002.png"), f("Projekt 0006")};
    plik("All Beans/Alpha/_Waiting_For/Fasolka 0002.png", "zajete");
    katalog("All Beans/beta");
    baza()->synchronizujListePotokow();
    Menu podmenu;
    podmenu.setDelegat(&m_kontroler);
    const auto tytuly = [&podmenu] {
        KontrolerAkcjeNaElementach::zaktualizujPodrzedneMenuPrzeniesDoPotoku(&podmenu);
        QStringList wynik;
        for (QAction *akcja : podmenu.actions())
            wynik << akcja->text();
        return wynik;
    };
    EXPECT_EQ(tytuly(), QStringList({"Main Flow", "Alpha", "beta", "Potok 0001", "Potok 0002"}));

    zaznacz(QList<QObject *>(trzy) << potok("Potok 0001"));
    m_kontroler.performAction(Akcja::przeniesFasolkiDoPotoku, podmenu.actions().at(1));
    ASSERT_EQ(m_alerty.wpisy().size(), 1);
    EXPECT_EQ(tekstAlertu(), "Could not move following Bean(s):\n- 'Fasolka 0002.png'\nto Flow 'Alpha'.");
    EXPECT_EQ(m_konsola.last(), "Błąd: " + tekstAlertu());
    EXPECT_EQ(
        QStringList({url(qobject_cast<Fasolka *>(trzy[0])), url(qobject_cast<Fasolka *>(trzy[1])),
                     url(qobject_cast<Fasolka *>(trzy[2]))}),
        QStringList({R("All Beans/Alpha/Fasolka 0000.txt"), R("All Beans/Potok 0001/_Waiting_For/Fasolka 0002.png"),
                     R("All Beans/Alpha/Projekt 0006")}));

    ASSERT_TRUE(QDir(R("All Beans/_Main_Flow")).removeRecursively());
    baza()->synchronizujListePotokow();
    EXPECT_EQ(tytuly().first(), "Alpha") << "without a main flow";
}

// Each command's enabling for each sender, and the context menu's items shown by kind of bean.
TEST_F(PoleceniaZmianFasolek, EachCommandIsEnabledAndShownByTheKindsAndNumberOfItsItemsForItsSender)
{
    QObject *tekst = f("Fasolka 0000.txt"), *pdf = f("Fasolka 0001.pdf"), *projekt = f("Projekt 0006");
    WhitePaperTableView tabela;
    m_kontroler.setWidokTabeli(&tabela);
    Menu *podreczne = MenuKontroleraElementow::zbuduj(&m_kontroler);
    podreczne->ustawPochodzenie(Menu::Pochodzenie::Podreczne, &tabela);
    QObject *zMenu = podreczne->actions().first();
    QPushButton przycisk;
    QObject inny;
    using A = Akcja;
    const QList<A> przelacznik{A::przelaczWidocznoscPanelaSzybkiegoPrzegladu, A::wyswietlDymekNowyPotok},
        naDwoch = przelacznik
                  + QList<A>{A::otworzBytyElementowWDomyslnychAplikacjach,
                             A::otworzElementyWFinderze,
                             A::pokazPanelSzybkiegoPrzegladu,
                             A::duplikujFasolki,
                             A::przeniesFasolkiDoPotoku,
                             A::moveToTrash,
                             A::wyswietlPozaTabelaMenuPodreczneStatusu,
                             A::inkubujFasolki,
                             A::aktywujFasolki,
                             A::oznaczFasolkiJakoOczekujace,
                             A::deaktywujFasolki,
                             A::oznaczFasolkiJakoGotowe,
                             A::oznaczFasolkiJakoUkonczone,
                             A::archiwizujFasolki,
                             A::reaktywujFasolke};
    // Commands enabled (none: not checked here); a new flow always, a new bean with a flow to put it in. Shown: Open
    // With (tag 2), Open in New Window (tag 3), Open in Default Application; then whether Open With was filled again.
    // The context menu acts on the clicked row. Beans have no portfolio view to open in a new tab or window.
    const struct
    {
        const char *przypadek;
        QList<QObject *> zaznaczone;
        QObject *nadawca;
        std::int64_t klikniety;
        QList<A> wlaczone;
        QList<bool> pokazane;
    } przypadki[] = {
        {"context menu on empty space", {tekst, projekt}, zMenu, -1, przelacznik, {false, false, false, false}},
        {"button on a file and a folder bean", {tekst, projekt}, &przycisk, -1, naDwoch, {false, false, false, false}},
        {"other sender on a list",
         {tekst, projekt},
         &inny,
         1,
         przelacznik + QList<A>{A::wyswietlDymekNowaFasolka},
         {false, true, true, false}},
        {"context menu on two file beans", {tekst, pdf}, zMenu, 0, {}, {false, false, true, true}},
        {"context menu on a file bean", {tekst}, zMenu, 0, {}, {true, false, true, true}},
        {"context menu on a folder bean", {projekt}, zMenu, 0, {}, {false, true, false, false}},
    };
    for (const auto &p : przypadki) {
        zaznacz(p.zaznaczone);
        m_kontroler.setKliknietyWiersz(p.klikniety);
        for (int i = 0; i <= int(A::testProfiler) && !p.wlaczone.isEmpty(); ++i)
            EXPECT_EQ(m_kontroler.validateUserInterfaceItem(ElementInterfejsu(A(i), p.nadawca)),
                      p.wlaczone.contains(A(i)))
                << p.przypadek << ": " << qPrintable(nazwaSelektora(A(i)));
        Menu *otworzW = m_kontroler.menuOtworzWProgramie();
        otworzW->clear();
        QAction *bylo = otworzW->addAction(QStringLiteral("earlier"));
        podreczne->przygotujDoPokazania();
        otworzW->przygotujDoPokazania();
        QMap<QString, bool> widoczne;
        for (QAction *akcja : podreczne->actions())
            widoczne[akcja->text()] = akcja->isVisible();
        EXPECT_EQ(QList<bool>({widoczne["Open With"], widoczne["Open in New Window"],
                               widoczne["Open in Default Application"], !otworzW->actions().contains(bylo)}),
                  p.pokazane)
            << p.przypadek;
    }
}
