#include "Support/PortfolioTestowe.h"
#include "Support/Ui/NagrywarkaAlertow.h"
#include "Support/Ui/PolecenieWOknie.h"
#include "Support/Ui/UruchomionyProgram.h"
#include "Support/Ui/ZrzutPlikuZInnegoProgramu.h"

#include "Actions/DymekNowaRzecz.h"
#include "Actions/KontrolerAkcjeNaElementach.h"
#include "Actions/KontrolerDymkaNowaRzecz.h"
#include "Actions/PoleNazwa.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/UstawieniaKartyPortfolio.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Platform/Konsola.h"
#include "Platform/PreviewItem.h"
#include "Platform/Ui/LancuchResponderow.h"
#include "Platform/UserDefaults.h"
#include "Support/CzasyOczekiwania.h"
#include "Views/KontrolerListyFasolek.h"
#include "Views/KontrolerWszystkieFasolki.h"
#include "Views/ListwaZakresu.h"
#include "Views/ProxyWszystkieFasolki.h"
#include "Views/WidokTabeliWszystkieFasolki.h"
#include "Views/WidokZaryseliPaskaNawigacji.h"
#include "Widgets/KontrolerTablicy.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

// Main Flow: the file bean "alfa" and the folder bean "teczka"; "Beta": "b1", "b2", "b3" (folders);
// "Gamma": "g1". Divided: Main Flow, alfa, teczka, Beta, b1, b2, b3, Gamma, g1.
class KontrolerWszystkieFasolkiTest : public PortfolioTestowe
{
protected:
    void SetUp() override
    {
        PortfolioTestowe::SetUp();
        plik(QStringLiteral("All Beans/_Main_Flow/alfa"));
        for (const char *sciezka : {"All Beans/_Main_Flow/teczka", "All Beans/Beta/b1", "All Beans/Beta/b2",
                                    "All Beans/Beta/b3", "All Beans/Gamma/g1"})
            plik(QString::fromLatin1(sciezka) + QStringLiteral("/plik.txt"));
    }
    // A portfolio tab opened on All Beans, every status in scope, divided into flows.
    void otworz()
    {
        karta = std::make_unique<KartaPortfolio>(rwpWidokWszystkieFasolki);
        kontroler = karta->kontrolerWybranychWszystkichFasolek();
        ASSERT_NE(kontroler, nullptr);
        kontroler->proxyWszystkieFasolki()->listwaZakresu()->setCzyWszystkie(true);
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        karta.reset();
        wykonajOdlozoneUsuniecia();
        for (const char *klucz : {"KartaPortfolio.wybranyWidok", "KartaPortfolio.statusPaskaZakresu",
                                  "KartaPortfolio.WszystkieFasolki.czyPodzialNaPotoki"})
            UserDefaults::standard().removeObject(QString::fromLatin1(klucz));
        Konsola::ustawWyjscie({});
        Konsola::ustawZegar({});
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        PortfolioTestowe::TearDown();
    }
    void podziel(bool podzial)
    {
        kontroler->proxyWszystkieFasolki()->listwaZakresu()->setCzyPodzialNaPotoki(podzial);
        QCoreApplication::processEvents();
    }
    // The list as names: flows in capitals.
    QStringList wiersze() const
    {
        QStringList nazwy;
        for (QObject *obiekt : tablica()->arrangedObjects()) {
            if (auto *potok = qobject_cast<Potok *>(obiekt))
                nazwy << potok->nazwa().toUpper();
            else if (auto *fasolka = qobject_cast<Fasolka *>(obiekt))
                nazwy << fasolka->nazwa();
        }
        return nazwy;
    }
    QStringList zaznaczone() const
    {
        QStringList nazwy;
        for (QObject *obiekt : tablica()->selectedObjects())
            if (auto *fasolka = qobject_cast<Fasolka *>(obiekt))
                nazwy << fasolka->nazwa();
        return nazwy;
    }
    Fasolka *fasolka(const char *nazwa) const
    {
        for (Potok *potok : BazaFasolek::sharedBazaFasolek()->potoki().elementy())
            if (Fasolka *f = potok->znajdzFasolkeONazwie(QString::fromLatin1(nazwa)))
                return f;
        return nullptr;
    }
    KontrolerTablicy *tablica() const { return kontroler->kontrolerTablicy(); }
    QModelIndex indeks(QObject *obiekt) const
    {
        return tablica()->index(tablica()->wierszObiektu(obiekt), KontrolerListyFasolek::KolumnaNazwa);
    }
    void pokazOkno()
    {
        karta->view()->resize(500, 500);
        karta->view()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(karta->view()));
    }

    std::unique_ptr<KartaPortfolio> karta;
    KontrolerWszystkieFasolki *kontroler = nullptr;
};

TEST_F(KontrolerWszystkieFasolkiTest, TheFirstListingSelectsNothingAndShowingTheViewAgainKeepsItsList)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    EXPECT_EQ(wiersze(), QStringList({"MAIN FLOW", "alfa", "teczka", "BETA", "b1", "b2", "b3", "GAMMA", "g1"}));
    EXPECT_TRUE(tablica()->selectedObjects().isEmpty());

    tablica()->setSelectedObjects({fasolka("b2")});
    QSignalSpy przeliczenia(kontroler->proxyWszystkieFasolki(), &ProxyListyFasolek::tablicaChanged);
    KontrolerKartyPortfolio *k = karta->kontrolerKartyPortfolio();
    k->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(BazaFasolek::sharedBazaFasolek()->potokGlowny()),
                                                        true);
    karta->pokazWszystkieFasolki();
    QCoreApplication::processEvents();
    EXPECT_EQ(karta->kontrolerWybranychWszystkichFasolek(), kontroler) << "the cached view shown again";
    EXPECT_EQ(przeliczenia.count(), 0) << "the database given again";
    EXPECT_EQ(zaznaczone(), QStringList{"b2"});
}

TEST_F(KontrolerWszystkieFasolkiTest, TallRowsKeepTheSelectedBeanSelectedAndVisibleAndGoToTheTabSettings)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    ASSERT_NO_FATAL_FAILURE(pokazOkno());
    WidokTabeliWszystkieFasolki *tabela = kontroler->widokTabeli();
    tablica()->setSelectedObjects({fasolka("g1")});
    tabela->setRowViewType(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(zaznaczone(), QStringList{"g1"});
    EXPECT_TRUE(tabela->viewport()->rect().intersects(tabela->visualRect(indeks(fasolka("g1")))));
    EXPECT_EQ(karta->kontrolerKartyPortfolio()->ustawieniaKarty()->rowViewType(), 1);
}

TEST_F(KontrolerWszystkieFasolkiTest, ABeanNameOpensItsEditorOnlyWhenItsRowIsSelected)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    ASSERT_NO_FATAL_FAILURE(pokazOkno());
    WidokTabeliWszystkieFasolki *tabela = kontroler->widokTabeli();
    tablica()->setSelectedObjects({fasolka("b1")});
    const QPoint naNazwie = tabela->visualRect(indeks(fasolka("b2"))).center();
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, naNazwie);
    EXPECT_EQ(zaznaczone(), QStringList{"b2"});
    const auto edytor = [&] {
        auto *pole = tabela->viewport()->findChild<QLineEdit *>();
        return pole && pole->isVisible();
    };
    // An editor would open once Qt's double-click interval is over: nothing more comes after it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_FALSE(edytor()) << "an editor on a row the click only selected";
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, naNazwie);
    EXPECT_TRUE(QTest::qWaitFor(edytor, 2000)) << "no editor on the selected row";
}

TEST_F(KontrolerWszystkieFasolkiTest, ABeanMovedByAnotherProgramIsListedUnderItsNewFlowAndTheSelectionStays)
{
    ASSERT_TRUE(obserwujDysk());
    ASSERT_NO_FATAL_FAILURE(otworz());
    tablica()->setSelectedObjects({fasolka("alfa"), fasolka("b1")});
    ASSERT_TRUE(QDir().rename(R(QStringLiteral("All Beans/Beta/b3")), R(QStringLiteral("All Beans/Gamma/b3"))));
    const QStringList oczekiwane{"MAIN FLOW", "alfa", "teczka", "BETA", "b1", "b2", "GAMMA", "b3", "g1"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return wiersze() == oczekiwane; }, czasNaZdarzenieMs))
        << wiersze().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(zaznaczone(), QStringList({"alfa", "b1"}))
        << "another program's bean selected, or the user's choice lost";
}

TEST_F(KontrolerWszystkieFasolkiTest, TheProfilerCommandTimesAThousandReadsOfTheList)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    QList<QByteArray> linie;
    std::chrono::steady_clock::time_point chwila{};
    Konsola::ustawWyjscie([&](const QByteArray &linia) { linie.append(linia); });
    // Every reading of the clock is half a second later.
    Konsola::ustawZegar([&] { return chwila += std::chrono::milliseconds(500); });
    ASSERT_TRUE(LancuchResponderow::sendAction(Akcja::testProfiler, kontroler, nullptr));
    EXPECT_EQ(linie, QList<QByteArray>({"KontrolerWszystkieFasolki testProfiler:\n", "stop = 0.500 sek\n"}));
}

TEST_F(KontrolerWszystkieFasolkiTest, ANewBeanGoesToTheFlowOfTheOneSelectedRowOfADividedList)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    ASSERT_NO_FATAL_FAILURE(pokazOkno());
    auto *przycisk = kontroler->view()->findChild<QAbstractButton *>(QStringLiteral("przyciskNowaFasolka"));
    ASSERT_NE(przycisk, nullptr);
    Potok *gamma = BazaFasolek::sharedBazaFasolek()->znajdzPotokONazwie(QStringLiteral("Gamma"));
    const struct
    {
        const char *nazwa;
        bool podzial;
        std::function<QList<QObject *>()> zaznaczone;
        bool wlaczony;
    } przypadki[] = {
        {"nic", true, [] { return QList<QObject *>(); }, false},
        {"fasolka", true, [&] { return QList<QObject *>{fasolka("b1")}; }, true},
        {"naglowek", true, [&] { return QList<QObject *>{gamma}; }, true},
        {"dwie", true,
         [&] {
             return QList<QObject *>{fasolka("b1"), fasolka("g1")};
         },
         false},
        {"bez_podzialu", false, [&] { return QList<QObject *>{fasolka("b1")}; }, false},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        podziel(p.podzial);
        tablica()->setSelectedObjects(p.zaznaczone());
        EXPECT_EQ(przycisk->isEnabled(), p.wlaczony);
    }

    podziel(true);
    const std::pair<const char *, std::function<void()>> otwarcia[] = {
        {"z_przycisku", [przycisk] { przycisk->click(); }},
        {"z_karty", [this] { karta->wyswietlDymekNowaFasolka(); }},
    };
    for (const auto &[nazwa, otworzDymek] : otwarcia) {
        SCOPED_TRACE(nazwa);
        tablica()->setSelectedObjects({fasolka("b1")});
        otworzDymek();
        KontrolerDymkaNowaRzecz *dymek = kontroler->kontrolerAkcjeNaElementach()->kontrolerDymkaNowaRzecz();
        ASSERT_TRUE(dymek->dymek() && dymek->dymek()->isVisible());
        QTest::keyClicks(dymek->poleNazwa(), QString::fromLatin1(nazwa));
        QTest::keyClick(dymek->poleNazwa(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return zaznaczone() == QStringList{QString::fromLatin1(nazwa)}; }, 2000));
        EXPECT_EQ(fasolka(nazwa)->potok()->nazwa(), QStringLiteral("Beta"));
    }
}

TEST_F(KontrolerWszystkieFasolkiTest, DropsBetweenRowsGoToTheFlowHeaderAboveOnlyWhileTheListIsDivided)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    ASSERT_NO_FATAL_FAILURE(pokazOkno());
    WidokTabeliWszystkieFasolki *tabela = kontroler->widokTabeli();
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    Potok *glowny = baza->potokGlowny();
    Potok *beta = baza->znajdzPotokONazwie(QStringLiteral("Beta"));
    Potok *gamma = baza->znajdzPotokONazwie(QStringLiteral("Gamma"));
    const auto wiersz = [&](QObject *obiekt) { return tabela->visualRect(indeks(obiekt)); };
    const auto nadWierszem = [&](QObject *obiekt) { return QPoint(200, wiersz(obiekt).top()); };
    const auto naWierszu = [&](QObject *obiekt) { return QPoint(200, wiersz(obiekt).center().y()); };
    // `cel` nullptr: refused, nothing framed; else the file lands there and `ramka`'s row is framed.
    const struct
    {
        const char *nazwa;
        bool podzial;
        std::function<QPoint()> miejsce;
        std::function<QObject *()> ramka;
        const char *cel;
    } przypadki[] = {
        {"miedzy_fasolkami_bety", true, [&] { return nadWierszem(fasolka("b2")); }, [&] { return beta; },
         "All Beans/Beta/_Incubation/"},
        {"nad_naglowkiem_bety", true, [&] { return nadWierszem(beta); }, [&] { return glowny; },
         "All Beans/_Main_Flow/_Incubation/"},
        {"na_naglowek_bety", true, [&] { return naWierszu(beta); }, [&] { return beta; },
         "All Beans/Beta/_Incubation/"},
        {"pod_ostatnim_wierszem", true, [&] { return QPoint(200, wiersz(fasolka("g1")).bottom() + 20); },
         [&] { return gamma; }, "All Beans/Gamma/_Incubation/"},
        {"nad_pierwszym_wierszem", true, [&] { return nadWierszem(glowny); }, [] { return nullptr; }, nullptr},
        {"na_teczke", true, [&] { return naWierszu(fasolka("teczka")); }, [&] { return fasolka("teczka"); },
         "All Beans/_Main_Flow/teczka/"},
        {"na_plik", true, [&] { return naWierszu(fasolka("alfa")); }, [] { return nullptr; }, nullptr},
        {"miedzy_wierszami_bez_podzialu", false, [&] { return nadWierszem(fasolka("b2")); }, [] { return nullptr; },
         nullptr},
        {"na_teczke_bez_podzialu", false, [&] { return naWierszu(fasolka("teczka")); },
         [&] { return fasolka("teczka"); }, "All Beans/_Main_Flow/teczka/"},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        podziel(p.podzial);
        ZrzutPlikuZInnegoProgramu zrzut(m_baza.plik(QStringLiteral("obce/") + QString::fromLatin1(p.nazwa)), tabela,
                                        p.miejsce());
        EXPECT_EQ(zrzut.wejdz(), p.cel != nullptr);
        QObject *ramka = p.ramka();
        EXPECT_EQ(tabela->wierszCeluZrzutu(), ramka ? tablica()->wierszObiektu(ramka) : -1);
        EXPECT_EQ(zrzut.upusc(), p.cel != nullptr);
        EXPECT_EQ(tabela->wierszCeluZrzutu(), -1) << "the frame stays after the drop";
        zrzut.oczekujPliku(p.cel ? R(QString::fromLatin1(p.cel) + QString::fromLatin1(p.nazwa)) : QString());
    }
}

TEST_F(KontrolerWszystkieFasolkiTest, AFlowHeaderRenamedInPlaceResortsTheHeadersAndTheMainFlowsIsNotEditable)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    ASSERT_NO_FATAL_FAILURE(pokazOkno());
    BazaFasolek *baza = BazaFasolek::sharedBazaFasolek();
    EXPECT_FALSE(tablica()->flags(indeks(baza->potokGlowny())).testFlag(Qt::ItemIsEditable));
    Potok *gamma = baza->znajdzPotokONazwie(QStringLiteral("Gamma"));
    ASSERT_TRUE(tablica()->flags(indeks(gamma)).testFlag(Qt::ItemIsEditable));

    ASSERT_TRUE(aktywuj(karta->view()));
    WidokTabeliWszystkieFasolki *tabela = kontroler->widokTabeli();
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, tabela->visualRect(indeks(gamma)).center());
    QTest::keyClick(tabela, Qt::Key_F2);
    auto *pole = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(pole, nullptr) << "F2 opened no name field";
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pole, QStringLiteral("Alef"));
    QTest::keyClick(pole, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wiersze().indexOf("ALEF") == 3; }, 2000))
        << wiersze().join(' ').toStdString();
    EXPECT_EQ(wiersze(), QStringList({"MAIN FLOW", "alfa", "teczka", "ALEF", "g1", "BETA", "b1", "b2", "b3"}));
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Alef/g1"))).isDir());
}

TEST_F(KontrolerWszystkieFasolkiTest, AFlowHeaderRenamedOntoATakenNameSaysSoOnceAndKeepsTheOldName)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    Potok *gamma = BazaFasolek::sharedBazaFasolek()->znajdzPotokONazwie(QStringLiteral("Gamma"));
    NagrywarkaAlertow alerty;
    EXPECT_FALSE(tablica()->setData(indeks(gamma), QStringLiteral("Beta"), Qt::EditRole));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerty.wpisy().isEmpty(); }, 5000));
    ASSERT_EQ(alerty.wpisy().size(), 1);
    EXPECT_EQ(alerty.wpisy()[0].alert.messageText(), QStringLiteral("Could not change flow name."));
    EXPECT_EQ(tablica()->data(indeks(gamma), Qt::DisplayRole).toString(), QStringLiteral("Gamma"));
    EXPECT_TRUE(QFileInfo(R(QStringLiteral("All Beans/Gamma/g1"))).isDir());
}

TEST_F(KontrolerWszystkieFasolkiTest, PreviewShowsTheAllBeansFolderWithNothingSelectedElseTheSelectedBeans)
{
    ASSERT_NO_FATAL_FAILURE(otworz());
    EXPECT_EQ(kontroler->numberOfPreviewItemsInPreviewPanel(nullptr), 1);
    PreviewItem *baza = kontroler->previewPanelPreviewItemAtIndex(nullptr, 0);
    ASSERT_NE(baza, nullptr);
    EXPECT_EQ(baza->previewItemURL(), R(QStringLiteral("All Beans")));

    tablica()->setSelectedObjects({fasolka("g1"), fasolka("teczka")});
    ASSERT_EQ(kontroler->numberOfPreviewItemsInPreviewPanel(nullptr), 2);
    QStringList adresy;
    for (int i = 0; i < 2; ++i)
        adresy << kontroler->previewPanelPreviewItemAtIndex(nullptr, i)->previewItemURL();
    adresy.sort();
    EXPECT_EQ(adresy,
              QStringList({R(QStringLiteral("All Beans/Gamma/g1")), R(QStringLiteral("All Beans/_Main_Flow/teczka"))}));
}

// All Beans in the window the program's start-up builds, reached through the bar, driven by real input.
class KontrolerWszystkieFasolkiWProgramieTest : public UruchomionyProgram
{
protected:
    void pokazWszystkieFasolki()
    {
        auto *pasek = PolecenieWOknie::widocznyWidok<WidokZaryseliPaskaNawigacji>(m_okno);
        ASSERT_NE(pasek, nullptr);
        QModelIndex wszystkie;
        for (int y = 2; y < pasek->viewport()->height() && !wszystkie.isValid(); y += 4)
            if (const QModelIndex indeks = pasek->indexAt(QPoint(40, y)); indeks.data().toString() == "All Beans")
                wszystkie = indeks;
        ASSERT_TRUE(wszystkie.isValid());
        QTest::mouseClick(pasek->viewport(), Qt::LeftButton, {}, pasek->visualRect(wszystkie).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return tabela() && tabela()->kontrolerTablicy()->rowCount() > 0; }, 2000));
        ASSERT_EQ(kartaPortfolio()->title(), QStringLiteral("All Beans"));
    }
    WidokTabeliWszystkieFasolki *tabela() const
    {
        return PolecenieWOknie::widocznyWidok<WidokTabeliWszystkieFasolki>(m_okno);
    }
    // The row of the object of that name: a flow's header or a bean.
    QModelIndex wiersz(const QString &nazwa) const
    {
        KontrolerTablicy *tablica = tabela()->kontrolerTablicy();
        for (int w = 0; w < tablica->rowCount(); ++w) {
            QObject *obiekt = tablica->obiektWWierszu(w);
            auto *potok = qobject_cast<Potok *>(obiekt);
            auto *fasolka = qobject_cast<Fasolka *>(obiekt);
            if ((potok && potok->nazwa() == nazwa) || (fasolka && fasolka->nazwa() == nazwa))
                return tablica->index(w, KontrolerListyFasolek::KolumnaNazwa);
        }
        return {};
    }
    // A folder bean of the flow, other than `poza`.
    Fasolka *fasolkaKatalogowa(const char *potok, Fasolka *poza = nullptr) const
    {
        for (Fasolka *fasolka :
             BazaFasolek::sharedBazaFasolek()->znajdzPotokONazwie(QString::fromLatin1(potok))->fasolki())
            if (fasolka->jestZKatalogiem() && fasolka != poza && wiersz(fasolka->nazwa()).isValid())
                return fasolka;
        return nullptr;
    }
};

TEST_F(KontrolerWszystkieFasolkiWProgramieTest, ARightClickOnAFlowHeaderOrABeanOpensItsOwnMenuForIt)
{
    ASSERT_NO_FATAL_FAILURE(pokazWszystkieFasolki());
    const int oknaPrzed = widoczneOknaPrzegladarki().size();
    PolecenieWOknie::kliknijPrawym(tabela(), wiersz(QStringLiteral("Potok 0001")));
    PolecenieWOknie::wybierzZMenu(PolecenieWOknie::otwarteMenu(), QStringLiteral("Open in New Window"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return widoczneOknaPrzegladarki().size() == oknaPrzed + 1; }, 2000));
    PrzegladarkaTarrowind *nowa = nullptr;
    for (BrowserWindow *okno : widoczneOknaPrzegladarki())
        if (okno != m_okno)
            nowa = PrzegladarkaTarrowind::przegladarkaDlaOkna(okno);
    ASSERT_NE(nowa, nullptr);
    EXPECT_EQ(nowa->wybranaKartaPortfolio()->title(), QStringLiteral("Flow: Potok 0001"));

    // The bean's menu acts on the clicked bean, not on the selected one.
    ASSERT_TRUE(aktywuj(m_okno));
    Fasolka *wybrana = fasolkaKatalogowa("Potok 0002");
    Fasolka *kliknieta = fasolkaKatalogowa("Potok 0002", wybrana);
    ASSERT_TRUE(wybrana && kliknieta);
    tabela()->kontrolerTablicy()->setSelectedObjects({wybrana});
    const int kartPrzed = przegladarka()->tabCount();
    PolecenieWOknie::kliknijPrawym(tabela(), wiersz(kliknieta->nazwa()));
    PolecenieWOknie::wybierzZMenu(PolecenieWOknie::otwarteMenu(), QStringLiteral("Open in New Tab"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return przegladarka()->tabCount() == kartPrzed + 1; }, 2000));
    EXPECT_EQ(przegladarka()->tabContentsAtIndex(kartPrzed)->title(), kliknieta->nazwa());
}
