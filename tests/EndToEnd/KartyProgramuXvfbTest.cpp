#include "Actions/EdytorSpodziewanegoRezultatu.h"
#include "Actions/KontrolerEdytoraSpodziewanegoRezultatu.h"
#include "Actions/WidokZFokusemEdytora.h"
#include "App/TarrowindAppDelegate.h"
#include "App/UruchomienieProgramu.h"
#include "Browser/ItemWidoku.h"
#include "Browser/KartaFasolki.h"
#include "Browser/KartaPortfolio.h"
#include "Browser/KontrolerKartyFasolki.h"
#include "Browser/KontrolerKartyPortfolio.h"
#include "Browser/KontrolerWidokuRozdzielonegoZPanelemPrawym.h"
#include "Browser/PrzegladarkaTarrowind.h"
#include "Browser/TabKit/BrowserWindow.h"
#include "Browser/TabKit/BrowserWindowController.h"
#include "Model/BazaFasolek.h"
#include "Model/Fasolka.h"
#include "Model/Potok.h"
#include "Model/SpecKatalog.h"
#include "Model/StosCoreData.h"
#include "Platform/PowiadomienieOLimicieObserwacji.h"
#include "Views/KontrolerDrzewa.h"
#include "Views/KontrolerPotoku.h"
#include "Views/KontrolerRzeczyKatalogu.h"
#include "Views/KontrolerWidokuFasolki.h"
#include "Views/KontrolerZawartosciFasolki.h"
#include "Views/WidokTabeliFasolkiPotoku.h"
#include "Views/WidokZaryseliRzeczyKatalogu.h"

#include "Support/GeneratorPortfolio.h"
#include "Support/KatalogTestowy.h"
#include "Support/ZrzutOkna.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

// The program's start-up in this process on a real X server with a generated portfolio; its first
// window shown.
class KartyProgramuXvfbTest : public ::testing::Test
{
protected:
    void uruchom(const QRect &geometria)
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this suite under xvfb-run";
        StosCoreData::sharedStosCoreData()->nowyKontekst();
        const QString baza = m_dir.katalog(QStringLiteral("Projekty"));
        ASSERT_TRUE(GeneratorPortfolio::zbuduj(baza, {3, 12, 2, 2, 2}).udany);
        ASSERT_TRUE(SpecKatalog::sharedSpecKatalog()->setUrlBazowy(baza));
        m_uruchomienie = std::make_unique<UruchomienieProgramu>();
        TarrowindAppDelegate &delegat = m_uruchomienie->delegat();
        delegat.applicationDidFinishLaunching();
        ASSERT_EQ(delegat.stan(), TarrowindAppDelegate::Stan::Dziala);
        m_pierwsza = PrzegladarkaTarrowind::glownaPrzegladarka();
        ASSERT_NE(m_pierwsza, nullptr);
        m_oknoPierwsze = m_pierwsza->windowController()->window();
        m_oknoPierwsze->setGeometry(geometria);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_oknoPierwsze));
    }

    // As `main` ends: the start-up takes its windows with it while the graph their tabs show still stands.
    void TearDown() override
    {
        m_uruchomienie.reset();
        StosCoreData::sharedStosCoreData()->nowyKontekst();
    }

    KatalogTestowy m_dir;
    std::unique_ptr<UruchomienieProgramu> m_uruchomienie;
    PrzegladarkaTarrowind *m_pierwsza = nullptr;
    BrowserWindow *m_oknoPierwsze = nullptr;
};

// The start-up, then through the factories a tab on the archive with its bar collapsed, a bean tab
// whose folder outline has two folders open, and a bean tab whose expected outcome is then typed in;
// the screenshots are for people to look at.
TEST_F(KartyProgramuXvfbTest, TheStartUpThenAnArchiveTabWithItsBarCollapsedAndABeanTab)
{
    ASSERT_NO_FATAL_FAILURE(uruchom(QRect(20, 40, 900, 560)));
    PrzegladarkaTarrowind *pierwsza = m_pierwsza;
    BrowserWindow *oknoPierwsze = m_oknoPierwsze;
    zrzutOkna(oknoPierwsze, QStringLiteral("portfolio-tab-at-start.png"));

    PrzegladarkaTarrowind *archiwum =
        PrzegladarkaTarrowind::nowaPrzegladarkaZKartaPortfolioZWidokiemZUkrytymPaskiemNawigacji(rwpWidokArchiwum, true);
    KartaPortfolio *karta = archiwum->wybranaKartaPortfolio();
    ASSERT_NE(karta, nullptr);
    EXPECT_TRUE(karta->czyBiezacyWidokTo(rwpWidokArchiwum));
    EXPECT_FALSE(karta->czyWidocznyPasekNawigacji());
    EXPECT_EQ(karta->title(), QStringLiteral("Archived Beans"));
    BrowserWindow *oknoArchiwum = archiwum->windowController()->window();
    oknoArchiwum->setGeometry(40, 80, 900, 560);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(oknoArchiwum));
    const QImage zwiniety = zrzutOkna(oknoArchiwum, QStringLiteral("portfolio-tab-archive-bar-collapsed.png"));
    QWidget *naZakladke = karta->kontrolerKartyPortfolio()->widokNaZakladke();
    EXPECT_TRUE(naZakladke->isVisible());
    EXPECT_EQ(naZakladke->width(), 27);

    Fasolka *fasolka = nullptr;
    for (Fasolka *f : BazaFasolek::sharedBazaFasolek()->potoki().elementy().at(0)->fasolki()) {
        if (f->jestZKatalogiem() && !fasolka)
            fasolka = f;
    }
    ASSERT_NE(fasolka, nullptr);
    ASSERT_TRUE(fasolka->ustawSpodziewanyRezultat(QStringLiteral("A shed that keeps the tools dry.")));
    const QDir katalogFasolki(fasolka->katalog()->plikowyURL());
    for (const char *sciezka :
         {"Drawings/roof.svg", "Drawings/walls.svg", "Quotes/timber.txt", "Quotes/Old/2025.txt", "Photos/site.jpg"}) {
        const QString plik = katalogFasolki.filePath(QLatin1String(sciezka));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(plik).path()));
        QFile(plik).open(QIODevice::WriteOnly);
    }
    PrzegladarkaTarrowind *zFasolka = PrzegladarkaTarrowind::nowaPrzegladarkaZKartaDanejFasolki(fasolka);
    EXPECT_EQ(zFasolka->wybranaKartaFasolki()->title(), fasolka->nazwa());
    BrowserWindow *oknoFasolki = zFasolka->windowController()->window();
    oknoFasolki->setGeometry(60, 120, 900, 560);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(oknoFasolki));
    KontrolerRzeczyKatalogu *zarys = zFasolka->wybranaKartaFasolki()->kontrolerKartyFasolki()->kontrolerRzeczyFasolki();
    KontrolerDrzewa *drzewo = zarys->kontrolerDrzewa();
    // The folder's rows come in from a worker thread.
    ASSERT_TRUE(QTest::qWaitFor([drzewo] { return !drzewo->wczytuje(); }));
    for (const QString &nazwa : {QStringLiteral("Drawings"), QStringLiteral("Quotes")}) {
        const QModelIndex katalog =
            drzewo->match(drzewo->index(0, 0), Qt::DisplayRole, nazwa, 1, Qt::MatchFixedString).value(0);
        ASSERT_TRUE(katalog.isValid()) << nazwa.toStdString();
        zarys->widokZaryseli()->expand(katalog);
    }
    const QModelIndex dach = drzewo
                                 ->match(drzewo->index(0, 0), Qt::DisplayRole, QStringLiteral("roof.svg"), 1,
                                         Qt::MatchFixedString | Qt::MatchRecursive)
                                 .value(0);
    ASSERT_TRUE(dach.isValid());
    drzewo->setSelectionIndexPaths({dach});
    zrzutOkna(oknoFasolki, QStringLiteral("bean-tab-of-a-generated-bean.png"));

    // A bean with no expected outcome: the placeholder, then the text typed in edit mode inside the ring.
    Fasolka *bezRezultatu = nullptr;
    for (Fasolka *f : BazaFasolek::sharedBazaFasolek()->potoki().elementy().at(0)->fasolki()) {
        if (f->jestZKatalogiem() && f != fasolka && !bezRezultatu)
            bezRezultatu = f;
    }
    ASSERT_NE(bezRezultatu, nullptr);
    KartaFasolki *kartaEdytora = zFasolka->nowaKartaFasolki(bezRezultatu);
    KontrolerEdytoraSpodziewanegoRezultatu *edytor =
        kartaEdytora->kontrolerKartyFasolki()->kontrolerEdytoraSpodziewanegoRezultatu();
    QTest::qWait(100);
    zrzutOkna(oknoFasolki, QStringLiteral("bean-tab-expected-outcome-placeholder.png"));
    QTest::keyClick(edytor->edytor(), Qt::Key_Return);
    QTest::keyClicks(edytor->edytor(), QStringLiteral("A roof over the bench"));
    QTest::keyClick(edytor->edytor(), Qt::Key_Return, Qt::AltModifier);
    QTest::keyClicks(edytor->edytor(), QStringLiteral("and a door that locks."));
    EXPECT_TRUE(edytor->widokZEdytorem()->czyRysowacFokusEdytora());
    QTest::qWait(100);
    zrzutOkna(oknoFasolki, QStringLiteral("bean-tab-expected-outcome-editing.png"));
    QTest::keyClick(edytor->edytor(), Qt::Key_Return);
    EXPECT_EQ(bezRezultatu->spodziewanyRezultat(), QStringLiteral("A roof over the bench\nand a door that locks."));

    // The first window's tab on a flow, one bean selected and the flow items panel open.
    KartaPortfolio *kartaPotoku = pierwsza->wybranaKartaPortfolio();
    ASSERT_NE(kartaPotoku, nullptr);
    Potok *potok = fasolka->potok();
    kartaPotoku->kontrolerKartyPortfolio()->pokazPotokWPortfolio(potok);
    auto *widokPotoku =
        qobject_cast<KontrolerPotoku *>(kartaPotoku->kontrolerKartyPortfolio()->kontrolerBiezacegoWidokuSzczegolow());
    ASSERT_NE(widokPotoku, nullptr);
    EXPECT_EQ(kartaPotoku->title(), QStringLiteral("Flow: ") + potok->nazwa());
    widokPotoku->zaznaczFasolke(fasolka);
    widokPotoku->kontrolerWidokuRozdzielonegoZPanelemPrawym()->setCzyWidocznyPanelPrawy(true);
    oknoPierwsze->raise();
    QTest::qWait(100);
    zrzutOkna(oknoPierwsze, QStringLiteral("portfolio-tab-on-a-flow.png"));
    widokPotoku->widokTabeli()->setRowViewType(1);
    QTest::qWait(100);
    zrzutOkna(oknoPierwsze, QStringLiteral("portfolio-tab-on-a-flow-tall-rows.png"));
}

// The start-up, then a folder bean with sub-folders and an expected outcome
// shown inside the first window's portfolio tab, its flow's items in the open right panel.
TEST_F(KartyProgramuXvfbTest, AFolderBeanShownInsideThePortfolioTab)
{
    ASSERT_NO_FATAL_FAILURE(uruchom(QRect(20, 40, 980, 620)));
    PrzegladarkaTarrowind *pierwsza = m_pierwsza;
    BrowserWindow *okno = m_oknoPierwsze;

    Potok *potok = BazaFasolek::sharedBazaFasolek()->potoki().elementy().at(0);
    Fasolka *fasolka = nullptr;
    for (Fasolka *f : potok->fasolki()) {
        if (f->jestZKatalogiem() && !fasolka)
            fasolka = f;
    }
    ASSERT_NE(fasolka, nullptr);
    ASSERT_TRUE(
        fasolka->ustawSpodziewanyRezultat(QStringLiteral("A greenhouse that grows tomatoes through the winter.")));
    const QDir katalogFasolki(fasolka->katalog()->plikowyURL());
    for (const char *sciezka : {"Plans/frame.svg", "Plans/glazing.svg", "Suppliers/glass.txt", "Suppliers/Old/2025.txt",
                                "Seeds/list.txt", "budget.ods"}) {
        const QString plik = katalogFasolki.filePath(QLatin1String(sciezka));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(plik).path()));
        QFile(plik).open(QIODevice::WriteOnly);
    }
    KartaPortfolio *karta = pierwsza->wybranaKartaPortfolio();
    ASSERT_NE(karta, nullptr);
    KontrolerKartyPortfolio *kontrolerKarty = karta->kontrolerKartyPortfolio();
    kontrolerKarty->ustawWidokSzczegolyWithItemIDopiszDoListyWidokow(ItemWidoku(fasolka), true);
    auto *widok = qobject_cast<KontrolerWidokuFasolki *>(kontrolerKarty->kontrolerBiezacegoWidokuSzczegolow());
    ASSERT_NE(widok, nullptr);
    EXPECT_EQ(karta->title(), QStringLiteral("Bean: ") + fasolka->nazwa());
    EXPECT_EQ(widok->nazwaPotoku(), potok->nazwa());
    widok->kontrolerWidokuRozdzielonegoZPanelemPrawym()->setCzyWidocznyPanelPrawy(true);
    KontrolerRzeczyKatalogu *zarys = widok->kontrolerRzeczyFasolki();
    KontrolerDrzewa *drzewo = zarys->kontrolerDrzewa();
    // The folder's rows come in from a worker thread.
    ASSERT_TRUE(QTest::qWaitFor([drzewo] { return !drzewo->wczytuje(); }));
    const QModelIndex plany =
        drzewo->match(drzewo->index(0, 0), Qt::DisplayRole, QStringLiteral("Plans"), 1, Qt::MatchFixedString).value(0);
    ASSERT_TRUE(plany.isValid());
    zarys->widokZaryseli()->expand(plany);
    EXPECT_EQ(zarys->widokZaryseli()->header()->height(), 22);
    QTest::qWait(100);
    EXPECT_TRUE(widok->kontrolerRzeczyPotoku()->widokZaryseli()->isVisible());
    zrzutOkna(okno, QStringLiteral("portfolio-tab-bean-view.png"));
}

// The notice that the system's limit of inotify watches is reached, as the sheet the window shows
// a turn after the stream tells it.
TEST_F(KartyProgramuXvfbTest, TheWatchLimitNoticeAsASheetOnTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(uruchom(QRect(20, 40, 900, 560)));
    PowiadomienieOLimicieObserwacji::instancja()->zglos();
    QString tekst;
    // Started after the notice's own turn: it runs inside the sheet's modal loop.
    QTimer::singleShot(0, m_oknoPierwsze, [&] {
        QWidget *arkusz = nullptr;
        const bool pokazany =
            QTest::qWaitFor([&] { return (arkusz = QApplication::activeModalWidget()) && arkusz->isVisible(); }, 5000);
        if (pokazany && QTest::qWaitForWindowExposed(arkusz)) {
            zrzutOkien({m_oknoPierwsze, arkusz}, QStringLiteral("watch-limit-notice.png"));
            if (auto *pole = qobject_cast<QMessageBox *>(arkusz))
                tekst = pole->informativeText();
        }
        if (auto *dialog = qobject_cast<QDialog *>(arkusz))
            dialog->done(0);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tekst.isEmpty(); }, 10000)) << "no sheet showed";
    EXPECT_TRUE(tekst.contains(QLatin1String("fs.inotify.max_user_watches")));
}
